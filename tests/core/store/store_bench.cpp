// Prints how the recursive copy and delete compare with the platform's own tree calls on the
// same 10,000-key tree. Figures only; nothing here passes or fails on time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "core/registry_tree.h"
#include "core/registry_value.h"
#include "support/bench_timing.h"
#include "support/registry_sandbox.h"

using namespace corvana;

namespace {

double Seconds(const std::function<void()>& run) { return test::Milliseconds(run) / 1000; }

void BuildTree(HKEY root) {
  for (int f = 0; f < 100; ++f) {
    RegKey folder = CreateKey(root, "Folder " + std::to_string(f));
    WriteStringValue(folder.get(), "IsFolder", "1");
    for (int c = 0; c < 99; ++c) {
      RegKey conn = CreateKey(folder.get(), "Connection " + std::to_string(c));
      WriteStringValue(conn.get(), "ViewOnly", "0");
      WriteStringValue(conn.get(), "Password", "\x9c\x9e\x8d");
      WriteStringValue(conn.get(), "Prefered Encoding", "hextile");
    }
  }
}

}  // namespace

int main() {
  test::RegistrySandbox sandbox;
  RegKey base = CreateKey(HKEY_CURRENT_USER, "Bench");
  RegKey source = CreateKey(base.get(), "Source");
  BuildTree(source.get());

  double ours = 1e9, platform = 1e9, oursDelete = 1e9, platformDelete = 1e9;
  for (int round = 0; round < 4; ++round) {
    {
      RegKey target = CreateKey(base.get(), "CopyOurs");
      ours = std::min(ours, Seconds([&] { CopyRegKey(OpenKey(base.get(), "Source"), target.get()); }));
    }
    {
      RegKey target = CreateKey(base.get(), "CopyPlatform");
      platform = std::min(platform, Seconds([&] { RegCopyTreeA(source.get(), nullptr, target.get()); }));
    }
    // Alternate who deletes first, so a registry save of the server falls on both alike.
    auto deleteOurs = [&] {
      oursDelete = std::min(oursDelete, Seconds([&] { DeleteRegKeyRecursive(base.get(), "CopyOurs"); }));
    };
    auto deletePlatform = [&] {
      platformDelete = std::min(platformDelete, Seconds([&] { RegDeleteTreeA(base.get(), "CopyPlatform"); }));
    };
    if (round % 2) {
      deleteOurs();
      deletePlatform();
    } else {
      deletePlatform();
      deleteOurs();
    }
  }
  std::printf("keys: 10000 (100 folders x 99 connections + folders), 3 values each, best of 4\n");
  std::printf("CopyRegKey            %8.3f s   RegCopyTreeA   %8.3f s   ratio %.2f\n", ours, platform, ours / platform);
  std::printf("DeleteRegKeyRecursive %8.3f s   RegDeleteTreeA %8.3f s   ratio %.2f\n", oursDelete, platformDelete,
              oursDelete / platformDelete);
  return 0;
}
