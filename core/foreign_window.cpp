#include "core/foreign_window.h"

namespace corvana {
namespace {

// This thread's input attached to the window's thread for a scope; when detached again the
// window's thread keeps the focus and the foreground.
class AttachedInput {
 public:
  explicit AttachedInput(HWND window)
      : self_(GetCurrentThreadId()), other_(GetWindowThreadProcessId(window, nullptr)) {
    attached_ = other_ && other_ != self_ && AttachThreadInput(self_, other_, TRUE);
  }
  ~AttachedInput() {
    if (attached_) AttachThreadInput(self_, other_, FALSE);
  }
  AttachedInput(const AttachedInput&) = delete;
  AttachedInput& operator=(const AttachedInput&) = delete;

 private:
  DWORD self_;
  DWORD other_;
  bool attached_ = false;
};

}  // namespace

void BringForeignWindowToTop(HWND Window) {
  AttachedInput input(Window);
  BringWindowToTop(Window);
  SetForegroundWindow(Window);
}

void FocusForeignWindow(HWND Window) {
  AttachedInput input(Window);
  SetForegroundWindow(Window);
  SetFocus(Window);
}

}  // namespace corvana
