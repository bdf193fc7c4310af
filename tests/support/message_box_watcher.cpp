#include "support/message_box_watcher.h"

#include <algorithm>
#include <utility>

namespace corvana::test {
namespace {

std::string WindowText(HWND wnd) {
  char buf[2048] = {};
  GetWindowTextA(wnd, buf, sizeof buf);
  return buf;
}

struct Found {
  std::vector<HWND> boxes;
};

BOOL CALLBACK FindInputField(HWND wnd, LPARAM param) {
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof cls);
  if (lstrcmpiA(cls, "Edit") == 0 || lstrcmpiA(cls, "ComboBox") == 0 || lstrcmpiA(cls, "ComboBoxEx32") == 0 ||
      lstrcmpiA(cls, "SysTreeView32") == 0) {
    *reinterpret_cast<bool*>(param) = true;
    return FALSE;
  }
  return TRUE;
}

// The platform's file and folder dialogs are of the message box's class too, but a message box
// has no field to type into; those dialogs are the test's to work.
bool IsMessageBox(HWND wnd) {
  bool input = false;
  EnumChildWindows(wnd, FindInputField, reinterpret_cast<LPARAM>(&input));
  return !input;
}

BOOL CALLBACK CollectBoxes(HWND wnd, LPARAM param) {
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof cls);
  if (pid == GetCurrentProcessId() && std::string(cls) == "#32770" && IsWindowVisible(wnd) && IsMessageBox(wnd))
    reinterpret_cast<Found*>(param)->boxes.push_back(wnd);
  return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND wnd, LPARAM param) {
  char cls[64] = {};
  GetClassNameA(wnd, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") == 0) {
    std::string text = WindowText(wnd);
    auto* out = reinterpret_cast<std::string*>(param);
    if (!text.empty()) *out += (out->empty() ? "" : "\n") + text;
  }
  return TRUE;
}

// The box's icon control holds one of the shared system icons, the very handle LoadIcon gives.
MessageIcon IconOf(HWND box) {
  constexpr int kIconControlId = 0x0440;
  HWND control = GetDlgItem(box, kIconControlId);
  if (!control) return MessageIcon::None;
  const auto shown = reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0));
  if (!shown) return MessageIcon::None;
  const std::pair<LPCSTR, MessageIcon> known[] = {{IDI_HAND, MessageIcon::Critical},
                                                  {IDI_QUESTION, MessageIcon::Question},
                                                  {IDI_EXCLAMATION, MessageIcon::Exclamation},
                                                  {IDI_ASTERISK, MessageIcon::Information}};
  for (const auto& [id, icon] : known)
    if (LoadIconA(nullptr, id) == shown) return icon;
  return MessageIcon::Other;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(int button) : button_(button), thread_([this] { run(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
  stop_ = true;
  thread_.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::seen() const {
  std::lock_guard lock(mutex_);
  return seen_;
}

void MessageBoxWatcher::clear() {
  std::lock_guard lock(mutex_);
  seen_.clear();
}

void MessageBoxWatcher::run() {
  while (!stop_) {
    Found found;
    EnumWindows(CollectBoxes, reinterpret_cast<LPARAM>(&found));
    for (HWND box : found.boxes) {
      {
        std::lock_guard lock(mutex_);
        if (std::find(answered_.begin(), answered_.end(), box) != answered_.end() && IsWindow(box)) continue;
      }
      std::string text;
      EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
      const MessageIcon icon = IconOf(box);
      {
        std::lock_guard lock(mutex_);
        seen_.push_back({WindowText(box), text, icon});
        answered_.push_back(box);
      }
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(button_.load(), BN_CLICKED), 0);
    }
    Sleep(20);
  }
}

}  // namespace corvana::test
