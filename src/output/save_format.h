#pragma once
#include <string>

// The filters of the BMP save dialog, in their order.
inline constexpr const char* BmpSaveFilter = "ＢＭＰ files (*.BMP)|*.BMP|ＰＮＧ files (*.PNG)|*.PNG|ALL files (*.*)|*.*";
inline constexpr int PngSaveFilterIndex = 2;

enum class SaveFormat { Bmp, Png };

// What the BMP save dialog writes: the name's extension decides (.PNG or .BMP, in any case);
// a name with neither follows the chosen filter.
SaveFormat SaveFormatOf(const std::string& fileName, int filterIndex);
