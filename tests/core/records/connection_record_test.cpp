#include "core/connection_record.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/message_box.h"
#include "core/passwords.h"
#include "core/string_table.h"
#include "records_fixture.h"
#include "resources/string_ids.h"

using namespace corvana;
using corvana::test::RecordsTest;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

namespace {

// The flag fields with their value names, for checks that go over all ten.
struct FlagName {
  Flag ConnectionRecord::*field;
  const char* value;
};
const FlagName kFlags[] = {
    {&ConnectionRecord::AllowCopyRect, "Allow CopyRect encoding"},
    {&ConnectionRecord::SharedSession, "Request shared session"},
    {&ConnectionRecord::DeiconifyOnBell, "Deiconify on bell"},
    {&ConnectionRecord::DisableClipboard, "Disable clipboard transfer"},
    {&ConnectionRecord::Emulate3Buttons, "Emulate 3 Buttons"},
    {&ConnectionRecord::SwapMouseButtons, "Swap mouse buttons"},
    {&ConnectionRecord::Restrict8Bit, "Restrict pixtel to 8bit"},
    {&ConnectionRecord::ViewOnly, "ViewOnly"},
    {&ConnectionRecord::FullScreen, "Full-Screen mode"},
    {&ConnectionRecord::Scale, "Scale"},
};

ConnectionRecord SampleRecord(Flag flags) {
  ConnectionRecord r;
  r.ConnectionName = "Kasse 3";
  r.FolderPath = "Filialen\\Nord";
  r.Host = "10.0.0.3";
  r.Display = "2";
  r.VNCFSPort = "5905";
  r.Encoding = "corre";
  for (const FlagName& f : kFlags) r.*f.field = flags;
  r.Scale1 = "3";
  r.Scale2 = "4";
  r.Password = "geheim";
  r.MousePointer = "dot";
  return r;
}

class ConnectionRecordTest : public RecordsTest {
 protected:
  void SetUp() override {
    RecordsTest::SetUp();
    ASSERT_TRUE(CreateFolderKey("", "Filialen\\Nord"));
  }
  static ConnectionRecord Read(const std::string& path) {
    ConnectionRecord r;
    EXPECT_TRUE(ReadConnection(path, r));
    return r;
  }
};

struct RoundTripCase {
  const char* label;
  Flag stored;        // what every flag of the record holds
  const char* text;   // what each flag value must hold in the store
  Flag readBack;
};

TEST_F(ConnectionRecordTest, FullRecordRoundTrips) {
  const RoundTripCase cases[] = {
      {"all true", kTrue, "1", kTrue},
      {"all false", kFalse, "0", kFalse},
      {"1 is not True", 1, "0", kFalse},
  };
  for (const RoundTripCase& c : cases) {
    SCOPED_TRACE(c.label);
    DeleteKeyTree("Filialen\\Nord\\Kasse 3");
    const ConnectionRecord written = SampleRecord(c.stored);
    ASSERT_TRUE(CreateConnectionKey(written));
    const std::string path = "Filialen\\Nord\\Kasse 3";
    for (const FlagName& f : kFlags) {
      DWORD type = 0;
      EXPECT_EQ(RawValue(path, f.value, &type), c.text) << f.value;  // one character, no NUL
      EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    }
    EXPECT_EQ(RawValue(path, "mousepointer"), "dot");
    EXPECT_EQ(RawValue(path, "Prefered Encoding"), "corre");
    EXPECT_EQ(RawValue(path, "scale-1"), "3");
    EXPECT_EQ(SubKeyValue(path, "Host"), "10.0.0.3");
    EXPECT_EQ(SubKeyValue(path, "Display"), "2");
    EXPECT_EQ(SubKeyValue(path, "VNCFSPort"), "5905");

    ConnectionRecord read;
    read.Scale1 = "caller's";
    read.Scale2 = "caller's";
    read.MousePointer = "untouched";
    read.FolderPath = "untouched";
    ASSERT_TRUE(ReadConnection(path, read));
    EXPECT_EQ(read.ConnectionName, "Kasse 3");
    EXPECT_EQ(read.Host, "10.0.0.3");
    EXPECT_EQ(read.Display, "2");
    EXPECT_EQ(read.VNCFSPort, "5905");
    EXPECT_EQ(read.Encoding, "corre");
    for (const FlagName& f : kFlags) EXPECT_EQ(read.*f.field, c.readBack) << f.value;
    // Scale parts are read only while scaling is on.
    EXPECT_EQ(read.Scale1, c.readBack == kTrue ? "3" : "caller's");
    EXPECT_EQ(read.Scale2, c.readBack == kTrue ? "4" : "caller's");
    EXPECT_EQ(read.Password, "geheim");
    EXPECT_EQ(read.MousePointer, "untouched");
    EXPECT_EQ(read.FolderPath, "untouched");
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ConnectionRecordTest, MissingAndOddFlagsTakeTheDefaults) {
  const std::string path = "Filialen\\Nord\\Alt";
  SetSubKey(path, "Host", "alt");
  Set(path, "ViewOnly", "7");           // neither "1" nor "0"
  Set(path, "Full-Screen mode", "");    // empty reads as absent
  Set(path, "Swap mouse buttons", "0x");
  Set(path, "Emulate 3 Buttons", "1yes");
  gOptions.DefaultViewOnly = kTrue;
  gOptions.DefaultFullScreen = kTrue;
  gOptions.DefaultSwapMouseButtons = kTrue;
  gOptions.DefaultEmulate3Buttons = kFalse;
  gOptions.DefaultAllowCopyRect = kTrue;  // absent value
  ConnectionRecord r = Read(path);
  EXPECT_EQ(r.ViewOnly, kTrue);
  EXPECT_EQ(r.FullScreen, kTrue);
  EXPECT_EQ(r.SwapMouseButtons, kFalse);
  EXPECT_EQ(r.Emulate3Buttons, kTrue);
  EXPECT_EQ(r.AllowCopyRect, kTrue);
  EXPECT_EQ(r.SharedSession, kFalse);
  EXPECT_EQ(r.Host, "alt");
  EXPECT_EQ(r.Display, "");
  EXPECT_EQ(r.VNCFSPort, "");
  EXPECT_EQ(r.Password, "");

  gOptions.DefaultViewOnly = kFalse;
  EXPECT_EQ(Read(path).ViewOnly, kFalse);
}

TEST_F(ConnectionRecordTest, EncodingIsNormalised) {
  struct Case {
    const char* stored;  // nullptr: no value
    const char* expected;
  };
  const Case cases[] = {{"HexTile", "hextile"}, {"CORRE", "corre"}, {"rre", "rre"}, {"Raw", "raw"},
                        {"zlib", "default"},    {"hextile ", "default"}, {nullptr, "caller's"}};
  gOptions.DefaultEncoding = "default";
  const std::string path = "Filialen\\Nord\\Enc";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored ? c.stored : "absent");
    DeleteKeyTree(path);
    SetSubKey(path, "Host", "h");
    if (c.stored) Set(path, "Prefered Encoding", c.stored);
    ConnectionRecord r;
    r.Encoding = "caller's";
    ASSERT_TRUE(ReadConnection(path, r));
    EXPECT_EQ(r.Encoding, c.expected);
  }
}

TEST_F(ConnectionRecordTest, ScaleNeedsBothParts) {
  struct Case {
    const char* label;
    const char* scale;   // nullptr: no value
    const char* part1;   // nullptr: no value
    const char* part2;
    Flag defaultScale;
    const char* default1;
    const char* default2;
    Flag expectScale;
    const char* expect1;
    const char* expect2;
  };
  const Case cases[] = {
      {"both parts", "1", "3", "4", kFalse, "", "", kTrue, "3", "4"},
      {"second part empty, no default", "1", "3", "", kFalse, "", "", kFalse, "3", ""},
      {"second part from the default", "1", "3", nullptr, kFalse, "", "2", kTrue, "3", "2"},
      {"both from the defaults", "1", nullptr, nullptr, kFalse, "5", "6", kTrue, "5", "6"},
      {"off leaves the caller's parts", "0", "3", "4", kTrue, "5", "6", kFalse, "caller1", "caller2"},
      {"absent takes the default flag", nullptr, "3", "4", kTrue, "", "", kTrue, "3", "4"},
      {"the other case of the names", "1", nullptr, nullptr, kFalse, "", "", kTrue, "7", "8"},
  };
  const std::string path = "Filialen\\Nord\\Scaled";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    DeleteKeyTree(path);
    SetSubKey(path, "Host", "h");
    if (c.scale) Set(path, "Scale", c.scale);
    if (c.part1) Set(path, "scale-1", c.part1);
    if (c.part2) Set(path, "scale-2", c.part2);
    if (std::string(c.label) == "the other case of the names") {
      Set(path, "Scale-1", "7");
      Set(path, "SCALE-2", "8");
    }
    gOptions.DefaultScale = c.defaultScale;
    gOptions.DefaultScale1 = c.default1;
    gOptions.DefaultScale2 = c.default2;
    ConnectionRecord r;
    r.Scale1 = "caller1";
    r.Scale2 = "caller2";
    ASSERT_TRUE(ReadConnection(path, r));
    EXPECT_EQ(r.Scale, c.expectScale);
    EXPECT_EQ(r.Scale1, c.expect1);
    EXPECT_EQ(r.Scale2, c.expect2);
  }
}

TEST_F(ConnectionRecordTest, NameComesFromThePathAndAMissingKeyIsReported) {
  SetSubKey("Oben", "Host", "top");
  EXPECT_EQ(Read("Oben").ConnectionName, "Oben");
  EXPECT_TRUE(Messages().empty());

  ConnectionRecord r;
  EXPECT_FALSE(ReadConnection("", r));
  EXPECT_TRUE(Messages().empty());

  EXPECT_FALSE(ReadConnection("Filialen\\Nord\\Weg", r));
  EXPECT_EQ(r.ConnectionName, "Weg");
  auto seen = Messages();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, kApplicationTitle);
  EXPECT_NE(seen[0].text.find(LoadResString(IDS_KEY_NOT_OPENED)), std::string::npos) << seen[0].text;
  EXPECT_NE(seen[0].text.find("Filialen\\Nord\\Weg"), std::string::npos) << seen[0].text;
}

// A list reads only the address of a connection whose key it holds open: what ReadConnection
// reads for it, a missing part as "", and nothing else of the record.
TEST_F(ConnectionRecordTest, AddressReadFromAnOpenKeyMatchesTheFullRead) {
  ASSERT_TRUE(CreateConnectionKey(SampleRecord(kTrue)));
  const std::string partial = "Filialen\\Nord\\Ohne Port";
  SetSubKey(partial, "Host", "10.0.0.9");
  SetSubKey(partial, "Display", "0");
  for (const std::string& path : {std::string("Filialen\\Nord\\Kasse 3"), partial}) {
    SCOPED_TRACE(path);
    const ConnectionRecord full = Read(path);
    ConnectionRecord address;
    address.Encoding = "untouched";
    address.Password = "untouched";
    address.ConnectionName = "untouched";
    ReadConnectionAddress(OpenStoreKey(path).get(), address);
    EXPECT_EQ(address.Host, full.Host);
    EXPECT_EQ(address.Display, full.Display);
    EXPECT_EQ(address.VNCFSPort, full.VNCFSPort);
    EXPECT_EQ(address.Encoding, "untouched");
    EXPECT_EQ(address.Password, "untouched");
    EXPECT_EQ(address.ConnectionName, "untouched");
  }
  ConnectionRecord noPort;
  ReadConnectionAddress(OpenStoreKey(partial).get(), noPort);
  EXPECT_EQ(noPort.Host, "10.0.0.9");
  EXPECT_EQ(noPort.VNCFSPort, "");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ConnectionRecordTest, CreateNeverOverwritesAndTakesOnlyOneKeyName) {
  ConnectionRecord r = SampleRecord(kTrue);
  ASSERT_TRUE(CreateConnectionKey(r));
  ConnectionRecord again = SampleRecord(kFalse);
  again.ConnectionName = "KASSE 3";
  EXPECT_FALSE(CreateConnectionKey(again));
  EXPECT_EQ(Value("Filialen\\Nord\\Kasse 3", "ViewOnly"), "1");

  for (const char* name : {"Sub\\Name", "", "\\"}) {
    SCOPED_TRACE(name);
    ConnectionRecord bad = SampleRecord(kFalse);
    bad.ConnectionName = name;
    EXPECT_FALSE(CreateConnectionKey(bad));
  }
  EXPECT_THAT(StoreSubKeys("Filialen\\Nord"), ElementsAre("Kasse 3"));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ConnectionRecordTest, UpdateWritesOnlyWhatChanged) {
  const std::string path = "Filialen\\Nord\\Kasse 3";
  const ConnectionRecord old = SampleRecord(kFalse);
  ASSERT_TRUE(CreateConnectionKey(old));
  // Values changed behind the record's back show which fields the update writes.
  Set(path, "ViewOnly", "x");
  Set(path, "Password", "x");
  SetSubKey(path, "Display", "x");

  EXPECT_TRUE(UpdateConnectionKey(old, old));
  EXPECT_EQ(Value(path, "ViewOnly"), "x");
  EXPECT_EQ(Value(path, "Password"), "x");
  EXPECT_EQ(SubKeyValue(path, "Display"), "x");

  ConnectionRecord edited = old;
  edited.Host = "neu";
  edited.FullScreen = kTrue;
  edited.Encoding = "Raw";
  edited.MousePointer = "arrow";
  EXPECT_TRUE(UpdateConnectionKey(old, edited));
  EXPECT_EQ(SubKeyValue(path, "Host"), "neu");
  EXPECT_EQ(Value(path, "Full-Screen mode"), "1");
  EXPECT_EQ(Value(path, "Prefered Encoding"), "Raw");
  EXPECT_EQ(Value(path, "mousepointer"), "arrow");
  EXPECT_EQ(Value(path, "ViewOnly"), "x");
  EXPECT_EQ(SubKeyValue(path, "Display"), "x");

  // A flag holding 1 differs from False and is stored as "0".
  ConnectionRecord one = edited;
  one.ViewOnly = 1;
  EXPECT_TRUE(UpdateConnectionKey(edited, one));
  EXPECT_EQ(Value(path, "ViewOnly"), "0");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ConnectionRecordTest, UpdateRenamesInTheOldFolder) {
  const ConnectionRecord old = SampleRecord(kTrue);
  ASSERT_TRUE(CreateConnectionKey(old));
  ConnectionRecord renamed = old;
  renamed.ConnectionName = "Kasse 4";
  renamed.Display = "9";
  ASSERT_TRUE(UpdateConnectionKey(old, renamed));
  EXPECT_THAT(StoreSubKeys("Filialen\\Nord"), ElementsAre("Kasse 4"));
  ConnectionRecord r = Read("Filialen\\Nord\\Kasse 4");
  EXPECT_EQ(r.Display, "9");
  EXPECT_EQ(r.Host, "10.0.0.3");
  EXPECT_EQ(r.Password, "geheim");
  EXPECT_EQ(r.ViewOnly, kTrue);
  EXPECT_THAT(StoreSubKeys("Filialen\\Nord\\Kasse 4"), UnorderedElementsAre("Display", "Host", "VNCFSPort"));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ConnectionRecordTest, RenameOntoAnExistingNameIsRefused) {
  const ConnectionRecord old = SampleRecord(kTrue);
  ASSERT_TRUE(CreateConnectionKey(old));
  ConnectionRecord other = SampleRecord(kFalse);
  other.ConnectionName = "Andere";
  ASSERT_TRUE(CreateConnectionKey(other));

  // The registry ignores case, so a change of case only finds the key already there.
  for (const char* target : {"KASSE 3", "andere"}) {
    SCOPED_TRACE(target);
    watcher_.clear();
    ConnectionRecord renamed = old;
    renamed.ConnectionName = target;
    renamed.Host = "changed";
    EXPECT_FALSE(UpdateConnectionKey(old, renamed));
    auto seen = Messages();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, kApplicationTitle);
    EXPECT_EQ(seen[0].text, LoadResString(IDS_NAME_EXISTS));
  }
  EXPECT_THAT(StoreSubKeys("Filialen\\Nord"), ElementsAre("Andere", "Kasse 3"));
  EXPECT_EQ(SubKeyValue("Filialen\\Nord\\Kasse 3", "Host"), "10.0.0.3");
  EXPECT_EQ(SubKeyValue("Filialen\\Nord\\Andere", "Host"), "10.0.0.3");
  EXPECT_EQ(Value("Filialen\\Nord\\Andere", "ViewOnly"), "0");
}

TEST_F(ConnectionRecordTest, UpdateRefusesABackslashNameAndAVanishedConnection) {
  const ConnectionRecord old = SampleRecord(kTrue);
  ASSERT_TRUE(CreateConnectionKey(old));
  ConnectionRecord other = SampleRecord(kFalse);
  other.ConnectionName = "Andere";
  ASSERT_TRUE(CreateConnectionKey(other));

  ConnectionRecord slash = old;
  slash.ConnectionName = "Sub\\Kasse";
  EXPECT_FALSE(UpdateConnectionKey(old, slash));
  EXPECT_THAT(StoreSubKeys("Filialen\\Nord"), ElementsAre("Andere", "Kasse 3"));

  // The edited connection is gone: its new values must not land on another connection.
  ConnectionRecord gone = old;
  gone.ConnectionName = "Weg";
  ConnectionRecord onto = gone;
  onto.ConnectionName = "Andere";
  onto.Host = "overwritten";
  EXPECT_FALSE(UpdateConnectionKey(gone, onto));
  EXPECT_EQ(SubKeyValue("Filialen\\Nord\\Andere", "Host"), "10.0.0.3");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ConnectionRecordTest, RenameThatCannotFinishLeavesTheOldConnectionAlone) {
  const ConnectionRecord old = SampleRecord(kTrue);
  ASSERT_TRUE(CreateConnectionKey(old));
  const std::string path = "Filialen\\Nord\\Kasse 3";
  RegKey key = OpenStoreKey(path);
  ASSERT_TRUE(test::MakeDanglingLink(key.get(), "Gesperrt"));  // a child that cannot be deleted
  ConnectionRecord renamed = old;
  renamed.ConnectionName = "Kasse 4";
  renamed.Host = "10.0.0.4";
  renamed.ViewOnly = kFalse;
  EXPECT_FALSE(UpdateConnectionKey(old, renamed));
  test::RemoveDanglingLink(key.get(), "Gesperrt");
  auto seen = Messages();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, kApplicationTitle);
  EXPECT_EQ(seen[0].text, LoadResString(IDS_RENAME_FAILED));
  // One connection, as it was before: nothing under the new name, nothing of the old one lost.
  EXPECT_THAT(StoreSubKeys("Filialen\\Nord"), ElementsAre("Kasse 3"));
  EXPECT_THAT(StoreSubKeys(path), ElementsAre("Display", "Host", "VNCFSPort"));
  const ConnectionRecord stored = Read(path);
  EXPECT_EQ(stored.Host, "10.0.0.3");
  EXPECT_EQ(stored.Display, "2");
  EXPECT_EQ(stored.VNCFSPort, "5905");
  EXPECT_EQ(stored.Encoding, "corre");
  for (const FlagName& f : kFlags) EXPECT_EQ(stored.*f.field, kTrue) << f.value;
  EXPECT_EQ(stored.Scale1, "3");
  EXPECT_EQ(stored.Scale2, "4");
  EXPECT_EQ(stored.Password, "geheim");
  EXPECT_EQ(Value(path, "mousepointer"), "dot");
}

TEST_F(ConnectionRecordTest, DeleteRefusesAnIncompleteConnection) {
  ASSERT_TRUE(CreateConnectionKey(SampleRecord(kTrue)));
  const std::string path = "Filialen\\Nord\\Kasse 3";
  for (const char* part : {"Host", "Display", "VNCFSPort"}) {
    SCOPED_TRACE(part);
    RegKey key = OpenStoreKey(path);
    ASSERT_EQ(RegDeleteKeyA(key.get(), part), ERROR_SUCCESS);
    EXPECT_FALSE(DeleteConnectionKey(path));
    // Nothing of it is taken away.
    EXPECT_EQ(StoreSubKeys(path).size(), 2u);
    EXPECT_EQ(Value(path, "ViewOnly"), "1");
    WriteSubKeyDefaultValue(key.get(), part, "back");
  }
  SetSubKey(path, "Extra", "more");  // whatever else it holds goes with it
  EXPECT_TRUE(DeleteConnectionKey(path));
  EXPECT_FALSE(PathExists(path));
  EXPECT_TRUE(PathExists("Filialen\\Nord"));
  EXPECT_FALSE(DeleteConnectionKey(path));
  EXPECT_FALSE(DeleteConnectionKey(""));
}

TEST_F(ConnectionRecordTest, StoreRenamesKeepTheNameToOneKey) {
  ASSERT_TRUE(CreateConnectionKey(SampleRecord(kTrue)));
  ASSERT_TRUE(CreateFolderKey("", "Filialen\\Sued"));
  EXPECT_FALSE(RenameConnectionKey("Filialen\\Nord\\Kasse 3", "Filialen\\Nord\\a\\b"));
  EXPECT_FALSE(RenameConnectionKey("Filialen\\Nord\\Kasse 3", "Filialen\\Nord\\"));
  EXPECT_FALSE(RenameFolderKey("Filialen\\Sued\\x", "Filialen\\Nord"));
  EXPECT_FALSE(RenameFolderKey("a\\b", "Filialen"));
  EXPECT_FALSE(MoveConnectionToFolder({"Filialen\\Nord\\Kasse 3", "x\\y"}, "Filialen\\Sued"));
  EXPECT_THAT(StoreSubKeys("Filialen"), ElementsAre("Nord", "Sued"));
  EXPECT_THAT(StoreSubKeys("Filialen\\Nord"), ElementsAre("Kasse 3"));
  EXPECT_THAT(StoreSubKeys("Filialen\\Sued"), ElementsAre());

  // Renames inside the folder still work, with the folder named in any case.
  EXPECT_TRUE(RenameConnectionKey("Filialen\\Nord\\Kasse 3", "filialen\\nord\\Kasse 5"));
  EXPECT_TRUE(RenameFolderKey("Filialen\\Ost", "Filialen\\Sued"));
  EXPECT_TRUE(RenameFolderKey("Zweigstellen", "Filialen"));
  EXPECT_TRUE(PathExists("Zweigstellen\\Nord\\Kasse 5"));
  EXPECT_TRUE(PathExists("Zweigstellen\\Ost"));
}

}  // namespace
