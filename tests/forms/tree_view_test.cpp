#include "forms/tree_view.h"

#include <gtest/gtest.h>

#include "forms/form.h"
#include "forms/twips.h"
#include "form_fixture.h"

using namespace corvana::forms;
using corvana::forms::test::PumpUntil;

namespace {

FormDecl TreeForm() {
  FormDecl f;
  f.name = "frmTree";
  f.left = 600;
  f.top = 600;
  f.clientWidth = 4000;
  f.clientHeight = 5000;
  f.controls = {Decl("TreeView", "tvMain", 0, 0, 4000, 5000)};
  return f;
}

class TreeViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    tree = &form.Get<TreeView>("tvMain");
    // The folder tree's lazy loading: a placeholder child until a node is expanded.
    tree->Expand = [this](const NodeRef& node) {
      expanded.push_back(node->Key());
      while (node->Children() > 0) tree->RemoveNode(node->Child());
      for (const char* name : {"sub1", "sub2"}) {
        auto child = tree->AddNode(node, kChild, node->Key() + "\\" + name, name, "close", "open");
        tree->AddNode(child, kChild, "", "");
      }
    };
    tree->Collapse = [this](const NodeRef& node) {
      collapsed.push_back(node->Key());
      while (node->Children() > 0) tree->RemoveNode(node->Child());
      tree->AddNode(node, kChild, "", "");
    };
    for (const char* name : {"Servers", "Desktops"}) {
      auto top = tree->AddNode(nullptr, kLast, name, name, "close", "open");
      tree->AddNode(top, kChild, "", "");
    }
  }
  Form form{TreeForm()};
  TreeView* tree = nullptr;
  std::vector<std::string> expanded, collapsed;
};

TEST_F(TreeViewTest, NodesByKeyWithParentsAndFullPath) {
  EXPECT_EQ(tree->NodeCount(), 4);
  auto servers = tree->NodeByKey("servers");
  ASSERT_TRUE(servers);
  EXPECT_EQ(servers->Text(), "Servers");
  EXPECT_EQ(tree->AddNode(nullptr, kLast, "SERVERS", "again"), nullptr);
  servers->SetExpanded(true);
  auto sub = tree->NodeByKey("Servers\\sub2");
  ASSERT_TRUE(sub);
  EXPECT_EQ(sub->Parent(), servers);
  EXPECT_EQ(sub->FullPath(), "Servers\\sub2");
  EXPECT_EQ(servers->Children(), 2);
  EXPECT_EQ(servers->Child()->Next(), sub);
  // FullPath follows the texts, Key stays what it was set to.
  servers->SetText("Renamed");
  EXPECT_EQ(sub->FullPath(), "Renamed\\sub2");
  EXPECT_EQ(sub->Key(), "Servers\\sub2");
  EXPECT_TRUE(tree->RemoveNode(servers));
  EXPECT_EQ(tree->NodeByKey("Servers\\sub2"), nullptr);
  EXPECT_EQ(tree->NodeCount(), 2);
  EXPECT_EQ(sub->TreeViewOwner(), nullptr);
}

TEST_F(TreeViewTest, SettingExpandedRaisesExpandAndCollapseOnce) {
  auto servers = tree->NodeByKey("Servers");
  servers->SetExpanded(true);
  servers->SetExpanded(true);
  EXPECT_EQ(expanded, std::vector<std::string>{"Servers"});
  EXPECT_TRUE(servers->Expanded());
  EXPECT_TRUE(TreeView_GetItemState(tree->hWnd(), TreeView_GetChild(tree->hWnd(), TVI_ROOT), TVIS_EXPANDED) &
              TVIS_EXPANDED);
  servers->SetExpanded(false);
  EXPECT_EQ(collapsed, std::vector<std::string>{"Servers"});
  EXPECT_EQ(servers->Children(), 1);
  EXPECT_EQ(servers->Child()->Key(), "");
}

TEST_F(TreeViewTest, TheUsersExpandRaisesTheEventToo) {
  auto desktops = tree->NodeByKey("Desktops");
  desktops->SetSelected(true);
  SetFocus(tree->hWnd());
  PostMessageA(tree->hWnd(), WM_KEYDOWN, VK_RIGHT, 0);
  ASSERT_TRUE(PumpUntil([&] { return !expanded.empty(); }));
  EXPECT_EQ(expanded, std::vector<std::string>{"Desktops"});
  EXPECT_TRUE(desktops->Expanded());
  EXPECT_TRUE(tree->NodeByKey("Desktops\\sub1"));
}

TEST_F(TreeViewTest, HitTestSelectionAndDropHighlight) {
  auto servers = tree->NodeByKey("Servers");
  servers->SetExpanded(true);
  auto sub1 = tree->NodeByKey("Servers\\sub1");
  RECT r{};
  *reinterpret_cast<HTREEITEM*>(&r) = TreeView_GetChild(tree->hWnd(), TreeView_GetChild(tree->hWnd(), TVI_ROOT));
  ASSERT_TRUE(SendMessageA(tree->hWnd(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r)));
  EXPECT_EQ(tree->HitTest(PixelsToTwipsX((r.left + r.right) / 2), PixelsToTwipsY((r.top + r.bottom) / 2)), sub1);
  EXPECT_EQ(tree->HitTest(PixelsToTwipsX(r.left), tree->Height() - 60), nullptr);

  sub1->EnsureVisible();
  sub1->SetSelected(true);
  EXPECT_EQ(tree->SelectedItem(), sub1);
  EXPECT_TRUE(sub1->Selected());
  tree->SetDropHighlight(servers);
  EXPECT_EQ(tree->DropHighlight(), servers);
  EXPECT_EQ(TreeView_GetDropHilight(tree->hWnd()), TreeView_GetChild(tree->hWnd(), TVI_ROOT));
  tree->SetDropHighlight(nullptr);
  EXPECT_EQ(TreeView_GetDropHilight(tree->hWnd()), nullptr);
}

TEST_F(TreeViewTest, RenamingByLabelEditCanBeCancelled) {
  auto desktops = tree->NodeByKey("Desktops");
  desktops->SetSelected(true);
  int cancelNext = 1;
  std::vector<std::string> proposed;
  tree->AfterLabelEdit = [&](int& cancel, std::string& text) {
    proposed.push_back(text);
    cancel = cancelNext;
  };
  auto edit = [&](const char* text) {
    tree->StartLabelEdit();
    HWND box = TreeView_GetEditControl(tree->hWnd());
    if (!box) return false;
    SetWindowTextA(box, text);
    PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
    size_t before = proposed.size();
    return PumpUntil([&] { return proposed.size() == before + 1; });
  };
  ASSERT_TRUE(edit("Nope"));
  EXPECT_EQ(desktops->Text(), "Desktops");
  cancelNext = 0;
  ASSERT_TRUE(edit("Laptops"));
  EXPECT_EQ(desktops->Text(), "Laptops");
  EXPECT_EQ(desktops->FullPath(), "Laptops");
}

TEST_F(TreeViewTest, NewNodesGoWhereTheRelationshipSays) {
  auto servers = tree->NodeByKey("Servers");
  tree->AddNode(servers, kFirst, "First", "First");
  tree->AddNode(servers, kNext, "AfterServers", "AfterServers");
  tree->AddNode(servers, kPrevious, "BeforeServers", "BeforeServers");
  std::vector<std::string> keys;
  for (auto& n : tree->Roots()) keys.push_back(n->Key());
  EXPECT_EQ(keys, (std::vector<std::string>{"First", "BeforeServers", "Servers", "AfterServers", "Desktops"}));
  // The control shows the same order.
  std::vector<std::string> native;
  for (HTREEITEM i = TreeView_GetRoot(tree->hWnd()); i; i = TreeView_GetNextSibling(tree->hWnd(), i)) {
    char buf[64] = {};
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = i;
    item.pszText = buf;
    item.cchTextMax = sizeof buf;
    SendMessageA(tree->hWnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    native.push_back(buf);
  }
  EXPECT_EQ(native, keys);
}

}  // namespace
