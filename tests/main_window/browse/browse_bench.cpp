// Filling the list from a folder of 2,000 connections against a raw walk over the same values,
// and filling the tree of 200 folders with every folder expanded. Prints its figures; judges none.
#include <gmock/gmock.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "core/connection_record.h"
#include "core/connection_values.h"
#include "core/registry_store.h"
#include "main_window/connection_list.h"
#include "main_window/folder_tree.h"
#include "main_window_fixture.h"

using namespace corvana;
using namespace corvana::test;

namespace {

constexpr int kConnections = 2000;
constexpr int kRuns = 5;
constexpr int kPairs = 11;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double BestMilliseconds(const std::function<void()>& run, int runs = kRuns) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    run();
    std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

ConnectionRecord FullRecord(int i) {
  ConnectionRecord r;
  r.FolderPath = "Bench";
  r.ConnectionName = "conn" + std::to_string(i);
  r.Host = "host" + std::to_string(i) + ".example";
  r.Display = std::to_string(i % 10);
  r.VNCFSPort = std::to_string(5000 + i);
  r.Encoding = "hextile";
  r.AllowCopyRect = r.SharedSession = r.DeiconifyOnBell = r.DisableClipboard = kTrue;
  r.Emulate3Buttons = r.SwapMouseButtons = r.Restrict8Bit = r.ViewOnly = r.FullScreen = r.Scale = kTrue;
  r.Scale1 = "3";
  r.Scale2 = "4";
  r.Password = i % 2 ? "pw" + std::to_string(i) : "";
  r.MousePointer = "1";
  return r;
}

std::string Query(HKEY key, const char* name) {
  char buf[260] = {};
  DWORD size = sizeof buf;
  DWORD type = 0;
  RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
  return buf;
}

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
    for (const char* value : kValues) bytes += Query(child.get(), value).size();
    for (const char* sub : {kHostSubKey, kDisplaySubKey, kVNCFSPortSubKey}) {
      HKEY subRaw = nullptr;
      if (RegOpenKeyExA(child.get(), sub, 0, KEY_READ, &subRaw) != ERROR_SUCCESS) continue;
      RegKey subKey(subRaw);
      bytes += Query(subKey.get(), "").size();
    }
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
  for (int i = 0; i < kConnections; ++i) ASSERT_TRUE(CreateConnectionKey(FullRecord(i)));
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
    rawMs.push_back(BestMilliseconds([&] { raw = RawWalk("Bench"); }, 1));
    listMs.push_back(BestMilliseconds([&] {
      f.lstItems().ClearItems();
      ShowFolderContents(f, "Bench");
    }, 1));
    ratios.push_back(listMs.back() / rawMs.back());
  }
  ASSERT_EQ(f.lstItems().ItemCount(), kConnections);
  ASSERT_GT(raw, 0u);
  const double treeMs = BestMilliseconds([&] {
    f.tvMain().ClearNodes();
    FillFolderTree(f);
    for (const forms::NodeRef& root : std::vector<forms::NodeRef>(f.tvMain().Roots())) ExpandAll(root);
  });
  ASSERT_EQ(f.tvMain().NodeCount(), 201);

  std::printf("ShowFolderContents, %d connections: %.1f ms (median of %d)\n", kConnections, Median(listMs), kPairs);
  std::printf("raw walk (RegEnumKeyA + RegQueryValueExA) over the same values: %.1f ms (median)\n", Median(rawMs));
  std::printf("ratio list fill / raw walk: %.2f (median of %d pairs; goal <= 1.25)\n", Median(ratios), kPairs);
  std::printf("FillFolderTree and expanding all 200 folders: %.1f ms\n", treeMs);
  Exit();
}

}  // namespace
