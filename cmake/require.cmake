# require_packages(WHAT NEED:PACKAGE ...) stops the configure where something WHAT needs is
# missing, and names the Debian packages that bring it. NEED is a program found on the PATH, or
# an absolute path.
#
#   require_packages("The page" "${emscripten_toolchain}:emscripten" npm:npm)

# Debian's Emscripten, as its package installs it.
set(emscripten_toolchain /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

function(require_packages what)
  set(missing "")
  foreach(need IN LISTS ARGN)
    string(REGEX MATCH "^(.+):([^:]+)$" matched "${need}")
    if(IS_ABSOLUTE "${CMAKE_MATCH_1}")
      set(found "${CMAKE_MATCH_1}")
      if(NOT EXISTS "${found}")
        set(found "")
      endif()
    else()
      find_program(found "${CMAKE_MATCH_1}" NO_CACHE)
    endif()
    if(NOT found)
      list(APPEND missing "${CMAKE_MATCH_2}")
    endif()
  endforeach()
  if(missing)
    list(REMOVE_DUPLICATES missing)
    list(JOIN missing " " missing)
    message(FATAL_ERROR "${what} needs what these Debian packages bring: apt install ${missing}")
  endif()
endfunction()
