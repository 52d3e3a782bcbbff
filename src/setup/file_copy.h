#pragma once
#include <cstddef>
#include <string>
#include <variant>

// The copy's block: 655300 bytes, or 32700 when the larger block cannot be had.
inline constexpr std::size_t LargeCopyBuffer = 655300;
inline constexpr std::size_t SmallCopyBuffer = 32700;

// The block size the copy can use, or the error text when not even the small one can be had.
std::variant<std::size_t, std::string> ProbeCopyBuffer();

// Copies `source` to `target` in blocks and gives the target the source's date. Empty on
// success, else the error text ("コピーに失敗しました" or the buffer's). The copy is written
// beside the target and moved over it only when complete: a failed copy leaves no partial
// target and whatever stood there before untouched.
std::string CopyFileKeepDate(const std::string& source, const std::string& target);
