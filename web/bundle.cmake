# Joins the worker's scripts into one function, vorsplitWorker, whose text the page starts as a
# worker; inside it, the function outputWorker, whose text that worker starts as the one that
# writes the files:
#
#   cmake -DOUTPUT=split-worker.js -DZIP_WRITER=client-zip/worker.js -DOUTPUT_WORKER=output_worker.js
#         -DMODULE=split_module.js -DWORKER=worker.js -DSOUND=sound.js
#         -P bundle.cmake
cmake_minimum_required(VERSION 3.25)
foreach(part ZIP_WRITER OUTPUT_WORKER MODULE WORKER SOUND)
  file(READ "${${part}}" ${part}_text)
endforeach()
file(WRITE "${OUTPUT}" "// The page's worker, run from this function's text: the files' worker with the zip writer
// (client-zip, MIT licence), the module, and the worker's own script.
function vorsplitWorker() {
function outputWorker() {
${ZIP_WRITER_text}
${OUTPUT_WORKER_text}
}
${MODULE_text}
${WORKER_text}
${SOUND_text}
}
")
