// Runs a fuzz target's entry point once over each kept input, without
// libFuzzer: the tests replay fuzz/corpus with the compiler and sanitizers of
// the normal build, and tools/fuzz-coverage.sh measures what the corpus
// reaches.
//
//   replay_TARGET FILE_OR_FOLDER...

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputs_in(const std::filesystem::path& path) {
  if (!std::filesystem::is_directory(path)) return {path};
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(path)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const auto& file : inputs_in(argv[i])) {
      std::ifstream in(file, std::ios::binary);
      if (!in) {
        std::cerr << "replay: cannot read " << file.string() << '\n';
        return 1;
      }
      const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++replayed;
    }
  }
  // An empty or misnamed corpus must not pass as a clean replay.
  if (replayed == 0) {
    std::cerr << "replay: no inputs found\n";
    return 1;
  }
  std::cout << "replayed " << replayed << " inputs\n";
  return 0;
}
