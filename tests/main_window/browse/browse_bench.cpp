// Filling the list from a folder of 2,000 connections against a raw walk over the same values,
// and filling the tree of 200 folders with every folder expanded. Prints its figures; judges none.
#include <gmock/gmock.h>

#include <cstdio>
#include <vector>

#include "bench_store.h"
#include "core/connection_values.h"
#include "core/registry_store.h"
#include "main_window/connection_list.h"
#include "main_window/folder_tree.h"
#include "main_window_fixture.h"
#include "support/bench_timing.h"

using namespace corvana;
using namespace corvana::test;

namespace {

constexpr int kConnections = 2000;
constexpr int kRuns = 5;
constexpr int kPairs = 11;

// Every value the list shows or decides by, read straight from the registry: the kind marks, the
// password (its colour) and the address sub-keys.
size_t RawWalk(const std::string& folder) {
  static const char* const kValues[] = {kIsFolderValue, kPcAWFileValue, kPasswordValue};
  size_t bytes = 0;
  RegKey parent = OpenStoreKey(folder);
  char name[260];
  for (DWORD i = 0; RegEnumKeyA(parent.get(), i, name, sizeof name) == ERROR_SUCCESS; ++i) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(parent.get(), name, 0, KEY_READ, &raw) != ERROR_SUCCESS) continue;
    RegKey child(raw);
    for (const char* value : kValues) bytes += RawValueLength(child.get(), value);
    bytes += RawAddressLength(child.get());
  }
  return bytes;
}

void ExpandAll(const forms::NodeRef& node) {
  node->SetExpanded(true);
  for (const forms::NodeRef& child : node->ChildNodes())
    if (!child->Key().empty()) ExpandAll(child);
}

class BrowseBench : public MainWindowTest {};

TEST_F(BrowseBench, ListFillAgainstRawWalkAndTreeFill) {
  ASSERT_TRUE(CreateFolderKey("", "Bench"));
  for (int i = 0; i < kConnections; ++i) ASSERT_TRUE(CreateConnectionKey(FullRecord("Bench", i)));
  // 20 top-level folders with 9 sub-folders each: 200 folders besides "Bench".
  for (int t = 0; t < 20; ++t) {
    const std::string top = "Tree" + std::to_string(t);
    ASSERT_TRUE(CreateFolderKey("", top));
    for (int s = 0; s < 9; ++s) ASSERT_TRUE(CreateFolderKey("", top + "\\Sub" + std::to_string(s)));
  }
  MainForm& f = Start();

  // Taken in pairs, one right after the other, so that a slow spell of the registry server weighs
  // on both alike; the median pair decides.
  size_t raw = 0;
  std::vector<double> rawMs, listMs, ratios;
  for (int i = 0; i < kPairs; ++i) {
    rawMs.push_back(Milliseconds([&] { raw = RawWalk("Bench"); }));
    listMs.push_back(Milliseconds([&] {
      f.lstItems().ClearItems();
      ShowFolderContents(f, "Bench");
    }));
    ratios.push_back(listMs.back() / rawMs.back());
  }
  ASSERT_EQ(f.lstItems().ItemCount(), kConnections);
  ASSERT_GT(raw, 0u);
  const double treeMs = BestMilliseconds([&] {
    f.tvMain().ClearNodes();
    FillFolderTree(f);
    for (const forms::NodeRef& root : std::vector<forms::NodeRef>(f.tvMain().Roots())) ExpandAll(root);
  }, kRuns);
  ASSERT_EQ(f.tvMain().NodeCount(), 201);

  std::printf("ShowFolderContents, %d connections: %.1f ms (median of %d)\n", kConnections, Median(listMs), kPairs);
  std::printf("raw walk (RegEnumKeyA + RegQueryValueExA) over the same values: %.1f ms (median)\n", Median(rawMs));
  std::printf("ratio list fill / raw walk: %.2f (median of %d pairs; goal <= 1.25)\n", Median(ratios), kPairs);
  std::printf("FillFolderTree and expanding all 200 folders: %.1f ms\n", treeMs);
  Exit();
}

}  // namespace
