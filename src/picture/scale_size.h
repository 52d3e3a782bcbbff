#pragma once
#include <optional>

#include "common/geometry.h"
#include "common/picture_limits.h"

// The two entries of the scale command.
enum class ScaleKind {
  Double,  // "２倍": 2W × 2H
  Half,    // "１／２倍": each side halved, rounded to the even integer (5 → 2, 7 → 4)
};

// Largest side a scaled picture may get: the one both writers and readers take.
inline constexpr int MaxScaledSide = MaxPictureSide;

// The size the working picture gets from the scale command; nullopt when the picture is empty
// or doubling would give a side larger than MaxScaledSide or more than MaxPicturePixels, which
// could be neither saved nor loaded back. Halving a 1-pixel side gives 1, not the 0 the
// rounding rule yields: a picture without width or height is a lost picture.
std::optional<Size> ScaledSize(Size picture, ScaleKind kind);
