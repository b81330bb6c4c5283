// SPDX-License-Identifier: MIT
// Reads one value from a profile file and prints the process's peak resident
// memory in KiB, so peak_memory.sh can compare a tiny file with huge ones.
#include <sys/resource.h>

#include <cstdio>
#include <string>

#include "game/ProfileReader.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s FILE SECTION KEY\n", argv[0]);
    return 2;
  }
  const std::string value = ReadProfileString(argv[1], argv[2], argv[3], "<missing>");
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%ld %s\n", usage.ru_maxrss, value.substr(0, 40).c_str());
  return 0;
}
