// Transforms of a 3840 × 2160 picture beside a plain copy of the same bytes, the most any
// picture operation can hope for: the bytes-per-second figures side by side give the ratio.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "picture/transform.h"

namespace {

constexpr int Width = 3840;
constexpr int Height = 2160;
constexpr std::size_t PixelCount = static_cast<std::size_t>(Width) * Height;
constexpr std::int64_t PictureBytes = static_cast<std::int64_t>(PixelCount * sizeof(Pixel));

// One source and one destination for the whole run, written once so that no page fault of a
// fresh allocation is timed.
struct Pictures {
  std::vector<Pixel> source = std::vector<Pixel>(PixelCount);
  std::vector<Pixel> destination = std::vector<Pixel>(PixelCount, 1);
  Pictures() {
    std::mt19937 random(1);
    for (Pixel& p : source) p = random() & 0xFFFFFF;
  }
};

Pictures& Shared() {
  static Pictures pictures;
  return pictures;
}

void Memcpy(benchmark::State& state) {
  Pictures& p = Shared();
  for (auto _ : state) {
    std::memcpy(p.destination.data(), p.source.data(), PictureBytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * PictureBytes);
}

void Transform(benchmark::State& state, TransformKind kind) {
  Pictures& p = Shared();
  for (auto _ : state) {
    TransformPixels(p.source.data(), Width, Height, p.destination.data(), kind);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * PictureBytes);
}

}  // namespace

// Names as scripts/bench reads them back.
BENCHMARK(Memcpy)->Name("memcpy")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Transform, rotate_right, TransformKind::RotateRight)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Transform, rotate_180, TransformKind::Rotate180)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Transform, rotate_left, TransformKind::RotateLeft)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Transform, mirror, TransformKind::Mirror)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
