// One page per tab: a click on a tab or Ctrl+Tab shows that tab's page and puts the others out of
// view and out of reach, with the real mouse and keyboard.
#include "forms/tab_pages.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/picture_controls.h"
#include "form_fixture.h"

using namespace corvana::forms;
using corvana::forms::test::MouseTo;
using corvana::forms::test::PumpUntil;

namespace {

constexpr int kPageLeft = 210;

ControlDecl Page(int index, int left) {
  ControlDecl page = Decl("PictureBox", "picPage", left, 450, 4200, 1500).Extra("BorderStyle", "0");
  page.index = index;
  return page;
}

FormDecl PagesForm() {
  FormDecl f;
  f.name = "frmPages";
  f.caption = "pages";
  f.left = 900;
  f.top = 900;
  f.clientWidth = 4800;
  f.clientHeight = 2700;
  f.keyPreview = true;
  ControlDecl tabs = Decl("TabStrip", "tbsPages", 120, 120, 4500, 2000);
  tabs.tabs = {{"One", "", "", ""}, {"Two", "", "", ""}, {"Three", "", "", ""}};
  f.controls = {tabs, Page(0, kPageLeft), Page(1, kPageLeft), Page(2, kPageLeft)};
  for (int i = 0; i < 3; ++i)
    f.controls.push_back(Decl("TextBox", "txtOnPage" + std::to_string(i), 120, 120, 2000, 300)
                             .In("picPage(" + std::to_string(i) + ")"));
  f.controls.push_back(Decl("CommandButton", "cmdBelow", 120, 2250, 1200, 300).Text("below"));
  return f;
}

void PressKey(WORD vk, std::vector<WORD> modifiers = {}) {
  std::vector<INPUT> in;
  auto key = [&](WORD k, bool up) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = k;
    i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    in.push_back(i);
  };
  for (WORD m : modifiers) key(m, false);
  key(vk, false);
  key(vk, true);
  for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m) key(*m, true);
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

class TabPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    tabs = &form.Get<TabStrip>("tbsPages");
    std::vector<Control*> list;
    for (int i = 0; i < 3; ++i) list.push_back(&form.Get("picPage", i));
    pages = std::make_unique<TabPages>(*tabs, list, kPageLeft);
    tabs->Click = [this] {
      ++clicks;
      pages->ShowSelected();
    };
    form.KeyDown = [this](int& key, int shift) { pages->FormKeyDown(key, shift); };
    pages->ShowSelected();
    SetWindowPos(form.hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(form.hWnd());
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form.hWnd(); }));
  }
  Control& PageOf(int i) { return form.Get("picPage", i); }
  TextBox& TextOn(int i) { return form.Get<TextBox>("txtOnPage" + std::to_string(i)); }
  int Selected() { return tabs->SelectedItem()->Index(); }
  // Only page Shown (0-based) is in view and enabled.
  void ExpectOnlyPageShown(int shown) {
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(PageOf(i).Left(), i == shown ? kPageLeft : kPageOutOfViewLeft);
      EXPECT_EQ(PageOf(i).Enabled(), i == shown);
      EXPECT_EQ(IsWindowEnabled(PageOf(i).hWnd()) != FALSE, i == shown);
      EXPECT_EQ(PageOf(i).Top(), 450);
    }
  }

  Form form{PagesForm()};
  TabStrip* tabs = nullptr;
  std::unique_ptr<TabPages> pages;
  int clicks = 0;
};

TEST_F(TabPagesTest, AClickOnATabShowsItsPageAlone) {
  ExpectOnlyPageShown(0);
  for (int tab : {3, 2, 1}) {
    SCOPED_TRACE(tab);
    RECT r{};
    SendMessageA(tabs->hWnd(), TCM_GETITEMRECT, tab - 1, reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(tabs->hWnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    const POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    MouseTo(at);
    MouseTo(at, MOUSEEVENTF_LEFTDOWN);
    MouseTo(at, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return Selected() == tab; }));
    ExpectOnlyPageShown(tab - 1);
  }
}

TEST_F(TabPagesTest, CtrlTabGoesRoundAndOtherShiftStatesDoNothing) {
  TextOn(0).SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == TextOn(0).hWnd(); }));
  for (int expected : {2, 3, 1}) {
    PressKey(VK_TAB, {VK_CONTROL});
    ASSERT_TRUE(PumpUntil([&] { return Selected() == expected; })) << expected;
    ExpectOnlyPageShown(expected - 1);
  }
  EXPECT_EQ(clicks, 3);
  // The focus left its page with it and stays where the keys still reach the form.
  EXPECT_EQ(GetFocus(), tabs->hWnd());
  for (auto mods : {std::vector<WORD>{VK_CONTROL, VK_SHIFT}, std::vector<WORD>{VK_CONTROL, VK_MENU}}) {
    PressKey(VK_TAB, mods);
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(Selected(), 1);
  }
  EXPECT_EQ(clicks, 3);
}

TEST_F(TabPagesTest, TheTabKeyNeverReachesAPageThatIsPutAway) {
  tabs->SetSelectedItem(tabs->TabAt(2));
  ExpectOnlyPageShown(1);
  form.Get("cmdBelow").SetFocus();
  std::vector<HWND> reached;
  for (int i = 0; i < 8; ++i) {
    PressKey(VK_TAB);
    PumpUntil([] { return false; }, 150);
    reached.push_back(GetFocus());
  }
  bool reachedShown = false;
  for (HWND w : reached) {
    EXPECT_NE(w, TextOn(0).hWnd());
    EXPECT_NE(w, TextOn(2).hWnd());
    reachedShown = reachedShown || w == TextOn(1).hWnd();
  }
  EXPECT_TRUE(reachedShown);
}

}  // namespace
