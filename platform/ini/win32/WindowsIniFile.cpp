// Whole-file access for the profile functions on Windows. Paths are UTF-8 and
// reach the *W calls as UTF-16. A write holds the file open without sharing
// it for writing, so two writers never interleave, and rewrites it in place.
#include "platform/ini/IniFile.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <optional>

namespace ini {
namespace {

std::wstring Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// Closes a file handle on scope exit.
struct FileHandle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    explicit FileHandle(HANDLE h) : handle(h) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};

std::optional<std::string> ReadAll(HANDLE file) {
    std::string text;
    char buffer[8192];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr))
            return std::nullopt;
        if (read == 0)
            return text;
        text.append(buffer, read);
    }
}

// Another writer holds the file only for the moment of its own write.
HANDLE OpenForUpdate(const std::wstring& path) {
    for (int attempt = 0;; ++attempt) {
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION || attempt == 50)
            return file;
        Sleep(20);
    }
}

} // namespace

FileText ReadWholeFile(const std::string& path) {
    const FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? ReadStatus::Missing : ReadStatus::Failed, {}};
    }
    std::optional<std::string> text = ReadAll(file.handle);
    if (!text)
        return {ReadStatus::Failed, {}};
    return {ReadStatus::Ok, std::move(*text)};
}

bool UpdateFile(const std::string& path, const ContentChange& change, const TemporaryFileMaker&) {
    const FileHandle file(OpenForUpdate(Wide(path)));
    if (file.handle == INVALID_HANDLE_VALUE)
        return false;
    const std::optional<std::string> present = ReadAll(file.handle);
    if (!present)
        return false;
    const std::optional<std::string> wanted = change(*present);
    if (!wanted)
        return false;
    if (SetFilePointer(file.handle, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return false;
    std::size_t done = 0;
    while (done < wanted->size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(wanted->size() - done, 1 << 20));
        if (!WriteFile(file.handle, wanted->data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return SetEndOfFile(file.handle) && FlushFileBuffers(file.handle);
}

} // namespace ini
