#include "ui/hints.h"

#include <commctrl.h>

#include "ui/application.h"

namespace {

TTTOOLINFOA ToolInfo(HWND control, const std::string* text) {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = (GetWindowLongA(control, GWL_STYLE) & WS_CHILD) ? GetParent(control) : control;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text ? const_cast<char*>(text->c_str()) : nullptr;
  return tool;
}

}  // namespace

void Hints::Add(HWND control, const std::string& text) {
  // The tooltip has no owner: an owned top-most popup keeps its owner from becoming top-most
  // under Wine, and the TOPにする switch must work.
  if (!tooltip_) {
    static const bool initialised = [] {
      INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
      return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)initialised;
    tooltip_.Reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr));
  }
  tools_.push_back({control, text});
  if (registered_) Register(tools_.back());
  Refresh();
}

void Hints::SetText(HWND control, const std::string& text) {
  for (Tool& tool : tools_) {
    if (tool.control != control) continue;
    tool.text = text;
    if (!registered_) continue;
    TTTOOLINFOA info = ToolInfo(tool.control, &tool.text);
    SendMessageA(tooltip_.Get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
  }
}

void Hints::Register(const Tool& tool) const {
  TTTOOLINFOA info = ToolInfo(tool.control, &tool.text);
  SendMessageA(tooltip_.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void Hints::Unregister(const Tool& tool) const {
  TTTOOLINFOA info = ToolInfo(tool.control, nullptr);
  SendMessageA(tooltip_.Get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void Hints::Refresh() {
  if (!tooltip_) return;
  SendMessageA(tooltip_.Get(), TTM_SETDELAYTIME, TTDT_INITIAL, Application::HintPause());
  const bool on = Application::ShowHints();
  if (on != registered_) {
    for (const Tool& tool : tools_) on ? Register(tool) : Unregister(tool);
    registered_ = on;
  }
  SendMessageA(tooltip_.Get(), TTM_ACTIVATE, on, 0);
}
