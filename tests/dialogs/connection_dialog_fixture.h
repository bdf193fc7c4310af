#pragma once
// The connection dialogs on a registry of their own, opened for a stand-in of the main window that
// records what they ask of it, and worked with the real keyboard and mouse.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "com/host/ole_init.h"
#include "dialog_fixture.h"
#include "core/global_options.h"
#include "core/registry_store.h"
#include "dialogs/connection_dialog_host.h"
#include "forms/basic_controls.h"
#include "forms/declaration_builder.h"
#include "forms/form.h"
#include "support/message_box_watcher.h"
#include "support/real_input.h"
#include "support/registry_sandbox.h"

namespace corvana::test {

// What the main window would be to the dialogs: a plain form as their owner, a selected folder the
// test names, and the list items they add, recorded.
class RecordingHost : public dialogs::ConnectionDialogHost {
 public:
  struct ListItem {
    std::string name, host, display, port, folder;
  };
  RecordingHost() : owner_(OwnerDeclaration()) {
    owner_.LoadForm();
    owner_.Show();
  }
  forms::Form& OwnerForm() override { return owner_; }
  std::string SelectedFolder() override { return selectedFolder; }
  std::string ProvideFolder() override {
    ++folderProvided;
    CreateFolderKey("", kProvidedFolder);
    return kProvidedFolder;
  }
  bool AddConnectionListItem(const std::string& Name, const std::string& Host, const std::string& Display,
                             const std::string& VNCFSPort, const std::string& Folder) override {
    added.push_back({Name, Host, Display, VNCFSPort, Folder});
    return addAnswer;
  }

  static constexpr const char* kProvidedFolder = "Bereitgestellt";
  std::string selectedFolder;
  int folderProvided = 0;
  std::vector<ListItem> added;
  bool addAnswer = true;

 private:
  static forms::FormDecl OwnerDeclaration() {
    forms::FormDecl f;
    f.name = "frmOwner";
    f.caption = "Owner";
    f.left = 300;
    f.top = 300;
    f.clientWidth = 3000;
    f.clientHeight = 1500;
    return f;
  }
  forms::Form owner_;
};

class ConnectionDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { gOptions = GlobalOptions{}; }

  // The form in front, so that the keys go to it.
  static void InFront(forms::Form& form) { test::InFront(form.hWnd()); }
  // A click of the left button on the control's middle, as the user makes it.
  static void ClickOn(const forms::Control& control) {
    const POINT at = MiddleOf(control.hWnd());
    MoveMouse(at);
    SendMouse(MOUSEEVENTF_LEFTDOWN, at);
    SendMouse(MOUSEEVENTF_LEFTUP, at);
    Pump();
  }
  // The box takes the focus (which selects its text), the user deletes what it held and types.
  static void TypeInto(forms::TextBox& box, const std::string& text) {
    box.SetFocus();
    PumpUntil([&] { return GetFocus() == box.hWnd(); });
    // Emptied first, and typed only then: keys still under way would otherwise reach the next box.
    PressKey(VK_DELETE);
    EXPECT_TRUE(PumpUntil([&] { return box.Text().empty(); })) << box.Name() << ": " << box.Text();
    TypeText(text);
    EXPECT_TRUE(PumpUntil([&] { return box.Text() == text; })) << box.Name() << ": " << box.Text();
  }
  // A check box ticked or cleared with the mouse.
  static void SetCheck(forms::CheckBox& box, bool on) {
    if ((box.Value() == 1) == on) return;
    ClickOn(box);
    EXPECT_TRUE(PumpUntil([&] { return (box.Value() == 1) == on; })) << box.Name();
  }

  com::OleInitGuard ole;
  RegistrySandbox sandbox;
  MessageBoxWatcher boxes;
  RecordingHost host;
};

}  // namespace corvana::test
