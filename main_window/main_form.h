#pragma once
// The main window frmMain: folder tree, connection list, folder-info panel, toolbar, status bar,
// splitter, timers and the notification-area icon; its life from Load to QueryUnload.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/global_options.h"
#include "core/registry_upgrade.h"
#include "win/handles.h"
#include "forms/bar_controls.h"
#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/image_list.h"
#include "forms/list_view.h"
#include "forms/picture_controls.h"
#include "forms/timer_control.h"
#include "forms/tree_view.h"
#include "main_window/tray_icon.h"

namespace corvana::forms {
class FileDropTarget;
}

namespace corvana {

class ListToTreeDrag;

forms::FormDecl MainFormDeclaration();

// Twips between the tree's right edge and the splitter.
inline constexpr int kTreeGap = 40;

// What the main window is given by whoever starts it.
struct MainFormServices {
  std::function<std::unique_ptr<TrayIcon>()> createTray = CreateHostedTrayIcon;
  // The splash's status line while the layout upgrade runs; none: the upgrade shows nothing.
  UpgradeStatusLine* statusLine = nullptr;
  // What QueryUnload does last; the program's default leaves the message loop.
  std::function<void()> endProgram = [] { PostQuitMessage(0); };
};

class MainForm : public forms::Form, public MainWindowBackground {
 public:
  explicit MainForm(MainFormServices services = {});
  ~MainForm() override;

  // Lays the window out around splitter position X (twips).
  void SizeControls(float X);
  // One mouse pointer on every control; the splitter keeps its sizing arrows.
  void DoMousePointer(int Pointer);

  // The controls, once loaded.
  forms::TreeView& tvMain() const { return Get<forms::TreeView>("tvMain"); }
  forms::ListView& lstItems() const { return Get<forms::ListView>("lstItems"); }
  forms::ListView& lvCopy() const { return Get<forms::ListView>("lvCopy"); }
  forms::Toolbar& Toolbar1() const { return Get<forms::Toolbar>("Toolbar1"); }
  forms::StatusBar& StatusBar1() const { return Get<forms::StatusBar>("StatusBar1"); }
  forms::Image& imgSplitter() const { return Get<forms::Image>("imgSplitter"); }
  forms::PictureBox& picSplitter() const { return Get<forms::PictureBox>("picSplitter"); }
  forms::PictureBox& imgFolderInfo() const { return Get<forms::PictureBox>("imgFolderInfo"); }
  forms::TextBox& txtFolderInfo() const { return Get<forms::TextBox>("txtFolderInfo"); }
  forms::TextBox& txtConnInfo() const { return Get<forms::TextBox>("txtConnInfo"); }
  forms::TextBox& txtItemName() const { return Get<forms::TextBox>("txtItemName"); }
  forms::TextBox& txtdummy() const { return Get<forms::TextBox>("txtdummy"); }
  forms::Timer& Timer1() const { return Get<forms::Timer>("Timer1"); }
  forms::Timer& Timer2() const { return Get<forms::Timer>("Timer2"); }
  forms::ImageList& ImageListNamed(const std::string& name) const { return Get<forms::ImageList>(name); }
  TrayIcon* KW_Tray() const { return tray_.get(); }
  HICON Icon() const { return icon_.get(); }

  // The internal clipboard's state.
  bool HasClip = false;
  bool CutMode = false;
  forms::ListView* ClipItems = nullptr;

  // The list-to-tree drag: the item moved, the last position above the tree (twips) and the
  // scroll direction of Timer1; the new-folder command's place.
  forms::ListItemRef DragListItem;
  float DragPosX = 0, DragPosY = 0;
  bool AutoScrollUp = false;
  bool NewFolderFromFileMenu = false;
  ListToTreeDrag& Drag() const { return *drag_; }

  // Event handlers; public where other routines of the window call them.
  void Form_Load();
  void Form_QueryUnload(int& Cancel, int UnloadMode);
  void Form_Resize();
  void Form_MouseMove(int Button, int Shift, int X, int Y);
  void Form_OLEDragDrop(const std::vector<std::string>& Files);
  void Timer2_Timer();
  void KW_Tray_TrayIconClick(int Button);
  void tvMain_Expand(const forms::NodeRef& Node);
  void tvMain_Collapse(const forms::NodeRef& Node);
  void tvMain_NodeClick(const forms::NodeRef& Node);
  void tvMain_AfterLabelEdit(int& Cancel, std::string& NewString);
  void tvMain_KeyUp(int KeyCode, int Shift);
  void tvMain_MouseDown(int Button, int Shift, int X, int Y);
  void tvMain_MouseMove(int Button, int Shift, int X, int Y);
  void tvMain_DragOver(int X, int Y, int State);
  void tvMain_DragDrop(int X, int Y);
  void Timer1_Timer();
  void mnuFolderExpand_Click();
  void lstItems_Click();
  void lstItems_DblClick();
  void lstItems_ColumnClick(const forms::ColumnHeaderRef& ColumnHeader);
  void lstItems_AfterLabelEdit(int& Cancel, std::string& NewString);
  void lstItems_KeyDown(int& KeyCode, int Shift);
  void lstItems_KeyUp(int KeyCode, int Shift);
  void lstItems_MouseDown(int Button, int Shift, int X, int Y);
  void lstItems_MouseMove(int Button, int Shift, int X, int Y);
  void lstItems_DragOver(int X, int Y, int State);
  void lstItems_DragDrop(int X, int Y);
  // Commands of later work that the list and the tree already call (main_window/command_hooks.cpp).
  void mnuConnectWithInternalBrowser_Click();
  void mnuConnectWithJava_Click();
  void mnuDeleteFolder_Click();
  void imgSplitter_MouseDown(int Button, int Shift, int X, int Y);
  void imgSplitter_MouseMove(int Button, int Shift, int X, int Y);
  void imgSplitter_MouseUp(int Button, int Shift, int X, int Y);
  void mnuEnd_Click();
  bool SplitterMoving() const { return splitterMoving_; }

  // MainWindowBackground: what the option reader changes here.
  void SetShowBackgroundChecked(bool checked) override;
  void ClearListPicture() override;
  bool SetListPictureFromFile(const std::string& path) override;
  void SetListPictureFromResource(int bitmapId) override;

  // The view flags, as their menu items show them.
  void ApplyToolbarImages(bool big);

 private:
  void WireEvents();
  void ApplyDesignProperties();
  void RestoreFromTray();

  MainFormServices services_;
  std::unique_ptr<TrayIcon> tray_;
  IconHandle icon_;
  std::unique_ptr<forms::FileDropTarget> drop_;
  std::unique_ptr<ListToTreeDrag> drag_;
  bool splitterMoving_ = false;
};

}  // namespace corvana
