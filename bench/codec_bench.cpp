// The picture files' codecs on a 1920 × 1080 picture: JPEG encode and decode with the settings
// the program saves with, BMP encode, and a plain copy of the picture's bytes for scale.
// With PIKTORAN_BENCH_PPM set, the picture is also written there (binary PPM) so that other
// tools can be timed on exactly the same pixels.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

#include "output/bmp_format.h"
#include "output/jpeg_codec.h"

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;

// A screen-like picture: smooth gradients with some texture, so the JPEG figures are typical.
const PixelBuffer& Picture() {
  static const PixelBuffer picture = [] {
    PixelBuffer p(Width, Height);
    unsigned seed = 12345;
    for (int y = 0; y < Height; ++y) {
      for (int x = 0; x < Width; ++x) {
        seed = seed * 1103515245u + 12345u;
        const int noise = static_cast<int>((seed >> 16) & 15);
        p.At(x, y) = MakePixel((x * 255 / Width + noise) & 255, (y * 255 / Height + noise) & 255, ((x ^ y) & 255));
      }
    }
    if (const char* path = std::getenv("PIKTORAN_BENCH_PPM")) {
      std::ofstream out(path, std::ios::binary);
      out << "P6\n" << Width << " " << Height << "\n255\n";
      for (Pixel pixel : p.pixels) {
        const char rgb[3] = {static_cast<char>(RedOf(pixel)), static_cast<char>(GreenOf(pixel)),
                             static_cast<char>(BlueOf(pixel))};
        out.write(rgb, 3);
      }
    }
    return p;
  }();
  return picture;
}

void JpegEncode(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(EncodeJpeg(Picture(), 90, false));
}

void JpegDecode(benchmark::State& state) {
  const auto file = EncodeJpeg(Picture(), 90, false);
  if (const char* path = std::getenv("PIKTORAN_BENCH_JPG")) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file->data()),
                                                static_cast<std::streamsize>(file->size()));
  }
  for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(*file));
}

void BmpEncode(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(EncodeBmp(Picture()));
}

// The bytes a 24-bit BMP of the picture holds, copied once.
void CopyOfBmpBytes(benchmark::State& state) {
  const std::size_t bytes = static_cast<std::size_t>(Width) * 3 * Height;
  std::vector<char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
  }
}

BENCHMARK(JpegEncode)->Unit(benchmark::kMillisecond);
BENCHMARK(JpegDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BmpEncode)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyOfBmpBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
