#include "app/win32/ProgramFile.h"

#include "platform/win32/Native.h"

namespace app::win32host {

std::string ProgramFilePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return win32platform::Utf8(path);
        }
        path.resize(path.size() * 2);
    }
}

} // namespace app::win32host
