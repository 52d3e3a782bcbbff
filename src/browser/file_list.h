#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "browser/file_sort.h"
#include "ui/handles.h"
#include "ui/window_view.h"

// ListView1: the files of one folder that match the filter patterns, with size, type, date
// and attributes; its headers sort. The selected row is bold, a system file's italic, a hidden
// file's struck out.
class FileList : public WindowView {
 public:
  bool Create(HWND parent, const Bounds& bounds, HFONT font);
  // Column widths follow the list's width.
  void SetBounds(const Bounds& bounds);
  // The rows' font, made again when the window's scale changes.
  void SetRowFont(HFONT font);

  // Lists the files of `folder` for the patterns (cut at ";"), sorted by name; the count. Past
  // every 1000 files pending messages run; when one of them starts a fill of its own, that one's
  // rows stand and this one ends at once, leaving the list alone: nothing.
  std::optional<int> Fill(const std::string& folder, const std::string& patterns);
  void SetNameCaption(const std::string& caption) const;
  void SetColours(COLORREF background, COLORREF text) const;
  // ListView1ColumnClick; ignored while a sort runs.
  void ColumnClick(int column);
  // The selected row's file name; empty when none.
  std::string SelectedName() const;
  int Count() const { return static_cast<int>(rows_.size()); }
  std::vector<std::string> Names() const;  // in the shown order

  // WM_NOTIFY from the list: clicks, column clicks, drawing. True when used.
  bool Notify(const NMHDR& header, LRESULT& result);
  std::function<void()> onClick;

 private:
  struct Row {
    std::array<std::string, FileColumnCount> texts;
    bool system = false;
    bool hidden = false;
  };
  void Sort(FileColumn column, bool descending);
  HFONT RowFont(bool bold, bool italic, bool struck);

  std::vector<Row> rows_;
  unsigned fills_ = 0;  // fills started, to tell a running fill whether a newer one took over
  SortFlags sortFlags_;
  bool sorting_ = false;
  HFONT font_ = nullptr;
  std::array<FontHandle, 8> fonts_;
};
