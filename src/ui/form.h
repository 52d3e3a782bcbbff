#pragma once
#include <exception>
#include <string>
#include <vector>

#include "ui/window_view.h"

class Timer;

// A window that is a C++ object: the object is tied to its HWND at WM_NCCREATE and
// receives its messages in OnMessage. The object owns the window and destroys it.
class Form : public WindowView {
 public:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

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

  // The window's frame around a client area of `client` pixels, at the window's own scale.
  Size FrameSizeFor(Size client) const;
  // Every descendant that shows `old` shows `replacement` instead.
  void ReplaceFont(HFONT old, HFONT replacement) const;

  // Gives the window the program's icon (resource 1) in both sizes: a class icon alone leaves
  // WM_GETICON without an answer, and windows that copy their owner's icon need one.
  void SetProgramIcons() const;

 protected:
  bool CreateWindowOfClass(const char* className, const std::string& caption, DWORD style, DWORD exStyle,
                           const Bounds& bounds, HWND parent, HMENU menu = nullptr);
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Runs once, after the window was first shown and is on the screen.
  virtual void FormShow() {}
  // The window moved to a monitor of another scale and already stands in the rectangle the
  // system proposed: lay it out again, keeping what it shows. The default scales every child
  // by the change; a form with fonts of its own makes them again first (ReplaceFont).
  virtual void DpiChanged(int oldDpi, int newDpi);

  LRESULT DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // A handler of this window (or of a control on it) failed with an exception, which never
  // crosses into the system's code. The top-level form decides what the user sees; the
  // default logs it.
  virtual void OnFailure(std::exception_ptr failure);

 private:
  friend class Timer;
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void DispatchTimer(UINT_PTR id);

  std::vector<Timer*> timers_;
  int modalResult_ = 0;
  bool modalRunning_ = false;
  bool shown_ = false;
};
