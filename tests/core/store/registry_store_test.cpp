#include "core/registry_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "store_fixture.h"

using namespace corvana;
using corvana::test::StoreTest;

namespace {

using ::testing::ElementsAre;

TEST_F(StoreTest, RootSettingsRoundTripAndMissingReadsEmpty) {
  EXPECT_EQ(ReadRootSetting("top"), "");
  EXPECT_FALSE(PathExists(""));
  WriteRootSetting("top", "1234.5");
  EXPECT_EQ(ReadRootSetting("top"), "1234.5");
  EXPECT_EQ(ReadRootSetting("TOP"), "1234.5");
  EXPECT_TRUE(PathExists(""));
}

TEST_F(StoreTest, EmptyPathNamesProductKeyAndTellsWhetherTopFoldersExist) {
  WriteRootSetting("Version", "1.0.8");
  EXPECT_TRUE(PathExists(""));
  EXPECT_FALSE(HasSubFolders(""));
  MakeConnection("NotAFolder");
  EXPECT_FALSE(HasSubFolders(""));
  MakeFolder("Team");
  EXPECT_TRUE(HasSubFolders(""));
  EXPECT_FALSE(HasSubFolders("Team"));
  EXPECT_FALSE(HasSubFolders("Missing"));
}

TEST_F(StoreTest, PathsAreFoundWithoutRegardToCase) {
  MakeFolder("Team\\Sub");
  EXPECT_TRUE(PathExists("team\\SUB"));
  EXPECT_TRUE(ConnectionPathExists("TEAM"));
  EXPECT_FALSE(PathExists("Team\\Other"));
}

TEST_F(StoreTest, CreateFolderKeyOnExistingKeyKeepsItsContent) {
  MakeConnection("Team\\Box");
  WriteStringValue(OpenStoreKey("Team").get(), "Extra", "keep");
  ASSERT_TRUE(CreateFolderKey("ignored", "Team"));
  EXPECT_EQ(Value("Team", "IsFolder"), "1");
  EXPECT_EQ(Value("Team", "Extra"), "keep");
  EXPECT_TRUE(PathExists("Team\\Box"));
}

TEST_F(StoreTest, PcAWFileIsWrittenAndRead) {
  MakeFolder("Team");
  EXPECT_EQ(ReadPcAWFile("Team\\Filiale"), "");
  ASSERT_TRUE(SetPcAWFile("Team\\Filiale", "C:\\Daten\\Filiale 7.chf"));
  EXPECT_EQ(ReadPcAWFile("team\\filiale"), "C:\\Daten\\Filiale 7.chf");
}

TEST_F(StoreTest, EnumeratorsTellTheKindsApart) {
  MakeFolder("T");
  MakeFolder("T\\Folder");
  MakeConnection("T\\Vnc");
  SetPcAWFile("T\\Pcaw", "c:\\x.chf");
  // A key with both marks counts as folder and as pcAnywhere entry, never as VNC connection.
  MakeFolder("T\\Both");
  SetPcAWFile("T\\Both", "c:\\y.chf");
  // Registry order is alphabetical without case: Both, Folder, Pcaw, Vnc.
  EXPECT_THAT(Walk(EnumNextFolder, "T"), ElementsAre("Both", "Folder", "", ""));
  EXPECT_THAT(Walk(EnumNextVncConnection, "T"), ElementsAre("", "", "", "Vnc"));
}

TEST_F(StoreTest, EmptyValuesOfTheMarksDoNotCount) {
  MakeFolder("T");
  RegKey key = CreateKey(HKEY_CURRENT_USER, StoreKeyPath("T\\Blank"));
  WriteStringValue(key.get(), "IsFolder", "");
  WriteStringValue(key.get(), "pcAWfile", "");
  EXPECT_THAT(Walk(EnumNextFolder, "T"), ElementsAre(""));
  EXPECT_THAT(Walk(EnumNextVncConnection, "T"), ElementsAre("Blank"));
}

TEST_F(StoreTest, TopLevelWalkOpensProductKeyForTheCaller) {
  MakeFolder("A");
  MakeFolder("B");
  RegKey key;
  std::string name;
  EXPECT_EQ(EnumNextFolder(key, 0, name), kEnumMoreEntries);
  EXPECT_TRUE(key) << "the walk hands ProductKey back to the caller";
  EXPECT_EQ(name, "A");
  EXPECT_EQ(EnumNextFolder(key, 1, name), kEnumMoreEntries);
  EXPECT_EQ(name, "B");
  EXPECT_EQ(EnumNextFolder(key, 2, name), kEnumNoMoreEntries);
}

TEST_F(StoreTest, WalksOfAnEmptyFolderAndOfAMissingStoreEndAtOnce) {
  RegKey none;
  std::string name = "unchanged";
  EXPECT_EQ(EnumNextFolder(none, 0, name), kEnumNoMoreEntries);
  EXPECT_FALSE(none);
  MakeFolder("Empty");
  EXPECT_TRUE(Walk(EnumNextFolder, "Empty").empty());
  EXPECT_TRUE(Walk(EnumNextVncConnection, "Empty").empty());
}

TEST_F(StoreTest, SubKeyThatCannotBeOpenedGivesEmptyName) {
  MakeFolder("T");
  MakeFolder("T\\Open");
  RegKey folder = OpenStoreKey("T");
  ASSERT_TRUE(test::MakeDanglingLink(folder.get(), "Locked"));
  EXPECT_THAT(Walk(EnumNextFolder, "T"), ElementsAre("", "Open"));
  EXPECT_THAT(Walk(EnumNextVncConnection, "T"), ElementsAre("", ""));
  EXPECT_TRUE(HasSubFolders("T"));
  test::RemoveDanglingLink(folder.get(), "Locked");
}

// The one walk tells what the kind enumerators tell, each sub-key opened once; an entry carries
// nothing over from the one before it.
TEST_F(StoreTest, OneWalkHandsEachEntryOpenWithBothMarks) {
  MakeFolder("T");
  MakeFolder("T\\Both");
  SetPcAWFile("T\\Both", "c:\\y.chf");
  MakeFolder("T\\Folder");
  SetPcAWFile("T\\Pcaw", "c:\\x.chf");
  MakeConnection("T\\Vnc", "vnc-host");
  RegKey folder = OpenStoreKey("T");
  ASSERT_TRUE(test::MakeDanglingLink(folder.get(), "Locked"));

  struct Seen {
    std::string name;
    bool open, isFolder;
    std::string file;
    bool vnc;
    std::string host;  // read through the handed key
    bool operator==(const Seen&) const = default;
  };
  std::vector<Seen> seen;
  StoreEntry entry;
  for (long i = 0; EnumNextStoreEntry(folder, i, entry) == kEnumMoreEntries; ++i)
    seen.push_back({entry.Name, static_cast<bool>(entry.Key), entry.IsFolder, entry.PcAWFile, entry.IsVncConnection(),
                    ReadSubKeyDefaultValue(entry.Key.get(), "Host")});
  test::RemoveDanglingLink(folder.get(), "Locked");
  EXPECT_FALSE(entry.Key) << "the end of the walk leaves no key open";
  const std::vector<Seen> expected = {{"Both", true, true, "c:\\y.chf", false, ""},
                                      {"Folder", true, true, "", false, ""},
                                      {"Locked", false, false, "", false, ""},
                                      {"Pcaw", true, false, "c:\\x.chf", false, ""},
                                      {"Vnc", true, false, "", true, "vnc-host"}};
  ASSERT_EQ(seen.size(), expected.size());
  for (size_t k = 0; k < seen.size(); ++k) EXPECT_TRUE(seen[k] == expected[k]) << expected[k].name;

  // The top level, like the other walks: an empty key opens ProductKey for the caller.
  RegKey top;
  ASSERT_EQ(EnumNextStoreEntry(top, 0, entry), kEnumMoreEntries);
  EXPECT_TRUE(top);
  EXPECT_EQ(entry.Name, "T");
  EXPECT_TRUE(entry.IsFolder);
  EXPECT_EQ(EnumNextStoreEntry(top, 1, entry), kEnumNoMoreEntries);
}

TEST_F(StoreTest, RenameMovesEverythingAndRefusesExistingTargets) {
  MakeFolder("Team");
  MakeFolder("Team\\Sub");
  MakeConnection("Team\\Sub\\Box", "10.0.0.1");
  MakeFolder("Other");

  struct Case {
    const char* newPath;
    bool expected;
  };
  for (Case c : {Case{"Other", false}, Case{"OTHER", false}, Case{"team", false}}) {
    EXPECT_EQ(RenameFolderKey(c.newPath, "Team"), c.expected) << c.newPath;
    EXPECT_TRUE(PathExists("Team\\Sub\\Box")) << "nothing changed for " << c.newPath;
  }

  ASSERT_TRUE(RenameFolderKey("Renamed", "Team"));
  EXPECT_FALSE(PathExists("Team"));
  EXPECT_EQ(Value("Renamed", "IsFolder"), "1");
  EXPECT_EQ(ReadSubKeyDefaultValue(OpenStoreKey("Renamed\\Sub\\Box").get(), "Host"), "10.0.0.1");
  EXPECT_FALSE(RenameFolderKey("X", "Missing"));
  EXPECT_FALSE(PathExists("X"));
}

TEST_F(StoreTest, RenameConnectionTakesOldPathFirst) {
  MakeFolder("F");
  MakeConnection("F\\Old");
  ASSERT_TRUE(RenameConnectionKey("F\\Old", "F\\New"));
  EXPECT_TRUE(PathExists("F\\New"));
  EXPECT_FALSE(PathExists("F\\Old"));
}

TEST_F(StoreTest, MoveIntoItselfOrBelowIsRefusedBeforeAnyKeyIsCreated) {
  MakeFolder("A");
  MakeFolder("A\\B");
  MakeConnection("A\\B\\Box");
  for (const char* target : {"A", "a", "A\\B", "a\\b\\C", "A\\New"}) {
    EXPECT_FALSE(MoveStoreKey("A", target)) << target;
  }
  EXPECT_FALSE(MoveConnectionToFolder({"A", "A"}, "A\\B"));
  EXPECT_FALSE(PathExists("A\\New"));
  EXPECT_FALSE(PathExists("A\\B\\A"));
  EXPECT_TRUE(PathExists("A\\B\\Box"));
  // A sibling that only starts with the same letters is not inside.
  MakeFolder("AB");
  EXPECT_TRUE(MoveConnectionToFolder({"A", "A"}, "AB"));
  EXPECT_TRUE(PathExists("AB\\A\\B\\Box"));
}

TEST_F(StoreTest, MoveConnectionToFolderUsesTheItemsText) {
  MakeFolder("From");
  MakeFolder("To");
  MakeConnection("From\\Box", "h1");
  ASSERT_TRUE(MoveConnectionToFolder({"From\\Box", "Box"}, "To"));
  EXPECT_FALSE(PathExists("From\\Box"));
  EXPECT_EQ(ReadSubKeyDefaultValue(OpenStoreKey("To\\Box").get(), "Host"), "h1");
  // A second one of the same name is not merged into the first.
  MakeConnection("From\\Box", "h2");
  EXPECT_FALSE(MoveConnectionToFolder({"From\\Box", "Box"}, "To"));
  EXPECT_EQ(ReadSubKeyDefaultValue(OpenStoreKey("To\\Box").get(), "Host"), "h1");
  EXPECT_TRUE(PathExists("From\\Box"));
}

// A move deletes its source only after a whole copy: a sub-key that cannot be copied keeps the
// source as it was, and the part-copy does not stay behind.
TEST_F(StoreTest, AMoveWhoseCopyIsIncompleteKeepsTheSourceWhole) {
  MakeFolder("From");
  MakeFolder("To");
  MakeConnection("From\\Box", "h1");
  RegKey box = OpenStoreKey("From\\Box");
  ASSERT_TRUE(test::MakeDanglingLink(box.get(), "Stuck"));
  EXPECT_FALSE(MoveConnectionToFolder({"From\\Box", "Box"}, "To"));
  EXPECT_FALSE(RenameConnectionKey("From\\Box", "From\\Renamed"));
  EXPECT_EQ(ReadSubKeyDefaultValue(OpenStoreKey("From\\Box").get(), "Host"), "h1");
  EXPECT_FALSE(PathExists("To\\Box"));
  EXPECT_FALSE(PathExists("From\\Renamed"));
  test::RemoveDanglingLink(box.get(), "Stuck");
  EXPECT_TRUE(MoveConnectionToFolder({"From\\Box", "Box"}, "To"));
}

TEST_F(StoreTest, DeleteKeyTreeRemovesABranchButNeverTheWholeStore) {
  MakeFolder("Keep");
  MakeFolder("Gone\\Sub");
  MakeConnection("Gone\\Sub\\Box");
  WriteRootSetting("Version", "1.0.8");
  DeleteKeyTree("Gone");
  EXPECT_FALSE(PathExists("Gone"));
  EXPECT_TRUE(PathExists("Keep"));
  DeleteKeyTree("");
  EXPECT_TRUE(PathExists("Keep"));
  EXPECT_EQ(ReadRootSetting("Version"), "1.0.8");
  DeleteKeyTree("Missing");  // nothing to do, nothing breaks
}

TEST_F(StoreTest, UniqueFolderNamesFollowTheWalk) {
  struct Case {
    std::vector<std::string> existing;
    std::string expected;
  };
  const Case cases[] = {
      {{}, "B"},
      {{"B"}, "B1"},
      {{"B", "B1"}, "B2"},
      {{"B1"}, "B"},
      {{"B", "B2"}, "B1"},
      {{"b", "b1"}, "B2"},
  };
  int n = 0;
  for (const Case& c : cases) {
    std::string parent = "P" + std::to_string(n++);
    MakeFolder(parent);
    for (const auto& name : c.existing) MakeFolder(parent + "\\" + name);
    EXPECT_EQ(GetUniqueFolderName(parent, "B"), c.expected) << parent;
  }
  // Connections of the same name are not folders and do not count.
  MakeFolder("Q");
  MakeConnection("Q\\B");
  EXPECT_EQ(GetUniqueFolderName("Q", "B"), "B");
  EXPECT_EQ(GetUniqueFolderName("Missing", "B"), "B");
}

// A new folder's name is free of every entry: a connection's key would otherwise become a folder.
TEST_F(StoreTest, AFreeFolderNameIsHeldByNoEntryOfAnyKind) {
  MakeFolder("R");
  for (const char* name : {"B", "B1", "B2", "B3", "B4", "B5", "B6", "B7", "B8", "B9", "B10"})
    MakeFolder(std::string("R\\") + name);
  EXPECT_EQ(GetFreeFolderName("R", "B"), "B11");
  MakeFolder("S");
  MakeConnection("S\\B");
  MakeConnection("S\\B1");
  EXPECT_EQ(GetFreeFolderName("S", "B"), "B2");
  MakeConnection("B");
  EXPECT_EQ(GetFreeFolderName("", "B"), "B1");
  EXPECT_EQ(GetFreeFolderName("Missing", "B"), "B");
}

TEST_F(StoreTest, UniqueFolderNameAtTopLevel) {
  MakeFolder("Neu");
  EXPECT_EQ(GetUniqueFolderName("", "Neu"), "Neu1");
}

}  // namespace
