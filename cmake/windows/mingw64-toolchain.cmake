# Cross-building for 64-bit Windows on Debian with MinGW-w64 (posix threads, for std::thread).
# Qt for MinGW is found below TRAILCAM_QT_MINGW (the folder holding lib/cmake/Qt6); moc, rcc and
# uic come from the host's Qt of the same version (QT_HOST_PATH).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Settings the compiler checks of try_compile must see too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TRAILCAM_QT_MINGW)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${TRAILCAM_QT_MINGW})
list(PREPEND CMAKE_PREFIX_PATH ${TRAILCAM_QT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(NOT DEFINED QT_HOST_PATH)
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
