#pragma once
#include <string>

#include "ui/handles.h"

// The hints (tooltips) of one window's controls, shown while the application's hint switch
// is on.
class Hints {
 public:
  Hints() = default;
  Hints(const Hints&) = delete;
  Hints& operator=(const Hints&) = delete;
  ~Hints();

  // A control's hint; a top-level window's own hint shows over its free client area.
  void Add(HWND control, const std::string& text);
  void SetText(HWND control, const std::string& text) const;
  // Follows the application's hint switch and hint pause.
  void Refresh() const;

 private:
  HWND tooltip_ = nullptr;
};
