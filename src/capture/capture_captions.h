#pragma once
#include <string>

#include "common/geometry.h"

// Captions that follow the capture type and the delay: the capture command MPIKTO and the
// capture buttons ColorBtn1 and ColorBtn2.
struct CaptureCaptions {
  std::string command;
  std::string button;
};

// `fixed`: the fixed-rectangle type is the current one.
CaptureCaptions CaptureCaptionsFor(bool fixed, int delaySeconds);

// Seconds of the delay entries TM0..TM11; 0 for an index outside the table.
int DelaySeconds(int delayIndex);

// Caption of the delay entries TM1..TM11 ("1 秒" … "60 秒"); TM0 keeps its own.
std::string DelayEntryCaption(int delayIndex);

// The size bar while a capture runs, and after it.
inline constexpr const char* CaptureSizeLabel = "取り込みサイズ";
std::string CaptureSizeText(const Bounds& captured);
