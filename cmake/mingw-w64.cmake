# Toolchain for the Windows program: Debian's mingw-w64 compilers with POSIX
# threads (std::thread and std::mutex need them), 64-bit, everything linked
# statically so that an .exe runs without DLLs beside it.
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# Test programs run under Wine (scripts/wine-run), in a prefix of the build's
# own (build-windows/wine-prefix), so that `ctest` works in the build folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DUNMORA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DUNMORA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DUNMORA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${DUNMORA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DUNMORA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# scripts/wine-run starts Wine (and so its wineserver) without cap_sys_time:
# no test program may ever set this machine's clock.
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run ${CMAKE_BINARY_DIR}/wine-prefix)
