# The two packages a user downloads, each the tools with their readme and the players' files
# beside them, no folder around them, since the tools belong next to the user's archives:
#   vorsplit-VERSION-windows-x86_64.zip     vorsplit.exe and vorloop.exe (static, stripped as
#                                           they are linked), "drop archive here.bat", and
#                                           vorsplit-README.txt (CR LF)
#   vorsplit-VERSION-linux-x86_64.tar.gz    vorsplit and vorloop (stripped), vorsplit-README.md
#   vorsplit-VERSION-web.zip                the page: index.html and page.js
# and a .sha256 beside each. Nothing is installed into a system folder. The readme is named
# after the tool, so that unpacked beside a user's files it replaces none of theirs.

set(stage "${CMAKE_BINARY_DIR}/stage")
set(readme_txt "${CMAKE_BINARY_DIR}/vorsplit-README.txt")
file(READ "${PROJECT_SOURCE_DIR}/README.md" readme)
string(REPLACE "\n" "\r\n" readme "${readme}")
file(WRITE "${readme_txt}" "${readme}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/README.md")

# Each file in the packages is dated with the commit's time, so that two builds of one commit
# give the same bytes.
execute_process(COMMAND git log -1 --format=%ct
  WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
  OUTPUT_VARIABLE epoch
  OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)

include(${PROJECT_SOURCE_DIR}/cmake/page.cmake)
set(web "${CMAKE_BINARY_DIR}/web")

set(package "${CMAKE_BINARY_DIR}/vorsplit-${PROJECT_VERSION}")
add_custom_target(packages ALL
  COMMAND "${CMAKE_COMMAND}" -E rm -rf "${stage}"
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${stage}/windows" "${stage}/linux" "${stage}/web"
  COMMAND "${CMAKE_STRIP}" -o "${stage}/linux/vorsplit" "$<TARGET_FILE:vorsplit>"
  COMMAND "${CMAKE_STRIP}" -o "${stage}/linux/vorloop" "$<TARGET_FILE:vorloop>"
  COMMAND "${CMAKE_COMMAND}" -E copy "${CMAKE_BINARY_DIR}/vorsplit.exe"
          "${CMAKE_BINARY_DIR}/vorloop.exe" "${PROJECT_SOURCE_DIR}/windows/drop archive here.bat"
          "${readme_txt}" ${player_files} "${stage}/windows/"
  COMMAND "${CMAKE_COMMAND}" -E copy "${PROJECT_SOURCE_DIR}/README.md"
          "${stage}/linux/vorsplit-README.md"
  COMMAND "${CMAKE_COMMAND}" -E copy ${player_files} "${stage}/linux/"
  COMMAND "${CMAKE_COMMAND}" -E copy "${web}/index.html" "${web}/page.js"
          "${stage}/web/"
  COMMAND "${CMAKE_COMMAND}" "-DFOLDER=${stage}/windows" "-DOUTPUT=${package}-windows-x86_64.zip"
          "-DEPOCH=${epoch}" -P "${PROJECT_SOURCE_DIR}/cmake/pack.cmake"
  COMMAND "${CMAKE_COMMAND}" "-DFOLDER=${stage}/linux" "-DOUTPUT=${package}-linux-x86_64.tar.gz"
          "-DEPOCH=${epoch}" -P "${PROJECT_SOURCE_DIR}/cmake/pack.cmake"
  COMMAND "${CMAKE_COMMAND}" "-DFOLDER=${stage}/web" "-DOUTPUT=${package}-web.zip"
          "-DEPOCH=${epoch}" -P "${PROJECT_SOURCE_DIR}/cmake/pack.cmake"
  DEPENDS vorsplit vorloop vorsplit_exe player_files web_page
  VERBATIM)
