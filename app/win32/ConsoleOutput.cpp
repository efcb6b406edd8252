#include "app/win32/ConsoleOutput.h"

#include "platform/win32/Native.h"

namespace app::win32host {
namespace {

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

bool Usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

ConsoleOutput ConsoleOutput::Connect() {
    ConsoleOutput output;
    const HANDLE inherited = GetStdHandle(STD_OUTPUT_HANDLE);
    if (Usable(inherited)) {
        output.handle_ = inherited;
        output.kind_ = IsConsole(inherited) ? Kind::Console : Kind::Stream;
        return output;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return output;
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE)
        return output;
    output.handle_ = console;
    output.kind_ = Kind::Console;
    return output;
}

void ConsoleOutput::Write(const std::string& text) const {
    if (kind_ == Kind::Console) {
        const std::wstring wide = win32platform::Utf16(text);
        DWORD written = 0;
        WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    if (kind_ == Kind::Stream) {
        std::size_t done = 0;
        while (done < text.size()) {
            DWORD written = 0;
            if (!WriteFile(handle_, text.data() + done, static_cast<DWORD>(text.size() - done), &written, nullptr) ||
                written == 0)
                return;
            done += written;
        }
    }
}

} // namespace app::win32host
