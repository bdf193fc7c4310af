#include "dialogs/password_enter.h"

#include <gmock/gmock.h>

#include <functional>
#include <set>
#include <thread>

#include "core/connection_record.h"
#include "core/global_options.h"
#include "core/passwords.h"
#include "core/string_table.h"
#include "dialog_fixture.h"
#include "forms/basic_controls.h"
#include "forms/message_loop.h"
#include "resources/string_ids.h"
#include "support/own_desktop/stand_in_control.h"
#include "support/registry_sandbox.h"

using namespace corvana;
using namespace corvana::test;
using corvana::dialogs::dlgPasswordEnter;
using corvana::dialogs::PasswordEnterPrompt;

namespace {

std::string TextOf(HWND wnd) {
  char text[256] = {};
  GetWindowTextA(wnd, text, sizeof text);
  return text;
}

// The prompt's window as another thread sees it while the prompt runs modally.
struct PromptWindows {
  HWND form = nullptr, edit = nullptr, save = nullptr, ok = nullptr, cancel = nullptr;
};

BOOL CALLBACK TakeVisibleWindow(HWND wnd, LPARAM param) {
  if (!IsWindowVisible(wnd)) return TRUE;
  reinterpret_cast<PromptWindows*>(param)->form = wnd;
  return FALSE;
}

BOOL CALLBACK TakeControl(HWND wnd, LPARAM param) {
  auto& f = *reinterpret_cast<PromptWindows*>(param);
  char cls[32] = {};
  GetClassNameA(wnd, cls, sizeof cls);
  std::string text = TextOf(wnd);
  if (lstrcmpiA(cls, "Edit") == 0) f.edit = wnd;
  if (text == LoadResString(IDS_SAVE_PASSWORD)) f.save = wnd;
  if (text == LoadResString(IDS_CONNECT)) f.ok = wnd;
  if (text == LoadResString(IDS_CANCEL)) f.cancel = wnd;
  return TRUE;
}

PromptWindows WaitForPrompt(DWORD thread) {
  PromptWindows found;
  const DWORD start = GetTickCount();
  while (!found.form && GetTickCount() - start < 10000) {
    EnumThreadWindows(thread, TakeVisibleWindow, reinterpret_cast<LPARAM>(&found));
    if (!found.form) Sleep(20);
  }
  if (found.form) EnumChildWindows(found.form, TakeControl, reinterpret_cast<LPARAM>(&found));
  return found;
}

void Type(HWND edit, const std::string& text) {
  for (char c : text) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

class PasswordEnterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gOptions = GlobalOptions{};
    gLaunchPassword.clear();
    gPasswordCancelled = false;
  }
  static std::string MakeConnection(const std::string& folder, const std::string& name, const std::string& password) {
    ConnectionRecord record;
    record.FolderPath = folder;
    record.ConnectionName = name;
    record.Host = "vnc.example";
    record.Display = "1";
    record.Password = password;
    EXPECT_TRUE(CreateConnectionKey(record));
    return folder + "\\" + name;
  }
  // Runs the prompt modally on this thread while Drive works its window from another one.
  std::string caption_;
  void AskWhile(const std::string& path, const std::string& name, const std::function<void(PromptWindows&)>& drive) {
    const DWORD self = GetCurrentThreadId();
    std::thread driver([&] {
      PromptWindows w = WaitForPrompt(self);
      if (!w.form) return;
      caption_ = TextOf(w.form);
      if (w.edit && w.save && w.ok && w.cancel)
        drive(w);
      else
        PostMessageA(w.form, WM_CLOSE, 0, 0);
    });
    PasswordEnterPrompt prompt;
    // Never left waiting: the driver closes a prompt it cannot work.
    prompt.AskPassword(path, name);
    driver.join();
  }
  RegistrySandbox sandbox_;
};

TEST_F(PasswordEnterTest, LoadShowsTheStoredPasswordAndTheConnectionsName) {
  dlgPasswordEnter dlg;
  dlg.m_ConnectionPath = MakeConnection("Top\\Sub", "Conn", "stored+1");
  dlg.m_ConnectionName = "Conn";
  dlg.Show();
  EXPECT_EQ(dlg.Caption(), LoadResString(IDS_PASSWORD_TITLE) + " 'Conn'");
  auto& password = dlg.Get<forms::TextBox>("txtPassword");
  EXPECT_EQ(password.Text(), "stored+1");
  EXPECT_EQ(password.PasswordChar(), '*');
  EXPECT_EQ(dlg.Get<forms::CheckBox>("chkSavePassword").Value(), 1);
  EXPECT_EQ(dlg.Get<forms::CommandButton>("cmdOK").Caption(), LoadResString(IDS_CONNECT));
  EXPECT_EQ(gLaunchPassword, "stored+1");
  EXPECT_GE(dlg.PictureShown(), 1);
}

TEST_F(PasswordEnterTest, LoadWithoutStoredPasswordLeavesTheLaunchPassword) {
  gLaunchPassword = "earlier";
  dlgPasswordEnter dlg;
  dlg.m_ConnectionPath = MakeConnection("Top", "Conn", "");
  dlg.m_ConnectionName = "Conn";
  dlg.Show();
  EXPECT_EQ(dlg.Get<forms::TextBox>("txtPassword").Text(), "");
  EXPECT_EQ(dlg.Get<forms::CheckBox>("chkSavePassword").Value(), 0);
  EXPECT_EQ(gLaunchPassword, "earlier");
}

TEST_F(PasswordEnterTest, KeyPressesShowPicturesOfTheImageList) {
  dlgPasswordEnter dlg;
  dlg.m_ConnectionPath = MakeConnection("Top", "Conn", "");
  dlg.Show();
  HWND edit = dlg.Get<forms::TextBox>("txtPassword").hWnd();
  std::set<int> shown;
  for (int i = 0; i < 40; ++i) {
    PostMessageA(edit, WM_CHAR, 'x', 1);
    ASSERT_TRUE(PumpUntil([&] { return dlg.Get<forms::TextBox>("txtPassword").Text().size() == size_t(i + 1); }));
    shown.insert(dlg.PictureShown());
  }
  EXPECT_GE(*shown.begin(), 1);
  EXPECT_LE(*shown.rbegin(), 5);
  EXPECT_GT(shown.size(), 1u);
}

TEST_F(PasswordEnterTest, ConfirmWithSaveTickedStoresAtTheFullNestedPath) {
  std::string path = MakeConnection("A\\B\\C", "Conn", "");
  AskWhile(path, "Conn", [](PromptWindows& w) {
    Type(w.edit, "neu+(1)");
    Click(w.save);
    Click(w.ok);
  });
  EXPECT_EQ(caption_, LoadResString(IDS_PASSWORD_TITLE) + " 'Conn'");
  EXPECT_EQ(gLaunchPassword, "neu+(1)");
  EXPECT_FALSE(gPasswordCancelled);
  EXPECT_EQ(ReadPassword(path), "neu+(1)");
}

TEST_F(PasswordEnterTest, ConfirmWithoutSaveStoresNothing) {
  std::string path = MakeConnection("Top", "Conn", "");
  AskWhile(path, "Conn", [](PromptWindows& w) {
    Type(w.edit, "once");
    Click(w.ok);
  });
  EXPECT_EQ(gLaunchPassword, "once");
  EXPECT_EQ(ReadPassword(path), "");
}

TEST_F(PasswordEnterTest, CancelEmptiesThePasswordAndCancelsTheLaunch) {
  std::string path = MakeConnection("Top", "Conn", "");
  AskWhile(path, "Conn", [](PromptWindows& w) {
    Type(w.edit, "typed");
    Click(w.save);
    Click(w.cancel);
  });
  EXPECT_EQ(gLaunchPassword, "");
  EXPECT_TRUE(gPasswordCancelled);
  EXPECT_EQ(ReadPassword(path), "");
}

TEST_F(PasswordEnterTest, CloseBoxRunsNeitherButton) {
  std::string path = MakeConnection("Top", "Conn", "");
  AskWhile(path, "Conn", [](PromptWindows& w) {
    Type(w.edit, "typed");
    Click(w.save);
    PostMessageA(w.form, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_EQ(gLaunchPassword, "");
  EXPECT_FALSE(gPasswordCancelled);
  EXPECT_EQ(ReadPassword(path), "");
}

// The whole road: no stored password, the real prompt, the password typed into the viewer.
TEST_F(PasswordEnterTest, LaunchTypesWhatThePromptWasGiven) {
  gOptions.ViewerPath = StandInViewerPath();
  gOptions.AuthWindowRetries = 100;
  gOptions.AuthWindowCaption = kDefaultAuthWindowCaption;
  std::string path = MakeConnection("Top\\Sub", "Conn", "");
  std::string record = FreshRecordBase();
  StandInSettings settings(record, kDefaultAuthWindowCaption);
  struct : MainWindowMinimizer {
    void MinimizeMainWindow() override {}
  } mainWindow;
  const DWORD self = GetCurrentThreadId();
  std::thread driver([&] {
    PromptWindows w = WaitForPrompt(self);
    if (!w.edit || !w.ok) {
      if (w.form) PostMessageA(w.form, WM_CLOSE, 0, 0);
      return;
    }
    Type(w.edit, "p%w{1}");
    Click(w.ok);
  });
  PasswordEnterPrompt prompt;
  ConnectVncViewer(path, prompt, mainWindow);
  driver.join();
  auto typed = WaitForTyped(record);
  if (!typed) CloseAllStandIns(kDefaultAuthWindowCaption);
  ASSERT_TRUE(typed);
  EXPECT_TRUE(typed->enter);
  EXPECT_EQ(typed->text, "p%w{1}");
}

}  // namespace
