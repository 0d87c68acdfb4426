# Debian's Emscripten, offline, and esbuild, which bundles the page's scripts: its prebuilt system libraries are used as they are. Its optimiser
# runs on the machine's Node and finds its parser among Debian's Node modules.
include(${CMAKE_CURRENT_LIST_DIR}/require.cmake)
if(NOT EXISTS "${emscripten_toolchain}")
  # CMake records the platform of a first configure in the build folder and keeps it. Without
  # the toolchain that would be the host's, and a later configure, Emscripten installed by then,
  # would fail on it: the record goes, so that the next try starts afresh.
  file(REMOVE_RECURSE "${CMAKE_BINARY_DIR}/CMakeFiles/${CMAKE_VERSION}")
endif()
require_packages("The page" "${emscripten_toolchain}:emscripten" esbuild:esbuild)
include(${emscripten_toolchain})
set(CMAKE_CXX_COMPILER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
set(CMAKE_C_COMPILER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
