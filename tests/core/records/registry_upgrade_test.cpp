#include "core/registry_upgrade.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/connection_record.h"
#include "core/string_table.h"
#include "fakes.h"
#include "records_fixture.h"
#include "resources/string_ids.h"

using namespace corvana;
using corvana::test::RecordingStatusLine;
using corvana::test::RecordsTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

const char* const kCurrent = "1.1.2";

class UpgradeTest : public RecordsTest {
 protected:
  RecordingStatusLine splash_;
  const std::string import_ = LoadResString(IDS_IMPORT_FOLDER_NAME);

  // A connection of the flat layout: its values, the three sub-keys in their old spelling, and
  // the id of its folder (none when folderId is null).
  static void OldConnection(const std::string& name, const char* folderId, const std::string& host) {
    SetSubKey(name, "host", host);
    SetSubKey(name, "Display", "1");
    SetSubKey(name, "VNCFSport", "5801");
    Set(name, "ViewOnly", "1");
    if (folderId) Set(name, "folder", folderId);
  }
  static void OldFolder(const std::string& id, const std::string& name) { Set("Folders\\" + id, "name", name); }

  static void StagingValue(const std::string& path, const std::string& name, const std::string& text) {
    RegKey key = CreateKey(HKEY_CURRENT_USER, std::string(StagingKey) + "\\" + path);
    ASSERT_TRUE(key);
    WriteStringValue(key.get(), name, text);
  }
};

TEST_F(UpgradeTest, OlderVersionsGetTheNativeViewer) {
  for (const char* version : {"1.0.5", "1.0.6"}) {
    SCOPED_TRACE(version);
    WriteRootSetting("Version", version);
    WriteRootSetting("PreferredViewer", "Browser");
    UpgradeRegistryLayout(kCurrent, splash_);
    DWORD type = 0;
    EXPECT_EQ(RawValue("", "PreferredViewer", &type), "VNCviewer");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(RawValue("", "Version"), kCurrent);
  }
  EXPECT_THAT(splash_.shown, IsEmpty());
}

TEST_F(UpgradeTest, CurrentAndUnknownVersionsAreLeftAlone) {
  for (const char* version : {kCurrent, "2.0.0", "1.0.4"}) {
    SCOPED_TRACE(version);
    WriteRootSetting("Version", version);
    WriteRootSetting("PreferredViewer", "Browser");
    OldConnection("Lose", "1", "lose");
    UpgradeRegistryLayout(kCurrent, splash_);
    EXPECT_EQ(ReadRootSetting("Version"), version);
    EXPECT_EQ(ReadRootSetting("PreferredViewer"), "Browser");
    EXPECT_THAT(StoreSubKeys(""), ElementsAre("Lose"));
  }
  EXPECT_THAT(splash_.shown, IsEmpty());
}

TEST_F(UpgradeTest, MissingStoreGetsNoVersion) {
  UpgradeRegistryLayout(kCurrent, splash_);
  EXPECT_FALSE(PathExists(""));
}

TEST_F(UpgradeTest, FolderNameOfAnOldConnection) {
  OldFolder("1", "Office");
  OldFolder("2", "");
  OldConnection("A", "1", "a");
  OldConnection("B", "2", "b");   // the folder's name is empty
  OldConnection("C", nullptr, "c");
  OldConnection("D", "9", "d");   // no such folder id
  OldConnection("E", "", "e");
  EXPECT_EQ(GetFolderNameOfConnection("A"), "Office");
  EXPECT_EQ(GetFolderNameOfConnection("a"), "Office");
  for (const char* name : {"B", "C", "D", "E", "Missing", ""}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(GetFolderNameOfConnection(name), "");
  }
}

TEST_F(UpgradeTest, FlatLayoutBecomesFolders) {
  WriteRootSetting("Version", "1.0.7");
  WriteRootSetting("vncviewer", "C:\\vnc\\vncviewer.exe");
  OldFolder("1", "Office");
  OldFolder("2", "office");  // a second id of the same name
  OldFolder("3", "Lab");
  OldFolder("4", "Alt\\Neu");
  OldConnection("A", "1", "a");
  OldConnection("B", "2", "b");
  OldConnection("D", "3", "d");
  OldConnection("F", "4", "f");
  OldConnection("C", nullptr, "c");  // no folder
  OldConnection("E", "99", "e");     // an id that names no folder
  Set("Plugins", "Ping", "ping %1");

  UpgradeRegistryLayout(kCurrent, splash_);

  EXPECT_THAT(splash_.shown, ElementsAre(LoadResString(IDS_UPDATING_REGISTRY), LoadResString(IDS_REGISTRY_UPDATED)));
  EXPECT_EQ(ReadRootSetting("Version"), kCurrent);
  EXPECT_EQ(ReadRootSetting("vncviewer"), "C:\\vnc\\vncviewer.exe");
  EXPECT_THAT(StoreSubKeys(""), UnorderedElementsAre("Office", "Lab", "Alt/Neu", import_, "Plugins"));
  EXPECT_THAT(StoreSubKeys("Office"), ElementsAre("A", "B"));
  EXPECT_THAT(StoreSubKeys("Lab"), ElementsAre("D"));
  EXPECT_THAT(StoreSubKeys("Alt/Neu"), ElementsAre("F"));
  // Nothing is lost: connections without a folder land in the import folder, the plug-ins stay.
  EXPECT_THAT(StoreSubKeys(import_), ElementsAre("C", "E"));
  EXPECT_EQ(Value("Plugins", "Ping"), "ping %1");
  for (const char* folder : {"Office", "Lab", "Alt/Neu"}) EXPECT_EQ(Value(folder, "IsFolder"), "1") << folder;
  EXPECT_EQ(Value(import_, "IsFolder"), "1");

  ConnectionRecord r;
  ASSERT_TRUE(ReadConnection("Office\\B", r));
  EXPECT_EQ(r.Host, "b");
  EXPECT_EQ(r.Display, "1");
  EXPECT_EQ(r.VNCFSPort, "5801");
  EXPECT_EQ(r.ViewOnly, kTrue);
  ASSERT_TRUE(ReadConnection(import_ + "\\C", r));
  EXPECT_EQ(r.Host, "c");

  EXPECT_TRUE(OpenKey(HKEY_CURRENT_USER, StagingKey));  // left in place
  // The next start finds the current version and does nothing.
  splash_.shown.clear();
  UpgradeRegistryLayout(kCurrent, splash_);
  EXPECT_THAT(splash_.shown, IsEmpty());
}

TEST_F(UpgradeTest, EarlierStagingContentArrivesInTheStore) {
  StagingValue("Alt", "IsFolder", "1");
  StagingValue("Alt\\X", "ViewOnly", "0");
  StagingValue("Office\\A", "Extra", "from before");
  WriteRootSetting("Version", "1.0.7");
  OldFolder("1", "Office");
  OldConnection("A", "1", "a");

  UpgradeRegistryLayout(kCurrent, splash_);

  EXPECT_THAT(StoreSubKeys(""), UnorderedElementsAre("Alt", "Office"));
  EXPECT_EQ(Value("Alt\\X", "ViewOnly"), "0");
  EXPECT_EQ(Value("Office\\A", "ViewOnly"), "1");
  EXPECT_EQ(Value("Office\\A", "Extra"), "from before");
  EXPECT_EQ(ReadRootSetting("Version"), kCurrent);
}

TEST_F(UpgradeTest, ConversionThatCannotStartChangesNothingAndRunsAgain) {
  WriteRootSetting("Version", "1.0.7");
  OldFolder("1", "Office");
  OldConnection("A", "1", "a");
  // Below a volatile key the registry creates no lasting key, so the staging key cannot be made.
  {
    RegKey company;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Halvern Kassenwerk GmbH", 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, company.put(), nullptr),
              ERROR_SUCCESS);
  }
  ASSERT_FALSE(CreateKey(HKEY_CURRENT_USER, StagingKey));

  UpgradeRegistryLayout(kCurrent, splash_);
  ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Halvern Kassenwerk GmbH"), ERROR_SUCCESS);

  EXPECT_EQ(ReadRootSetting("Version"), "1.0.7");
  EXPECT_THAT(StoreSubKeys(""), UnorderedElementsAre("A", "Folders"));
  EXPECT_THAT(splash_.shown, ElementsAre(LoadResString(IDS_UPDATING_REGISTRY)));

  UpgradeRegistryLayout(kCurrent, splash_);
  EXPECT_THAT(StoreSubKeys("Office"), ElementsAre("A"));
  EXPECT_EQ(ReadRootSetting("Version"), kCurrent);
}

// A key that cannot be staged whole (here a sub-key that cannot be opened) must not cost the
// store its old connections: nothing is deleted, and once the key can be read, the next start
// converts.
TEST_F(UpgradeTest, ConversionThatCannotStageAKeyWholeDeletesNothingAndRunsAgain) {
  WriteRootSetting("Version", "1.0.7");
  OldFolder("1", "Office");
  OldConnection("A", "1", "a");
  OldConnection("B", "1", "b");
  RegKey a = OpenStoreKey("A");
  ASSERT_TRUE(test::MakeDanglingLink(a.get(), "Stuck"));

  UpgradeRegistryLayout(kCurrent, splash_);

  EXPECT_EQ(ReadRootSetting("Version"), "1.0.7");
  EXPECT_THAT(StoreSubKeys(""), UnorderedElementsAre("A", "B", "Folders"));
  EXPECT_EQ(Value("A", "folder"), "1");
  EXPECT_EQ(Value("B", "folder"), "1");
  EXPECT_EQ(Value("Folders\\1", "name"), "Office");
  EXPECT_THAT(splash_.shown, ElementsAre(LoadResString(IDS_UPDATING_REGISTRY)));

  test::RemoveDanglingLink(a.get(), "Stuck");
  a.reset();
  UpgradeRegistryLayout(kCurrent, splash_);
  EXPECT_EQ(ReadRootSetting("Version"), kCurrent);
  EXPECT_THAT(StoreSubKeys("Office"), ElementsAre("A", "B"));
  ConnectionRecord r;
  ASSERT_TRUE(ReadConnection("Office\\A", r));
  EXPECT_EQ(r.Host, "a");
}

TEST_F(UpgradeTest, StoreWithoutVersionGetsItsTopLevelConnectionsIntoOneFolder) {
  OldConnection("X", nullptr, "x");
  OldConnection("Y", nullptr, "y");
  ASSERT_TRUE(CreateFolderKey("", "Team"));
  OldConnection("Team\\Z", nullptr, "z");
  ASSERT_TRUE(SetPcAWFile("P", "C:\\p.chf"));
  Set("Plugins", "Ping", "ping %1");
  Set("Folders\\1", "name", "leftover");

  UpgradeRegistryLayout(kCurrent, splash_);

  EXPECT_THAT(StoreSubKeys(""), UnorderedElementsAre(import_, "Team", "P", "Plugins", "Folders"));
  EXPECT_EQ(Value(import_, "IsFolder"), "1");
  EXPECT_THAT(StoreSubKeys(import_), ElementsAre("X", "Y"));
  EXPECT_EQ(SubKeyValue(import_ + "\\Y", "host"), "y");
  EXPECT_THAT(StoreSubKeys("Team"), ElementsAre("Z"));
  EXPECT_EQ(ReadRootSetting("LastOpenFolder"), import_);
  EXPECT_EQ(ReadRootSetting("Version"), kCurrent);
  EXPECT_THAT(splash_.shown, IsEmpty());
}

TEST_F(UpgradeTest, StoreWithoutVersionAndNothingToMoveOnlyGetsTheVersion) {
  ASSERT_TRUE(CreateFolderKey("", "Neuer Ordner"));
  Set("Plugins", "Ping", "ping %1");
  WriteRootSetting("LastOpenFolder", "Neuer Ordner");

  UpgradeRegistryLayout(kCurrent, splash_);

  EXPECT_THAT(StoreSubKeys(""), UnorderedElementsAre("Neuer Ordner", "Plugins"));
  EXPECT_EQ(ReadRootSetting("LastOpenFolder"), "Neuer Ordner");
  EXPECT_EQ(ReadRootSetting("Version"), kCurrent);
}

TEST_F(UpgradeTest, ImportIntoAnExistingFolderNeverOverwrites) {
  ASSERT_TRUE(CreateFolderKey("", import_));
  OldConnection(import_ + "\\X", nullptr, "already here");
  OldConnection(import_ + "\\X (2)", nullptr, "also here");
  OldConnection("X", nullptr, "moved");
  OldConnection("Y", nullptr, "y");

  UpgradeRegistryLayout(kCurrent, splash_);

  EXPECT_THAT(StoreSubKeys(""), ElementsAre(import_));
  EXPECT_THAT(StoreSubKeys(import_), UnorderedElementsAre("X", "X (2)", "X (3)", "Y"));
  EXPECT_EQ(SubKeyValue(import_ + "\\X", "host"), "already here");
  EXPECT_EQ(SubKeyValue(import_ + "\\X (2)", "host"), "also here");
  EXPECT_EQ(SubKeyValue(import_ + "\\X (3)", "host"), "moved");
  EXPECT_EQ(ReadRootSetting("LastOpenFolder"), import_);
}

TEST_F(UpgradeTest, ConnectionNamedLikeTheImportFolderIsMovedToo) {
  OldConnection(import_, nullptr, "named like the folder");

  UpgradeRegistryLayout(kCurrent, splash_);

  const std::string folder = import_ + "1";
  EXPECT_THAT(StoreSubKeys(""), ElementsAre(folder));
  EXPECT_THAT(StoreSubKeys(folder), ElementsAre(import_));
  EXPECT_EQ(SubKeyValue(folder + "\\" + import_, "host"), "named like the folder");
  EXPECT_EQ(ReadRootSetting("LastOpenFolder"), folder);
}

}  // namespace
