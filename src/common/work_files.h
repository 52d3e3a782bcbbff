#pragma once

// Work files in the program folder, written as BMP; they outlive the run and only the
// uninstaller removes them.
inline constexpr const char* Memory1File = "PKT_M1$$.BMP";
inline constexpr const char* Memory2File = "PKT_M2$$.BMP";
// The picture of the moment the file history opened, for its 戻す button.
inline constexpr const char* HistorySnapshotFile = "PKT_M0$$.BMP";
// The picture earlier versions handed to the paint program; the uninstall removes what is left of
// it. Hand-overs now go to files of their own (PaintHandOvers).
inline constexpr const char* PaintPictureFile = "PKT_PA$$.BMP";
// The cursor history list.
inline constexpr const char* CursorHistoryListFile = "PIKTO_I0.LST";
// The file history list.
inline constexpr const char* FileHistoryListFile = "PIKTO_HS.LST";
// The picture made the desktop's wallpaper: in the Windows folder, or where a standard user may
// write (UserWorkFolder, else the program folder).
inline constexpr const char* WallpaperFile = "WALLPK$$.BMP";
