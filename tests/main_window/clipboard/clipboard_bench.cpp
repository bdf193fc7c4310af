// The paste of one folder of 2,000 full connections against RegCopyTreeA of the same tree, and
// the delete of 2,000 selected connections with its progress window against RegDeleteTreeA of the
// same keys, each measured in pairs back to back; and where the delete's time goes. Prints its
// figures; judges none.
#include <gmock/gmock.h>

#include <cstdio>
#include <vector>

#include "bench_store.h"
#include "core/registry_store.h"
#include "core/registry_value.h"
#include "main_window/connection_list.h"
#include "main_window/delete_commands.h"
#include "main_window/folder_tree.h"
#include "main_window/progress_form.h"
#include "main_window_fixture.h"
#include "support/bench_timing.h"

using namespace corvana;
using namespace corvana::test;

namespace {

constexpr int kConnections = 2000;
constexpr int kPastePairs = 7;
constexpr int kDeletePairs = 3;

void FillFolder(const std::string& folder) {
  ASSERT_TRUE(CreateFolderKey("", folder));
  for (int i = 0; i < kConnections; ++i) ASSERT_TRUE(CreateConnectionKey(FullRecord(folder, i)));
}

void SelectAll(MainForm& f) {
  for (const forms::ListItemRef& item : f.lstItems().Items()) item->SetSelected(true);
}

void OpenFolder(MainForm& f, const std::string& key) {
  forms::NodeRef node = f.tvMain().NodeByKey(key);
  ASSERT_TRUE(node) << key;
  node->SetSelected(true);
  f.tvMain_NodeClick(node);
}

class ClipboardBench : public MainWindowTest {};

TEST_F(ClipboardBench, PasteOfAFolderAgainstRegCopyTree) {
  ASSERT_TRUE(CreateFolderKey("", "Top"));
  FillFolder("Top\\Src");
  MainForm& f = Start();
  f.tvMain().NodeByKey("Top")->SetExpanded(true);
  OpenFolder(f, "Top");
  const std::string pasted = "Top\\Kopie von Src";
  std::vector<double> pasteMs, platformMs, ratios;
  for (int i = 0; i < kPastePairs; ++i) {
    f.lstItems().ItemByKey("Top\\Src")->SetSelected(true);
    f.mnuCopyConnection_Click();
    ASSERT_TRUE(f.HasClip);
    pasteMs.push_back(Milliseconds([&] { f.mnuPasteConnection_Click(); }));
    ASSERT_TRUE(PathExists(pasted + "\\conn1999\\Host"));
    platformMs.push_back(Milliseconds([&] {
      RegKey source = OpenStoreKey("Top\\Src");
      RegKey target = CreateKey(HKEY_CURRENT_USER, StoreKeyPath("Top\\Platform"));
      RegCopyTreeA(source.get(), nullptr, target.get());
    }));
    ratios.push_back(pasteMs.back() / platformMs.back());
    std::printf("  pair %d: paste %.1f ms, RegCopyTreeA %.1f ms, HasSubFolders of the copy %.1f ms\n", i, pasteMs.back(),
                platformMs.back(), Milliseconds([&] { HasSubFolders(pasted); }));
    RegKey top = OpenStoreKey("Top");
    RegDeleteTreeA(top.get(), "Kopie von Src");
    RegDeleteTreeA(top.get(), "Platform");
    f.tvMain().NodeByKey("Top")->SetExpanded(false);
    f.tvMain().NodeByKey("Top")->SetExpanded(true);
    OpenFolder(f, "Top");
  }
  std::printf("paste of one folder of %d full connections: %.1f ms (median of %d)\n", kConnections, Median(pasteMs),
              kPastePairs);
  std::printf("RegCopyTreeA of the same tree: %.1f ms (median)\n", Median(platformMs));
  std::printf("ratio paste / RegCopyTreeA: %.2f (median of %d pairs; goal <= 1.3)\n", Median(ratios), kPastePairs);
  Exit();
}

TEST_F(ClipboardBench, DeleteOfSelectedConnectionsAgainstRegDeleteTree) {
  MainForm& f = Start();
  std::vector<double> deleteMs, platformMs, ratios;
  for (int i = 0; i < kDeletePairs; ++i) {
    FillFolder("Del");
    f.tvMain().ClearNodes();
    FillFolderTree(f);
    OpenFolder(f, "Del");
    ASSERT_EQ(f.lstItems().ItemCount(), kConnections);
    SelectAll(f);
    deleteMs.push_back(Milliseconds([&] { DeleteSelectedListItems(f); }));
    ASSERT_EQ(f.lstItems().ItemCount(), 0);
    ASSERT_FALSE(PathExists("Del\\conn0"));

    FillFolder("Del");
    platformMs.push_back(Milliseconds([&] {
      RegKey folder = OpenStoreKey("Del");
      for (int c = 0; c < kConnections; ++c) RegDeleteTreeA(folder.get(), ("conn" + std::to_string(c)).c_str());
    }));
    ASSERT_FALSE(PathExists("Del\\conn0"));
    ratios.push_back(deleteMs.back() / platformMs.back());
    std::printf("  pair %d: DeleteSelectedListItems %.1f ms, RegDeleteTreeA %.1f ms\n", i, deleteMs.back(),
                platformMs.back());
  }
  std::printf("DeleteSelectedListItems of %d selected connections: %.1f ms (median of %d)\n", kConnections,
              Median(deleteMs), kDeletePairs);
  std::printf("RegDeleteTreeA of the same keys: %.1f ms (median)\n", Median(platformMs));
  std::printf("ratio delete / RegDeleteTreeA: %.2f (median of %d pairs; goal <= 2.0)\n", Median(ratios), kDeletePairs);

  // Where the time goes: the routine's parts, each alone over the same 2,000 items, once.
  FillFolder("Del");
  OpenFolder(f, "Del");
  const double storeMs = Milliseconds([&] {
    for (int c = 0; c < kConnections; ++c) DeleteConnectionKey("Del\\conn" + std::to_string(c));
  });
  const double repaintMs = Milliseconds([&] {
    for (int c = 0; c < kConnections; ++c) f.lstItems().Refresh();
  });
  const double removeMs = Milliseconds([&] {
    while (f.lstItems().ItemCount() > 0) f.lstItems().RemoveItem(1);
  });
  const double progressMs = Milliseconds([&] {
    ProgressForm frmDelete(ProgressKind::Delete, f);
    frmDelete.LoadForm();
    frmDelete.pbar().SetMax(kConnections + 1);
    frmDelete.pbar().SetMin(1);
    frmDelete.pbar().SetValue(1);
    frmDelete.Show();
    for (int c = 0; c < kConnections; ++c) {
      frmDelete.lblSource().SetText("conn" + std::to_string(c));
      frmDelete.pbar().SetValue(frmDelete.pbar().Value() + 1);
    }
    frmDelete.UnloadForm();
  });
  std::printf("where the time goes, each part alone over %d items: store deletes %.1f ms; list view removals "
              "%.1f ms; a repaint of the list per item %.1f ms; the progress window's item line (its repaint and "
              "message run) and bar per item %.1f ms\n",
              kConnections, storeMs, removeMs, repaintMs, progressMs);
  Exit();
}

}  // namespace
