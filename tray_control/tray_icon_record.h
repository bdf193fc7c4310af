#pragma once
// The one notification-area record of a control, in the shell's 88-byte ANSI form, kept for the
// control's life and handed whole to every shell call.
#include <windows.h>
#include <shellapi.h>

#include <string_view>

namespace corvana::tray {

class TrayIconRecord {
 public:
  static constexpr UINT kIconId = 1;
  static constexpr UINT kCallbackMessage = WM_MOUSEMOVE;
  static constexpr size_t kMaxTipChars = 63;

  // Fills every field for a new icon of window.
  void Fill(HWND window, HICON icon, std::wstring_view tip);
  void SetIcon(HICON icon) noexcept { data_.hIcon = icon; }
  void SetTip(std::wstring_view tip);

  // One Shell_NotifyIconA call with the record; true when the shell accepted it.
  bool Send(DWORD message) noexcept;

  const NOTIFYICONDATAA& data() const noexcept { return data_; }

 private:
  // All zero until the first Fill; only the first cbSize (88) bytes ever reach the shell.
  NOTIFYICONDATAA data_{};
};

}  // namespace corvana::tray
