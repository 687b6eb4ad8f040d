# The 32-bit build is compiled and linked only: this machine cannot run it.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZENTRIM_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
