#pragma once
// Whole-file access for the profile functions.
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

// Replaces the file's content atomically: the bytes go to a temporary file in the
// same folder, which is flushed and then renamed over the file, so a crash or a
// full disk leaves either the old or the new content, never a mixture. An
// existing file keeps its permission bits; a symbolic link keeps pointing at its
// target, whose content is replaced.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes);

} // namespace ini
