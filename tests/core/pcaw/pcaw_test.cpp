// The pcAnywhere gateway against the stand-in automation server registered by this folder's
// fixture: version text, connection records, Connect and the store's walk of pcAnywhere entries.
#include <gtest/gtest.h>

#include "core/pcaw.h"
#include "core/pcaw_enum.h"
#include "core/registry_store.h"
#include "core/registry_value.h"
#include "core/text.h"
#include "pcaw_fixture.h"
#include "support/message_box_watcher.h"

namespace corvana {
namespace {

using test::PcAWTest;

const char kFullConnection[] =
    "ConnectionType=TCP/IP\n"
    "AutoXferFile=C:\\Transfer\\auto.xfr\n"
    "ScriptFile=C:\\Skripte\\anmelden.scr\n"
    "RecordFile=C:\\Aufzeichnung\\sitzung.rcd\n"
    "RunOnConnect=True\n"
    "LogSession=False\n"
    "WriteProtection=True\n"
    "ReadProtection=False\n"
    "ExecuteProtection=True\n"
    "Password=geheim\n"
    "AutoLoginPassword=auto-geheim\n"
    "AutoLoginName=kasse\n"
    "RedialDelay=-2\n"
    "RedialCount=32767\n"
    "CountryCode=49\n"
    "AreaCode=0711\n"
    "UseDialingProperties=True\n"
    "PhoneNumber=0711 123456\n"
    "ComputerName=KASSE-07\n";

std::string LastLaunch() {
  RegKey key = OpenKey(HKEY_CURRENT_USER, "Software\\Corvana pcAW stand-in");
  return ReadStringValue(key.get(), "Launched");
}

TEST_F(PcAWTest, InstalledWithTheServerProgramsVersionInUnsignedHalves) {
  CpcAW& pcaw = PcAW();
  EXPECT_TRUE(pcaw.IsInstalled());
  EXPECT_EQ(pcaw.GetVersion(), "pcaw_stand_in_server.exe Version 10.5.32769.65535");
}

TEST_F(PcAWTest, GetConnectionFillsEveryPropertyInItsType) {
  // The path of the example, in the prefix's own C: drive.
  const std::string file = "C:\\Daten\\Filiale 7.chf";
  test::WriteTextFile(file, kFullConnection);
  std::optional<CpcAWdata> d = PcAW().GetConnection(file);
  DeleteFileA(file.c_str());
  RemoveDirectoryA("C:\\Daten");
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ(d->Name, "Filiale 7");
  EXPECT_EQ(d->FileName, file);
  EXPECT_EQ(d->ConnectionType, "TCP/IP");
  EXPECT_EQ(d->AutoXferFile, "C:\\Transfer\\auto.xfr");
  EXPECT_EQ(d->ScriptFile, "C:\\Skripte\\anmelden.scr");
  EXPECT_EQ(d->RecordFile, "C:\\Aufzeichnung\\sitzung.rcd");
  EXPECT_TRUE(d->RunOnConnect);
  EXPECT_FALSE(d->LogSession);
  EXPECT_TRUE(d->WriteProtection);
  EXPECT_FALSE(d->ReadProtection);
  EXPECT_TRUE(d->ExecuteProtection);
  EXPECT_EQ(d->Password, "geheim");
  EXPECT_EQ(d->AutoLoginPassword, "auto-geheim");
  EXPECT_EQ(d->AutoLoginName, "kasse");
  EXPECT_EQ(d->RedialDelay, -2);
  EXPECT_EQ(d->RedialCount, 32767);
  EXPECT_EQ(d->CountryCode, "49");
  EXPECT_EQ(d->AreaCode, "0711");  // text: the leading zero stays
  EXPECT_TRUE(d->UseDialingProperties);
  EXPECT_EQ(d->PhoneNumber, "0711 123456");
  EXPECT_EQ(d->ComputerName, "KASSE-07");
}

TEST_F(PcAWTest, NameIsTheFileNameWithoutFolderAndExtensionFileNameAsPassed) {
  test::ScratchFolder folder;
  struct Case {
    std::string relative;
    std::string name;
  } cases[] = {
      {"Filiale 7.chf", "Filiale 7"},
      {"Kasse.1.CHF", "Kasse.1"},  // only the last extension goes
      {"ohne Endung", "ohne Endung"},
      {"Tiefer\\Ordner\\Zentrale.chf", "Zentrale"},
  };
  for (const Case& c : cases) {
    std::string file = folder.write(c.relative, "ComputerName=X\n");
    // Typed in another case than the disk has it: kept as typed.
    std::string passed = UpperCase(folder.path()) + "\\" + c.relative;
    ASSERT_NE(passed, file);
    std::optional<CpcAWdata> d = PcAW().GetConnection(passed);
    ASSERT_TRUE(d.has_value()) << c.relative;
    EXPECT_EQ(d->Name, c.name);
    EXPECT_EQ(d->FileName, passed);
  }
}

TEST_F(PcAWTest, ValuesAreConvertedOrTheRecordFails) {
  test::ScratchFolder folder;
  struct Case {
    const char* what;
    const char* content;
    bool record;
  } cases[] = {
      {"texts that convert", "RunOnConnect:str=-1\nRedialCount:str=12\nLogSession:str=True\nComputerName=A\n", true},
      {"all values empty", "", true},
      {"a Boolean that is no Boolean", "LogSession:str=vielleicht\n", false},
      {"a count beyond 16 bits", "RedialDelay:str=40000\n", false},
      {"a property the object lacks", "-PhoneNumber\n", false},
      {"the first property missing", "-ComputerName\n", false},
      {"the server gives Nothing", "#nothing\n", false},
      {"the server cannot read the file", "kaputt\n", false},
  };
  for (const Case& c : cases) {
    std::string file = folder.write(std::string(c.what) + ".chf", c.content);
    std::optional<CpcAWdata> d = PcAW().GetConnection(file);
    EXPECT_EQ(d.has_value(), c.record) << c.what;
  }
  std::optional<CpcAWdata> d = PcAW().GetConnection(folder.write("t.chf", cases[0].content));
  ASSERT_TRUE(d.has_value());
  EXPECT_TRUE(d->RunOnConnect);
  EXPECT_EQ(d->RedialCount, 12);
  EXPECT_TRUE(d->LogSession);
  std::optional<CpcAWdata> empty = PcAW().GetConnection(folder.write("e.chf", ""));
  ASSERT_TRUE(empty.has_value());
  EXPECT_EQ(empty->ComputerName, "");
  EXPECT_FALSE(empty->RunOnConnect);
  EXPECT_EQ(empty->RedialDelay, 0);
  EXPECT_FALSE(PcAW().GetConnection(folder.path() + "\\nicht da.chf").has_value());
}

TEST_F(PcAWTest, ConnectPassesTheFileAndReturnsTheServersAnswer) {
  test::ScratchFolder folder;
  const std::string file = folder.write("Filiale 7.chf", kFullConnection);
  EXPECT_TRUE(PcAW().Connect(file));
  EXPECT_EQ(LastLaunch(), file);
  const std::string missing = folder.path() + "\\Filiale 9.chf";
  EXPECT_FALSE(PcAW().Connect(missing));  // the stand-in answers False for a file it cannot find
  EXPECT_EQ(LastLaunch(), missing);
}

TEST_F(PcAWTest, FolderWalkReportsEntriesAndTheMissingFile) {
  test::ScratchFolder folder;
  const std::string present = folder.write("Filiale 7.chf", kFullConnection);
  const std::string missing = folder.path() + "\\Filiale 9.chf";
  ASSERT_TRUE(CreateFolderKey("", "Filialen"));
  ASSERT_TRUE(CreateFolderKey("", "Filialen\\Nord"));
  {
    RegKey connection = CreateKey(HKEY_CURRENT_USER, StoreKeyPath("Filialen\\Kasse 1"));
    ASSERT_TRUE(WriteSubKeyDefaultValue(connection.get(), "Host", "kasse1"));
  }
  ASSERT_TRUE(SetPcAWFile("Filialen\\Zweigstelle 7", present));
  ASSERT_TRUE(SetPcAWFile("Filialen\\Zweigstelle 9", missing));

  test::MessageBoxWatcher boxes;
  RegKey key = OpenStoreKey("Filialen");
  ASSERT_TRUE(key);
  std::map<std::string, std::optional<CpcAWdata>> entries;
  int others = 0;
  long index = 0;
  for (;; ++index) {
    std::optional<CpcAWdata> data = CpcAWdata{};  // must be cleared for keys of other kinds
    std::string name = "stale";
    long rc = EnumNextPcAWConnection(key, index, data, name);
    if (rc == kEnumNoMoreEntries) break;
    ASSERT_EQ(rc, kEnumMoreEntries);
    if (name.empty()) {
      EXPECT_FALSE(data.has_value());
      ++others;
    } else {
      entries[name] = data;
    }
  }
  EXPECT_EQ(index, 4);
  EXPECT_EQ(others, 2);
  ASSERT_EQ(entries.size(), 2u);

  const auto& found = entries["Zweigstelle 7"];
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->Name, "Filiale 7");  // from the file
  EXPECT_EQ(found->ComputerName, "KASSE-07");
  EXPECT_EQ(found->FileName, present);

  const auto& lost = entries["Zweigstelle 9"];
  ASSERT_TRUE(lost.has_value());
  EXPECT_EQ(lost->Name, "Zweigstelle 9");  // from the key
  EXPECT_EQ(lost->FileName, missing);
  EXPECT_EQ(lost->ComputerName, "");

  auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, "VNCCorvana");
  EXPECT_EQ(seen[0].text, "Zweigstelle 9\r\nDie pcANYWHERE Steuerungsdatei ist nicht vorhanden !\r\n" + missing);
}

TEST_F(PcAWTest, TopLevelWalkOpensTheStoreAndCreatesTheGatewayOnFirstUse) {
  ASSERT_TRUE(CreateFolderKey("", "Filialen"));
  test::ScratchFolder folder;
  ASSERT_TRUE(SetPcAWFile("Einzeln", folder.write("Einzeln.chf", "ComputerName=E\n")));
  ASSERT_FALSE(gPcAW);
  RegKey key;  // empty: the enumerator opens the store itself
  std::optional<CpcAWdata> data;
  std::string name;
  std::vector<std::string> names;
  for (long i = 0; EnumNextPcAWConnection(key, i, data, name) == kEnumMoreEntries; ++i) names.push_back(name);
  EXPECT_TRUE(key);
  EXPECT_EQ(names, (std::vector<std::string>{"Einzeln", ""}));
  EXPECT_TRUE(gPcAW);
}

}  // namespace
}  // namespace corvana
