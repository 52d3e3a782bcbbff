#include "ui/hints.h"

#include <commctrl.h>

#include "ui/application.h"

Hints::~Hints() {
  if (tooltip_) DestroyWindow(tooltip_);
}

void Hints::Add(HWND control, const std::string& text) {
  // The tooltip has no owner: an owned top-most popup keeps its owner from becoming top-most
  // under Wine, and the TOPにする switch must work.
  if (!tooltip_) {
    static const bool initialised = [] {
      INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
      return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)initialised;
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  }
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = (GetWindowLongA(control, GWL_STYLE) & WS_CHILD) ? GetParent(control) : control;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  Refresh();
}

void Hints::SetText(HWND control, const std::string& text) const {
  if (!tooltip_) return;
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = (GetWindowLongA(control, GWL_STYLE) & WS_CHILD) ? GetParent(control) : control;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Hints::Refresh() const {
  if (!tooltip_) return;
  SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, Application::HintPause());
  SendMessageA(tooltip_, TTM_ACTIVATE, Application::ShowHints(), 0);
}
