// 画像加工ソフト起動 from the inside: which program starts, with which picture, and what becomes of
// the files the pictures are handed over in. The paint program is a stand-in built with the
// tests; each copy of it leaves its command line in "<copy>.started".
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "fake_window.h"
#include "output/paint_program.h"
#include "output/user_work_folder.h"
#include "temp_folder.h"
#include "ui/file_bytes.h"
#include "ui/handles.h"
#include "ui/registry.h"

namespace {

constexpr Pixel Red = MakePixel(255, 0, 0);
constexpr const char* StartFailed = "エラー： 画像加工ソフト起動に失敗しました・・・";
constexpr const char* RegisteredPathKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\mspaint.exe";

// Beside the tests: the paint program's stand-in, which shows in its title what it was given.
std::string PaintStandIn() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path = self;
  return path.substr(0, path.rfind('\\') + 1) + "paint_stand_in.exe";
}

// Polls until the condition holds, answering only what other threads send meanwhile: no timer
// of the program runs while the test sets up the moment it fires.
bool WaitWithoutTimers(const std::function<bool()>& condition) {
  const ULONGLONG limit = GetTickCount64() + 10000;
  while (!condition()) {
    if (GetTickCount64() >= limit) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  return true;
}

std::string TitleOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string FileText(const std::string& path) {
  const auto bytes = ReadWholeFile(path, 1 << 20);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

// The picture file a copy of the stand-in was last started with; empty when it never ran or was
// given none.
std::string LastStartedWith(const std::string& program) {
  std::string log = FileText(program + ".started");
  if (log.ends_with("\r\n")) log.resize(log.size() - 2);
  std::string line = log.substr(log.rfind('\n') + 1);
  return line.size() >= 2 && line.front() == '"' && line.back() == '"' ? line.substr(1, line.size() - 2) : "";
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The current folder, put back when the object ends: a folder that is current cannot be removed.
class CurrentFolderKept {
 public:
  CurrentFolderKept() { GetCurrentDirectoryA(MAX_PATH, folder_); }
  CurrentFolderKept(const CurrentFolderKept&) = delete;
  CurrentFolderKept& operator=(const CurrentFolderKept&) = delete;
  ~CurrentFolderKept() { Restore(); }
  void Restore() const { SetCurrentDirectoryA(folder_); }

 private:
  char folder_[MAX_PATH] = {};
};

// The paint program's registered path, for the user, as long as the object lives.
class RegisteredPaintProgram {
 public:
  RegisteredPaintProgram(DWORD type, const std::string& value) {
    RegSetKeyValueA(HKEY_CURRENT_USER, RegisteredPathKey, nullptr, type, value.c_str(),
                    static_cast<DWORD>(value.size() + 1));
  }
  RegisteredPaintProgram(const RegisteredPaintProgram&) = delete;
  RegisteredPaintProgram& operator=(const RegisteredPaintProgram&) = delete;
  ~RegisteredPaintProgram() { RegDeleteTreeA(HKEY_CURRENT_USER, RegisteredPathKey); }
};

// The shell's "edit" verb of BMP files, as long as the object lives.
class EditVerb {
 public:
  explicit EditVerb(const std::string& command) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, Extension, nullptr, REG_SZ, Type, static_cast<DWORD>(strlen(Type) + 1));
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, Command, nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>(command.size() + 1));
  }
  EditVerb(const EditVerb&) = delete;
  EditVerb& operator=(const EditVerb&) = delete;
  ~EditVerb() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, Extension);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Classes\\PiktoranTest.Picture");
  }

 private:
  static constexpr const char* Type = "PiktoranTest.Picture";
  static constexpr const char* Extension = "Software\\Classes\\.bmp";
  static constexpr const char* Command = "Software\\Classes\\PiktoranTest.Picture\\shell\\edit\\command";
};

// A Windows folder of the test's own, the working picture 20 × 10 red, and no paint program
// window left over at the end.
class PaintProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(windows_.Created());
    workspace_.windowsFolder = windows_.Path();
    ASSERT_TRUE(workspace_.picture.Working().Assign(PixelBuffer(20, 10, Red)));
    // The system's own registration would be found before the test's.
    ASSERT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, RegisteredPathKey));
  }
  void TearDown() override {
    ClosePaintProgram();
    startFolder_.Restore();  // starting the paint program went into its folder
    RemoveDirectoryA(windows_.Path("system32").c_str());
  }

  // A copy of the stand-in; its start log goes with it.
  struct Copy {
    explicit Copy(std::string at) : path(std::move(at)) { CopyFileA(PaintStandIn().c_str(), path.c_str(), FALSE); }
    ~Copy() {
      ClosePaintProgram();
      DeleteFileA(path.c_str());
      DeleteFileA((path + ".started").c_str());
    }
    std::string path;
  };

  // 画像加工ソフト起動; the paint program's window once it shows.
  HWND StartPaintProgram() {
    paint_.MPAINTClick();
    HWND painter = nullptr;
    WaitWithoutTimers([&] { return (painter = FindWindowA("MSPaintApp", nullptr)) != nullptr; });
    return painter;
  }
  static void ClosePaintProgram() {
    if (HWND painter = FindWindowA("MSPaintApp", nullptr)) SendMessageA(painter, WM_CLOSE, 0, 0);
    WaitWithoutTimers([] { return FindWindowA("MSPaintApp", nullptr) == nullptr; });
  }

  TempFolder windows_{"paint windows"};
  FakeWindow host_;
  Workspace workspace_;
  PaintProgram paint_{workspace_, host_};
  const CurrentFolderKept startFolder_;
};

// The paint program opens the working picture from a hand-over file in the user's work folder,
// and the picture is on the clipboard as well; no keystroke goes to whatever window is in front.
TEST_F(PaintProgramTest, ThePaintProgramOpensThePictureAndNoKeyReachesAnother) {
  ASSERT_TRUE(CreateDirectoryA(windows_.Path("system32").c_str(), nullptr));
  const Copy installed(windows_.Path("system32\\MSPAINT.EXE"));
  std::string commandLine = "\"" + PaintStandIn() + "\" OtherApp";
  STARTUPINFOA startup{sizeof startup};
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &started));
  const KernelHandle otherProcess(started.hProcess);
  const KernelHandle otherThread(started.hThread);
  HWND other = nullptr;
  ASSERT_TRUE(WaitWithoutTimers([&] { return (other = FindWindowA("OtherApp", nullptr)) != nullptr; }));
  SetForegroundWindow(other);

  HWND painter = StartPaintProgram();
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(TitleOf(painter), "keys: opened:20x10 clipboard:20x10");
  const std::string handedOver = LastStartedWith(installed.path);
  EXPECT_TRUE(handedOver.starts_with(UserWorkFolder() + "PKT_PA")) << handedOver;
  EXPECT_TRUE(host_.messages.empty());
  // A key of the test's: once it has come, so has whatever the program might have sent before.
  PostMessageA(GetTopWindow(other), WM_KEYDOWN, 'Z', 0);
  EXPECT_TRUE(WaitWithoutTimers([&] { return TitleOf(other).starts_with("keys: Z"); }));
  EXPECT_TRUE(TitleOf(other).starts_with("keys: Z opened:none")) << TitleOf(other);
  ClosePaintProgram();
  SendMessageA(other, WM_CLOSE, 0, 0);
  WaitForSingleObject(otherProcess.Get(), 10000);
  paint_.RemoveServedHandOvers();
  EXPECT_FALSE(Exists(handedOver));
}

// With none of the fixed places holding the paint program, only a full path the system
// registered for it is started: never a program of that name in the folder the user last opened
// (which the file dialogs make the current folder), nor one a registered bare name would find.
TEST_F(PaintProgramTest, OnlyAPaintProgramNamedByItsFullPathStarts) {
  TempFolder downloads{"(downloads) [paint]"};
  TempFolder registered{"registered paint"};
  const Copy planted(downloads.Path("MSPAINT.EXE"));
  const Copy paint(registered.Path("paint (registered).exe"));
  const CurrentFolderKept current;
  ASSERT_TRUE(SetCurrentDirectoryA(downloads.Path().c_str()));
  SetEnvironmentVariableA("PIKTORAN_TEST_PAINT", registered.Path().c_str());
  const struct {
    const char* name;
    DWORD type;
    std::string value;  // empty: nothing registered
    bool starts;
  } cases[] = {
      {"nothing registered", REG_SZ, "", false},
      {"a bare name", REG_SZ, "MSPAINT.EXE", false},
      {"a file that is not there", REG_SZ, registered.Path("gone.exe"), false},
      {"a plain path", REG_SZ, paint.path, true},
      {"an expandable path in quotes", REG_EXPAND_SZ, "\"%PIKTORAN_TEST_PAINT%paint (registered).exe\"", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::optional<RegisteredPaintProgram> registration;
    if (!c.value.empty()) registration.emplace(c.type, c.value);
    host_.messages.clear();
    DeleteFileA((paint.path + ".started").c_str());
    if (c.starts) {
      HWND painter = StartPaintProgram();
      ASSERT_NE(painter, nullptr);
      EXPECT_EQ(TitleOf(painter), "keys: opened:20x10 clipboard:20x10");
      EXPECT_TRUE(LastStartedWith(paint.path).starts_with(UserWorkFolder())) << LastStartedWith(paint.path);
      EXPECT_TRUE(host_.messages.empty());
      ClosePaintProgram();
    } else {
      paint_.MPAINTClick();
      EXPECT_EQ(host_.messages, std::vector<std::string>{StartFailed});
      EXPECT_FALSE(Exists(paint.path + ".started"));
    }
    EXPECT_FALSE(Exists(planted.path + ".started"));
  }
  SetEnvironmentVariableA("PIKTORAN_TEST_PAINT", nullptr);

  // Nothing registered by path, but a program the shell edits pictures of this type with.
  ASSERT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, "Software\\Classes\\.bmp"));
  const EditVerb edit("\"" + paint.path + "\" \"%1\"");
  host_.messages.clear();
  DeleteFileA((paint.path + ".started").c_str());
  HWND painter = StartPaintProgram();
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(TitleOf(painter), "keys: opened:20x10 clipboard:20x10");
  EXPECT_TRUE(LastStartedWith(paint.path).starts_with(UserWorkFolder())) << LastStartedWith(paint.path);
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_FALSE(Exists(planted.path + ".started"));
  ClosePaintProgram();
  paint_.RemoveServedHandOvers();
}

// Each start gets the picture in a file of its own: what the user saved over an earlier one in
// the paint program stays as saved. The files that served go at the next start or at close,
// except while the paint program holds one open.
TEST_F(PaintProgramTest, APictureSavedOverAHandOverIsNeverWrittenOver) {
  ASSERT_TRUE(CreateDirectoryA(windows_.Path("system32").c_str(), nullptr));
  const Copy installed(windows_.Path("system32\\MSPAINT.EXE"));
  const auto handOver = [&] {
    const bool started = StartPaintProgram() != nullptr;
    ClosePaintProgram();
    return started ? LastStartedWith(installed.path) : std::string();
  };

  const std::string first = handOver();
  ASSERT_TRUE(first.starts_with(UserWorkFolder())) << first;
  const std::string saved = "BM the user's own picture";
  ASSERT_TRUE(WriteFileReplacing(first, {reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size()}));
  const std::string second = handOver();
  const std::string third = handOver();
  EXPECT_NE(second, first);
  EXPECT_NE(third, second);
  EXPECT_EQ(FileText(first), saved);
  EXPECT_FALSE(Exists(second));  // served, and still as handed over
  EXPECT_TRUE(Exists(third));

  {
    // The paint program holds the file open: it stays until it is let go.
    const KernelHandle held(
        CreateFileA(third.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(held.Get(), INVALID_HANDLE_VALUE);
    paint_.RemoveServedHandOvers();
    EXPECT_TRUE(Exists(third));
  }
  paint_.RemoveServedHandOvers();
  EXPECT_FALSE(Exists(third));
  EXPECT_EQ(FileText(first), saved);
  DeleteFileA(first.c_str());
  EXPECT_TRUE(host_.messages.empty());
}

}  // namespace
