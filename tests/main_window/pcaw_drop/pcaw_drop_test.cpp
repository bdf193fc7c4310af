// pcAnywhere connection files dropped on the main window, read by the stand-in server: each file
// the server reads becomes an entry of the selected folder, in the store and, when the list shows
// that folder, in the list; a name the store holds already changes nothing; everything else is
// passed over in silence.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/connection_record.h"
#include "core/pcaw.h"
#include "core/registry_store.h"
#include "main_window/folder_tree.h"
#include "main_window_fixture.h"
#include "pcaw_fixture.h"
#include "support/message_box_watcher.h"

namespace corvana::test {
namespace {

const char kShown[] = "Filialen\\Nord";

// What a list item shows, to see that a skipped file changed none.
struct Shown {
  std::string key, text, tag, icon, smallIcon, computer, type;
  bool operator==(const Shown&) const = default;
  friend void PrintTo(const Shown& s, std::ostream* out) {
    *out << "{" << s.key << " | " << s.text << " | " << s.tag << " | " << s.icon << "/" << s.smallIcon << " | "
         << s.computer << " | " << s.type << "}";
  }
};

std::vector<Shown> ListedItems(const forms::ListView& list) {
  std::vector<Shown> items;
  for (int i = 1; i <= list.ItemCount(); ++i) {
    forms::ListItemRef item = list.Item(i);
    items.push_back({item->Key(), item->Text(), item->Tag(), item->Icon(), item->SmallIcon(), item->SubItem(1),
                     item->SubItem(2)});
  }
  return items;
}

int SubKeyCount(const std::string& itemPath) {
  RegKey key = OpenStoreKey(itemPath);
  DWORD count = 0;
  if (!key || RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return -1;
  return static_cast<int>(count);
}

bool IsPcAWEntry(const std::string& itemPath) {
  RegKey key = OpenStoreKey(itemPath);
  return key && IsPcAWEntryKey(key.get());
}

// The store of a branch office: the folder shown holds a VNC connection, a sub-folder and a
// pcAnywhere entry; another folder has an entry that is not listed.
class PcAWDropTest : public MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ole);
    gPcAW.reset();
    ASSERT_TRUE(CreateFolderKey("", "Filialen"));
    ASSERT_TRUE(CreateFolderKey("", kShown));
    ASSERT_TRUE(CreateFolderKey("", std::string(kShown) + "\\Lager"));
    ASSERT_TRUE(CreateFolderKey("", "Zentrale"));
    ConnectionRecord kasse;
    kasse.FolderPath = kShown;
    kasse.ConnectionName = "Kasse 1";
    kasse.Host = "kasse1";
    kasse.Display = "0";
    ASSERT_TRUE(CreateConnectionKey(kasse));
    listedFile = files.write("Alt\\Filiale 7.chf", "ConnectionType=TCP/IP\nComputerName=ALT-07\n");
    ASSERT_TRUE(SetPcAWFile(Key("Filiale 7"), listedFile));
    otherFolderFile = files.write("Zentrale\\Filiale 8.chf", "ComputerName=Z-08\n");
    ASSERT_TRUE(SetPcAWFile("Zentrale\\Filiale 8", otherFolderFile));
    SetRoot("LastOpenFolder", kShown);
  }
  // The gateway holds the server object: it ends before OLE does.
  void TearDown() override { gPcAW.reset(); }

  static std::string Key(const std::string& name) { return std::string(kShown) + "\\" + name; }

  // The window on the folder shown, with its three items.
  MainForm& StartOnShownFolder() {
    MainForm& f = Start();
    forms::NodeRef selected = f.tvMain().SelectedItem();
    EXPECT_TRUE(selected && selected->FullPath() == kShown);
    EXPECT_EQ(f.lstItems().ItemCount(), 3);
    return f;
  }

  // Drops the files on the main window and waits until its handler has taken them.
  void Drop(const std::vector<std::string>& paths) {
    PostDrop(form->hWnd(), paths);
    ASSERT_TRUE(PumpUntil([&] {
      MSG pending;
      return !PeekMessageA(&pending, form->hWnd(), WM_DROPFILES, WM_DROPFILES, PM_NOREMOVE);
    }));
  }

  void ExpectEntry(const std::string& name, const std::string& computer, const std::string& type,
                   const std::string& file) {
    SCOPED_TRACE(name);
    forms::ListItemRef item = form->lstItems().ItemByKey(Key(name));
    ASSERT_TRUE(item);
    EXPECT_EQ(item->Key(), Key(name));
    EXPECT_EQ(item->Text(), name);
    EXPECT_EQ(item->Icon(), "pcaw");
    EXPECT_EQ(item->SmallIcon(), "pcaw");
    EXPECT_EQ(item->Tag(), "PCAW");
    EXPECT_EQ(item->SubItem(1), computer);
    EXPECT_EQ(item->SubItem(2), type);
    EXPECT_EQ(ReadPcAWFile(Key(name)), file);
    EXPECT_TRUE(IsPcAWEntry(Key(name)));
  }

  ScratchFolder files{"pcaw-drop"};
  MessageBoxWatcher boxes;
  std::string listedFile, otherFolderFile;
};

TEST_F(PcAWDropTest, EachFileTheServerReadsBecomesAnEntryOfTheSelectedFolder) {
  struct Case {
    const char* what;
    std::string relative;
    const char* content;  // null: the file is not there
    std::string name;
    bool added;
    const char* computer;
    const char* type;
  } cases[] = {
      // Its name is listed in another folder only.
      {"a connection file", "Filiale 8.chf", "ConnectionType=TCP/IP\nComputerName=KASSE-08\n", "Filiale 8", true,
       "KASSE-08", "TCP/IP"},
      {"a file the server cannot read", "kaputt.chf", "kaputt\n", "kaputt", false, "", ""},
      {"a file for which the server gives Nothing", "leer.chf", "#nothing\n", "leer", false, "", ""},
      {"a file whose object lacks a property", "halb.chf", "-PhoneNumber\n", "halb", false, "", ""},
      {"a file that is not there", "weg.chf", nullptr, "weg", false, "", ""},
      {"a connection file from a folder below", "Modem\\Filiale 9.CHF",
       "ConnectionType=Modem\nComputerName=FILIALE-09\nPhoneNumber=0711 99\n", "Filiale 9", true, "FILIALE-09",
       "Modem"},
      // The first file of that name made the key: this one is skipped.
      {"a second file of the same name", "Zweite\\Filiale 8.chf", "ConnectionType=IPX\nComputerName=ANDERS\n",
       "Filiale 8", false, "", ""},
  };
  std::vector<std::string> paths;
  for (const Case& c : cases)
    paths.push_back(c.content ? files.write(c.relative, c.content) : files.path() + "\\" + c.relative);

  MainForm& f = StartOnShownFolder();
  Drop(paths);

  EXPECT_EQ(f.lstItems().ItemCount(), 3 + 2);
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.what);
    if (c.added) {
      ExpectEntry(c.name, c.computer, c.type, paths[i]);
    } else if (c.name != "Filiale 8") {
      EXPECT_FALSE(f.lstItems().ItemByKey(Key(c.name)) || PathExists(Key(c.name)));
    }
  }
  EXPECT_EQ(SubKeyCount(kShown), 3 + 2);
  EXPECT_EQ(ReadPcAWFile("Zentrale\\Filiale 8"), otherFolderFile);

  // Shown afresh from the store, the entries look as the drop made them.
  RefreshCurrentFolder(f);
  EXPECT_EQ(f.lstItems().ItemCount(), 3 + 2);
  for (size_t i = 0; i < std::size(cases); ++i) {
    if (cases[i].added) ExpectEntry(cases[i].name, cases[i].computer, cases[i].type, paths[i]);
  }
  EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(PcAWDropTest, AFileWhoseKeyIsListedAlreadyChangesNothing) {
  struct Case {
    const char* what;
    std::string relative;
  } cases[] = {
      {"the listed pcAnywhere entry, from another file", "Neu\\Filiale 7.chf"},
      {"the listed pcAnywhere entry, in other case", "Neu\\FILIALE 7.CHF"},
      {"a listed VNC connection", "Kasse 1.chf"},
      {"a listed sub-folder", "lager.chf"},
  };
  std::vector<std::string> paths;
  for (const Case& c : cases) paths.push_back(files.write(c.relative, "ConnectionType=TCP/IP\nComputerName=NEU\n"));

  MainForm& f = StartOnShownFolder();
  const std::vector<Shown> before = ListedItems(f.lstItems());
  Drop(paths);
  EXPECT_EQ(ListedItems(f.lstItems()), before);
  EXPECT_EQ(ReadPcAWFile(Key("Filiale 7")), listedFile);
  EXPECT_TRUE(ConnectionPathExists(Key("Kasse 1")));
  EXPECT_EQ(ReadPcAWFile(Key("Kasse 1")), "");
  EXPECT_EQ(ReadPcAWFile(Key("Lager")), "");
  EXPECT_EQ(SubKeyCount(kShown), 3);

  // An entry the window added itself is listed as well: the same name dropped again is skipped.
  const std::string first = files.write("Filiale 10.chf", "ConnectionType=TCP/IP\nComputerName=KASSE-10\n");
  Drop({first});
  ExpectEntry("Filiale 10", "KASSE-10", "TCP/IP", first);
  const std::vector<Shown> withFirst = ListedItems(f.lstItems());
  ASSERT_EQ(withFirst.size(), before.size() + 1);
  Drop({first, files.write("Nochmal\\Filiale 10.chf", "ConnectionType=Modem\nComputerName=ANDERS\n")});
  EXPECT_EQ(ListedItems(f.lstItems()), withFirst);
  EXPECT_EQ(ReadPcAWFile(Key("Filiale 10")), first);
  EXPECT_TRUE(boxes.seen().empty());
}

// The selected node and the list can show different folders (a right click selects a node without
// opening it), and a stored connection without a host is never listed: the store decides.
TEST_F(PcAWDropTest, ANameTakenInTheStoreIsLeftAloneWhateverTheListShows) {
  ConnectionRecord kasse9;
  kasse9.FolderPath = "Zentrale";
  kasse9.ConnectionName = "Kasse 9";
  kasse9.Host = "kasse9";
  kasse9.Display = "0";
  ASSERT_TRUE(CreateConnectionKey(kasse9));
  ConnectionRecord hostless;
  hostless.FolderPath = kShown;
  hostless.ConnectionName = "Ohne Host";
  hostless.Display = "0";
  ASSERT_TRUE(CreateConnectionKey(hostless));

  MainForm& f = StartOnShownFolder();
  const std::vector<Shown> before = ListedItems(f.lstItems());
  ASSERT_FALSE(f.lstItems().ItemByKey(Key("Ohne Host")));
  Drop({files.write("Ohne Host.chf", "ConnectionType=TCP/IP\nComputerName=NEU\n")});
  EXPECT_EQ(ListedItems(f.lstItems()), before);
  EXPECT_EQ(ReadPcAWFile(Key("Ohne Host")), "");

  forms::NodeRef zentrale = f.tvMain().NodeByKey("Zentrale");
  ASSERT_TRUE(zentrale);
  zentrale->SetSelected(true);
  ASSERT_EQ(f.lstItems().Tag(), kShown);
  Drop({files.write("Kasse 9.chf", "ConnectionType=TCP/IP\nComputerName=NEU\n"),
        files.write("Filiale 12.chf", "ConnectionType=TCP/IP\nComputerName=KASSE-12\n")});
  EXPECT_EQ(ListedItems(f.lstItems()), before);
  EXPECT_EQ(ReadPcAWFile("Zentrale\\Kasse 9"), "");
  EXPECT_FALSE(IsPcAWEntry("Zentrale\\Kasse 9"));
  RegKey zentraleKey = OpenStoreKey("Zentrale");
  std::string name;
  std::vector<std::string> connections;
  for (long i = 0; EnumNextVncConnection(zentraleKey, i, name) == kEnumMoreEntries; ++i)
    if (!name.empty()) connections.push_back(name);
  EXPECT_EQ(connections, std::vector<std::string>{"Kasse 9"});
  // A free name becomes an entry of the selected folder, in the store only.
  EXPECT_TRUE(IsPcAWEntry("Zentrale\\Filiale 12"));
  EXPECT_FALSE(f.lstItems().ItemByKey("Zentrale\\Filiale 12"));
  EXPECT_TRUE(boxes.seen().empty());
}

TEST_F(PcAWDropTest, WithoutASelectedFolderTheDropIsIgnored) {
  const std::string file = files.write("Filiale 11.chf", "ConnectionType=TCP/IP\nComputerName=KASSE-11\n");
  MainForm& f = StartOnShownFolder();
  TreeView_SelectItem(f.tvMain().hWnd(), nullptr);
  ASSERT_FALSE(f.tvMain().SelectedItem());
  const std::vector<Shown> before = ListedItems(f.lstItems());
  Drop({file});
  EXPECT_EQ(ListedItems(f.lstItems()), before);
  EXPECT_FALSE(PathExists(Key("Filiale 11")));
  EXPECT_FALSE(PathExists("Filiale 11"));
  EXPECT_EQ(SubKeyCount(""), 2);
  EXPECT_EQ(SubKeyCount(kShown), 3);
  EXPECT_TRUE(boxes.seen().empty());
}

}  // namespace
}  // namespace corvana::test
