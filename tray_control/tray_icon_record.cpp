#include "tray_control/tray_icon_record.h"

#include <algorithm>
#include <cstring>

namespace corvana::tray {

// The shell's first record layout: 88 bytes in the 32-bit program (wider pointers in a 64-bit build).
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);

void TrayIconRecord::Fill(HWND window, HICON icon, std::wstring_view tip) {
  data_ = NOTIFYICONDATAA{};
  data_.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data_.hWnd = window;
  data_.uID = kIconId;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.uCallbackMessage = kCallbackMessage;
  data_.hIcon = icon;
  SetTip(tip);
}

void TrayIconRecord::SetTip(std::wstring_view tip) {
  // The first 63 characters, in the ANSI code page; with a multi-byte code page fewer characters
  // when their bytes would not fit the field.
  char text[kMaxTipChars + 1] = {};
  int chars = static_cast<int>(std::min(tip.size(), kMaxTipChars));
  int bytes = 0;
  for (; chars > 0; --chars) {
    bytes = WideCharToMultiByte(CP_ACP, 0, tip.data(), chars, text, static_cast<int>(kMaxTipChars), nullptr, nullptr);
    if (bytes > 0) break;
  }
  std::memset(data_.szTip, 0, sizeof data_.szTip);
  std::memcpy(data_.szTip, text, chars > 0 ? bytes : 0);
}

bool TrayIconRecord::Send(DWORD message) noexcept { return Shell_NotifyIconA(message, &data_) != FALSE; }

}  // namespace corvana::tray
