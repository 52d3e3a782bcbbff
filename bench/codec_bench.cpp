// The picture files' codecs on a 1920 × 1080 picture: JPEG encode and decode with the settings
// the program saves with, BMP encode, PNG encode and decode of a screenshot and of a photo, and a
// plain copy of the picture's bytes for scale.
// With PIKTORAN_BENCH_PPM set, the picture is also written there (binary PPM) so that other
// tools can be timed on exactly the same pixels.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "formats/bmp_format.h"
#include "formats/jpeg_codec.h"
#include "formats/png_codec.h"

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

void WritePpm(const PixelBuffer& p, const char* path) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << p.width << " " << p.height << "\n255\n";
  for (Pixel pixel : p.pixels) {
    const char rgb[3] = {static_cast<char>(RedOf(pixel)), static_cast<char>(GreenOf(pixel)),
                         static_cast<char>(BlueOf(pixel))};
    out.write(rgb, 3);
  }
}

// A desktop: a dark side bar, a title band, lines of glyph-like marks on a light page and a
// gradient panel. Written to PIKTORAN_BENCH_SCREEN_PPM when set.
const PixelBuffer& Screenshot() {
  static const PixelBuffer picture = [] {
    PixelBuffer p(Width, Height, MakePixel(243, 243, 243));
    for (int y = 0; y < Height; ++y) {
      for (int x = 0; x < Width; ++x) {
        const int cx = x % 9, cy = y % 18;
        if (x < 250) p.At(x, y) = MakePixel(30, 40, 60);
        if (y < 40) p.At(x, y) = MakePixel(0, 120, 215);
        if (x > 270 && y > 60 && cy < 12 && (x / 9 * 7 + y / 18 * 13) % 11 > 2 &&
            ((cx * cy + x / 9 + y) % 5 == 0 || cx == 1 || cy == 11)) {
          p.At(x, y) = MakePixel(20, 20, 20);
        }
        if (x > 1400 && x < 1800 && y > 300 && y < 700) p.At(x, y) = MakePixel((x - 1400) / 2, (y - 300) / 2, 180);
      }
    }
    if (const char* path = std::getenv("PIKTORAN_BENCH_SCREEN_PPM")) WritePpm(p, path);
    return p;
  }();
  return picture;
}

// Smooth shading with sensor noise, as a photo has. Written to PIKTORAN_BENCH_PHOTO_PPM when set.
const PixelBuffer& Photo() {
  static const PixelBuffer picture = [] {
    PixelBuffer p(Width, Height);
    unsigned seed = 1;
    for (int y = 0; y < Height; ++y) {
      for (int x = 0; x < Width; ++x) {
        seed = seed * 1103515245u + 12345u;
        const int noise = static_cast<int>((seed >> 16) % 13) - 6;
        p.At(x, y) = MakePixel(128 + static_cast<int>(100 * std::sin(x * 0.004 + y * 0.002)) + noise,
                               120 + static_cast<int>(90 * std::cos(y * 0.005)) + noise,
                               100 + static_cast<int>(80 * std::sin((x + y) * 0.003)) + noise);
      }
    }
    if (const char* path = std::getenv("PIKTORAN_BENCH_PHOTO_PPM")) WritePpm(p, path);
    return p;
  }();
  return picture;
}

void PngEncode(benchmark::State& state, const PixelBuffer& (*picture)()) {
  for (auto _ : state) benchmark::DoNotOptimize(EncodePng(picture()));
}

void PngDecode(benchmark::State& state, const PixelBuffer& (*picture)(), const char* saveTo) {
  const auto file = EncodePng(picture());
  if (const char* path = std::getenv(saveTo)) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file->data()),
                                                static_cast<std::streamsize>(file->size()));
  }
  for (auto _ : state) benchmark::DoNotOptimize(DecodePng(*file, 0));
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
BENCHMARK_CAPTURE(PngEncode, Screenshot, Screenshot)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PngEncode, Photo, Photo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PngDecode, Screenshot, Screenshot, "PIKTORAN_BENCH_SCREEN_PNG")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PngDecode, Photo, Photo, "PIKTORAN_BENCH_PHOTO_PNG")->Unit(benchmark::kMillisecond);
BENCHMARK(CopyOfBmpBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
