#pragma once
// The main window frmMain: folder tree, connection list, folder-info panel, toolbar, status bar,
// splitter, timers and the notification-area icon; its life from Load to QueryUnload.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/global_options.h"
#include "core/registry_upgrade.h"
#include "core/vnc_viewer_launch.h"
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

class MainForm : public forms::Form, public MainWindowBackground, public MainWindowMinimizer {
 public:
  explicit MainForm(MainFormServices services = {});
  ~MainForm() override;

  // The controls and menus the window's code uses, looked up once when the form is built, so a
  // wrong name fails at Load and never in the middle of an event.
  struct Parts {
    explicit Parts(const MainForm& f);
    forms::TreeView& tvMain;
    forms::ListView& lstItems;
    forms::ListView& lvCopy;
    forms::Toolbar& Toolbar1;
    forms::StatusBar& StatusBar1;
    forms::Image& imgSplitter;
    forms::PictureBox& picSplitter;
    forms::PictureBox& imgFolderInfo;
    forms::TextBox& txtFolderInfo;
    forms::TextBox& txtConnInfo;
    forms::TextBox& txtItemName;
    forms::TextBox& txtdummy;
    forms::Image& imgItemType;
    forms::PictureBox& picTYPE_FOLDER;
    forms::PictureBox& picTYPE_VNC;
    forms::PictureBox& picTYPE_PCAW;
    forms::PictureBox& picFolder;
    forms::PictureBox& picVNC;
    forms::PictureBox& picPCAW;
    forms::PictureBox& picPlugin;
    forms::PictureBox& Picture1;
    forms::Timer& Timer1;
    forms::Timer& Timer2;
    forms::Menu& mnuDatei;
    forms::Menu& mnuDateiNew;
    forms::Menu& mnuDateiNewFolder;
    forms::Menu& mnuDateiNewConnection;
    forms::Menu& mnuEnd;
    forms::Menu& mnuAnsicht;
    forms::Menu& mnuBigSymbols;
    forms::Menu& mnuShowSbar;
    forms::Menu& mnuShowBackground;
    forms::Menu& mnuShowFolderInfo;
    forms::Menu& mnuPluginManagement;
    forms::Menu& mnuPopUp;
    forms::Menu& mnuCopyConnection;
    forms::Menu& mnuPasteConnection;
    forms::Menu& mnuCutConnection;
    forms::Menu& mnuRootConnect;
    forms::Menu& mnuConnect;
    forms::Menu& mnuConnectWithJava;
    forms::Menu& mnuConnectWithInternalBrowser;
    forms::Menu& mnuFileTransferWithVNCFS;
    forms::Menu& mnuPcAW_Connect;
    forms::Menu& mnuTools;
    forms::Menu& mnuGetRFBVersion;
    forms::Menu& mnuFTP;
    forms::Menu& mnuHTTP;
    forms::Menu& mnuEdit;
    forms::Menu& mnuDelete;
    forms::Menu& mnuRename;
    forms::Menu& mnuNew;
    forms::Menu& mnuPlugin;
    forms::Menu& mnuPopUpFolder;
    forms::Menu& mnuNewFolder;
    forms::Menu& mnuRenameFolder;
    forms::Menu& mnuDeleteFolder;
    forms::Menu& mnuFolderPaste;
    forms::Menu& mnuFolderExpand;
    forms::Menu& mnuPopUpFolderLV;
    forms::Menu& mnuPopUpFolderLV_open;
    forms::Menu& mnuPopUpFolderLV_delete;
    forms::Menu& mnuPopUpFolderLV_copy;
    forms::Menu& mnuPopUpFolderLV_cut;
  };
  // Throws while the form is not loaded.
  const Parts& parts() const;

  forms::TreeView& tvMain() const { return parts().tvMain; }
  forms::ListView& lstItems() const { return parts().lstItems; }
  forms::ListView& lvCopy() const { return parts().lvCopy; }
  forms::Toolbar& Toolbar1() const { return parts().Toolbar1; }
  forms::StatusBar& StatusBar1() const { return parts().StatusBar1; }
  forms::Image& imgSplitter() const { return parts().imgSplitter; }
  forms::PictureBox& picSplitter() const { return parts().picSplitter; }
  forms::PictureBox& imgFolderInfo() const { return parts().imgFolderInfo; }
  forms::TextBox& txtFolderInfo() const { return parts().txtFolderInfo; }
  forms::TextBox& txtConnInfo() const { return parts().txtConnInfo; }
  forms::TextBox& txtItemName() const { return parts().txtItemName; }
  forms::TextBox& txtdummy() const { return parts().txtdummy; }
  forms::Image& imgItemType() const { return parts().imgItemType; }
  forms::PictureBox& Picture1() const { return parts().Picture1; }
  forms::Timer& Timer1() const { return parts().Timer1; }
  forms::Timer& Timer2() const { return parts().Timer2; }
  forms::ImageList& ImageListNamed(const std::string& name) const { return Get<forms::ImageList>(name); }
  TrayIcon* KW_Tray() const { return tray_.get(); }

  // Lays the window out around splitter position X (twips).
  void SizeControls(float X);
  // One mouse pointer on every control; the splitter keeps its sizing arrows.
  void DoMousePointer(int Pointer);

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

  // Event handlers, each group wired and written in the file named; public where other routines
  // of the window call them.
  // main_form.cpp: the window's life.
  void Form_Load();
  void Form_QueryUnload(int& Cancel, int UnloadMode);
  void Form_Resize();
  void Form_MouseMove(int Button, int Shift, int X, int Y);
  void Form_OLEDragDrop(const std::vector<std::string>& Files);
  void Timer2_Timer();
  void mnuEnd_Click();
  // folder_tree.cpp
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
  // connection_list.cpp
  void lstItems_Click();
  void lstItems_DblClick();
  void lstItems_ColumnClick(const forms::ColumnHeaderRef& ColumnHeader);
  void lstItems_AfterLabelEdit(int& Cancel, std::string& NewString);
  void lstItems_KeyUp(int KeyCode, int Shift);
  void lstItems_MouseDown(int Button, int Shift, int X, int Y);
  void lstItems_MouseMove(int Button, int Shift, int X, int Y);
  void lstItems_DragOver(int X, int Y, int State);
  void lstItems_DragDrop(int X, int Y);
  // main_form_layout.cpp: the splitter.
  void imgSplitter_MouseDown(int Button, int Shift, int X, int Y);
  void imgSplitter_MouseMove(int Button, int Shift, int X, int Y);
  void imgSplitter_MouseUp(int Button, int Shift, int X, int Y);
  bool SplitterMoving() const { return splitterMoving_; }
  // list_keys.cpp: the list's command keys.
  void lstItems_KeyDown(int& KeyCode, int Shift);
  // toolbar_commands.cpp
  void Toolbar1_ButtonClick(const forms::ToolbarButtonRef& Button);
  // tray_menu.cpp: the notification-area icon's clicks and menu.
  void KW_Tray_TrayIconClick(int Button);
  // list_popup.cpp: the list's popup menus; ShowListPopup for Item (none: for no item).
  void lstItems_MouseUp(int Button, int Shift, int X, int Y);
  void ShowListPopup(const forms::ListItemRef& Item);
  // connect_commands.cpp
  void mnuConnect_Click();
  void mnuConnectWithInternalBrowser_Click();
  void mnuConnectWithJava_Click();
  void mnuPcAW_Connect_Click();
  void mnuFileTransferWithVNCFS_Click();
  void mnuFTP_Click();
  void mnuHTTP_Click();
  void mnuGetRFBVersion_Click();
  // clipboard.cpp
  void mnuCopyConnection_Click();
  void mnuCutConnection_Click();
  void mnuPasteConnection_Click();
  void mnuFolderPaste_Click();
  void mnuPopUpFolderLV_copy_Click();
  void mnuPopUpFolderLV_cut_Click();
  // delete_commands.cpp
  void mnuDelete_Click();
  void mnuPopUpFolderLV_delete_Click();
  void mnuDeleteFolder_Click();
  // connection_commands.cpp: the connection dialogs and the .vnc import. Folder: the ItemPath the
  // new connection goes into ("" for none).
  void mnuNew_Click();
  void mnuDateiNewConnection_Click();
  void mnuEdit_Click();
  void ShowNewConnectionDialog(const std::string& Folder);
  void ImportVncFile();
  // options_command.cpp
  void ShowOptionsDialog();
  // plugins.cpp
  void mnuPlugin_Click();
  void mnuPluginManagement_Click();
  // about_command.cpp
  void ShowAboutBox();
  // commands.cpp: the menu bar's, the tree popup's and the view commands.
  void mnuDateiNewFolder_Click();
  void mnuNewFolder_Click();
  void mnuRename_Click();
  void mnuRenameFolder_Click();
  void mnuBigSymbols_Click();
  void mnuShowSbar_Click();
  void mnuShowBackground_Click();
  void mnuShowFolderInfo_Click();
  void mnuPopUpFolderLV_open_Click();
  void Toolbar1_DragOver(int X, int Y, int State);
  void Toolbar1_DragDrop(int X, int Y);
  void StatusBar1_DragOver(int X, int Y, int State);
  void StatusBar1_DragDrop(int X, int Y);

  // A window hidden in the notification area comes back normal.
  void RestoreFromTray();

  // MainWindowBackground: what the option reader changes here.
  void SetShowBackgroundChecked(bool checked) override;
  void ClearListPicture() override;
  bool SetListPictureFromFile(const std::string& path) override;
  void SetListPictureFromResource(int bitmapId) override;

  // MainWindowMinimizer: a launch that typed the password minimises the window.
  void MinimizeMainWindow() override { SetWindowState(forms::kMinimized); }

  // The view flags, as their menu items show them.
  void ApplyToolbarImages(bool big);

 protected:
  void ControlsCreated() override;
  void ControlsReleasing() override;

 private:
  // Each concern connects its own controls' events to its handlers, in its own file.
  void WireLifecycle();
  void WireFolderTree();
  void WireConnectionList();
  void WireListKeys();
  void WireToolbar();
  void WireSplitter();
  void WireTrayMenu();
  void WireListPopup();
  void WireConnectCommands();
  void WireClipboard();
  void WireDeleteCommands();
  void WireConnectionCommands();
  void WirePlugins();
  void WireCommands();
  void ApplyDesignProperties();

  MainFormServices services_;
  std::optional<Parts> parts_;
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<forms::FileDropTarget> drop_;
  std::unique_ptr<ListToTreeDrag> drag_;
  bool splitterMoving_ = false;
  // plugins.cpp: the plug-in manager, kept from one showing to the next.
  std::unique_ptr<forms::Form> pluginManager_;
};

}  // namespace corvana
