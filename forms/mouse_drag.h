#pragma once
// A drag that the program runs itself: the source control keeps the mouse from Begin to the
// release and shows the drag's cursor; each move and the drop are reported at the screen point of
// their own message (the cursor read later can be an earlier position under X). Esc, a lost
// capture or the source's end cancel the drag.
#include <windows.h>

#include <functional>

#include "win/handles.h"

namespace corvana::forms {

class Control;

class MouseDrag {
 public:
  MouseDrag() = default;
  ~MouseDrag();
  MouseDrag(const MouseDrag&) = delete;
  MouseDrag& operator=(const MouseDrag&) = delete;

  std::function<void(POINT screen)> Moved, Dropped;
  std::function<void()> Cancelled;

  // Takes the mouse for Source and reports the first move at once. False when it cannot.
  bool Begin(Control& source, IconHandle cursor);
  bool Active() const { return source_ != nullptr; }
  // Ends tracking without an event.
  void Stop();

 private:
  friend class Control;
  // Sees the source's messages before the control does; true when it took one.
  bool Filter(UINT msg, WPARAM w, LPARAM l, LRESULT& result);
  void Cancel();

  Control* source_ = nullptr;
  IconHandle cursor_;
  bool stopping_ = false;
};

// The screen point of the message in hand.
POINT MessageScreenPoint();

}  // namespace corvana::forms
