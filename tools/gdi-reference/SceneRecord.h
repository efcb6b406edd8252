// What one drawing scene produced: its return values, region boxes and the
// pixels of its bitmap, and the stable text form in which it is stored. The
// same code records under Windows (the reference) and under our own layer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gdi_reference {

struct SceneResult {
    std::string family;
    std::string name;
    std::vector<std::string> facts; // "ret <what> <value>", "box <what> <type> l t r b"
    std::string exception;          // why this scene may differ from the reference; empty: none
    int width = 0;                  // picture size; 0 x 0 for scenes that only report facts
    int height = 0;
    std::vector<std::uint32_t> pixels; // COLORREF values (or raw 32-bit pixels), row by row
};

// One scene as text:
//   scene <family>/<name>
//   [exception <reason>]
//   ret ... / box ...
//   pixels <w> <h> <palette: letter=RRGGBB ...> (8 digits for a raw 32-bit
//   pixel whose top byte is not 0)
//   one line per row: runs of "<letter>[count]", "=" repeats the row above
//   end
std::string FormatScene(const SceneResult& scene);
// Parses every scene of a text; false on malformed text (what is wrong in *error).
bool ParseScenes(const std::string& text, std::vector<SceneResult>* scenes, std::string* error);

} // namespace gdi_reference
