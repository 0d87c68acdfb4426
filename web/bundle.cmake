# Joins the worker's scripts into one function, vorsplitWorker, whose text the page starts as
# a worker:  cmake -DOUTPUT=split-worker.js -DPARTS="a.js|b.js" -P bundle.cmake
cmake_minimum_required(VERSION 3.25)
set(text "// The page's worker, run from this function's text: the zip writer (client-zip, MIT\n// licence), the module, and the worker's own script.\nfunction vorsplitWorker() {\n")
string(REPLACE "|" ";" parts "${PARTS}")
foreach(part IN LISTS parts)
  file(READ "${part}" content)
  string(APPEND text "${content}\n")
endforeach()
file(WRITE "${OUTPUT}" "${text}}\n")
