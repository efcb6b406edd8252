#pragma once
// Whole-file access for the profile functions.
#include <functional>
#include <optional>
#include <string>

namespace ini {

enum class ReadStatus { Ok, Missing, Failed };

struct FileText {
    ReadStatus status = ReadStatus::Missing;
    std::string text;
};

// The bytes of the file; Missing when it does not exist, Failed when it exists
// but cannot be read.
FileText ReadWholeFile(const std::string& path);

// Given the file's present bytes, the bytes it should hold, or nothing to leave it alone.
using ContentChange = std::function<std::optional<std::string>(const std::string& present)>;

// Makes a temporary file from a path template ending in "XXXXXX" (as mkostemp
// does): fills in the template and returns an open descriptor, or -1.
using TemporaryFileMaker = std::function<int(std::string& pathTemplate)>;

// Reads, changes and writes the file (created when missing) under an exclusive
// lock on it, so that writers in other processes never lose each other's
// changes. The new bytes go to a temporary file beside the file, which is
// flushed and renamed over it: a crash or a full disk leaves the old or the new
// content, never a mixture. Where that cannot be done while keeping the file
// as it is known (no temporary file can be made because the folder is not
// writable, the owner cannot be kept, the rename is refused) the file is
// written in place instead. A rewrite keeps owner, group and mode; a symbolic
// link keeps pointing at its target, whose content is replaced; temporary files
// a killed writer left behind are removed. False when nothing was written.
bool UpdateFile(const std::string& path, const ContentChange& change,
                const TemporaryFileMaker& makeTemporary = {});

} // namespace ini
