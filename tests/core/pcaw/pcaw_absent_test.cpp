// The pcAnywhere gateway where the automation server is not registered (this program runs before
// the stand-in is), the property sheet through the shell, and the version text read from a
// registration in a redirected HKEY_CLASSES_ROOT.
#include <gtest/gtest.h>

#include "com/host/create_object.h"
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

TEST_F(PcAWTest, WithoutTheServerNothingIsInstalled) {
  CLSID clsid;
  ASSERT_TRUE(FAILED(com::ClassIdOf(kPcAWProgId, clsid)))
      << "the stand-in server is registered: this program must run before its registration (ctest orders it)";
  test::ScratchFolder folder;
  const std::string file = folder.write("Daten\\Filiale 7.chf", "ComputerName=KASSE-07\n");
  CpcAW& pcaw = PcAW();
  EXPECT_EQ(&PcAW(), &pcaw);  // created once
  EXPECT_EQ(gPcAW.get(), &pcaw);
  EXPECT_FALSE(pcaw.IsInstalled());
  EXPECT_EQ(pcaw.GetVersion(), "");
  EXPECT_FALSE(pcaw.Connect(file));
  EXPECT_FALSE(pcaw.GetConnection(file).has_value());
}

TEST_F(PcAWTest, PropertiesFindsTheVerbThroughTheShellWithoutTheServer) {
  test::ScratchFolder folder;
  const std::string file = folder.write("Daten\\Filiale 7.chf", "ComputerName=KASSE-07\n");
  const std::string emptyFolder = folder.path() + "\\Leer";
  ASSERT_TRUE(CreateDirectoryA(emptyFolder.c_str(), nullptr));
  struct Case {
    std::string fileName;
    bool found;
  } cases[] = {
      {file, true},
      {UpperCase(file), true},  // the path is compared without case
      {folder.path() + "\\Daten\\Filiale 8.chf", false},
      {folder.path() + "\\Nirgends\\Filiale 7.chf", false},
      {emptyFolder + "\\Filiale 7.chf", false},
      {"Filiale 7.chf", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PcAW().Properties(c.fileName), c.found) << c.fileName;
    // Where the shell opens a property sheet, it must not stay open behind the tests.
    test::CloseNewTopLevelWindows(c.found ? 1500 : 0);
  }
}

TEST(PcAWVerbName, GermanOrEnglishWithAmpersandsAnywhere) {
  struct Case {
    const char* name;
    bool isProperties;
  } cases[] = {
      {"&Properties", true}, {"Prop&erties", true},       {"E&igenschaften", true}, {"&EIGENSCHAFTEN", true},
      {"eigenschaften&", true}, {"&&Properties", true},   {"&Open", false},         {"Properties...", false},
      {"", false},           {"&", false},                {"Eigenschaft", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsPropertiesVerbName(c.name), c.isProperties) << c.name;
}

TEST_F(PcAWTest, EveryEntryReportsItsFileMissingWithoutTheServer) {
  test::ScratchFolder folder;
  const std::string file = folder.write("Filiale 7.chf", "ComputerName=KASSE-07\n");
  ASSERT_TRUE(CreateFolderKey("", "Filialen"));
  ASSERT_TRUE(SetPcAWFile("Filialen\\Zweigstelle", file));
  test::MessageBoxWatcher boxes;
  RegKey key = OpenStoreKey("Filialen");
  std::optional<CpcAWdata> data;
  std::string name;
  ASSERT_EQ(EnumNextPcAWConnection(key, 0, data, name), kEnumMoreEntries);
  EXPECT_EQ(name, "Zweigstelle");
  ASSERT_TRUE(data.has_value());
  EXPECT_EQ(data->FileName, file);
  EXPECT_EQ(data->Name, "Zweigstelle");
  EXPECT_EQ(data->ComputerName, "");
  auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, "VNCCorvana");
  EXPECT_EQ(seen[0].text, "Zweigstelle\r\nDie pcANYWHERE Steuerungsdatei ist nicht vorhanden !\r\n" + file);
  EXPECT_EQ(EnumNextPcAWConnection(key, 1, data, name), kEnumNoMoreEntries);
}

// The version steps read HKEY_CLASSES_ROOT through the registry functions, so a redirected root
// stands in for a registration.
TEST(PcAWVersionText, FromTheRegisteredLocalServerProgram) {
  test::ScratchFolder folder;
  const std::string plain = folder.write("plain.exe", "no version information here");
  const std::string standIn = test::ProgramFolder() + "\\pcaw_stand_in_server.exe";
  struct Case {
    const char* what;
    const char* clsid;      // nullptr: no CLSID sub-key
    std::string server;     // "": no LocalServer32 key
    std::string expected;
  } cases[] = {
      {"no CLSID", nullptr, standIn, ""},
      {"empty CLSID", "", standIn, ""},
      {"no LocalServer32", "{11111111-2222-3333-4444-555555555555}", "", ""},
      {"server with version", "{11111111-2222-3333-4444-555555555555}", standIn,
       "pcaw_stand_in_server.exe Version 10.5.32769.65535"},
      {"quoted server with a switch", "{11111111-2222-3333-4444-555555555555}", "\"" + standIn + "\" /automation",
       "pcaw_stand_in_server.exe Version 10.5.32769.65535"},
      {"server path with blanks", "{11111111-2222-3333-4444-555555555555}", folder.write("Mit Leer\\Ver sion.exe", "x"),
       "Ver sion.exe Version 0.0.0.0"},
      {"server without version", "{11111111-2222-3333-4444-555555555555}", plain, "plain.exe Version 0.0.0.0"},
      {"server missing", "{11111111-2222-3333-4444-555555555555}", folder.path() + "\\WINAWSVR.EXE",
       "WINAWSVR.EXE Version 0.0.0.0"},
  };
  for (const Case& c : cases) {
    test::RegistrySandbox classes(test::RegistrySandbox::ClassesRoot);
    RegKey prog = CreateKey(HKEY_CLASSES_ROOT, "TEST.PCAW.VERSION");
    ASSERT_TRUE(prog) << c.what;
    if (c.clsid) {
      RegKey clsid = CreateKey(prog.get(), "CLSID");
      if (*c.clsid) WriteStringValue(clsid.get(), "", c.clsid);
    }
    if (!c.server.empty())
      WriteSubKeyDefaultValue(HKEY_CLASSES_ROOT, "CLSID\\{11111111-2222-3333-4444-555555555555}\\LocalServer32",
                              c.server);
    EXPECT_EQ(ServerVersionText("TEST.PCAW.VERSION"), c.expected) << c.what;
  }
  EXPECT_EQ(ServerVersionText("TEST.PCAW.NOT.REGISTERED"), "");
}

}  // namespace
}  // namespace corvana
