#include "core/passwords.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/connection_record.h"
#include "core/message_box.h"
#include "core/string_table.h"
#include "records_fixture.h"
#include "resources/string_ids.h"

using namespace corvana;
using corvana::test::RecordsTest;

namespace {

const std::string kPath = "Team\\Box";

ConnectionRecord BoxRecord(const std::string& password) {
  ConnectionRecord r;
  r.ConnectionName = "Box";
  r.FolderPath = "Team";
  r.Host = "box";
  r.Display = "0";
  r.VNCFSPort = "5900";
  r.Encoding = "hextile";
  r.Password = password;
  return r;
}

// The three routines that store a password, each starting from the folder "Team" alone.
struct Writer {
  const char* name;
  std::function<bool(const std::string&)> store;
};
const Writer kWriters[] = {
    {"CreateConnectionKey", [](const std::string& p) { return CreateConnectionKey(BoxRecord(p)); }},
    {"UpdateConnectionKey",
     [](const std::string& p) {
       const ConnectionRecord old = BoxRecord("vorher");
       return CreateConnectionKey(old) && UpdateConnectionKey(old, BoxRecord(p));
     }},
    {"SavePassword",
     [](const std::string& p) { return CreateConnectionKey(BoxRecord("vorher")) && SavePassword(kPath, p); }},
};

class PasswordTest : public RecordsTest {
 protected:
  void SetUp() override {
    RecordsTest::SetUp();
    ASSERT_TRUE(CreateFolderKey("", "Team"));
  }
  static void Reset() { DeleteKeyTree(kPath); }
};

std::string Bytes(std::initializer_list<int> codes) {
  std::string s;
  for (int c : codes) s += static_cast<char>(c);
  return s;
}

TEST(Scrambling, XorsEachCodeWith255AndUndoesItself) {
  EXPECT_EQ(ScramblePassword("abc"), Bytes({158, 157, 156}));
  EXPECT_EQ(ScramblePassword(""), "");
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  const std::string scrambled = ScramblePassword(all);
  for (int c = 0; c < 256; ++c) EXPECT_EQ(static_cast<unsigned char>(scrambled[c]), 255 - c);
  EXPECT_EQ(UnscramblePassword(scrambled), all);
}

TEST_F(PasswordTest, NoEncryptionSwitchesScramblingOff) {
  struct Case {
    const char* value;  // nullptr: absent
    bool encrypted;
  };
  const Case cases[] = {{nullptr, true}, {"", true}, {"0", true}, {"yes", true}, {"1", false}, {"1 (aus)", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value ? c.value : "absent");
    RegKey root = OpenStoreKey("");
    RegDeleteValueA(root.get(), "NoEncryption");
    if (c.value) WriteRootSetting("NoEncryption", c.value);
    EXPECT_EQ(UseEncryption(), c.encrypted);
  }
}

TEST(UseEncryptionWithoutStore, IsFalse) {
  test::RegistrySandbox sandbox;
  EXPECT_FALSE(UseEncryption());
}

TEST_F(PasswordTest, EachWriterStoresScrambledOrPlain) {
  for (bool plain : {false, true}) {
    if (plain) WriteRootSetting("NoEncryption", "1");
    for (const Writer& w : kWriters) {
      SCOPED_TRACE(std::string(w.name) + (plain ? " plain" : " scrambled"));
      Reset();
      ASSERT_TRUE(w.store("abc"));
      EXPECT_EQ(RawValue(kPath, "Password"), plain ? "abc" : Bytes({158, 157, 156}));
      EXPECT_EQ(ReadPassword(kPath), "abc");
      ConnectionRecord r;
      ASSERT_TRUE(ReadConnection(kPath, r));
      EXPECT_EQ(r.Password, "abc");
    }
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PasswordTest, EveryStorablePasswordRoundTripsExactly) {
  std::string codes;  // every code but NUL and 255, in both orders
  for (int c = 1; c < 255; ++c) codes += static_cast<char>(c);
  const std::string reversed(codes.rbegin(), codes.rend());
  const std::string longest(259, 'x');
  for (bool plain : {false, true}) {
    if (plain) WriteRootSetting("NoEncryption", "1");
    for (const Writer& w : kWriters) {
      for (const std::string& password : {codes.substr(0, 127), codes.substr(127), reversed.substr(0, 200), longest,
                                          std::string("\x80\xE4\xFC")}) {
        SCOPED_TRACE(std::string(w.name) + (plain ? " plain " : " scrambled ") + std::to_string(password.size()));
        Reset();
        ASSERT_TRUE(w.store(password));
        EXPECT_EQ(ReadPassword(kPath), password);
      }
    }
  }
  // Without scrambling the character of code 255 is stored as it is.
  Reset();
  ASSERT_TRUE(kWriters[0].store("a\xFF" "b"));
  EXPECT_EQ(ReadPassword(kPath), "a\xFF" "b");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PasswordTest, PasswordThatWouldComeBackCutIsRefused) {
  const std::string withFF = "ab\xFF" "cd";  // scrambles to a NUL in the middle
  const std::string tooLong(260, 'y');
  for (const std::string& password : {withFF, tooLong}) {
    for (const Writer& w : kWriters) {
      SCOPED_TRACE(std::string(w.name) + " " + std::to_string(password.size()));
      Reset();
      watcher_.clear();
      EXPECT_FALSE(w.store(password));
      auto seen = Messages();
      ASSERT_EQ(seen.size(), 1u);
      EXPECT_EQ(seen[0].title, kProductTitle);
      EXPECT_EQ(seen[0].text, LoadResString(IDS_PASSWORD_NOT_STORABLE));
      if (w.name == std::string("CreateConnectionKey")) {
        EXPECT_FALSE(PathExists(kPath));
      } else {
        EXPECT_EQ(ReadPassword(kPath), "vorher");
      }
    }
  }
}

TEST_F(PasswordTest, RefusedPasswordStopsTheRenameToo) {
  const ConnectionRecord old = BoxRecord("vorher");
  ASSERT_TRUE(CreateConnectionKey(old));
  ConnectionRecord edited = BoxRecord("x\xFF");
  edited.ConnectionName = "Neu";
  EXPECT_FALSE(UpdateConnectionKey(old, edited));
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(PathExists(kPath));
  EXPECT_FALSE(PathExists("Team\\Neu"));
  EXPECT_EQ(ReadPassword(kPath), "vorher");
}

TEST_F(PasswordTest, SavePasswordNeedsAnExistingConnection) {
  EXPECT_FALSE(SavePassword("Team\\Weg", "abc"));
  EXPECT_FALSE(PathExists("Team\\Weg"));
  EXPECT_FALSE(SavePassword("", "abc"));
  EXPECT_EQ(ReadRootSetting("Password"), "");
  EXPECT_EQ(ReadPassword("Team\\Weg"), "");
  EXPECT_TRUE(Messages().empty());
}

// The list colours a connection by HasStoredPassword of its open key where it once read the
// whole password: the two agree under either setting, however the value is stored.
TEST_F(PasswordTest, HasStoredPasswordAgreesWithReadPassword) {
  struct Case {
    const char* label;
    const char* stored;  // nullptr: no value
    size_t size;
    bool has;
  };
  const Case cases[] = {{"absent", nullptr, 0, false},
                        {"empty", "", 0, false},
                        {"one character", "a", 1, true},
                        {"scrambled NUL first", "\xFF", 1, true},
                        {"NUL first", "\0abc", 4, false}};
  for (bool plain : {false, true}) {
    WriteRootSetting("NoEncryption", plain ? "1" : "0");
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.label) + (plain ? " plain" : " scrambled"));
      Reset();
      ASSERT_TRUE(CreateConnectionKey(BoxRecord("")));
      RegKey key = OpenStoreKey(kPath);
      RegDeleteValueA(key.get(), "Password");
      if (c.stored) {
        ASSERT_TRUE(WriteStringValue(key.get(), "Password", std::string(c.stored, c.size)));
      }
      EXPECT_EQ(HasStoredPassword(key.get()), c.has);
      EXPECT_EQ(!ReadPassword(kPath).empty(), c.has);
    }
  }
}

TEST_F(PasswordTest, ChangingNoEncryptionLeavesStoredPasswordsAsTheyAre) {
  ASSERT_TRUE(CreateConnectionKey(BoxRecord("abc")));
  WriteRootSetting("NoEncryption", "1");
  EXPECT_EQ(ReadPassword(kPath), Bytes({158, 157, 156}));
}

}  // namespace
