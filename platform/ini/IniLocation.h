#pragma once
// Where the program's INI file lives. Beside the program while that works, so a
// portable copy keeps its settings with it; for an installed program, whose
// folder the user cannot write, under the user's configuration folder: on
// Linux $XDG_CONFIG_HOME (by default ~/.config), with an optional system-wide
// default under /etc/xdg that is read while the user has no file of their own;
// on Windows the roaming application data, %APPDATA%, and no defaults.
// Paths are UTF-8 on both.
#include <functional>
#include <string>

namespace ini {

struct IniPlaces {
    std::string programFolder;
    std::string programName; // file name without extension
    // $XDG_CONFIG_HOME when absolute, else $HOME/.config; empty when unknown.
    std::string configHome;
    std::string systemConfigRoot = "/etc/xdg";
    // The first absolute folder of $XDG_CONFIG_DIRS, else /etc/xdg.
    std::string SystemConfigRootFromEnvironment();

    // Whether the effective user may create files in the folder; empty: access(2).
    std::function<bool(const std::string& folder)> folderWritable;
};

struct IniLocation {
    std::string path;         // read and written
    std::string defaultsPath; // read while path does not exist; empty: none
    bool inUserFolder = false; // under the configuration home, whose folder the first write makes
};

// "<folder>/<name>.ini" when that file exists or the folder is writable (or no
// configuration home is known); otherwise "<configHome>/DunmoraDesk/<name>.ini"
// with the defaults in "<systemConfigRoot>/DunmoraDesk/<name>.ini" (Linux) or
// none (Windows, whose paths take backslashes).
IniLocation ChooseIniLocation(const IniPlaces& places);

// The configuration home: from the environment as the XDG rules give it, or
// Windows' known folder RoamingAppData.
std::string ConfigHomeFromEnvironment();

// The first absolute folder of $XDG_CONFIG_DIRS, else /etc/xdg; empty on Windows.
std::string SystemConfigRootFromEnvironment();

// Whether the effective user may write into the folder (access(2) with the
// effective ids: a read-only mount says no even to root; on Windows, whether a
// file can be made there).
bool FolderWritableByEffectiveUser(const std::string& folder);

} // namespace ini
