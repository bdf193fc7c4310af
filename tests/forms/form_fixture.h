#pragma once
// Small builders for form declarations, and waiting on the window system with a deadline.
#include <windows.h>

#include <functional>
#include <string>

#include "forms/form_declaration.h"
#include "forms/message_loop.h"

namespace corvana::forms::test {

inline ControlDecl Decl(const std::string& type, const std::string& name, int left = 0, int top = 0, int width = 1200,
                        int height = 300, const std::string& text = "", const std::string& tag = "",
                        const std::string& toolTip = "") {
  ControlDecl d;
  d.type = type;
  d.name = name;
  d.left = left;
  d.top = top;
  d.width = width;
  d.height = height;
  d.text = text;
  d.tag = tag;
  d.toolTipText = toolTip;
  return d;
}

// Lets messages run until Condition holds or the deadline passes; true when it held.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    DoEvents();
  }
  return true;
}

}  // namespace corvana::forms::test
