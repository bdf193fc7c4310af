#pragma once
// The main window on a store the test builds, with the mouse and the keyboard as the user
// drives them (support/real_input.h) and the places of items, nodes and headers on the screen.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/connection_record.h"
#include "core/pcaw.h"
#include "core/registry_store.h"
#include "forms/twips.h"
#include "main_window/connection_list.h"
#include "main_window_fixture.h"
#include "support/message_box_watcher.h"
#include "support/real_input.h"

namespace corvana::test {

class BrowseTest : public MainWindowTest {
 protected:
  void TearDown() override {
    if (form && form->Loaded()) Exit();
    // The pcAnywhere gateway must go before OLE ends.
    gPcAW.reset();
  }

  static void Folder(const std::string& path) { ASSERT_TRUE(CreateFolderKey("", path)); }
  static void Connection(const std::string& folder, const std::string& name, const std::string& host = "host",
                         const std::string& display = "1", const std::string& port = "",
                         const std::string& password = "") {
    ConnectionRecord r;
    r.FolderPath = folder;
    r.ConnectionName = name;
    r.Host = host;
    r.Display = display;
    r.VNCFSPort = port;
    r.Password = password;
    ASSERT_TRUE(CreateConnectionKey(r));
  }

  // The window in front and laid out, ready for the mouse.
  MainForm& StartInFront() {
    MainForm& f = Start();
    SetForegroundWindow(f.hWnd());
    PumpUntil([&] { return GetForegroundWindow() == f.hWnd(); });
    // The window is where the mouse will find it once the screen shows its tree there.
    RECT r{};
    GetWindowRect(f.tvMain().hWnd(), &r);
    const POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    PumpUntil([&] { return WindowFromPoint(middle) == f.tvMain().hWnd(); });
    return f;
  }

  // Open starts on this thread what Drive works on from a thread of its own (a dialog that runs
  // modally here); messages run here until Drive is through.
  static void WhileDriven(const std::function<void()>& open, const std::function<void()>& drive, DWORD timeoutMs) {
    std::atomic<bool> done{false};
    std::thread driver([&] {
      drive();
      done = true;
    });
    open();
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }, timeoutMs));
    driver.join();
    Pump();
  }

  static POINT ScreenPoint(HWND wnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(wnd, &p);
    return p;
  }
  POINT ItemPoint(const forms::ListItemRef& item) const {
    if (!item) return {0, 0};
    HWND list = form->lstItems().hWnd();
    RECT r{};
    r.left = LVIR_LABEL;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(item->Index() - 1), reinterpret_cast<LPARAM>(&r));
    return ScreenPoint(list, r.left + 8, (r.top + r.bottom) / 2);
  }
  POINT HeaderPoint(int column) const {
    HWND header = ListView_GetHeader(form->lstItems().hWnd());
    RECT r{};
    Header_GetItemRect(header, column - 1, &r);
    return ScreenPoint(header, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  // A point on the node's label, found by the tree's own hit test.
  POINT NodePoint(const forms::NodeRef& node) const {
    forms::TreeView& tree = form->tvMain();
    RECT client{};
    GetClientRect(tree.hWnd(), &client);
    for (int y = 1; y < client.bottom; y += 2)
      for (int x = 1; x < client.right; x += 4)
        if (tree.HitTest(forms::PixelsToTwipsX(x), forms::PixelsToTwipsY(y)) == node)
          return ScreenPoint(tree.hWnd(), x + 6, y + 2);
    ADD_FAILURE() << "node " << node->Key() << " is not on the screen";
    return {0, 0};
  }
  // Below every item: empty space of the list.
  POINT EmptyListPoint() const {
    HWND list = form->lstItems().hWnd();
    RECT r{};
    GetClientRect(list, &r);
    return ScreenPoint(list, r.right / 2, r.bottom - 6);
  }

  // A press close to the last one and soon after it would make a double-click of the two.
  void AwayFromLastClick(POINT at) {
    const UINT slack = GetDoubleClickTime() + 50;
    if (std::abs(at.x - lastClick_.x) > GetSystemMetrics(SM_CXDOUBLECLK) ||
        std::abs(at.y - lastClick_.y) > GetSystemMetrics(SM_CYDOUBLECLK))
      return;
    PumpUntil([&] { return GetTickCount() - lastClickTime_ > slack; }, slack + 100);
  }
  // The mouse moved there, and the move has arrived. The buttons are pressed with the place
  // attached as well: a late pointer event of the display can still put the cursor back where
  // the last click was, and a bare press would land there.
  static void MoveMouse(POINT at) {
    SendMouse(0, at);
    PumpUntil([&] {
      POINT now{};
      GetCursorPos(&now);
      return now.x == at.x && now.y == at.y;
    });
    Pump();
  }
  // Moves the mouse there until the window has seen it. A synthetic move can be overtaken by the
  // display's report of an earlier pointer position, so the move is sent again, a pixel apart
  // each time so that it is a move, until Arrived holds.
  static bool MoveMouseUntil(POINT at, const std::function<bool()>& arrived) {
    for (int i = 0; i < 20; ++i) {
      SendMouse(0, {at.x, at.y + i % 2});
      if (PumpUntil(arrived, 500)) return true;
    }
    return false;
  }
  void NoteClick(POINT at) {
    lastClick_ = at;
    lastClickTime_ = GetTickCount();
  }
  void Click(POINT at, std::vector<WORD> modifiers = {}) {
    AwayFromLastClick(at);
    MoveMouse(at);
    for (WORD m : modifiers) SendKey(m, false);
    SendMouse(MOUSEEVENTF_LEFTDOWN, at);
    SendMouse(MOUSEEVENTF_LEFTUP, at);
    NoteClick(at);
    for (WORD m : modifiers) SendKey(m, true);
    Pump();
  }
  void DoubleClick(POINT at) {
    AwayFromLastClick(at);
    MoveMouse(at);
    for (int i = 0; i < 2; ++i) {
      SendMouse(MOUSEEVENTF_LEFTDOWN, at);
      SendMouse(MOUSEEVENTF_LEFTUP, at);
    }
    NoteClick(at);
    Pump();
  }
  void RightClick(POINT at) {
    AwayFromLastClick(at);
    MoveMouse(at);
    SendMouse(MOUSEEVENTF_RIGHTDOWN, at);
    SendMouse(MOUSEEVENTF_RIGHTUP, at);
    NoteClick(at);
  }
  // Opens the folder as the user does: a click on its node.
  void OpenFolder(const std::string& key) {
    forms::NodeRef node = form->tvMain().NodeByKey(key);
    ASSERT_TRUE(node) << key;
    Click(NodePoint(node));
    ASSERT_TRUE(PumpUntil([&] { return form->lstItems().Tag() == key; }))
        << key << " selected " << (form->tvMain().SelectedItem() ? form->tvMain().SelectedItem()->Key() : "-");
  }
  // Expands the node as the user does from the keyboard.
  void ExpandNode(const std::string& key) {
    Click(NodePoint(form->tvMain().NodeByKey(key)));
    PressKey(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return form->tvMain().NodeByKey(key)->Expanded(); })) << key;
  }
  std::vector<std::string> ListTexts() const {
    std::vector<std::string> texts;
    for (const auto& item : form->lstItems().Items()) texts.push_back(item->Text());
    return texts;
  }
  forms::ListItemRef ItemNamed(const std::string& text) const {
    for (const auto& item : form->lstItems().Items())
      if (item->Text() == text) return item;
    ADD_FAILURE() << "no list item " << text;
    return nullptr;
  }

  // The last click, across the tests of this program: the system's double-click memory is too.
  static inline POINT lastClick_{-100, -100};
  static inline DWORD lastClickTime_ = 0;

  // The pcAnywhere entries' files are not there: their enumeration says so in a message box.
  MessageBoxWatcher boxes;
};

}  // namespace corvana::test
