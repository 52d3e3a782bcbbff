#pragma once
#include <span>

#include "ui/menu.h"

// The main window's menu bar MainMenu1 and the hot-spot pop-up PopupMenu_IXY.
std::span<const MenuEntrySpec> MainMenuTable();
std::span<const MenuEntrySpec> HotSpotPopupTable();

// Entries that form index tables: exactly the entry of the current index is checked.
inline constexpr const char* CaptureTypeEntries[] = {"GType0", "GType1", "GType2", "GType3",
                                                     "GType4", "GType5", "GType6", "GType7"};
inline constexpr const char* DelayEntries[] = {"TM0", "TM1", "TM2", "TM3", "TM4",  "TM5",
                                               "TM6", "TM7", "TM8", "TM9", "TM10", "TM11"};
inline constexpr const char* GouseiShapeEntries[] = {"MBMP_ALL",   "MBMP_MARU",  "MBMP_OUGI",
                                                     "MBMP_3KAKU", "MBMP_4KAKU", "MBMP_5KAKU",
                                                     "MBMP_6KAKU", "MBMP_HART",  "MBMP_WHITE"};
inline constexpr const char* NaraberuShapeEntries[] = {"P_ALL",   "P_Maru",  "P_OUGI",  "P_3KAKU",
                                                       "P_4KAKU", "P_5KAKU", "P_6KAKU", "P_HART"};
inline constexpr const char* ClearColourEntries[] = {"BMPBG0", "BMPBG1", "BMPBG2", "BMPBG3",
                                                     "BMPBG4", "BMPBG5", "BMPBG6"};
inline constexpr const char* SizeStepEntries[] = {"M_SIZE0", "M_SIZE1", "M_SIZE2", "M_SIZE3", "M_SIZE4"};

// The menus that stay disabled until the start-up has completed.
inline constexpr const char* StartupMenus[] = {"MFile0", "MPIKTO0", "MTm0", "MHelp0", "M_GAMEN0", "MOption0"};

// Checks the entry at `index` of a table and unchecks the others.
void CheckIndexEntry(MenuTree& menu, std::span<const char* const> entries, int index);
