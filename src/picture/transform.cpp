#include "picture/transform.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define PIKTORAN_SSE2 1
#endif

namespace {

using Index = std::ptrdiff_t;

// Quarter turns walk the picture in strips of 64 source rows, left to right, in 4 × 4 register
// blocks. Each block column of a strip lands as 64 contiguous pixels in 4 destination rows, so the
// stores to one destination row follow each other and fill whole cache lines, while the strip's
// rows are read as 64 forward streams the prefetcher keeps up with. Buffering tiles in between,
// or writing short pieces at a row's distance, measured up to twice as slow.
constexpr Index StripRows = 64;
// From this size on the destination bypasses the cache: it would not stay there anyway, and
// streaming stores spare reading every line before overwriting it.
constexpr Index StreamingBytes = Index{1} << 20;

// Source rectangle [x0, x1) × [y0, y1) of a quarter turn, one pixel at a time: the edges that
// are not a multiple of 4, and the whole picture where there is no SSE2.
void QuarterTurnPlain(const Pixel* src, Index w, Index h, Pixel* dst, bool right, Index x0, Index x1,
                      Index y0, Index y1) {
  for (Index y = y0; y < y1; ++y) {
    const Pixel* row = src + y * w;
    if (right) {
      Pixel* column = dst + (h - 1 - y);  // destination (H-1-y, x)
      for (Index x = x0; x < x1; ++x) column[x * h] = row[x];
    } else {
      Pixel* column = dst + y;  // destination (y, W-1-x)
      for (Index x = x0; x < x1; ++x) column[(w - 1 - x) * h] = row[x];
    }
  }
}

#ifdef PIKTORAN_SSE2
inline __m128i Load(const Pixel* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void Store(Pixel* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
inline __m128i Reversed(__m128i v) { return _mm_shuffle_epi32(v, _MM_SHUFFLE(0, 1, 2, 3)); }

// The 4 × 4 block whose rows start at r0..r3, as its four columns: c0 holds the first pixel of
// every row, c1 the second, and so on.
inline void Transpose4(const Pixel* r0, const Pixel* r1, const Pixel* r2, const Pixel* r3, __m128i& c0,
                       __m128i& c1, __m128i& c2, __m128i& c3) {
  const __m128i a = Load(r0), b = Load(r1), c = Load(r2), d = Load(r3);
  const __m128i ab0 = _mm_unpacklo_epi32(a, b), cd0 = _mm_unpacklo_epi32(c, d);
  const __m128i ab1 = _mm_unpackhi_epi32(a, b), cd1 = _mm_unpackhi_epi32(c, d);
  c0 = _mm_unpacklo_epi64(ab0, cd0);
  c1 = _mm_unpackhi_epi64(ab0, cd0);
  c2 = _mm_unpacklo_epi64(ab1, cd1);
  c3 = _mm_unpackhi_epi64(ab1, cd1);
}

template <bool Streaming>
inline void Put(Pixel* p, __m128i v) {
  if constexpr (Streaming) {
    _mm_stream_si128(reinterpret_cast<__m128i*>(p), v);
  } else {
    Store(p, v);
  }
}

template <bool Streaming>
void QuarterTurnBlocks(const Pixel* src, Index w, Index h, Pixel* dst, bool right, Index w4, Index h4) {
  for (Index strip = 0; strip < h4; strip += StripRows) {
    const Index stripEnd = std::min(strip + StripRows, h4);
    for (Index x = 0; x < w4; x += 4) {
      for (Index y = strip; y < stripEnd; y += 4) {
        const Pixel* s = src + y * w + x;
        __m128i c0, c1, c2, c3;
        if (right) {
          // Rows taken bottom-up, so each column comes out in destination order: source column x
          // is destination row x, source rows y+3..y its columns H-4-y on.
          Transpose4(s + 3 * w, s + 2 * w, s + w, s, c0, c1, c2, c3);
          Pixel* d = dst + x * h + (h - 4 - y);
          Put<Streaming>(d, c0);
          Put<Streaming>(d + h, c1);
          Put<Streaming>(d + 2 * h, c2);
          Put<Streaming>(d + 3 * h, c3);
        } else {
          // Source column x is destination row W-1-x, source rows y..y+3 its columns y on.
          Transpose4(s, s + w, s + 2 * w, s + 3 * w, c0, c1, c2, c3);
          Pixel* d = dst + (w - 1 - x) * h + y;
          Put<Streaming>(d, c0);
          Put<Streaming>(d - h, c1);
          Put<Streaming>(d - 2 * h, c2);
          Put<Streaming>(d - 3 * h, c3);
        }
      }
    }
  }
}

void QuarterTurn(const Pixel* src, Index w, Index h, Pixel* dst, bool right) {
  const Index w4 = w & ~Index{3};
  const Index h4 = h & ~Index{3};
  // Streaming stores need 16-byte aligned places: every block's is when the destination is and its
  // rows are a multiple of 4 pixels long.
  const bool streaming = w * h * Index{sizeof(Pixel)} >= StreamingBytes && h % 4 == 0 &&
                         reinterpret_cast<std::uintptr_t>(dst) % 16 == 0;
  if (streaming) {
    QuarterTurnBlocks<true>(src, w, h, dst, right, w4, h4);
    _mm_sfence();  // streamed stores are seen before anyone reads the picture
  } else {
    QuarterTurnBlocks<false>(src, w, h, dst, right, w4, h4);
  }
  QuarterTurnPlain(src, w, h, dst, right, w4, w, 0, h);   // right-hand columns
  QuarterTurnPlain(src, w, h, dst, right, 0, w4, h4, h);  // bottom rows
}

// One row written back to front: 180° (into the opposite row) and the mirror (into the same).
void ReverseRow(const Pixel* row, Index w, Pixel* out) {
  Pixel* end = out + w;
  Index x = 0;
  for (; x + 4 <= w; x += 4) Store(end - x - 4, Reversed(Load(row + x)));
  for (; x < w; ++x) end[-1 - x] = row[x];
}
#else
void QuarterTurn(const Pixel* src, Index w, Index h, Pixel* dst, bool right) {
  for (Index strip = 0; strip < h; strip += StripRows) {
    QuarterTurnPlain(src, w, h, dst, right, 0, w, strip, std::min(strip + StripRows, h));
  }
}

void ReverseRow(const Pixel* row, Index w, Pixel* out) { std::reverse_copy(row, row + w, out); }
#endif

}  // namespace

Size TransformedSize(Size source, TransformKind kind) {
  if (kind == TransformKind::RotateRight || kind == TransformKind::RotateLeft) return {source.height, source.width};
  return source;
}

bool TransformPixels(const Pixel* source, int width, int height, Pixel* destination, TransformKind kind) {
  if (source == nullptr || destination == nullptr || width <= 0 || height <= 0) return false;
  // Both sides are positive ints, so every index below fits the 64-bit pointer difference.
  const Index w = width, h = height;
  switch (kind) {
    case TransformKind::RotateRight:
      QuarterTurn(source, w, h, destination, true);
      return true;
    case TransformKind::RotateLeft:
      QuarterTurn(source, w, h, destination, false);
      return true;
    case TransformKind::Rotate180:
      for (Index y = 0; y < h; ++y) ReverseRow(source + y * w, w, destination + (h - 1 - y) * w);
      return true;
    case TransformKind::Mirror:
      for (Index y = 0; y < h; ++y) ReverseRow(source + y * w, w, destination + y * w);
      return true;
  }
  return false;
}

PixelBuffer Transformed(const PixelBuffer& picture, TransformKind kind) {
  if (picture.Empty()) return {};
  const auto count = static_cast<unsigned long long>(picture.width) * static_cast<unsigned long long>(picture.height);
  if (picture.pixels.size() != count) return {};
  const Size size = TransformedSize({picture.width, picture.height}, kind);
  PixelBuffer result(size.width, size.height);
  if (!TransformPixels(picture.pixels.data(), picture.width, picture.height, result.pixels.data(), kind)) return {};
  return result;
}
