#pragma once
// The main window as the features see it, for tests: a real window holding ScrollBox1, the
// real menu, and a record of what the features asked of it.
#include <string>
#include <vector>

#include "ui/scroll_box.h"
#include "workspace/main_menu.h"
#include "workspace/main_window_services.h"

namespace {

class FakeWindow : public MainWindowServices {
 public:
  FakeWindow() : menu_(MainMenuTable()) {
    Form::RegisterWindowClass(ClassName);
    window_.Open();
    box_.Create(window_.Handle(), {0, 0, 200, 150});
  }
  Form& Window() override { return window_; }
  MenuTree& Menu() override { return menu_; }
  int ShowMsg(const std::string& text) override { return Answer(text, 1); }
  int ShowMsgTimed(const std::string& text, int answer) override { return Answer(text, answer); }
  int AskYesNoTimed(const std::string& text, int answer) override { return Answer(text, answer); }
  void ShowSizeText(const std::string& text) override { sizeText = text; }
  void HideForWork() override { calls.push_back("hide"); }
  void RefreshPicture() override { box_.Refresh(); }
  void ShowPicture(const std::string& text) override {
    box_.Refresh();
    sizeText = text;
    box_.ResetScroll();
  }
  void ShowNewPicture(const std::string& text) override {
    ShowPicture(text);
    calls.push_back("reshow");
  }
  void StartReshow() override { calls.push_back("reshow"); }
  void LeaveTopMost() override {}
  void ApplyTopMost() override {}

  ScrollBox& PictureBox() { return box_; }
  HWND Handle() const { return window_.Handle(); }

  std::vector<std::string> calls;
  std::vector<std::string> messages;
  std::string sizeText;

 private:
  int Answer(const std::string& text, int answer) {
    messages.push_back(text);
    return answer;
  }
  static constexpr const char* ClassName = "PIKTORAN_TEST_PICTURE";
  class TestWindow : public Form {
   public:
    void Open() {
      CreateWindowOfClass(ClassName, "ピクトラン", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {100, 100, 260, 220}, nullptr);
    }
  };
  TestWindow window_;
  MenuTree menu_;
  ScrollBox box_;
};

}  // namespace
