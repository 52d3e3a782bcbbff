#pragma once
#include <string>
#include <vector>

#include "ui/handles.h"

// The hints (tooltips) of one window's controls. While the application's hint switch is off
// the tooltip holds no tools at all, so nothing can show; switching on registers them again.
class Hints {
 public:
  Hints() = default;
  Hints(const Hints&) = delete;
  Hints& operator=(const Hints&) = delete;

  // A control's hint; a top-level window's own hint shows over its free client area.
  void Add(HWND control, const std::string& text);
  void SetText(HWND control, const std::string& text);
  // Follows the application's hint switch and hint pause.
  void Refresh();

 private:
  struct Tool {
    HWND control;
    std::string text;
  };
  void Register(const Tool& tool) const;
  void Unregister(const Tool& tool) const;

  WindowHandle tooltip_;
  std::vector<Tool> tools_;
  bool registered_ = false;
};
