// The common controls and the smaller intrinsic ones, driven through real messages.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "core/resource_files.h"
#include "forms/bar_controls.h"
#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/image_list.h"
#include "forms/list_view.h"
#include "forms/picture_controls.h"
#include "forms/progress_controls.h"
#include "forms/tab_strip.h"
#include "forms/tree_view.h"
#include "forms/twips.h"
#include "form_fixture.h"
#include "resources/bitmap_ids.h"
#include "resources/clip_ids.h"
#include "resources/icon_ids.h"

using namespace corvana;
using namespace corvana::forms;
using corvana::forms::test::PumpUntil;

namespace {

FormDecl ControlsForm() {
  FormDecl f;
  f.name = "frmControls";
  f.left = 600;
  f.top = 600;
  f.clientWidth = 9000;
  f.clientHeight = 6000;
  ControlDecl images = Decl("ImageList", "imglToolbar");
  images.images = {{"new", IDI_TOOLBAR_NEW, true}, {"Delete", IDI_TOOLBAR_DELETE, true}, {"missing", 4711, true}};
  ControlDecl bar = Decl("Toolbar", "Toolbar1", 0, 0, 1200, 300);
  bar.buttons = {{"new", "tip new", "new", 0, true}, {"sep", "", "", 3, true}, {"delete", "tip delete", "delete", 0, false}};
  ControlDecl status = Decl("StatusBar", "StatusBar1", 0, 0, 1200, 300);
  status.panels = {{"status", "ready", 1500, false, true}, {"hidden", "x", 900, false, false}, {"file", "", 1500, true, true}};
  ControlDecl tabs = Decl("TabStrip", "tbsOptions", 300, 900, 4500, 1500);
  tabs.tabs = {{"One", "one", "", ""}, {"Two", "two", "", ""}, {"Three", "three", "", ""}};
  ControlDecl list = Decl("ListBox", "lstThanks", 5100, 900, 2000, 1500);
  list.items = {"Anna", "Ben", "Carl"};
  ControlDecl progress = Decl("ProgressBar", "pbar", 300, 2600, 4200, 225);
  f.controls = {images,
                bar,
                status,
                tabs,
                list,
                progress,
                Decl("Animation", "anim", 300, 3000, 4500, 900),
                Decl("Label", "lblHomePage", 5100, 2600, 2000, 300).Text("home"),
                Decl("TextBox", "lblSource", 5100, 3000, 2000, 300),
                Decl("PictureBox", "picTYPE_FOLDER", 5100, 3500, 600, 600),
                Decl("TreeView", "tvMain", 300, 4000, 3000, 1500)};
  f.menus = {{"mnuPopUp", -1, "popup", false, true, false,
              {{"mnuCopy", -1, "Copy"}, {"mnuPaste", -1, "Paste"}, {"mnuOff", -1, "Off", false, false, true, {}}}}};
  return f;
}

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { form.Show(); }
  Form form{ControlsForm()};
};

// A press and a release in the middle of a rectangle of the window.
void PostClick(HWND wnd, const RECT& r) {
  LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  PostMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(wnd, WM_LBUTTONUP, 0, at);
}

TEST_F(ControlsTest, ImageListFindsImagesByKeyWithoutCase) {
  auto& images = form.Get<ImageList>("imglToolbar");
  EXPECT_EQ(images.Count(), 2);  // the missing resource added nothing
  EXPECT_EQ(images.IndexOf("NEW"), 0);
  EXPECT_EQ(images.IndexOf("delete"), 1);
  EXPECT_EQ(images.IndexOf("missing"), -1);
  EXPECT_EQ(ImageList_GetImageCount(images.handle()), 2);
  HBITMAP bmp = CreateBitmap(16, 16, 1, 32, nullptr);
  EXPECT_TRUE(images.AddBitmap("plain", bmp));
  DeleteObject(bmp);
  EXPECT_EQ(images.IndexOf("plain"), 2);
}

TEST_F(ControlsTest, ToolbarButtonsClickByKeyAndFollowTheirImageKeys) {
  auto& bar = form.Get<Toolbar>("Toolbar1");
  bar.SetImageList(&form.Get<ImageList>("imglToolbar"));
  TBBUTTONINFOA info{};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_IMAGE | TBIF_BYINDEX;
  SendMessageA(bar.hWnd(), TB_GETBUTTONINFOA, 2, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.iImage, 1);
  std::vector<std::string> clicked;
  bar.ButtonClick = [&](const ToolbarButtonRef& b) { clicked.push_back(b->Key()); };
  RECT r{};
  SendMessageA(bar.hWnd(), TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
  PostClick(bar.hWnd(), r);  // disabled: no click
  SendMessageA(bar.hWnd(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  PostClick(bar.hWnd(), r);
  ASSERT_TRUE(PumpUntil([&] { return !clicked.empty(); }));
  bar.ButtonByKey("DELETE")->SetEnabled(true);
  SendMessageA(bar.hWnd(), TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r));
  PostClick(bar.hWnd(), r);
  ASSERT_TRUE(PumpUntil([&] { return clicked.size() == 2; }));
  EXPECT_EQ(clicked, (std::vector<std::string>{"new", "delete"}));
  EXPECT_GT(bar.ButtonHeight(), 0);
}

TEST_F(ControlsTest, StatusPanelsShowTheirTextAndHiddenOnesTakeNoPlace) {
  auto& status = form.Get<StatusBar>("StatusBar1");
  auto textOf = [&](int part) {
    char buf[128] = {};
    SendMessageA(status.hWnd(), SB_GETTEXTA, part, reinterpret_cast<LPARAM>(buf));
    return std::string(buf);
  };
  EXPECT_EQ(SendMessageA(status.hWnd(), SB_GETPARTS, 0, 0), 2);
  status.PanelByKey("FILE")->SetText("C:\\x.chf");
  EXPECT_EQ(textOf(1), "C:\\x.chf");
  status.PanelByKey("hidden")->SetVisible(true);
  EXPECT_EQ(SendMessageA(status.hWnd(), SB_GETPARTS, 0, 0), 3);
  EXPECT_EQ(textOf(1), "x");
  EXPECT_EQ(status.PanelByKey("status")->Width(), 1500);
  // The spring panel takes what is left of the bar's width.
  EXPECT_GT(status.PanelByKey("file")->Width(), 0);
}

TEST_F(ControlsTest, TabClicksAndSelectingInCodeRaiseClick) {
  auto& tabs = form.Get<TabStrip>("tbsOptions");
  int clicks = 0;
  tabs.Click = [&] { ++clicks; };
  EXPECT_EQ(tabs.SelectedItem()->Index(), 1);
  RECT r{};
  SendMessageA(tabs.hWnd(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
  PostClick(tabs.hWnd(), r);
  ASSERT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_EQ(tabs.SelectedItem()->Key(), "two");
  tabs.SetSelectedItem(tabs.TabAt(3));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(SendMessageA(tabs.hWnd(), TCM_GETCURSEL, 0, 0), 2);
  tabs.SetSelectedItem(tabs.TabAt(3));  // already selected
  EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, ProgressBarKeepsItsValueInsideTheRange) {
  auto& bar = form.Get<ProgressBar>("pbar");
  bar.SetMax(4);
  bar.SetMin(1);
  bar.SetValue(1);
  bar.SetValue(bar.Value() + 1);
  EXPECT_EQ(SendMessageA(bar.hWnd(), PBM_GETPOS, 0, 0), 2);
  bar.SetValue(9);
  EXPECT_EQ(bar.Value(), 4);
  bar.SetMin(4);  // not below Max: refused
  EXPECT_EQ(bar.Min(), 1);
  EXPECT_EQ(SendMessageA(bar.hWnd(), PBM_GETRANGE, TRUE, 0), 1);
}

TEST_F(ControlsTest, AnimationPlaysAClipFromAFile) {
  auto& anim = form.Get<Animation>("anim");
  std::string file = MakeTempFileName();
  ASSERT_FALSE(file.empty());
  ASSERT_TRUE(SaveAviResourceToFile(file, IDR_AVI_COPY));
  EXPECT_TRUE(anim.Open(file));
  EXPECT_TRUE(anim.Play());
  anim.Stop();
  anim.Close();
  EXPECT_FALSE(anim.Open(file + ".none"));
  DeleteFileA(file.c_str());
}

TEST_F(ControlsTest, ListBoxSelectionRaisesClick) {
  auto& list = form.Get<ListBox>("lstThanks");
  int clicks = 0;
  list.Click = [&] { ++clicks; };
  EXPECT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.ListIndex(), -1);
  list.SetListIndex(list.ListIndex() < list.ListCount() - 1 ? list.ListIndex() + 1 : 0);
  EXPECT_EQ(list.List(list.ListIndex()), "Anna");
  EXPECT_EQ(clicks, 1);
  list.SetListIndex(0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, TextChangesAndLabelClicksRaiseTheirEvents) {
  auto& box = form.Get<TextBox>("lblSource");
  std::vector<std::string> changes;
  box.Change = [&] { changes.push_back(box.Text()); };
  box.SetText("item 1");
  EXPECT_EQ(changes, std::vector<std::string>{"item 1"});
  auto& label = form.Get<Label>("lblHomePage");
  int clicks = 0;
  label.Click = [&] { ++clicks; };
  RECT r{};
  GetClientRect(label.hWnd(), &r);
  PostClick(label.hWnd(), r);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
}

TEST_F(ControlsTest, ALabelPaintsItsTextInItsColourAndUnderlinesOnRequest) {
  auto& label = form.Get<Label>("lblHomePage");
  // What the label's parent answers when the label asks for its colours before painting.
  auto paintColour = [&] {
    HDC dc = GetDC(label.hWnd());
    SetTextColor(dc, RGB(1, 2, 3));
    const LRESULT brush = SendMessageA(GetParent(label.hWnd()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(label.hWnd()));
    const COLORREF text = GetTextColor(dc);
    ReleaseDC(label.hWnd(), dc);
    EXPECT_NE(brush, 0);
    return text;
  };
  auto underlined = [&] {
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(label.hWnd(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfUnderline != 0;
  };
  EXPECT_EQ(paintColour(), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(label.ForeColor(), GetSysColor(COLOR_WINDOWTEXT));
  label.SetForeColor(RGB(0, 0, 255));
  EXPECT_EQ(paintColour(), RGB(0, 0, 255));
  EXPECT_FALSE(underlined());
  label.SetFontUnderline(true);
  EXPECT_TRUE(label.FontUnderline());
  EXPECT_TRUE(underlined());
  label.SetFontUnderline(true);
  EXPECT_TRUE(underlined());
  label.SetFontUnderline(false);
  EXPECT_FALSE(underlined());
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(label.hWnd(), WM_GETFONT, 0, 0)), form.Font());
}

TEST_F(ControlsTest, PictureBoxesShareAPictureAndPaintIt) {
  auto& pic = form.Get<PictureBox>("picTYPE_FOLDER");
  int paints = 0;
  pic.Paint = [&] { ++paints; };
  PictureRef picture = LoadPictureResource(IDB_MENU_FOLDER);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->widthPixels(), 16);
  pic.SetPicture(picture);
  EXPECT_EQ(pic.Picture(), picture);
  EXPECT_TRUE(PumpUntil([&] { return paints > 0; }));
  EXPECT_EQ(LoadPictureFile("Z:\\no\\such.bmp"), nullptr);
}

// What the menu showed while it was open; the timer that looks reports here.
struct OpenMenuLook {
  HMENU menu = nullptr;
  UINT defaultItem = 0;
  bool looked = false;
};
OpenMenuLook g_look;

void CALLBACK LookAndChooseFirst(HWND wnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(wnd, id);
  g_look.defaultItem = GetMenuDefaultItem(g_look.menu, FALSE, 0);
  g_look.looked = true;
  PostMessageA(wnd, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(wnd, WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(ControlsTest, PopupMenuShowsTheDefaultItemBoldAndRaisesTheChoice) {
  Menu& popup = form.GetMenu("mnuPopUp");
  Menu& paste = form.GetMenu("mnuPaste");
  int copies = 0, pastes = 0;
  form.GetMenu("mnuCopy").Click = [&] { ++copies; };
  paste.Click = [&] { ++pastes; };
  SetWindowPos(form.hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  // A window of another program that takes the focus closes an open menu; then it is opened again.
  for (int attempt = 0; attempt < 5 && !g_look.looked; ++attempt) {
    g_look = {popup.popup(), 0, false};
    SetForegroundWindow(form.hWnd());
    ASSERT_NE(SetTimer(form.hWnd(), 77, 100, LookAndChooseFirst), 0u);
    form.PopupMenu(popup, 2, &paste);
    KillTimer(form.hWnd(), 77);
  }
  ASSERT_TRUE(g_look.looked);
  EXPECT_EQ(g_look.defaultItem, paste.id());
  EXPECT_EQ(copies, 1);
  EXPECT_EQ(pastes, 0);
  EXPECT_EQ(GetMenuDefaultItem(popup.popup(), FALSE, 0), static_cast<UINT>(-1));
}

TEST_F(ControlsTest, NodeClickFollowsAMouseClickOnANode) {
  auto& tree = form.Get<TreeView>("tvMain");
  auto a = tree.AddNode(nullptr, kLast, "A", "A");
  auto b = tree.AddNode(nullptr, kLast, "B", "B");
  std::vector<std::string> clicked;
  tree.NodeClick = [&](const NodeRef& n) { clicked.push_back(n->Key()); };
  RECT r{};
  *reinterpret_cast<HTREEITEM*>(&r) = TreeView_GetNextSibling(tree.hWnd(), TreeView_GetRoot(tree.hWnd()));
  ASSERT_TRUE(SendMessageA(tree.hWnd(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r)));
  SetCursorPos(0, 0);
  POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(tree.hWnd(), &at);
  SetCursorPos(at.x, at.y);
  PostClick(tree.hWnd(), r);
  ASSERT_TRUE(PumpUntil([&] { return !clicked.empty(); }));
  EXPECT_EQ(clicked, std::vector<std::string>{"B"});
  EXPECT_EQ(tree.SelectedItem(), b);
}

TEST_F(ControlsTest, WindowStateAndResize) {
  int resizes = 0;
  form.Resize = [&] { ++resizes; };
  form.Move(900, 900, 7500, 5000);
  EXPECT_GE(resizes, 1);
  EXPECT_EQ(form.Width(), 7500);
  EXPECT_EQ(form.Left(), 900);
  form.SetWindowState(kMinimized);
  EXPECT_TRUE(PumpUntil([&] { return form.WindowState() == kMinimized; }));
  form.SetWindowState(kNormal);
  EXPECT_TRUE(PumpUntil([&] { return form.WindowState() == kNormal; }));
  // A hidden form keeps the state for when it is shown.
  form.Hide();
  form.SetWindowState(kMaximized);
  EXPECT_EQ(form.WindowState(), kMaximized);
  form.Show();
  EXPECT_TRUE(PumpUntil([&] { return IsZoomed(form.hWnd()) != FALSE; }));
}

}  // namespace

namespace {

FormDecl PanelForm() {
  FormDecl f;
  f.name = "frmPanel";
  f.left = 600;
  f.top = 600;
  f.clientWidth = 6000;
  f.clientHeight = 4000;
  ControlDecl images = Decl("ImageList", "imgLstTreeView");
  images.images = {{"close", IDI_TREE_CLOSE, true}, {"open", IDI_TREE_OPEN, true}, {"expanded", IDI_LIST_FOLDER, true}};
  ControlDecl list = Decl("ListView", "lstItems", 60, 60, 2800, 3000);
  list.container = "imgFolderInfo";
  list.extras["View"] = "3";
  list.columns = {{"Name", "", "", 1400}, {"Rechner", "", "", 1400}};
  ControlDecl tree = Decl("TreeView", "tvMain", 60, 60, 2000, 3000);
  tree.container = "fraTree";
  f.controls = {images, Decl("PictureBox", "imgFolderInfo", 3000, 0, 3000, 3600), list,
                Decl("Frame", "fraTree", 0, 0, 2400, 3600), tree};
  return f;
}

std::string ItemText(HWND list, int item, int sub) {
  char buf[64] = {};
  ListView_GetItemText(list, item, sub, buf, sizeof buf);
  return buf;
}

TEST(ContainedControls, NotificationsReachControlsInsidePictureBoxesAndFrames) {
  Form form(PanelForm());
  form.Show();
  auto& list = form.Get<ListView>("lstItems");
  ASSERT_EQ(GetParent(list.hWnd()), form.Get("imgFolderInfo").hWnd());
  list.AddItem("a", "alpha")->SetSubItem(1, "host-a");
  // The texts come from the list item through the notification its container passes on.
  EXPECT_EQ(ItemText(list.hWnd(), 0, 0), "alpha");
  EXPECT_EQ(ItemText(list.hWnd(), 0, 1), "host-a");
  int columnClicks = 0;
  list.ColumnClick = [&](const ColumnHeaderRef&) { ++columnClicks; };
  HWND header = ListView_GetHeader(list.hWnd());
  RECT r{};
  Header_GetItemRect(header, 1, &r);
  PostClick(header, r);
  EXPECT_TRUE(PumpUntil([&] { return columnClicks == 1; }));

  auto& tree = form.Get<TreeView>("tvMain");
  tree.SetImageList(&form.Get<ImageList>("imgLstTreeView"));
  auto node = tree.AddNode(nullptr, kLast, "Servers", "Servers", "close", "open");
  node->SetExpandedImage("expanded");
  tree.AddNode(node, kChild, "Servers\\x", "x", "close", "open");
  int expands = 0;
  tree.Expand = [&](const NodeRef&) { ++expands; };
  node->SetSelected(true);
  PostMessageA(tree.hWnd(), WM_KEYDOWN, VK_RIGHT, 0);
  ASSERT_TRUE(PumpUntil([&] { return expands == 1; }));
  TVITEMA item{};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = TreeView_GetRoot(tree.hWnd());
  SendMessageA(tree.hWnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iImage, 2);  // the expanded image while expanded
  EXPECT_EQ(item.iSelectedImage, 1);
  node->SetExpanded(false);
  SendMessageA(tree.hWnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iImage, 0);
}

TEST(FormEvents, LoadResizeAndActivateComeInTheirOrderWithTheFormsIcon) {
  FormDecl decl = ControlsForm();
  decl.iconResource = IDI_PROGRAM;
  Form form(decl);
  std::vector<std::string> events;
  form.Load = [&] { events.push_back("Load"); };
  form.Resize = [&] { events.push_back("Resize"); };
  form.Activate = [&] { events.push_back("Activate"); };
  form.Show();
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(events.begin(), events.begin() + 3),
            (std::vector<std::string>{"Load", "Resize", "Activate"}));
  ASSERT_TRUE(form.Icon());
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(form.hWnd(), WM_GETICON, ICON_BIG, 0)), form.Icon());
}

TEST(ToolbarTips, ButtonsAnswerTheToolTipQuestionsOfTheirToolbar) {
  Form form(ControlsForm());
  form.Show();
  auto& bar = form.Get<Toolbar>("Toolbar1");
  char buf[80] = {};
  NMTBGETINFOTIPA tip{};
  tip.hdr.hwndFrom = bar.hWnd();
  tip.hdr.code = TBN_GETINFOTIPA;
  tip.pszText = buf;
  tip.cchTextMax = sizeof buf;
  tip.iItem = 3;  // the command id of the third button
  SendMessageA(form.hWnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
  EXPECT_EQ(std::string(buf), "tip delete");
  NMTTDISPINFOA disp{};
  disp.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageA(bar.hWnd(), TB_GETTOOLTIPS, 0, 0));
  disp.hdr.idFrom = 1;
  disp.hdr.code = TTN_GETDISPINFOA;
  ASSERT_TRUE(disp.hdr.hwndFrom);
  SendMessageA(form.hWnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&disp));
  ASSERT_TRUE(disp.lpszText);
  EXPECT_EQ(std::string(disp.lpszText), "tip new");
}

}  // namespace
