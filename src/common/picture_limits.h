#pragma once
#include <algorithm>
#include <cstdint>

// The limits every picture keeps, in one place: what the readers accept, what the scale command
// may make and how much of a file is read. Whatever the program makes, it can save and load back.

// 64 Mpixels is far beyond any screen capture, and 256 MB of 32-bit pixels is what a picture
// may cost. Both readers refuse larger pictures before they allocate anything.
inline constexpr std::int64_t MaxPicturePixels = std::int64_t{64} << 20;

// Neither side of a BMP may reach 65536 (Windows refuses those too).
inline constexpr int MaxBmpSide = 65535;
// libjpeg's JPEG_MAX_DIMENSION: no JPEG side can be longer.
inline constexpr int MaxJpegSide = 65500;
// A picture the program makes itself must fit both formats, so that either save works.
inline constexpr int MaxPictureSide = std::min(MaxBmpSide, MaxJpegSide);

// A picture file is never read beyond this. At the pixel cap our 24-bit BMP takes 3 bytes per
// pixel plus row padding, another writer's 32-bit BMP 4 bytes. JPEG at quality 100 costs most for
// noise: about 2.3 bytes per pixel with our 2 × 2 colour sampling, and no 8 × 8 block can go much
// beyond, since the DCT keeps the block's energy and large coefficients are few. 6 bytes per pixel
// leave room for all of them; the JPEG writer refuses a file beyond the cap, so nothing it
// writes is too large to load.
inline constexpr std::int64_t MaxPictureFileBytes = 6 * MaxPicturePixels;
