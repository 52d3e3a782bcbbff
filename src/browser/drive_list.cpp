#include "browser/drive_list.h"

#include "common/shift_jis.h"
#include "ui/dpi.h"

namespace {

constexpr int GlyphWidth = 16;
constexpr int GlyphHeight = 9;
constexpr int ItemHeight = 18;
constexpr DWORD LabelBuffer = 261;

// The drive types listed, in glyph order.
constexpr UINT ListedTypes[] = {DRIVE_REMOVABLE, DRIVE_FIXED, DRIVE_REMOTE, DRIVE_CDROM, DRIVE_RAMDISK};

int GlyphIndex(UINT type) {
  for (int i = 0; i < 5; ++i) {
    if (ListedTypes[i] == type) return i;
  }
  return -1;
}

// No "insert a disk" box from the system while a drive is asked.
class CriticalErrorsSuppressed {
 public:
  CriticalErrorsSuppressed() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  CriticalErrorsSuppressed(const CriticalErrorsSuppressed&) = delete;
  CriticalErrorsSuppressed& operator=(const CriticalErrorsSuppressed&) = delete;
  ~CriticalErrorsSuppressed() { SetErrorMode(previous_); }

 private:
  UINT previous_;
};

std::string Root(char letter) { return std::string(1, letter) + ":\\"; }

char Upper(char letter) { return AsciiUpperCase(std::string_view(&letter, 1)).front(); }

}  // namespace

bool DriveList::Create(HWND parent, const Bounds& bounds) {
  if (!ComboBox2.Create(parent, bounds, ScaleOf(parent)(ItemHeight))) return false;
  ComboBox2.onDrawItem = [this](const DRAWITEMSTRUCT& item) { Draw(item); };
  ComboBox2.onSelect = [this] {
    if (onChange && SelectedDrive() != 0) onChange(SelectedDrive());
  };
  return true;
}

void DriveList::Fill(const std::string& folder) {
  items_.clear();
  ComboBox2.Clear();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const UINT type = GetDriveTypeA(Root(letter).c_str());
    if (GlyphIndex(type) < 0) continue;
    items_.push_back({letter, type, std::string(1, letter) + ":"});
    ComboBox2.Add(static_cast<LPARAM>(items_.size() - 1));
  }
  if (!folder.empty()) Select(folder.front());
}

bool DriveList::Select(char drive) {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].letter == Upper(drive)) {
      ComboBox2.Select(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

char DriveList::SelectedDrive() const {
  const int index = ComboBox2.Selected();
  if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return 0;
  return items_[static_cast<std::size_t>(index)].letter;
}

void DriveList::LabelSelected() {
  const int index = ComboBox2.Selected();
  if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return;
  Item& item = items_[static_cast<std::size_t>(index)];
  CriticalErrorsSuppressed quiet;
  char label[LabelBuffer] = {};
  std::string text;
  if (item.type == DRIVE_REMOTE) {
    DWORD size = LabelBuffer;
    const std::string local = std::string(1, item.letter) + ":";
    if (WNetGetConnectionA(local.c_str(), label, &size) == NO_ERROR) text = label;
  }
  if (text.empty()) {
    label[0] = '\0';
    if (!GetVolumeInformationA(Root(item.letter).c_str(), label, LabelBuffer, nullptr, nullptr, nullptr, nullptr, 0)) {
      label[0] = '\0';
    }
    text = "[" + std::string(label) + "]";
  }
  item.text = std::string(1, item.letter) + ":" + text;
  InvalidateRect(ComboBox2.Handle(), nullptr, TRUE);
}

bool DriveList::DriveReady(char drive) {
  CriticalErrorsSuppressed quiet;
  ULARGE_INTEGER available, total, free;
  return GetDiskFreeSpaceExA(Root(Upper(drive)).c_str(), &available, &total, &free) != FALSE;
}

void DriveList::Draw(const DRAWITEMSTRUCT& draw) const {
  HDC dc = draw.hDC;
  const RECT& r = draw.rcItem;
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  // The field colour comes from the window (WM_CTLCOLORLISTBOX), as the other lists take it.
  HBRUSH field = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(ComboBox2.Handle()), WM_CTLCOLORLISTBOX,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(ComboBox2.Handle())));
  const COLORREF fieldText = GetTextColor(dc);
  FillRect(dc, &r, selected || !field ? GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW) : field);
  if (draw.itemID >= items_.size()) return;
  const Item& item = items_[draw.itemID];
  const DpiScale scale = ScaleOf(ComboBox2.Handle());
  if (glyphsDpi_ != scale.Dpi()) {
    // Drawn at the list's scale, made again when it moves to another.
    glyphs_ = MakeGlyphList(scale(Size{GlyphWidth, GlyphHeight}), {BrowserGlyph::Floppy, BrowserGlyph::Fixed,
                                                                   BrowserGlyph::Network, BrowserGlyph::CDROM,
                                                                   BrowserGlyph::RAM});
    glyphsDpi_ = scale.Dpi();
  }
  ImageList_Draw(glyphs_.Get(), GlyphIndex(item.type), dc, r.left + scale(1), r.top + scale(5), ILD_TRANSPARENT);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : fieldText);
  RECT textArea{r.left + scale(1 + GlyphWidth + 4), r.top, r.right, r.bottom};
  DrawTextA(dc, item.text.c_str(), static_cast<int>(item.text.size()), &textArea, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
