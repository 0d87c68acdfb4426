# Joins the workers' scripts into two functions, whose texts the page starts as workers:
# vorsplitWorker, the module with the split and the sound; readerWorker, the archive's reader,
# whose serveFile the page also has, for where it reads the archive itself.
#
#   cmake -DOUTPUT=split-worker.js -DMODULE=split_module.js -DWORKER=worker.js -DSOUND=sound.js
#         -DREADER=reader_worker.js -P bundle.cmake
cmake_minimum_required(VERSION 3.25)
foreach(part MODULE WORKER SOUND READER)
  file(READ "${${part}}" ${part}_text)
endforeach()
file(WRITE "${OUTPUT}" "// The page's workers, each run from its function's text: the splitter, with the module; the
// archive's reader, which the page may also run itself.
function vorsplitWorker() {
${MODULE_text}
${WORKER_text}
${SOUND_text}
}
${READER_text}
function readerWorker() {
${READER_text}
// The splitter's messages come through the page, {message}, and go back the same way.
const port = {postMessage: (message, transfer = []) => postMessage({message, transfer}, transfer)};
serveFile(port);
onmessage = ({data}) => port.onmessage({data: data.message});
}
")
