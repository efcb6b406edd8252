// Glyphs and text layout for the drawing layer. Fonts resolve a LOGFONTA
// through fontconfig and render with FreeType without anti-aliasing (embedded
// bitmaps where the face has them). Layout follows DrawText: CR LF and LF
// break lines, DT_WORDBREAK wraps at blanks (and between CJK characters),
// "&" marks the underlined access key and "&&" is a literal ampersand.
// Text is UTF-8; lengths are byte lengths.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/gdi/text/GlyphImage.h"

#include <cstddef>
#include <cstdint>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace gdi::detail {

// A glyph with ink as a line places it: its runs and box are relative to
// (x, y), the pen position on the baseline.
struct PlacedGlyph {
    int x;
    int y;
    const GlyphImage* image;
};

// Where rendered text goes. plot is called for every inked pixel (already in
// device coordinates, before clipping). When runs is set, it is called in
// plot's place once per glyph, and once per row of an underline or
// strike-out, with the inked pixels as row runs relative to (x, y): only the
// parts of them within clip are to be drawn. When glyphs is set as well, it
// takes the glyphs in runs' place, a line's inked glyphs (or a piece of a long
// line) in one call, to be drawn within clip; runs still draws the lines.
// fillBackground, when set, is called with each line's extent before its
// glyphs (opaque background mode).
struct TextSink {
    std::function<void(int x, int y)> plot;
    std::function<void(int x, int y, const InkRun* runs, std::size_t count, const RECT& clip)> runs;
    std::function<void(const PlacedGlyph* glyphs, std::size_t count, const RECT& clip)> glyphs;
    std::function<void(const RECT& rect)> fillBackground;
};

// No limit: the clip of runs that nothing has narrowed.
inline constexpr RECT kNoTextClip{-0x7FFFFFFF - 1, -0x7FFFFFFF - 1, 0x7FFFFFFF, 0x7FFFFFFF};

// Calls sink.runs with one row of width inked pixels from (x, y), in runs of at most the longest InkRun.
void RowAsRuns(const TextSink& sink, int x, int y, int width, const RECT& clip);

class FontFace {
  public:
    virtual ~FontFace() = default;
    // Never returns null: an unknown face falls back to a default one.
    static std::shared_ptr<FontFace> Create(const LOGFONTA& logfont);
    // The font a new device context starts with.
    static std::shared_ptr<FontFace> Default();

    virtual const LOGFONTA& Logfont() const = 0;
    virtual TEXTMETRICA Metrics() const = 0;
    // Advance width of a run of text, in pixels (no prefix handling).
    virtual int Advance(std::string_view utf8) const = 0;
    // Draws one line whose cell top is at yTop, starting at x; honours the
    // font's underline and strike-out.
    virtual void DrawRun(std::string_view utf8, int x, int yTop, const TextSink& sink) const = 0;

    // Rows of the font's underline (lfUnderline), counted from the cell top.
    struct LineRows {
        int top;
        int thickness;
    };
    virtual LineRows UnderlineRows() const;
    // The font file the glyphs come from (empty for a face without one).
    virtual std::string FontFile() const { return {}; }
    // Tells this face from every other one made in the process, also from a
    // later face at the same address.
    std::uint64_t Id() const { return id_; }

  private:
    static std::uint64_t NextId();
    std::uint64_t id_ = NextId();
};

// DrawTextA on a font: lays out text in *rect by format and draws it into the
// sink, or with DT_CALCRECT only measures and updates *rect. Returns the
// height of the text, 0 on failure.
int DrawTextLayout(const FontFace& font, std::string_view text, RECT* rect, UINT format,
                   const TextSink& sink);

} // namespace gdi::detail
