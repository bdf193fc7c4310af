#pragma once
// The main window started in this process on a registry of its own, with a tray icon whose
// answers the test decides.
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "com/host/ole_init.h"
#include "core/registry_store.h"
#include "core/registry_value.h"
#include "forms/message_loop.h"
#include "main_window/main_form.h"
#include "support/registry_sandbox.h"

namespace corvana::test {

// Records what the window asks of its tray icon and answers as told.
class ScriptedTray : public TrayIcon {
 public:
  struct Calls {
    std::vector<std::string> adds;  // the tooltips
    int refreshes = 0, deletes = 0;
    std::vector<bool> enabled;
  };
  explicit ScriptedTray(std::shared_ptr<Calls> calls) : calls_(std::move(calls)) {}
  bool TrayIconAdd(HICON icon, const std::string& tip) override {
    calls_->adds.push_back(tip);
    lastIcon = icon;
    return addAnswer;
  }
  bool TrayIconRefresh() override {
    ++calls_->refreshes;
    return refreshAnswer;
  }
  bool TrayIconDelete() override {
    ++calls_->deletes;
    return true;
  }
  void SetEnabled(bool on) override { calls_->enabled.push_back(on); }
  bool addAnswer = true, refreshAnswer = true;
  HICON lastIcon = nullptr;

 private:
  std::shared_ptr<Calls> calls_;
};

inline bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    forms::DoEvents();
  }
  return true;
}

inline void Pump() {
  PumpUntil([] { return false; }, 100);
}

// What the shell posts when files are let go above a window that accepts them.
inline void PostDrop(HWND wnd, const std::vector<std::string>& files) {
  std::string list;
  for (const std::string& f : files) list += f + '\0';
  list += '\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
  GlobalUnlock(memory);
  PostMessageA(wnd, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

class MainWindowTest : public ::testing::Test {
 protected:
  // A window loaded and shown as the start-up shows it.
  MainForm& Start(int windowState = forms::kNormal) {
    calls = std::make_shared<ScriptedTray::Calls>();
    MainFormServices services;
    services.createTray = [this] {
      auto t = std::make_unique<ScriptedTray>(calls);
      tray = t.get();
      return std::unique_ptr<TrayIcon>(std::move(t));
    };
    services.endProgram = [this] { ++ended; };
    form = std::make_unique<MainForm>(std::move(services));
    form->LoadForm();
    form->SetWindowState(windowState);
    form->Show();
    Pump();
    return *form;
  }
  // The window's exit: its close box, answered by QueryUnload.
  void Exit() {
    PostMessageA(form->hWnd(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !form->Loaded(); }));
    form.reset();
  }
  std::string Root(const char* name) { return ReadRootSetting(name); }
  void SetRoot(const char* name, const std::string& value) { WriteRootSetting(name, value); }

  com::OleInitGuard ole;
  RegistrySandbox sandbox;
  std::shared_ptr<ScriptedTray::Calls> calls;
  ScriptedTray* tray = nullptr;
  std::unique_ptr<MainForm> form;
  int ended = 0;
};

}  // namespace corvana::test
