// SPDX-License-Identifier: MIT
// Reads one value from a profile file and prints the process's peak resident
// memory in KiB and the time the request took in seconds, so peak_memory.sh
// can compare a tiny file with huge ones.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "game/ProfileReader.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s FILE SECTION KEY\n", argv[0]);
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const std::string value = ReadProfileString(argv[1], argv[2], argv[3], "<missing>");
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%ld %.3f %s\n", usage.ru_maxrss, took.count(), value.substr(0, 40).c_str());
  return 0;
}
