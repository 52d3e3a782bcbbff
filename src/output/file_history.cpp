#include "output/file_history.h"

#include "common/decimal.h"

void FileHistory::Create(HWND parent, const Bounds& bounds, COLORREF colour) {
  Panel_FHIS.Create(parent, bounds);
  Panel_FHIS.SetColour(colour);
  Panel_FHIS.Hide();
  const Size client = Panel_FHIS.ClientSize();
  ListBox_FHIS.Create(Panel_FHIS.Handle(), {0, 0, client.width, client.height});
  ListBox_FHIS.onDoubleClick = [this] { ListBox_FHISDblClick(); };
  Label_FHIS_KOSU.Create(Panel_FHIS.Handle(), {0, 0, 40, 16}, "0ｺ");
}

void FileHistory::Fit(int width, int height) const {
  const Bounds panel = Panel_FHIS.GetBounds();
  Panel_FHIS.SetBounds({panel.left, panel.top, width, height});
  ListBox_FHIS.SetBounds({0, 0, width, height});
}

void FileHistory::Append(const std::vector<std::string>& files) const {
  if (files.empty()) return;
  const int firstNew = ListBox_FHIS.Count();
  for (const std::string& file : files) ListBox_FHIS.Add(file);
  ListBox_FHIS.DeselectAll();
  ListBox_FHIS.Select(firstNew);
  ListBox_FHIS.SetCaretIndex(firstNew);
  ShowCount();
}

void FileHistory::ListBox_FHISDblClick() {
  const int current = ListBox_FHIS.CaretIndex();
  if (current >= 0) files_.LoadFile(ListBox_FHIS.Item(current));
}

void FileHistory::ShowCount() const { Label_FHIS_KOSU.SetText(ToDecimal(ListBox_FHIS.Count()) + "ｺ"); }
