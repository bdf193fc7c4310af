#pragma once
// The main window on a store of the test's own, driven with the real mouse and keyboard, and a
// watch on the progress windows of the paste and delete loops: what they showed, and a real click
// on their Cancel button or close box while the loop runs.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "browse_fixture.h"
#include "popup_driver.h"
#include "core/registry_store.h"
#include "core/registry_value.h"

namespace corvana::test {

// What the progress windows of this thread showed.
struct ProgressSeen {
  std::vector<std::string> captions;  // each window's caption at its first item
  std::vector<std::string> items;     // every text of the item line
  std::vector<std::string> lines;     // every text of the second line
  std::vector<int> values;            // the progress bar's positions, each change once
  int min = 0, max = 0;               // the bar's last range
  RECT rect{};                        // the last window's place at its first item
};

// Sees the messages sent to the windows of this thread (a progress window is a form that holds a
// progress bar) and, at a window's first item, before the window lets messages run, calls
// atFirstItem with it.
class ProgressWatch {
 public:
  ProgressWatch() : hook_(SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId())) { current_ = this; }
  ~ProgressWatch() {
    UnhookWindowsHookEx(hook_);
    current_ = nullptr;
  }
  ProgressWatch(const ProgressWatch&) = delete;
  ProgressWatch& operator=(const ProgressWatch&) = delete;

  ProgressSeen seen;
  std::function<void(HWND window)> atFirstItem;

  static bool IsProgressWindow(HWND wnd) {
    return wnd && FindWindowExA(wnd, nullptr, PROGRESS_CLASSA, nullptr) != nullptr;
  }

 private:
  static std::string ClassOf(HWND wnd) {
    char cls[64] = {};
    GetClassNameA(wnd, cls, sizeof cls);
    return cls;
  }
  // The item line is the upper of the window's two text lines.
  static bool IsItemLine(HWND parent, HWND edit) {
    RECT mine{}, other{};
    GetWindowRect(edit, &mine);
    for (HWND e = FindWindowExA(parent, nullptr, "Edit", nullptr); e; e = FindWindowExA(parent, e, "Edit", nullptr)) {
      if (e == edit) continue;
      GetWindowRect(e, &other);
      return mine.top < other.top;
    }
    return true;
  }
  void Seen(const CWPSTRUCT& m) {
    if (m.message == WM_DESTROY && IsProgressWindow(m.hwnd)) {
      started_.erase(m.hwnd);
      return;
    }
    HWND parent = GetParent(m.hwnd);
    if (!IsProgressWindow(parent)) return;
    const std::string cls = ClassOf(m.hwnd);
    if (m.message == PBM_SETRANGE32 && cls == PROGRESS_CLASSA) {
      seen.min = static_cast<int>(m.wParam);
      seen.max = static_cast<int>(m.lParam);
    } else if (m.message == PBM_SETPOS && cls == PROGRESS_CLASSA) {
      if (seen.values.empty() || seen.values.back() != static_cast<int>(m.wParam))
        seen.values.push_back(static_cast<int>(m.wParam));
    } else if (m.message == WM_SETTEXT && lstrcmpiA(cls.c_str(), "Edit") == 0) {
      const std::string text = m.lParam ? reinterpret_cast<const char*>(m.lParam) : "";
      if (!IsItemLine(parent, m.hwnd)) {
        seen.lines.push_back(text);
        return;
      }
      seen.items.push_back(text);
      if (!started_.insert(parent).second) return;
      char caption[256] = {};
      GetWindowTextA(parent, caption, sizeof caption);
      seen.captions.push_back(caption);
      GetWindowRect(parent, &seen.rect);
      if (atFirstItem) atFirstItem(parent);
    }
  }
  static LRESULT CALLBACK Hook(int code, WPARAM w, LPARAM l) {
    if (code == HC_ACTION && current_ && !current_->inside_) {
      current_->inside_ = true;
      current_->Seen(*reinterpret_cast<const CWPSTRUCT*>(l));
      current_->inside_ = false;
    }
    return CallNextHookEx(nullptr, code, w, l);
  }

  HHOOK hook_;
  std::set<HWND> started_;
  bool inside_ = false;
  static inline ProgressWatch* current_ = nullptr;
};

// A click whose press and release are in this thread's queue when it returns, so that the next
// message run of a loop handles it.
inline void QueueClick(POINT at) {
  INPUT in[2]{};
  for (INPUT& i : in) {
    i.type = INPUT_MOUSE;
    i.mi.dx = (at.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
    i.mi.dy = (at.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
  }
  in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
  const DWORD start = GetTickCount();
  while (!(HIWORD(GetQueueStatus(QS_MOUSEBUTTON)) & QS_MOUSEBUTTON) && GetTickCount() - start < 3000) Sleep(5);
}

inline POINT CentreOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The progress window's Cancel button, clicked.
inline void ClickCancel(HWND window) { QueueClick(CentreOf(FindWindowExA(window, nullptr, "Button", nullptr))); }

// The progress window's close box in its caption, clicked.
inline void ClickCloseBox(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  for (int y = r.top + 1; y < r.top + 40; ++y)
    for (int x = r.right - 2; x > r.right - 80; --x)
      if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
        QueueClick({x - 2, y + 2});
        return;
      }
  ADD_FAILURE() << "the progress window shows no close box";
}

class ClipboardTest : public BrowseTest {
 protected:
  // Selects the items named, one click each, the first alone and the others added with Ctrl.
  void SelectItems(const std::vector<std::string>& names) {
    bool first = true;
    for (const std::string& name : names) {
      forms::ListItemRef item = ItemNamed(name);
      if (!item) return;
      Click(ItemPoint(item), first ? std::vector<WORD>{} : std::vector<WORD>{VK_CONTROL});
      first = false;
    }
    ASSERT_TRUE(PumpUntil([&] { return CountSelected(form->lstItems()) == static_cast<long>(names.size()); }))
        << CountSelected(form->lstItems());
  }
  // Right click on the node and the entry of the tree's popup chosen with the mouse.
  void ChooseInTreePopup(const std::string& nodeKey, const char* entry) {
    forms::NodeRef node = form->tvMain().NodeByKey(nodeKey);
    ASSERT_TRUE(node) << nodeKey;
    PopupDriver driver(form->GetMenu("mnuPopUpFolder").popup(), {form->GetMenu(entry).id()});
    RightClick(NodePoint(node));
    ASSERT_TRUE(PumpUntil([&] { return driver.done(); }, 10000)) << entry;
    Pump();
  }
  // Right click at the place in the list (on an item, or on empty space) and the entry of the
  // popup menu that opens chosen with the mouse.
  void ChooseInListPopup(POINT at, const char* popup, const char* entry) {
    PopupDriver driver(form->GetMenu(popup).popup(), {form->GetMenu(entry).id()});
    RightClick(at);
    ASSERT_TRUE(PumpUntil([&] { return driver.done(); }, 10000)) << entry;
    Pump();
  }
  // The key pressed with the list in the focus.
  void PressInList(WORD vk, std::vector<WORD> modifiers = {}) {
    form->lstItems().SetFocus();
    PressKey(vk, std::move(modifiers));
  }
  static std::string Host(const std::string& path) {
    return ReadSubKeyDefaultValue(OpenStoreKey(path).get(), "Host");
  }
  std::string Status() const { return form->StatusBar1().PanelByKey("status")->Text(); }
};

}  // namespace corvana::test
