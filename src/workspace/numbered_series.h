#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The numbered series: each capture saved without a dialog as stem + four digits + extension
// (PIKTO0001.PNG) in a folder of the user's choice.

// The stored "RENBAN_TYPE" index.
enum class SeriesFormat { Png, Bmp, Jpeg };
inline constexpr int SeriesFormatCount = 3;

inline constexpr const char* DefaultSeriesStem = "PIKTO";
inline constexpr int LastSeriesNumber = 9999;

// "PNG", "BMP", "JPG".
const char* SeriesExtension(SeriesFormat format);

// A stem the file system takes as it is: 1 to 64 bytes of whole Shift-JIS characters, no
// character a file name cannot hold (\ / : * ? " < > | and control characters), no blank or dot
// at its end (the system would drop it) and none at its start.
bool IsUsableSeriesStem(std::string_view stem);

// "PIKTO0001.PNG".
std::string SeriesFileName(std::string_view stem, int number, SeriesFormat format);

// The number of a file of the series: the stem in any letter case, exactly four digits, then the
// end or an extension ("pikto0012.bmp" is 12 of PIKTO); nullopt for any other name.
std::optional<int> SeriesNumberOf(std::string_view fileName, std::string_view stem);

// The number after the highest one the folder's names already hold in the series, whatever their
// format, so a picture deleted from the middle does not get its number back and the files keep
// the order they were taken in; 1 for none. nullopt once 9999 is taken.
std::optional<int> NextSeriesNumber(std::span<const std::string> names, std::string_view stem);
