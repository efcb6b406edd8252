// Whole-file access on Windows. Paths are UTF-8 here and UTF-16 at the *W
// calls, so folders with names in any script work.
//
// Writers of the same file are kept apart by a named mutex of the file's full
// path (a lock on the file itself would stay behind on the file a replacement
// removes). The new bytes go to a temporary file beside the file, which
// ReplaceFileW puts in its place with the old file's attributes and security;
// where that cannot be done (a folder the user may not create files in, a
// refused replacement) the file is written in place.
#include "platform/ini/IniFile.h"
#include "platform/unicode/Utf16.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cwctype>
#include <string>

namespace ini {
namespace {

class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { Close(); }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        const bool closed = !Valid() || CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

// Held while one writer reads, changes and writes the file.
class WriterLock {
  public:
    explicit WriterLock(const std::wstring& path) : mutex_(CreateMutexW(nullptr, FALSE, MutexName(path).c_str())) {
        const DWORD wait = mutex_.Valid() ? WaitForSingleObject(mutex_.Get(), INFINITE) : WAIT_FAILED;
        // An abandoned mutex (its writer died) is ours all the same.
        held_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;
    ~WriterLock() {
        if (held_)
            ReleaseMutex(mutex_.Get());
    }
    bool Held() const { return held_; }

  private:
    // Mutex names take no backslash and at most MAX_PATH characters: the
    // name carries a hash of the full path, compared without regard to case
    // as Windows compares paths.
    static std::wstring MutexName(const std::wstring& path) {
        std::wstring full(MAX_PATH, L'\0');
        DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length >= full.size()) {
            full.resize(length);
            length = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
        }
        full.resize(length < full.size() ? length : 0);
        if (full.empty())
            full = path;
        std::uint64_t hash = 14695981039346656037ull; // FNV-1a
        for (wchar_t c : full) {
            hash ^= static_cast<std::uint64_t>(std::towupper(c));
            hash *= 1099511628211ull;
        }
        wchar_t digits[17];
        for (int i = 15; i >= 0; --i, hash >>= 4)
            digits[i] = L"0123456789abcdef"[hash & 15];
        digits[16] = L'\0';
        return std::wstring(L"Local\\DunmoraDesk.ini.") + digits;
    }

    Handle mutex_;
    bool held_ = false;
};

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

enum class Replaced { Yes, NotThisWay, Failed };

Replaced ReplaceByTemporary(const std::wstring& path, const std::string& bytes, bool fileExisted) {
    const std::wstring temporary = path + L".new";
    Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return Replaced::NotThisWay;
    bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    written = file.Close() && written;
    if (!written) {
        DeleteFileW(temporary.c_str());
        return Replaced::Failed;
    }
    const bool replaced =
        fileExisted ? ReplaceFileW(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                   nullptr, nullptr)
                    : MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
        DeleteFileW(temporary.c_str());
        return Replaced::NotThisWay;
    }
    return Replaced::Yes;
}

bool WriteInPlace(const std::wstring& path, const std::string& bytes) {
    Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid() && WriteAll(file.Get(), bytes) && SetEndOfFile(file.Get()) &&
           FlushFileBuffers(file.Get()) && file.Close();
}

} // namespace

FileText ReadWholeFile(const std::string& path) {
    FileText result;
    Handle file(CreateFileW(unicode::Utf16(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        const DWORD error = GetLastError();
        result.status = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadStatus::Missing
                                                                                       : ReadStatus::Failed;
        return result;
    }
    char buffer[8192];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) {
            result.status = ReadStatus::Failed;
            result.text.clear();
            return result;
        }
        if (read == 0)
            break;
        result.text.append(buffer, read);
    }
    result.status = ReadStatus::Ok;
    return result;
}

// The temporary-file maker is the POSIX writer's; here the temporary file has
// one fixed name, which only the holder of the writer lock uses.
bool UpdateFile(const std::string& path, const ContentChange& change, const TemporaryFileMaker&) {
    const std::wstring widePath = unicode::Utf16(path);
    WriterLock lock(widePath);
    if (!lock.Held())
        return false;
    // A file that exists but cannot be read is never overwritten: its content would be lost.
    const FileText present = ReadWholeFile(path);
    if (present.status == ReadStatus::Failed)
        return false;
    const std::optional<std::string> bytes = change(present.text);
    if (!bytes)
        return false;
    switch (ReplaceByTemporary(widePath, *bytes, present.status == ReadStatus::Ok)) {
    case Replaced::Yes:
        return true;
    case Replaced::Failed:
        return false;
    case Replaced::NotThisWay:
        break;
    }
    return WriteInPlace(widePath, *bytes);
}

} // namespace ini
