# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix-threads flavour:
# Qt needs std::thread and std::mutex, which the win32 flavour lacks).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(GLIMMBAR_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${GLIMMBAR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GLIMMBAR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${GLIMMBAR_MINGW_TRIPLE}-windres)

# Libraries, headers and CMake packages come from the MinGW sysroot and from the Windows Qt
# (given in CMAKE_PREFIX_PATH), never from the Linux host; programs (moc, rcc) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${GLIMMBAR_MINGW_TRIPLE} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's build tools (moc, rcc, uic) are the Linux host's own Qt of the same version.
if(NOT QT_HOST_PATH)
    execute_process(COMMAND gcc -print-multiarch OUTPUT_VARIABLE glimmbar_multiarch
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(QT_HOST_PATH /usr CACHE PATH "The host Qt for moc, rcc and uic")
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${glimmbar_multiarch}/cmake CACHE PATH
        "The host Qt's CMake packages")
endif()
