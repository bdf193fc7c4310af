#include "core/message_box.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/string_table.h"
#include "resources/string_ids.h"
#include "support/message_box_watcher.h"

using namespace corvana;

namespace {

TEST(MessageBox, TakesTextFromTheTableAndTheTitleRules) {
  test::MessageBoxWatcher watcher(IDYES);
  EXPECT_EQ(ShowMessageId(IDS_KEY_NOT_OPENED, MB_YESNO | MB_ICONQUESTION, kProductTitle, "\nSoftware\\X"), IDYES);
  EXPECT_EQ(ShowMessage("plain", MB_OK), IDYES == IDOK ? IDOK : IDYES);
  auto seen = watcher.seen();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].title, "VNC Corvana");
  EXPECT_NE(seen[0].text.find(LoadResString(IDS_KEY_NOT_OPENED) + "\n" + "Software\\X"), std::string::npos)
      << seen[0].text;
  EXPECT_EQ(seen[1].title, "VNCCorvana");
}

// The tests read a message's icon through the watcher; it must tell every style apart.
TEST(MessageBox, ShowsTheIconOfItsStyle) {
  const std::pair<UINT, test::MessageIcon> cases[] = {{MB_ICONERROR, test::MessageIcon::Critical},
                                                      {MB_ICONQUESTION, test::MessageIcon::Question},
                                                      {MB_ICONEXCLAMATION, test::MessageIcon::Exclamation},
                                                      {MB_ICONINFORMATION, test::MessageIcon::Information},
                                                      {0, test::MessageIcon::None}};
  test::MessageBoxWatcher watcher;
  for (const auto& [style, icon] : cases) {
    SCOPED_TRACE(style);
    watcher.clear();
    ShowMessage("icon", MB_OK | style);
    auto seen = watcher.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].icon, icon);
  }
}

TEST(StringTable, UnknownIdReadsEmpty) {
  EXPECT_EQ(LoadResString(9), "");
  EXPECT_EQ(LoadResString(-1), "");
  EXPECT_FALSE(LoadResString(IDS_KEY_NOT_OPENED).empty());
}

}  // namespace
