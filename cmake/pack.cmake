# Packs every file of one folder, sorted by name, into a download that is the same bytes whatever
# the order in which the files were made, the file system they lie on, or who builds it:
#
#   cmake -DFOLDER=stage/windows -DOUTPUT=vorsplit-0.01-windows-x86_64.zip -DEPOCH=SECONDS
#         -P pack.cmake
#
# A .zip holds the names, modes and bytes and each file's time (EPOCH); a .tar.gz the same, and
# owner and group 0. A .sha256 beside it is in sha256sum's format. Needs zip, GNU tar and
# gzip.
cmake_minimum_required(VERSION 3.25)

file(GLOB names RELATIVE "${FOLDER}" "${FOLDER}/*")
list(SORT names)
foreach(name IN LISTS names)
  # Programs are executable, the rest readable, whatever the builder's umask.
  if(name MATCHES "^[^.]+$|\\.exe$")
    file(CHMOD "${FOLDER}/${name}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  else()
    file(CHMOD "${FOLDER}/${name}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()
  execute_process(COMMAND touch -d "@${EPOCH}" "${FOLDER}/${name}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(REMOVE "${OUTPUT}")
if(OUTPUT MATCHES "\\.zip$")
  # No extra fields, which would record the builder's ids and the files' other times; the one
  # time a zip then keeps is local time, here UTC.
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC zip -X -D -q -9 "${OUTPUT}" ${names}
    WORKING_DIRECTORY "${FOLDER}" COMMAND_ERROR_IS_FATAL ANY)
else()
  execute_process(
    COMMAND tar --format=gnu --owner=0 --group=0 --numeric-owner "--mtime=@${EPOCH}"
            --no-recursion -cf - ${names}
    COMMAND gzip -n -9
    WORKING_DIRECTORY "${FOLDER}" OUTPUT_FILE "${OUTPUT}" COMMAND_ERROR_IS_FATAL ANY)
endif()

file(SHA256 "${OUTPUT}" hash)
get_filename_component(package "${OUTPUT}" NAME)
file(WRITE "${OUTPUT}.sha256" "${hash}  ${package}\n")
