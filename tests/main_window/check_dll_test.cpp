// The component check: status lines, the fatal message for a missing library, and the end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/string_table.h"
#include "main_window/check_dll.h"
#include "resources/string_ids.h"
#include "support/message_box_watcher.h"

namespace corvana::test {
namespace {

struct RecordingSteps : StartUpSteps {
  struct Line {
    std::string text;
    bool repaint;
  };
  std::vector<Line> lines;
  std::vector<std::string> order;
  void ShowStatus(const std::string& text, bool repaint) override { lines.push_back({text, repaint}); }
  void ShowMainWindow() override { order.push_back("main"); }
  void UnloadSplash() override { order.push_back("unload"); }
  void EndProgram() override { order.push_back("end"); }
};

TEST(CheckDll, TheTableHasTheNineComponentsInOrder) {
  auto rows = RequiredLibraries();
  ASSERT_EQ(rows.size(), 9u);
  const char* loaded[] = {"kw_trayicon.ocx", "comdlg32.ocx", "shdocvw.dll", "mswinsck.ocx", "mscomctl.ocx",
                          "mscomct2.ocx",    "stdole2.tlb",  "shell32.dll", "pinglet.ocx"};
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_STREQ(rows[i].fileLoaded, loaded[i]);
  EXPECT_STREQ(rows[0].fileInMessage, "KW_TrayIcon.ocx");
  EXPECT_STREQ(rows[0].description, "OKW TrayIcon Control");
  EXPECT_STREQ(rows[1].description, rows[4].description);
}

TEST(CheckDll, AMissingFirstLibraryEndsTheProgramWithTheMessageNamingIt) {
  MessageBoxWatcher boxes;
  const RequiredLibrary table[] = {{"kw_trayicon_missing.ocx", "OKW TrayIcon Control", "KW_TrayIcon.ocx"},
                                   {"shell32.dll", "Microsoft Shell Controls and Automation", "shell32.dll"}};
  RecordingSteps steps;
  EXPECT_FALSE(CheckRequiredLibraries(table, steps));
  ASSERT_EQ(steps.lines.size(), 2u);
  const std::string line = LoadResString(IDS_LOADING) + "kw_trayicon_missing.ocx (OKW TrayIcon Control) ...";
  EXPECT_EQ(steps.lines[0].text, line);
  EXPECT_TRUE(steps.lines[0].repaint);
  EXPECT_EQ(steps.lines[1].text, line + LoadResString(IDS_NOT_FOUND));
  EXPECT_EQ(steps.order, (std::vector<std::string>{"unload", "end"}));
  auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, "VNC Corvana");
  EXPECT_EQ(seen[0].text,
            LoadResString(IDS_LIBRARY_NOT_LOADED) + " 'KW_TrayIcon.ocx' !\r\n" + LoadResString(IDS_CHECK_INSTALLATION));
  EXPECT_NE(seen[0].text.find(":  'KW_TrayIcon.ocx' !"), std::string::npos);
}

TEST(CheckDll, EveryRowLoadsOnThisPlatformAndTheMainWindowFollows) {
  MessageBoxWatcher boxes;
  RecordingSteps steps;
  // The two control libraries lie beside the test program as beside VNCCorvana.exe.
  EXPECT_TRUE(CheckRequiredLibraries(steps));
  EXPECT_TRUE(boxes.seen().empty());
  ASSERT_EQ(steps.lines.size(), 19u);
  for (size_t i = 0; i < 9; ++i) {
    const RequiredLibrary& row = RequiredLibraries()[i];
    EXPECT_EQ(steps.lines[2 * i + 1].text,
              LoadResString(IDS_LOADING) + row.fileLoaded + " (" + row.description + ") ...Okay.");
  }
  EXPECT_EQ(steps.lines.back().text, LoadResString(IDS_LOADING_MAIN_WINDOW));
  EXPECT_EQ(steps.order, (std::vector<std::string>{"main", "unload"}));
}

TEST(CheckDll, APlatformRowFallsBackOnlyToTheFileThatProvidesItsCapability) {
  MessageBoxWatcher boxes;
  RecordingSteps steps;
  const RequiredLibrary provided{"absent_control.ocx", "Windows Common Controls", "absent_control.ocx", "comctl32.dll"};
  const RequiredLibrary missing{"absent_control.ocx", "Windows Common Controls", "absent_control.ocx",
                                "absent_platform.dll"};
  EXPECT_TRUE(TryLoadLibrary(provided, steps));
  EXPECT_EQ(steps.lines.back().text,
            LoadResString(IDS_LOADING) + "absent_control.ocx (Windows Common Controls) ...Okay.");
  EXPECT_FALSE(TryLoadLibrary(missing, steps));
  EXPECT_TRUE(boxes.seen().empty());
}

}  // namespace
}  // namespace corvana::test
