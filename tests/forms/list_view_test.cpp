#include "forms/list_view.h"

#include <gtest/gtest.h>

#include "forms/form.h"
#include "forms/twips.h"
#include "resources/bitmap_ids.h"
#include "form_fixture.h"

using namespace corvana::forms;
using corvana::forms::test::PumpUntil;

namespace {

FormDecl ListForm() {
  FormDecl f;
  f.name = "frmList";
  f.left = 600;
  f.top = 600;
  f.clientWidth = 7000;
  f.clientHeight = 4000;
  ControlDecl list = Decl("ListView", "lstItems", 0, 0, 7000, 4000);
  list.extras["View"] = "3";
  list.extras["MultiSelect"] = "1";
  list.columns = {{"Name", "name", "", 2000}, {"Rechner", "host", "", 2000}, {"Display", "display", "", 1500}};
  f.controls = {list};
  return f;
}

class ListViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    list = &form.Get<ListView>("lstItems");
  }
  // The texts in the order the control shows them.
  std::vector<std::string> NativeOrder() const {
    std::vector<std::string> texts;
    int n = ListView_GetItemCount(list->hWnd());
    for (int i = 0; i < n; ++i) {
      LVITEMA item{};
      item.mask = LVIF_PARAM;
      item.iItem = i;
      SendMessageA(list->hWnd(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
      texts.push_back(reinterpret_cast<ListItem*>(item.lParam)->Text());
    }
    return texts;
  }
  std::vector<std::string> Order() const {
    std::vector<std::string> texts;
    for (auto& item : list->Items()) texts.push_back(item->Text());
    return texts;
  }
  void AddHosts() {
    struct Row {
      const char* name;
      const char* host;
      const char* display;
    } rows[] = {{"beta", "zeus", "10"}, {"Alpha", "hera", "9"}, {"gamma", "apollo", "0"}};
    for (auto& r : rows) {
      auto item = list->AddItem("Folder\\" + std::string(r.name), r.name, "connection", "connection");
      ASSERT_TRUE(item);
      item->SetSubItem(1, r.host);
      item->SetSubItem(2, r.display);
    }
  }
  Form form{ListForm()};
  ListView* list = nullptr;
};

TEST_F(ListViewTest, ItemsAreFoundByKeyWithoutRegardToCase) {
  AddHosts();
  EXPECT_EQ(list->ItemCount(), 3);
  EXPECT_EQ(list->ItemByKey("folder\\ALPHA")->Text(), "Alpha");
  EXPECT_EQ(list->AddItem("FOLDER\\beta", "again"), nullptr);
  EXPECT_EQ(list->ItemCount(), 3);
  // Items without Key never clash.
  EXPECT_TRUE(list->AddItem("", "one"));
  EXPECT_TRUE(list->AddItem("", "two"));
  auto gamma = list->ItemByKey("Folder\\gamma");
  EXPECT_EQ(gamma->Index(), 3);
  EXPECT_EQ(gamma->SubItem(1), "apollo");
  EXPECT_EQ(gamma->SubItem(3), "");
  EXPECT_TRUE(list->RemoveItem(1));
  EXPECT_EQ(gamma->Index(), 2);
  EXPECT_EQ(list->ItemByKey("Folder\\beta"), nullptr);
  EXPECT_EQ(NativeOrder(), Order());
}

TEST_F(ListViewTest, RenamedKeyMovesAndATakenKeyIsRefused) {
  AddHosts();
  auto alpha = list->ItemByKey("Folder\\Alpha");
  EXPECT_FALSE(alpha->SetKey("folder\\BETA"));
  EXPECT_TRUE(alpha->SetKey("Folder\\Omega"));
  EXPECT_EQ(list->ItemByKey("Folder\\omega"), alpha);
  EXPECT_EQ(list->ItemByKey("Folder\\Alpha"), nullptr);
}

TEST_F(ListViewTest, ColumnClicksToggleTheSortAndTheControlFollows) {
  AddHosts();
  // The connection list's rule: a new column sorts ascending, the same column toggles.
  std::vector<int> clicked;
  list->ColumnClick = [&](const ColumnHeaderRef& col) {
    clicked.push_back(col->Index());
    if (list->SortKey() == col->Index() - 1) {
      list->SetSortOrder(list->SortOrder() == 0 ? 1 : 0);
    } else {
      list->SetSortKey(col->Index() - 1);
      list->SetSortOrder(0);
    }
    list->SetSorted(true);
  };
  HWND header = ListView_GetHeader(list->hWnd());
  auto clickHeader = [&](int column) {
    RECT r{};
    Header_GetItemRect(header, column - 1, &r);
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(header, WM_LBUTTONUP, 0, at);
    size_t before = clicked.size();
    return PumpUntil([&] { return clicked.size() == before + 1; });
  };
  ASSERT_TRUE(clickHeader(2));
  EXPECT_EQ(Order(), (std::vector<std::string>{"gamma", "Alpha", "beta"}));  // apollo, hera, zeus
  ASSERT_TRUE(clickHeader(2));
  EXPECT_EQ(Order(), (std::vector<std::string>{"beta", "Alpha", "gamma"}));
  EXPECT_EQ(NativeOrder(), Order());
  ASSERT_TRUE(clickHeader(1));
  EXPECT_EQ(Order(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));  // case does not count
  // Displays sort as text: "10" before "9".
  list->SetSortKey(2);
  EXPECT_EQ(Order(), (std::vector<std::string>{"gamma", "beta", "Alpha"}));
  EXPECT_EQ(NativeOrder(), Order());
  // A sorted list puts a new item in the place its text calls for.
  list->SetSortKey(0);
  list->AddItem("Folder\\delta", "delta");
  EXPECT_EQ(list->ItemByKey("Folder\\delta")->Index(), 3);
  EXPECT_EQ(NativeOrder(), Order());
  EXPECT_EQ(clicked, (std::vector<int>{2, 2, 1}));
}

TEST_F(ListViewTest, HitTestFindsTheItemUnderAPointInTwips) {
  AddHosts();
  RECT r{};
  ListView_GetItemRect(list->hWnd(), 1, &r, LVIR_LABEL);
  auto hit = list->HitTest(PixelsToTwipsX((r.left + r.right) / 2), PixelsToTwipsY((r.top + r.bottom) / 2));
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->Text(), "Alpha");
  EXPECT_EQ(list->HitTest(PixelsToTwipsX(r.left + 2), list->Height() - 100), nullptr);
}

TEST_F(ListViewTest, SelectionGhostingAndViewReachTheControl) {
  AddHosts();
  auto alpha = list->ItemByKey("Folder\\Alpha");
  auto gamma = list->ItemByKey("Folder\\gamma");
  alpha->SetSelected(true);
  gamma->SetSelected(true);
  EXPECT_EQ(ListView_GetSelectedCount(list->hWnd()), 2u);
  EXPECT_TRUE(list->SelectedItem());
  gamma->SetGhosted(true);
  EXPECT_TRUE(ListView_GetItemState(list->hWnd(), gamma->Index() - 1, LVIS_CUT) & LVIS_CUT);
  list->SetView(kListView);
  EXPECT_EQ(GetWindowLongA(list->hWnd(), GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);
  list->ClearItems();
  EXPECT_EQ(list->ItemCount(), 0);
  // A reference outlives the list's contents and keeps its data.
  EXPECT_EQ(alpha->Text(), "Alpha");
  EXPECT_EQ(alpha->Index(), 0);
  alpha->SetText("detached");
}

TEST_F(ListViewTest, LabelEditsCanBeCancelledOrTaken) {
  AddHosts();
  auto alpha = list->ItemByKey("Folder\\Alpha");
  list->SetSelectedItem(alpha);
  int cancelNext = 1;
  std::vector<std::string> proposed;
  list->AfterLabelEdit = [&](int& cancel, std::string& text) {
    proposed.push_back(text);
    cancel = cancelNext;
  };
  auto edit = [&](const char* text) {
    list->StartLabelEdit();
    HWND box = ListView_GetEditControl(list->hWnd());
    if (!box) return false;
    SetWindowTextA(box, text);
    PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
    size_t before = proposed.size();
    return PumpUntil([&] { return proposed.size() == before + 1; });
  };
  ASSERT_TRUE(edit("Refused"));
  EXPECT_EQ(alpha->Text(), "Alpha");
  cancelNext = 0;
  ASSERT_TRUE(edit("Taken"));
  EXPECT_EQ(alpha->Text(), "Taken");
  EXPECT_EQ(proposed, (std::vector<std::string>{"Refused", "Taken"}));

  int before = 0;
  list->BeforeLabelEdit = [&](int& cancel) {
    ++before;
    cancel = 1;
  };
  list->StartLabelEdit();
  EXPECT_EQ(before, 1);
  EXPECT_EQ(ListView_GetEditControl(list->hWnd()), nullptr);
}

TEST_F(ListViewTest, ColumnWidthsAreTwips) {
  EXPECT_EQ(list->Column(1)->Width(), 2000);
  EXPECT_EQ(ListView_GetColumnWidth(list->hWnd(), 0), TwipsToPixelsX(2000));
  list->Column(3)->SetWidth(1000);
  EXPECT_EQ(ListView_GetColumnWidth(list->hWnd(), 2), TwipsToPixelsX(1000));
}

TEST_F(ListViewTest, BackgroundPictureIsTiledBehindTheItems) {
  PictureRef picture = LoadPictureResource(IDB_LIST_BACKGROUND);
  ASSERT_TRUE(picture);
  list->SetPicture(picture);
  EXPECT_EQ(ListView_GetBkColor(list->hWnd()), CLR_NONE);
  RECT rc{};
  GetClientRect(list->hWnd(), &rc);
  HDC screen = GetDC(list->hWnd());
  HDC canvas = CreateCompatibleDC(screen);
  HBITMAP surface = CreateCompatibleBitmap(screen, rc.right, rc.bottom);
  HGDIOBJ old = SelectObject(canvas, surface);
  EXPECT_EQ(SendMessageA(list->hWnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas), 0), 1);
  HDC tile = CreateCompatibleDC(screen);
  HGDIOBJ oldTile = SelectObject(tile, picture->bitmap());
  // A point beyond the first tile shows the tile's pixel at the same place within it.
  int x = picture->widthPixels() + 3, y = picture->heightPixels() + 5;
  ASSERT_LT(x, rc.right);
  ASSERT_LT(y, rc.bottom);
  EXPECT_EQ(GetPixel(canvas, x, y), GetPixel(tile, 3, 5));
  SelectObject(tile, oldTile);
  DeleteDC(tile);
  SelectObject(canvas, old);
  DeleteObject(surface);
  DeleteDC(canvas);
  ReleaseDC(list->hWnd(), screen);
  list->SetPicture(nullptr);
  EXPECT_EQ(ListView_GetBkColor(list->hWnd()), GetSysColor(COLOR_WINDOW));
}

}  // namespace
