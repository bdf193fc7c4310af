#pragma once
// The mouse and the keyboard as the user drives them: SendInput, into whatever window is in front
// on this desktop and has the focus there.
#include <windows.h>

#include <string>
#include <vector>

namespace corvana::test {

inline void SendMouse(DWORD flags, POINT screen = {-1, -1}) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  if (screen.x >= 0) {
    // Rounded up, so that the driver's scaling back lands on the pixel itself.
    in.mi.dx = (screen.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
    in.mi.dy = (screen.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
    flags |= MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}

inline void SendKey(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

// A key pressed and released, with the modifiers held around it.
inline void PressKey(WORD vk, std::vector<WORD> modifiers = {}) {
  for (WORD m : modifiers) SendKey(m, false);
  SendKey(vk, false);
  SendKey(vk, true);
  for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m) SendKey(*m, true);
}

inline void TypeText(const std::string& text) {
  for (char c : text) {
    SHORT scan = VkKeyScanA(c);
    std::vector<WORD> mods;
    if (scan & 0x100) mods.push_back(VK_SHIFT);
    if (scan & 0x200) mods.push_back(VK_CONTROL);
    if (scan & 0x400) mods.push_back(VK_MENU);
    PressKey(static_cast<WORD>(scan & 0xFF), mods);
  }
}

}  // namespace corvana::test
