# The page, built with Emscripten as a project of its own (one CMake build has one target
# platform) into web/ of this build folder, for the tests and for the packages alike.
if(NOT TARGET web_page)
  include(ExternalProject)
  ExternalProject_Add(web_page
    SOURCE_DIR "${PROJECT_SOURCE_DIR}"
    BINARY_DIR "${CMAKE_BINARY_DIR}/web"
    CMAKE_ARGS "-DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/emscripten.cmake"
               -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
endif()
