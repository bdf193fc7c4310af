#pragma once
// A folder of the test's own below the real temporary folder, and TMP/TEMP pointed at it, so the
// temporary-file routines write where the test can look and nothing is left behind.
#include <optional>
#include <string>

namespace corvana::test {

// Sets an environment variable for a scope and puts the old value (or its absence) back.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::string& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();  // removes the folder with every file in it
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }  // without a trailing "\"
  int FileCount() const;

 private:
  std::string path_;
};

// While alive, the temporary folder is the given path (TMP is read first, TEMP after it).
class TempFolderOverride {
 public:
  explicit TempFolderOverride(const std::string& path) : tmp_("TMP", path), temp_("TEMP", path) {}

 private:
  ScopedEnvironment tmp_;
  ScopedEnvironment temp_;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

}  // namespace corvana::test
