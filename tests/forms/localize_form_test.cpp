#include "forms/localize_form.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "core/string_table.h"
#include "forms/bar_controls.h"
#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/list_view.h"
#include "forms/tab_strip.h"
#include "form_fixture.h"
#include "resources/id_text.h"
#include "resources/string_ids.h"

using namespace corvana;
using namespace corvana::forms;

namespace {

// 3003 is a gap of the table.
constexpr const char* kUnknownId = "3003";

FormDecl HolderForm() {
  FormDecl f;
  f.name = "frmLocalize";
  f.caption = "design caption";
  f.tag = IdText(IDS_ABOUT_TITLE);
  f.controls = {
      Decl("Label", "lblEmptyTag", 0, 0, 1200, 300).Text("keep empty"),
      Decl("Label", "lblUnknownId", 0, 300, 1200, 300).Text("keep unknown").Tag(kUnknownId),
      Decl("Label", "lblNotNumber", 0, 600, 1200, 300).Text("keep text").Tag("abc"),
      Decl("Label", "lblDigitsThenText", 0, 900, 1200, 300).Text("keep mixed").Tag(IdText(IDS_COLUMN_NAME) + "x"),
      Decl("Label", "lblValid", 0, 1200, 1200, 300).Text("design").Tag(IdText(IDS_COLUMN_NAME)),
      Decl("Label", "lblBlanks", 0, 1500, 1200, 300).Text("design").Tag(" " + IdText(IDS_COLUMN_HOST) + " "),
      Decl("TextBox", "txtValid", 1500, 0, 1200, 300)
          .Text("typed text")
          .Tag(IdText(IDS_COLUMN_NAME))
          .ToolTip(IdText(IDS_COLUMN_HOST)),
      Decl("TextBox", "txtZero", 1500, 300, 1200, 300).Text("zero").Tag("0").ToolTip("0"),
      Decl("TextBox", "txtNotNumber", 1500, 600, 1200, 300).Text("word").Tag("abc").ToolTip("abc"),
      Decl("CommandButton", "cmdLeadingDigits", 1500, 900, 1200, 300).Text("design").Tag(IdText(IDS_CANCEL) + "abc"),
      Decl("CommandButton", "cmdUnknown", 1500, 1200, 1200, 300).Text("design").Tag(kUnknownId),
  };
  ControlDecl tabs = Decl("TabStrip", "tbsOptions", 3000, 0, 3000, 1500);
  tabs.tabs = {{"tab one", "one", IdText(IDS_CONNECTION_TAB), IdText(IDS_VNC_VIEWER_TAB)},
               {"tab two", "two", "", "nonsense"}};
  ControlDecl bar = Decl("Toolbar", "Toolbar1", 0, 0, 3000, 400);
  bar.buttons = {
      {"new", IdText(IDS_TIP_NEW_CONNECTION), "", 0, true}, {"sep", "", "", 3, true}, {"x", "x", "", 0, true}};
  ControlDecl list = Decl("ListView", "lstItems", 3000, 1600, 3000, 1500);
  list.extras["View"] = "3";
  list.columns = {{"design name", "name", IdText(IDS_COLUMN_NAME), 1000}, {"design host", "host", "", 1000}};
  f.controls.push_back(tabs);
  f.controls.push_back(bar);
  f.controls.push_back(list);
  f.menus = {{"mnuDatei", -1, IdText(IDS_MENU_FILE), false, true, true,
              {{"mnuEnd", -1, IdText(IDS_MENU_EXIT)}, {"mnuSep", -1, "-"}, {"mnuPluginManagement", -1, "Plugin's..."},
               {"mnuUnknown", -1, kUnknownId}}}};
  return f;
}

std::string NativeText(HWND wnd) {
  char buf[256] = {};
  GetWindowTextA(wnd, buf, sizeof buf);
  return buf;
}

class LocalizeFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.LoadForm();
    ASSERT_TRUE(form.Loaded());
    LocalizeForm(form);
  }
  Form form{HolderForm()};
};

TEST_F(LocalizeFormTest, FormCaptionComesFromItsTag) {
  EXPECT_EQ(form.Caption(), LoadResString(IDS_ABOUT_TITLE));
  EXPECT_EQ(NativeText(form.hWnd()), LoadResString(IDS_ABOUT_TITLE));
}

TEST_F(LocalizeFormTest, LabelsTakeTheirTagAsAWholeNumber) {
  struct Case {
    const char* name;
    std::string expected;
  } cases[] = {
      {"lblEmptyTag", "keep empty"},          {"lblUnknownId", "keep unknown"},
      {"lblNotNumber", "keep text"},          {"lblDigitsThenText", "keep mixed"},
      {"lblValid", LoadResString(IDS_COLUMN_NAME)},       {"lblBlanks", LoadResString(IDS_COLUMN_HOST)},
  };
  for (auto& c : cases) {
    auto& label = form.Get<Label>(c.name);
    EXPECT_EQ(label.Caption(), c.expected) << c.name;
    EXPECT_EQ(NativeText(label.hWnd()), c.expected) << c.name;
  }
}

TEST_F(LocalizeFormTest, ControlWithoutCaptionSkipsItAndStillGetsItsToolTip) {
  auto& valid = form.Get<TextBox>("txtValid");
  EXPECT_EQ(valid.Text(), "typed text");
  EXPECT_EQ(valid.ToolTipText(), LoadResString(IDS_COLUMN_HOST));
  for (const char* name : {"txtZero", "txtNotNumber"}) {
    auto& box = form.Get<TextBox>(name);
    EXPECT_EQ(box.ToolTipText(), box.decl().toolTipText) << name;
    EXPECT_EQ(box.Text(), box.decl().text) << name;
  }
}

TEST_F(LocalizeFormTest, OtherControlsTakeTheLeadingDigitsOfTheirTag) {
  EXPECT_EQ(form.Get<CommandButton>("cmdLeadingDigits").Caption(), LoadResString(IDS_CANCEL));
  EXPECT_EQ(form.Get<CommandButton>("cmdUnknown").Caption(), "design");
}

TEST_F(LocalizeFormTest, MenuCaptionsThatAreNumbersBecomeTexts) {
  EXPECT_EQ(form.GetMenu("mnuDatei").Caption(), LoadResString(IDS_MENU_FILE));
  EXPECT_EQ(form.GetMenu("mnuEnd").Caption(), LoadResString(IDS_MENU_EXIT));
  EXPECT_EQ(form.GetMenu("mnuSep").Caption(), "-");
  EXPECT_EQ(form.GetMenu("mnuPluginManagement").Caption(), "Plugin's...");
  EXPECT_EQ(form.GetMenu("mnuUnknown").Caption(), kUnknownId);
  char buf[64] = {};
  GetMenuStringA(form.GetMenu("mnuDatei").popup(), form.GetMenu("mnuEnd").id(), buf, sizeof buf, MF_BYCOMMAND);
  EXPECT_EQ(std::string(buf), LoadResString(IDS_MENU_EXIT));
}

TEST_F(LocalizeFormTest, TabsTakeCaptionFromTagAndToolTipFromToolTip) {
  auto& tabs = form.Get<TabStrip>("tbsOptions");
  EXPECT_EQ(tabs.TabAt(1)->Caption(), LoadResString(IDS_CONNECTION_TAB));
  EXPECT_EQ(tabs.TabAt(1)->ToolTipText(), LoadResString(IDS_VNC_VIEWER_TAB));
  EXPECT_EQ(tabs.TabAt(2)->Caption(), "tab two");
  EXPECT_EQ(tabs.TabAt(2)->ToolTipText(), "nonsense");
  char buf[64] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = buf;
  item.cchTextMax = sizeof buf;
  SendMessageA(tabs.hWnd(), TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(std::string(buf), LoadResString(IDS_CONNECTION_TAB));
}

TEST_F(LocalizeFormTest, ToolbarButtonsTakeTheirToolTip) {
  auto& bar = form.Get<Toolbar>("Toolbar1");
  EXPECT_EQ(bar.ButtonByKey("new")->ToolTipText(), LoadResString(IDS_TIP_NEW_CONNECTION));
  EXPECT_EQ(bar.ButtonByKey("x")->ToolTipText(), "x");
}

TEST_F(LocalizeFormTest, ListColumnsTakeTheirTag) {
  auto& list = form.Get<ListView>("lstItems");
  EXPECT_EQ(list.Column(1)->Text(), LoadResString(IDS_COLUMN_NAME));
  EXPECT_EQ(list.Column(2)->Text(), "design host");
  char buf[64] = {};
  LVCOLUMNA col{};
  col.mask = LVCF_TEXT;
  col.pszText = buf;
  col.cchTextMax = sizeof buf;
  SendMessageA(list.hWnd(), LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&col));
  EXPECT_EQ(std::string(buf), LoadResString(IDS_COLUMN_NAME));
}

TEST(LocalizeFormUnloaded, AFormWithoutWindowIsLeftAlone) {
  Form form(HolderForm());
  LocalizeForm(form);
  EXPECT_FALSE(form.Loaded());
  form.LoadForm();
  EXPECT_EQ(form.Caption(), "design caption");
}

}  // namespace
