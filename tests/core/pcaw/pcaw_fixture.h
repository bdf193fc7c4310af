#pragma once
// What the pcAnywhere tests share: OLE on the test thread, a fresh gPcAW per test, scratch
// folders with connection files for the stand-in server.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "com/host/ole_init.h"
#include "support/registry_sandbox.h"

namespace corvana::test {

// A folder of its own below the temp folder, removed with everything in it.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name = "pcaw");
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }
  // Writes a file below the folder (sub-folders are created) and returns its full path.
  std::string write(const std::string& relative, const std::string& text) const;

 private:
  std::string path_;
};

// Writes text to path, creating its folder.
void WriteTextFile(const std::string& path, const std::string& text);
void RemoveTree(const std::string& path);

// The folder of the test program, where the stand-in's files are built too.
std::string ProgramFolder();

class PcAWTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  com::OleInitGuard ole_;
  RegistrySandbox sandbox_;
};

// The windows of this process that a property sheet opened: closed, waiting for them at most
// timeoutMs. Returns how many it closed.
int CloseNewTopLevelWindows(DWORD timeoutMs);

}  // namespace corvana::test
