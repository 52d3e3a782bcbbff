#pragma once
// The exchange between the e2e program and scaled_screen.dll, a test-only hook library that
// Wine loads into PIKTORAN's process as a message hook. It answers the program's own calls as
// Windows 10 and 11 do where no Wine does: GetWindowRect of a top-level window with a sizing frame
// reaches ScaledScreenBorder pixels further left, right and down (the invisible resize border),
// while DwmGetWindowAttribute(DWMWA_EXTENDED_FRAME_BOUNDS) gives the visible frame. The scaling
// of a 150 % screen itself is Wine 10's to show (the DPI walks of the second lane).

inline constexpr int ScaledScreenBorder = 7;
