# Cross build for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix).
# Used both for Qt itself and for the programs: cmake -DCMAKE_TOOLCHAIN_FILE=windows/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(KMTX_MINGW x86_64-w64-mingw32)
# The posix thread model: Qt 6 needs std::thread and std::mutex.
set(CMAKE_C_COMPILER ${KMTX_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KMTX_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KMTX_MINGW}-windres)
set(CMAKE_OBJDUMP /usr/bin/${KMTX_MINGW}-objdump)

# Libraries and headers of Windows only (mingw-w64's, and Qt's for Windows when its folder is
# given with -DCMAKE_FIND_ROOT_PATH); programs (moc, rcc, …) of the machine itself.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KMTX_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# What the DLLs of a program are, found by reading its imports with objdump.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${CMAKE_OBJDUMP})

# No build time in the programs' and DLLs' headers, so two builds of the same sources are the same
# bytes (a PE header otherwise holds the time it was linked).
set(CMAKE_EXE_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -Wl,--no-insert-timestamp)
