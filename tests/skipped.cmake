# Run by ctest after the tests (CTestCustom.cmake): prints, for every test that skipped all or
# part of its cases, the reason it gave, so that a run shows on the console what it did not
# check and why. A test gives its reason as a line of output that starts "skipped: " (or
# "# skipped: ", as Node's test runner prints it), or Node's runner says "# SKIP reason".
file(STRINGS Testing/Temporary/LastTest.log.tmp log)
set(test "")
foreach(line IN LISTS log)
  if(line MATCHES "^[0-9]+/[0-9]+ Test: (.*)$")
    set(test "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^(# )?skipped: (.*)$")
    message("Skipped in ${test}: ${CMAKE_MATCH_2}")
  elseif(line MATCHES "# SKIP (.*)$")
    message("Skipped in ${test}: ${CMAKE_MATCH_1}")
  endif()
endforeach()
