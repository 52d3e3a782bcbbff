#include "msgbox/show_msg.h"

#include "ui/application.h"

int ShowMsg(const std::string& text) {
  const int answer = MessageBoxA(Application::MainWindow(), text.c_str(), Application::Title().c_str(),
                                 MB_OK | MB_ICONINFORMATION);
  return answer == IDOK ? 1 : 2;
}
