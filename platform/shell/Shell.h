#pragma once
// Opening a document or web address with the program the desktop registers for
// it, in the shape of shell32's ShellExecuteA.
#include <cstdint>

namespace shell {

using HWND = void*;
using HINSTANCE = std::intptr_t;

constexpr int SW_SHOWNOACTIVATE = 4;
constexpr HINSTANCE SE_ERR_NOASSOC = 31;

// Opens lpFile (here: a URL) with the desktop's URL opener. Only the default
// verb ("open" or null) is supported; owner, parameters, folder and show
// command are accepted and not used. Returns a value above 32 on success.
HINSTANCE ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile, const char* lpParameters,
                        const char* lpDirectory, int nShowCmd);

} // namespace shell
