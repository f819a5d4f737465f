# Cross-compiles for 64-bit Windows with the posix-threads mingw-w64 toolchain (std::thread,
# std::mutex) and runs every built test executable through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(DEFINED ENV{CLAVIRA_DEPS})
  set(CLAVIRA_WIN64_DEPS "$ENV{CLAVIRA_DEPS}/win64" CACHE PATH "Windows builds of the dependencies")
else()
  set(CLAVIRA_WIN64_DEPS "$ENV{HOME}/.cache/clavira/win64" CACHE PATH "Windows builds of the dependencies")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CLAVIRA_WIN64_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# ONLY would hide the GTest package configuration from find_package.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
