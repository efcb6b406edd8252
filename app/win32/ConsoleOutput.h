#pragma once
// Where a window program's text lines go (--help, --version and the result
// lines of an unattended run). A program of the Windows subsystem gets no
// console of its own:
//   - a standard output its starter handed down (a file or a pipe: "> file",
//     "| more") takes the UTF-8 bytes as they are;
//   - else the console of the process that started it (cmd.exe, PowerShell),
//     attached to and written in UTF-16, so Chinese text shows whatever the
//     console's code page;
//   - else (started from the desktop) the lines go nowhere.
#include <string>

namespace app::win32host {

class ConsoleOutput {
  public:
    enum class Kind { None, Stream, Console };

    // Looks for the standard output, then the parent's console.
    static ConsoleOutput Connect();

    Kind Where() const { return kind_; }
    // Writes the UTF-8 text; line feeds stay line feeds.
    void Write(const std::string& text) const;

  private:
    Kind kind_ = Kind::None;
    void* handle_ = nullptr; // HANDLE
};

} // namespace app::win32host
