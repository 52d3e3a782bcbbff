#pragma once
#include <string>
#include <vector>

#include "common/geometry.h"
#include "ui/win32.h"

class Timer;

// A window that is a C++ object: the object is tied to its HWND at WM_NCCREATE and
// receives its messages in OnMessage. The object owns the window and destroys it.
class Form {
 public:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND Handle() const { return window_; }

  void Show() const;
  void Hide() const;
  bool Visible() const;
  void SetCaption(const std::string& caption) const;
  std::string Caption() const;
  Bounds GetBounds() const;          // outer bounds in parent (or screen) coordinates
  void SetBounds(const Bounds& bounds) const;
  Size ClientSize() const;

  // The colours that child controls with "parent colour" take from their form.
  virtual COLORREF Colour() const { return GetSysColor(COLOR_BTNFACE); }
  virtual COLORREF FontColour() const { return GetSysColor(COLOR_BTNTEXT); }
  // The form's own font for its controls (null: the system's).
  virtual HFONT Font() const { return nullptr; }

  // Keys the form handles before the focused control sees them (Enter, Escape, Tab and
  // accelerators); true when the message was used up.
  virtual bool HandleDialogKey(const MSG& message);

  // The form object behind a window of ours, or null for any other window.
  static Form* FromHandle(HWND window);

  // Runs the window as a modal box: every other window of the thread is disabled until
  // EndModal; returns the result given there.
  int ShowModal();
  void EndModal(int result) { modalResult_ = result; }
  bool InModalLoop() const { return modalResult_ == 0 && modalRunning_; }

  // Registers the window class once; the class name is what FindWindowA looks for.
  static void RegisterWindowClass(const char* className, HICON icon = nullptr, UINT style = 0);

 protected:
  bool CreateWindowOfClass(const char* className, const std::string& caption, DWORD style, DWORD exStyle,
                           const Bounds& bounds, HWND parent, HMENU menu = nullptr);
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  friend class Timer;
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void DispatchTimer(UINT_PTR id);

  HWND window_ = nullptr;
  std::vector<Timer*> timers_;
  int modalResult_ = 0;
  bool modalRunning_ = false;
};
