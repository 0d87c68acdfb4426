#include <cstdio>

#include "front_end.h"
#include "loop_points.h"

int main(int argc, char** argv) {
  std::printf("vorloop Ver." VORSPLIT_VERSION ": loop points for the tracks of vorsplit\n\n");
  return vorsplit::run_on_archive(argc, argv, "usage : vorloop targetfile",
                                  vorsplit::write_loop_points);
}
