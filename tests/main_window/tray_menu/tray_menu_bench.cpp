// Building the notification-area menu from a large store against a raw walk that reads the same
// values, and the menu of one very large folder. Prints its figures; judges none.
#include <gmock/gmock.h>

#include <cstdio>
#include <vector>

#include "bench_store.h"
#include "core/connection_values.h"
#include "core/registry_store.h"
#include "main_window/systray_menu.h"
#include "main_window/tray_menu_level.h"
#include "main_window_fixture.h"
#include "support/bench_timing.h"

using namespace corvana;
using namespace corvana::test;

namespace {

constexpr int kFolders = 100;
constexpr int kPerFolder = 50;
constexpr int kOneFolder = 5000;
constexpr int kPairs = 11;

// Every value the menu decides by or reads, straight from the registry: each key's kind marks, and
// for a connection its options, password and address sub-keys; folders recursively.
size_t RawWalk(HKEY folder, bool topLevel) {
  static const char* const kConnectionValues[] = {
      kEncodingValue,        kAllowCopyRectValue,    kSharedSessionValue,    kDeiconifyOnBellValue,
      kDisableClipboardValue, kEmulate3ButtonsValue, kSwapMouseButtonsValue, kRestrict8BitValue,
      kViewOnlyValue,        kFullScreenValue,       kScaleValue,            kScale1Value,
      kScale2Value,          kPasswordValue};
  size_t bytes = 0;
  char name[260];
  for (DWORD i = 0; RegEnumKeyA(folder, i, name, sizeof name) == ERROR_SUCCESS; ++i) {
    HKEY raw = nullptr;
    if (RegOpenKeyExA(folder, name, 0, KEY_READ, &raw) != ERROR_SUCCESS) continue;
    RegKey child(raw);
    const bool isFolder = RawValueLength(child.get(), kIsFolderValue) > 0;
    const bool isPcAW = RawValueLength(child.get(), kPcAWFileValue) > 0;
    if (isFolder) bytes += RawWalk(child.get(), false);
    if (topLevel || isFolder || isPcAW) continue;
    for (const char* value : kConnectionValues) bytes += RawValueLength(child.get(), value);
    bytes += RawAddressLength(child.get());
  }
  return bytes;
}

size_t RawWalkOfStore() {
  RegKey root = OpenStoreKey("");
  return RawValueLength(root.get(), "NoEncryption") + RawWalk(root.get(), true);
}

class TrayMenuBench : public MainWindowTest {
 protected:
  // The whole build: the menu made, filled from the store and destroyed again.
  int BuildMenu(MainForm& f) {
    const MainForm::Parts& c = f.parts();
    SystrayMenu menu;
    menu.InitMenu(f);
    AddTrayMenuFolders(menu, {c.picFolder.Picture(), c.picVNC.Picture(), c.picPCAW.Picture()});
    int items = 0;
    for (UINT id = 1; menu.Item(id); ++id) ++items;
    menu.DestroyMenus();
    return items;
  }
};

TEST_F(TrayMenuBench, BuildAgainstRawWalkAndOneLargeFolder) {
  for (int f = 0; f < kFolders; ++f) {
    const std::string folder = "Folder" + std::to_string(f);
    ASSERT_TRUE(CreateFolderKey("", folder));
    for (int i = 0; i < kPerFolder; ++i) ASSERT_TRUE(CreateConnectionKey(FullRecord(folder, i)));
  }
  MainForm& f = Start();

  // Taken in pairs, one right after the other, so that a slow spell of the registry server weighs
  // on both alike; the median pair decides.
  size_t raw = 0;
  int items = 0;
  std::vector<double> rawMs, menuMs, ratios;
  for (int i = 0; i < kPairs; ++i) {
    rawMs.push_back(Milliseconds([&] { raw = RawWalkOfStore(); }));
    menuMs.push_back(Milliseconds([&] { items = BuildMenu(f); }));
    ratios.push_back(menuMs.back() / rawMs.back());
  }
  ASSERT_EQ(items, kFolders * (kPerFolder + 1));
  ASSERT_GT(raw, 0u);
  std::printf("menu of %d folders x %d connections: %.1f ms (median of %d)\n", kFolders, kPerFolder, Median(menuMs),
              kPairs);
  std::printf("raw walk (RegEnumKeyA + RegQueryValueExA) over the same values: %.1f ms (median)\n", Median(rawMs));
  std::printf("ratio menu build / raw walk: %.2f (median of %d pairs; goal <= 1.5)\n", Median(ratios), kPairs);

  // One folder of 5,000 connections, and of half as many: a build in linear time takes about
  // twice as long for twice the entries.
  for (int f = 0; f < kFolders; ++f) DeleteKeyTree("Folder" + std::to_string(f));
  ASSERT_TRUE(CreateFolderKey("", "Large"));
  std::vector<double> half, whole;
  for (int i = 0; i < kOneFolder / 2; ++i) ASSERT_TRUE(CreateConnectionKey(FullRecord("Large", i)));
  for (int i = 0; i < 3; ++i) half.push_back(Milliseconds([&] { items = BuildMenu(f); }));
  ASSERT_EQ(items, kOneFolder / 2 + 1);
  for (int i = kOneFolder / 2; i < kOneFolder; ++i) ASSERT_TRUE(CreateConnectionKey(FullRecord("Large", i)));
  for (int i = 0; i < 3; ++i) whole.push_back(Milliseconds([&] { items = BuildMenu(f); }));
  ASSERT_EQ(items, kOneFolder + 1);
  std::printf("menu of one folder of %d connections: %.1f ms (median of 3); of %d: %.1f ms\n", kOneFolder,
              Median(whole), kOneFolder / 2, Median(half));
  Exit();
}

}  // namespace
