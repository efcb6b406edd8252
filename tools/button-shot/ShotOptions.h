// The command line of button-shot:
//   button-shot --size WxH [--set Property=Value ...] [--state S ...] [--scale N] --out FILE.png
//   button-shot --sheet FILE.png [--scale N]
// States: normal, hover, pushed, checked, default, disabled, design; they combine.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct ShotRequest {
    int width = 0;
    int height = 0;
    std::vector<std::pair<std::string, std::string>> settings;  // property name, value text, in order
    std::vector<std::string> states;
    int scale = 1;
    std::string out;
    std::string sheet;  // non-empty: draw the contact sheet instead
};

// Parses the arguments (without the program name). On a mistake returns false
// and sets error to a message for the user.
bool ParseShotRequest(const std::vector<std::string>& args, ShotRequest& request, std::string& error);

// The usage text printed with a mistake or --help.
const char* ShotUsage();

bool IsKnownState(const std::string& state);
