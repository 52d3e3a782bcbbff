// The cursor file reader on a 200-frame animated cursor of 32 x 32 frames (4 and 32 bits): every
// entry prepared as the image list asks for them, one index at a time up to the rebuilt one-entry
// icon, beside reading the file's bytes from disk once.
// With PIKTORAN_BENCH_ICONS set to a folder, the same 200 images are also written there as icon
// files (cursors-4.ico, cursors-32.ico, and one-entry single-4.ico, single-32.ico) for other
// decoders to be timed on.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cursor_bench_files.h"
#include "formats/cursor_file.h"

namespace {

using cursor_bench::Bytes;

const Bytes& AnimatedCursor(int bitCount) {
  static const Bytes four = cursor_bench::AnimatedCursor(4);
  static const Bytes thirtyTwo = cursor_bench::AnimatedCursor(32);
  return bitCount == 4 ? four : thirtyTwo;
}

const std::string& AnimatedCursorPath(int bitCount) {
  const auto path = [](int bits) {
    return (std::filesystem::temp_directory_path() / ("piktoran-bench-" + std::to_string(bits) + ".ani")).string();
  };
  static const cursor_bench::TemporaryFile four(path(4), AnimatedCursor(4));
  static const cursor_bench::TemporaryFile thirtyTwo(path(32), AnimatedCursor(32));
  return bitCount == 4 ? four.Path() : thirtyTwo.Path();
}

void WriteIconFiles() {
  const char* folder = std::getenv("PIKTORAN_BENCH_ICONS");
  if (!folder) return;
  for (int bits : {4, 32}) {
    const std::string suffix = std::to_string(bits) + ".ico";
    cursor_bench::WriteFile(std::string(folder) + "/cursors-" + suffix, cursor_bench::IconFile(bits));
    cursor_bench::WriteFile(std::string(folder) + "/single-" + suffix, cursor_bench::IconFile(bits, 1));
  }
}

void ReadFileOnce(benchmark::State& state) {
  const std::string& path = AnimatedCursorPath(static_cast<int>(state.range(0)));
  if (path.empty()) state.SkipWithError("the animated cursor could not be written");
  for (auto _ : state) {
    // One read of the whole size, as the program reads a cursor file.
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    Bytes bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    benchmark::DoNotOptimize(bytes.data());
  }
}

void PrepareEveryEntry(benchmark::State& state) {
  const Bytes& file = AnimatedCursor(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (int i = 0; i < cursor_bench::FrameCount; ++i) {
      const PreparedEntry prepared = PrepareCursorEntry(file, i);
      if (prepared.result != i + 1) {
        state.SkipWithError("an entry was refused");
        break;
      }
      benchmark::DoNotOptimize(prepared.entry->iconFile.data());
    }
  }
}

BENCHMARK(ReadFileOnce)->ArgName("bits")->Arg(4)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(PrepareEveryEntry)->ArgName("bits")->Arg(4)->Arg(32)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  WriteIconFiles();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
