// Files dropped from the shell: the window's drop message reaches the form's handler with every
// path, and the main window adds no entry for a file that is no pcAnywhere connection file.
#include "core/pcaw.h"
#include "forms/file_drop.h"
#include "main_window_fixture.h"
#include "support/message_box_watcher.h"

namespace corvana::test {
namespace {

TEST(FileDrop, TheDroppedPathsReachTheHandlerInOrder) {
  forms::FormDecl decl;
  decl.name = "frmDrop";
  forms::Form form(decl);
  form.LoadForm();
  form.Show();
  std::vector<std::vector<std::string>> drops;
  {
    forms::FileDropTarget target(form);
    EXPECT_TRUE(GetWindowLongA(form.hWnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    target.OLEDragDrop = [&](const std::vector<std::string>& files) { drops.push_back(files); };
    PostDrop(form.hWnd(), {"C:\\a\\eins.chf", "C:\\b\\zwei.chf"});
    ASSERT_TRUE(PumpUntil([&] { return !drops.empty(); }));
    EXPECT_EQ(drops[0], (std::vector<std::string>{"C:\\a\\eins.chf", "C:\\b\\zwei.chf"}));
  }
  // After the target the form takes no more files.
  EXPECT_FALSE(GetWindowLongA(form.hWnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

using MainWindowDropTest = MainWindowTest;

TEST_F(MainWindowDropTest, AFileThatIsNoConnectionFileAddsNothingAndSaysNothing) {
  MessageBoxWatcher boxes;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string file = std::string(temp) + "corvana-drop-" + std::to_string(GetCurrentProcessId()) + ".txt";
  HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  // Plain text, which the stand-in server of the pcAnywhere tests rejects as well: it may be
  // registered while this runs, and it reads an empty file as a connection without values.
  const char text[] = "Notizen\r\n";
  DWORD written = 0;
  WriteFile(h, text, sizeof text - 1, &written, nullptr);
  CloseHandle(h);
  MainForm& f = Start();
  ASSERT_NE(f.tvMain().SelectedItem(), nullptr);
  const int before = f.lstItems().ItemCount();
  PostDrop(f.hWnd(), {file});
  Pump();
  Pump();
  EXPECT_EQ(f.lstItems().ItemCount(), before);
  EXPECT_TRUE(boxes.seen().empty());
  DeleteFileA(file.c_str());
  gPcAW.reset();
}

}  // namespace
}  // namespace corvana::test
