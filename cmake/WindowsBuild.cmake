# What the Windows build needs before its layers: GoogleTest and GoogleMock
# compiled from the sources of Debian's googletest package (no prebuilt
# mingw-w64 libraries exist), with the GTest:: names find_package would give.
set(DUNMORA_BENCHMARKS OFF)
set(DUNMORA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows build")
if(NOT EXISTS ${DUNMORA_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${DUNMORA_GOOGLETEST_SOURCE} (scripts/setup installs googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
# GoogleTest's own code is not held to our warning rules: it is compiled
# without the options the top folder set for ours.
get_directory_property(dunmoraCompileOptions COMPILE_OPTIONS)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
add_subdirectory(${DUNMORA_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "${dunmoraCompileOptions}")
