# Debian's Emscripten, offline: its prebuilt system libraries are used as they are. Its optimiser
# runs on the machine's Node and finds its parser among Debian's Node modules.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CXX_COMPILER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
