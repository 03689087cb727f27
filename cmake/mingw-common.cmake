# What both MinGW-w64 toolchains share (posix threads); the including file
# names the target triple in VO_MINGW_TRIPLE. Tests run under Wine through
# wine-run.sh, which picks the loader of each executable's architecture.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VO_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
