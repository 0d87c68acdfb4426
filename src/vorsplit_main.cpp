#include <cstdio>

#include "front_end.h"
#include "track_writer.h"

int main(int argc, char** argv) {
  std::printf("Vorrel 3 BGM Extractor Ver." VORSPLIT_VERSION " written by Pelrow\n\n");
  return vorsplit::run_on_archive(argc, argv, "usage : vorsplit targetfile", vorsplit::extract);
}
