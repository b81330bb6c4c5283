// SPDX-License-Identifier: MIT
// What reading the question file afresh for every question costs: one draw
// (five requests, each reading the file) against reading the same file into
// memory once. draw_vs_load.sh prints both and their ratio.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/Exception.h"
#include "game/QuestionBank.h"

namespace {

constexpr int kQuestions = 5000;

// A bank of kQuestions questions of classroom length; every third one has
// accented letters, as Dutch texts do, so some draws must read to the end of
// the file to be sure of its encoding.
std::string GeneratedBank() {
  std::string text = "; A generated bank for measuring draws\n[Overzicht]\nAantal=" + std::to_string(kQuestions) + "\n";
  for (int k = 1; k <= kQuestions; ++k) {
    const std::string n = std::to_string(k);
    const std::string accent = k % 3 == 0 ? " (caf\xC3\xA9 of ge\xC3\xAFnd)" : "";
    text += "\n[" + n + "]\n";
    text += "Vraag=Question " + n + accent + ": which of these three answers is the right one?\n";
    text += "Juist=The right answer " + n + "\n";
    text += "Fouta=A wrong answer " + n + "\n";
    text += "Foutb=Another wrong answer " + n + "\n";
  }
  return text;
}

// The bank's file in a fresh temporary folder, removed when the run ends.
class GeneratedBankFile final {
 public:
  GeneratedBankFile() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tp-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw Exception("cannot make a temporary folder");
    folder_ = pattern;
    std::ofstream(Path(), std::ios::binary) << GeneratedBank();
  }
  ~GeneratedBankFile() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  GeneratedBankFile(const GeneratedBankFile&) = delete;
  GeneratedBankFile& operator=(const GeneratedBankFile&) = delete;

  [[nodiscard]] std::filesystem::path Path() const { return folder_ / "vragen.ini"; }

 private:
  std::filesystem::path folder_;
};

std::filesystem::path BankFile() {
  static const GeneratedBankFile file;
  return file.Path();
}

void BM_DrawQuestion(benchmark::State& state) {
  const QuestionBank bank(BankFile());
  for (auto _ : state) benchmark::DoNotOptimize(bank.DrawQuestion());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(BankFile())));
}
BENCHMARK(BM_DrawQuestion)->Unit(benchmark::kMicrosecond);

void BM_ReadFileIntoMemoryOnce(benchmark::State& state) {
  for (auto _ : state) {
    std::ifstream in(BankFile(), std::ios::binary);
    std::string content(std::filesystem::file_size(BankFile()), '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    benchmark::DoNotOptimize(content.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(BankFile())));
}
BENCHMARK(BM_ReadFileIntoMemoryOnce)->Unit(benchmark::kMicrosecond);

}  // namespace
