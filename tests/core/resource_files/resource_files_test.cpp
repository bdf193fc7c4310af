// The temporary folder, fresh temporary names and clips written from the resources: the progress
// windows play whatever lands in that file, so it must be the resource exactly, and a name must
// never point at a file that is already there.
#include "core/resource_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/bitmap_ids.h"
#include "resources/clip_ids.h"
#include "scratch_folder.h"
#include "test_clip_ids.h"

namespace {

using corvana::GetTempDirectory;
using corvana::MakeTempFileName;
using corvana::SaveAviResourceToFile;
using corvana::test::FileExists;
using corvana::test::ReadWholeFile;
using corvana::test::ScratchFolder;
using corvana::test::TempFolderOverride;
using corvana::test::WriteWholeFile;

std::string ResourceBytes(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), CORVANA_AVI_TYPE);
  if (!info) return {};
  const void* data = LockResource(LoadResource(module, info));
  return std::string(static_cast<const char*>(data), SizeofResource(module, info));
}

TEST(GetTempDirectory, EndsInExactlyOneBackslash) {
  ScratchFolder scratch;
  for (const char* suffix : {"", "\\"}) {
    SCOPED_TRACE(std::string("TMP = the folder followed by \"") + suffix + "\"");
    TempFolderOverride temp(scratch.path() + suffix);
    EXPECT_EQ(GetTempDirectory(), scratch.path() + "\\");
  }
}

TEST(MakeTempFileName, NamesNoExistingFileInTheTempFolder) {
  ScratchFolder scratch;
  TempFolderOverride temp(scratch.path());
  const std::string name = MakeTempFileName();
  ASSERT_FALSE(name.empty());
  EXPECT_EQ(name.rfind(scratch.path() + "\\", 0), 0u) << name;
  EXPECT_GT(name.size(), scratch.path().size() + 1);
  EXPECT_FALSE(FileExists(name));
  EXPECT_EQ(scratch.FileCount(), 0) << "the file that claimed the name must be gone";
}

TEST(MakeTempFileName, EmptyWhenTheTempFolderDoesNotExist) {
  ScratchFolder scratch;
  TempFolderOverride temp(scratch.path() + "\\missing");
  EXPECT_EQ(MakeTempFileName(), "");
}

TEST(SaveAviResourceToFile, WritesEachClipByteForByte) {
  ScratchFolder scratch;
  TempFolderOverride temp(scratch.path());
  for (int id : {IDR_AVI_COPY, IDR_AVI_DELETE}) {
    SCOPED_TRACE("clip " + std::to_string(id));
    const std::string expected = ResourceBytes(id);
    ASSERT_GT(expected.size(), 1000u);
    const std::string name = MakeTempFileName();
    ASSERT_TRUE(SaveAviResourceToFile(name, id));
    const std::string written = ReadWholeFile(name);
    EXPECT_EQ(written.size(), expected.size());
    EXPECT_TRUE(written == expected) << "the file differs from the resource";
  }
}

TEST(SaveAviResourceToFile, WritesAnOrdinaryFileThatCanBeDeleted) {
  ScratchFolder scratch;
  const std::string name = scratch.path() + "\\clip.avi";
  ASSERT_TRUE(SaveAviResourceToFile(name, IDR_AVI_COPY));
  const DWORD attributes = GetFileAttributesA(name.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
  EXPECT_TRUE(DeleteFileA(name.c_str())) << "the progress window deletes its clip when it closes";
}

// A file already there and longer than the clip: the clip must not keep the old file's tail,
// or the animation control would read a damaged file that was reported as written.
TEST(SaveAviResourceToFile, ReplacesALongerFileWhole) {
  ScratchFolder scratch;
  const std::string name = scratch.path() + "\\clip.avi";
  const std::string expected = ResourceBytes(IDR_AVI_DELETE);
  WriteWholeFile(name, std::string(expected.size() * 2, 'x'));
  ASSERT_TRUE(SaveAviResourceToFile(name, IDR_AVI_DELETE));
  EXPECT_TRUE(ReadWholeFile(name) == expected);
}

TEST(SaveAviResourceToFile, FalseWithoutAClipAndLeavesNoFile) {
  ScratchFolder scratch;
  struct Case {
    int id;
    const char* what;
  };
  const Case cases[] = {
      {4999, "no resource of that id"},
      {IDB_TOOLBOX, "no resource of that id"},
      {0, "id 0"},
      {0x10000, "an id beyond 16 bits"},
      {TEST_CLIP_ONE_BYTE, "a resource of one byte (upper bound 0)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string name = scratch.path() + "\\clip" + std::to_string(c.id) + ".avi";
    EXPECT_FALSE(SaveAviResourceToFile(name, c.id));
    EXPECT_FALSE(FileExists(name));
  }
}

TEST(SaveAviResourceToFile, WritesTheShortestClipItAccepts) {
  ScratchFolder scratch;
  const std::string name = scratch.path() + "\\short.avi";
  ASSERT_TRUE(SaveAviResourceToFile(name, TEST_CLIP_TWO_BYTES));
  EXPECT_EQ(ReadWholeFile(name), "RI");
}

TEST(SaveAviResourceToFile, FalseWhenTheFileCannotBeCreated) {
  ScratchFolder scratch;
  EXPECT_FALSE(SaveAviResourceToFile(scratch.path() + "\\missing\\clip.avi", IDR_AVI_COPY));
  EXPECT_FALSE(SaveAviResourceToFile(scratch.path(), IDR_AVI_COPY)) << "a folder is no file";
}

}  // namespace
