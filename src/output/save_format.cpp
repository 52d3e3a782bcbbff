#include "output/save_format.h"

#include "common/shift_jis.h"

namespace {

bool EndsWithExtension(const std::string& fileName, const char* extension) {
  const std::string ending = std::string(".") + extension;
  return fileName.size() > ending.size() &&
         AsciiUpperCase(fileName.substr(fileName.size() - ending.size())) == ending;
}

}  // namespace

SaveFormat SaveFormatOf(const std::string& fileName, int filterIndex) {
  if (EndsWithExtension(fileName, "PNG")) return SaveFormat::Png;
  if (EndsWithExtension(fileName, "BMP")) return SaveFormat::Bmp;
  return filterIndex == PngSaveFilterIndex ? SaveFormat::Png : SaveFormat::Bmp;
}
