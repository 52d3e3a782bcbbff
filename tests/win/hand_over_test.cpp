#include <gtest/gtest.h>

#include "app/hand_over.h"
#include "ui/form.h"

namespace {

// Stands in for the running copy: a window that reads every hand-over it gets.
class Receiver : public Form {
 public:
  static constexpr const char* ClassName = "PIKTORAN_TEST_RECEIVER";
  bool Create() {
    RegisterWindowClass(ClassName);
    return CreateWindowOfClass(ClassName, "", WS_POPUP, 0, {0, 0, 10, 10}, nullptr);
  }
  std::vector<std::string> received;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == HandOverMessage) {
      received.push_back(ReadHandOverAtom(wParam));
      return 0;
    }
    return DefaultMessage(message, wParam, lParam);
  }
};

// Starts this test program again as the second start and serves messages until it ends.
DWORD RunSecondStart(const std::string& text) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string commandLine = std::string("\"") + self + "\" --hand-over " + Receiver::ClassName + " \"" + text + "\"";
  STARTUPINFOA startup{sizeof startup};
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return 1000;
  }
  while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  DWORD exitCode = 1001;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode;
}

TEST(HandOver, ArgumentsReachTheRunningCopyAndTheAtomIsGone) {
  Receiver receiver;
  ASSERT_TRUE(receiver.Create());
  const std::string text = "C:\\表 ソ.bmp?/G";
  ASSERT_EQ(RunSecondStart(text), 0u);
  ASSERT_EQ(receiver.received.size(), 1u);
  EXPECT_EQ(receiver.received[0], text);
  EXPECT_EQ(GlobalFindAtomA(text.c_str()), 0);
}

TEST(HandOver, TextTooLongForAnAtomArrivesEmpty) {
  Receiver receiver;
  ASSERT_TRUE(receiver.Create());
  const std::string text(300, 'x');
  ASSERT_EQ(RunSecondStart(text), 0u);
  ASSERT_EQ(receiver.received.size(), 1u);
  EXPECT_EQ(receiver.received[0], "");
}

}  // namespace
