// frmMain as the designer left it: design geometry in twips, design texts and string-table ids.
#include "forms/declaration_builder.h"
#include "main_window/main_form.h"
#include "resources/icon_ids.h"
#include "resources/id_text.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

using forms::ControlDecl;
using forms::Decl;
using forms::ImageListDecl;
using forms::MenuDecl;
using forms::MenuItem;
using forms::MenuSeparator;
using forms::PopupOnlyMenu;

struct ToolbarKey {
  const char* key;
  int toolTipId;
  int icon;
};
// The ten buttons in their order, with the tooltip ids; separators between the groups.
constexpr ToolbarKey kToolbarKeys[] = {
    {"new", IDS_TIP_NEW_CONNECTION, IDI_TOOLBAR_NEW},           {"delete", IDS_TIP_DELETE, IDI_TOOLBAR_DELETE},
    {"edit", IDS_TIP_EDIT, IDI_TOOLBAR_EDIT},         {"options", IDS_TIP_OPTIONS, IDI_TOOLBAR_OPTIONS},
    {"list", IDS_TIP_LIST, IDI_TOOLBAR_LIST},         {"largeicons", IDS_TIP_LARGE_ICONS, IDI_TOOLBAR_LARGEICONS},
    {"smallicons", IDS_TIP_SMALL_ICONS, IDI_TOOLBAR_SMALLICONS}, {"details", IDS_TIP_DETAILS, IDI_TOOLBAR_DETAILS},
    {"import", IDS_TIP_IMPORT, IDI_TOOLBAR_IMPORT},    {"info", IDS_TIP_ABOUT, IDI_TOOLBAR_INFO},
};

ControlDecl ToolbarImages(const char* name, int size, bool disabled) {
  std::vector<forms::ImageDecl> images;
  for (const ToolbarKey& k : kToolbarKeys)
    images.push_back({k.key, k.icon + (disabled ? IDI_TOOLBAR_DISABLED_OFFSET : 0), true});
  return ImageListDecl(name, size, std::move(images));
}

ControlDecl Toolbar() {
  ControlDecl d = Decl("Toolbar", "Toolbar1", 0, 0, 11400, 420);
  for (const ToolbarKey& k : kToolbarKeys) {
    std::string key = k.key;
    if (key == "options" || key == "list" || key == "import") d.buttons.push_back({"", "", "", 3});
    d.buttons.push_back({k.key, IdText(k.toolTipId), k.key});
  }
  return d;
}

std::vector<MenuDecl> Menus() {
  MenuDecl bigSymbols = MenuItem("mnuBigSymbols", IdText(IDS_MENU_LARGE_ICONS));
  MenuDecl statusBar = MenuItem("mnuShowSbar", IdText(IDS_MENU_STATUS_BAR));
  statusBar.checked = true;
  MenuDecl folderInfo = MenuItem("mnuShowFolderInfo", IdText(IDS_MENU_FOLDER_INFO));
  folderInfo.checked = true;
  return {
      MenuItem("mnuDatei", IdText(IDS_MENU_FILE),
               {MenuItem("mnuDateiNew", IdText(IDS_MENU_FILE_NEW),
                         {MenuItem("mnuDateiNewFolder", IdText(IDS_MENU_FILE_NEW_FOLDER)), MenuItem("mnuDateiNewConnection", IdText(IDS_MENU_FILE_NEW_CONNECTION))}),
                MenuSeparator("mnuDateiSep1"), MenuItem("mnuEnd", IdText(IDS_MENU_EXIT))}),
      MenuItem("mnuAnsicht", IdText(IDS_MENU_VIEW),
               {bigSymbols, statusBar, MenuItem("mnuShowBackground", IdText(IDS_MENU_BACKGROUND)), folderInfo,
                MenuSeparator("mnuAnsichtSep1"), MenuItem("mnuPluginManagement", "Plugin's...")}),
      PopupOnlyMenu("mnuPopUp",
                    {MenuItem("mnuCopyConnection", IdText(IDS_MENU_COPY)), MenuItem("mnuPasteConnection", IdText(IDS_MENU_PASTE)),
                     MenuItem("mnuCutConnection", IdText(IDS_MENU_CUT)), MenuSeparator("mnuPopUpSep1"),
                     MenuItem("mnuRootConnect", IdText(IDS_MENU_CONNECT_WITH),
                              {MenuItem("mnuConnect", IdText(IDS_MENU_CONNECT_VIEWER)), MenuItem("mnuConnectWithJava", IdText(IDS_MENU_CONNECT_JAVA)),
                               MenuItem("mnuConnectWithInternalBrowser", IdText(IDS_MENU_CONNECT_BROWSER)),
                               MenuItem("mnuFileTransferWithVNCFS", IdText(IDS_MENU_CONNECT_FILESERVER)), MenuItem("mnuPcAW_Connect", IdText(IDS_MENU_CONNECT_PCAW))}),
                     MenuSeparator("mnuPopUpSep2"),
                     MenuItem("mnuTools", IdText(IDS_MENU_TOOLS),
                              {MenuItem("mnuGetRFBVersion", IdText(IDS_MENU_RFB_VERSION)), MenuItem("mnuFTP", IdText(IDS_MENU_FTP)),
                               MenuItem("mnuHTTP", IdText(IDS_MENU_HTTP))}),
                     MenuSeparator("mnuPopUpSep3"), MenuItem("mnuEdit", IdText(IDS_MENU_EDIT)), MenuItem("mnuDelete", IdText(IDS_MENU_DELETE)),
                     MenuItem("mnuRename", IdText(IDS_MENU_RENAME)), MenuItem("mnuNew", IdText(IDS_MENU_NEW_CONNECTION)), MenuSeparator("mnuPopUpSep4"),
                     MenuItem("mnuPlugin", "PlugIns...")}),
      PopupOnlyMenu("mnuPopUpFolder",
                    {MenuItem("mnuNewFolder", IdText(IDS_MENU_FOLDER_NEW)), MenuItem("mnuRenameFolder", IdText(IDS_MENU_RENAME)),
                     MenuItem("mnuDeleteFolder", IdText(IDS_MENU_FOLDER_DELETE)), MenuSeparator("mnuPopUpFolderSep1"),
                     MenuItem("mnuFolderPaste", IdText(IDS_MENU_PASTE)), MenuItem("mnuFolderExpand", IdText(IDS_MENU_EXPAND))}),
      PopupOnlyMenu("mnuPopUpFolderLV",
                    {MenuItem("mnuPopUpFolderLV_open", IdText(IDS_MENU_OPEN)), MenuItem("mnuPopUpFolderLV_delete", IdText(IDS_MENU_DELETE)),
                     MenuSeparator("mnuPopUpFolderLVSep1"), MenuItem("mnuPopUpFolderLV_copy", IdText(IDS_MENU_COPY)),
                     MenuItem("mnuPopUpFolderLV_cut", IdText(IDS_MENU_CUT))}),
  };
}

}  // namespace

// Design layout: the client area is 11400 x 5580 twips; the splitter stands at 4935, the tree
// ends 40 before it and the panel begins 60 after it.
forms::FormDecl MainFormDeclaration() {
  forms::FormDecl f;
  f.name = "frmMain";
  f.caption = "VNC Corvana";
  f.clientWidth = 11400;
  f.clientHeight = 5580;
  f.keyPreview = false;
  f.iconResource = IDI_PROGRAM;

  ControlDecl tree = Decl("TreeView", "tvMain", 0, 420, 4895, 4845);
  tree.extras["LabelEdit"] = "1";  // manual: started by the rename command
  ControlDecl splitter = Decl("Image", "imgSplitter", 4935, 420, 135, 4845);
  ControlDecl bar = Decl("PictureBox", "picSplitter", 4935, 420, 67, 4825).Hidden();
  bar.extras["BackColor"] = "0x808080";
  bar.extras["BorderStyle"] = "0";

  ControlDecl panel = Decl("PictureBox", "imgFolderInfo", 4995, 420, 6405, 4845);
  panel.extras["BorderStyle"] = "0";
  ControlDecl folderInfo = Decl("TextBox", "txtFolderInfo", 30, 945, 2430, 315).In("imgFolderInfo");
  folderInfo.extras["Locked"] = "1";
  folderInfo.extras["BorderStyle"] = "0";
  ControlDecl itemType = Decl("Image", "imgItemType", 30, 1380, 480, 480).In("imgFolderInfo");
  ControlDecl itemName = Decl("TextBox", "txtItemName", 570, 1455, 1890, 315).In("imgFolderInfo");
  itemName.extras["Locked"] = "1";
  itemName.extras["BorderStyle"] = "0";
  ControlDecl connInfo = Decl("TextBox", "txtConnInfo", 30, 1980, 2430, 2865).In("imgFolderInfo");
  connInfo.extras["Locked"] = "1";
  connInfo.extras["MultiLine"] = "1";
  connInfo.extras["BorderStyle"] = "0";

  ControlDecl list = Decl("ListView", "lstItems", 2460, 0, 3885, 4785).In("imgFolderInfo");
  list.extras["View"] = "3";
  list.extras["MultiSelect"] = "1";
  list.extras["LabelEdit"] = "1";
  list.columns = {{"Name", "name", IdText(IDS_COLUMN_NAME), 1440},
                  {"Rechner", "host", IdText(IDS_COLUMN_HOST), 1440},
                  {"Display/Typ", "display", IdText(IDS_COLUMN_DISPLAY), 1200},
                  {"VNC FS Port", "vncfsport", IdText(IDS_COLUMN_VNC_FS_PORT), 1200}};

  ControlDecl status = Decl("StatusBar", "StatusBar1", 0, 5265, 11400, 315);
  status.panels = {{"status", "", 2400, false, true}, {"file", "", 1440, true, true}};
  ControlDecl dummy = Decl("TextBox", "txtdummy", 0, 0, 1440, 315).Hidden();

  ControlDecl timer1 = Decl("Timer", "Timer1", 0, 0, 0, 0);
  timer1.extras["Interval"] = "200";
  timer1.enabled = false;
  ControlDecl timer2 = Decl("Timer", "Timer2", 0, 0, 0, 0);
  timer2.extras["Interval"] = "6000";

  ControlDecl copy = Decl("ListView", "lvCopy", 0, 0, 1440, 1440).Hidden();

  f.controls = {
      ToolbarImages("imglToolbar_SMALL", 16, false),
      ToolbarImages("imglToolbar_SMALL_DIS", 16, true),
      ToolbarImages("imglToolbar_BIG", 32, false),
      ToolbarImages("imglToolbar_BIG_DIS", 32, true),
      ImageListDecl("imgLstLstItemsBig", 32,
                    {{"folder", IDI_LIST_FOLDER, true}, {"connection", IDI_LIST_CONNECTION, true},
                     {"pcaw", IDI_LIST_PCAW, true}}),
      ImageListDecl("imgLstLstItemsSmall", 16,
                    {{"folder", IDI_LIST_FOLDER, true}, {"connection", IDI_LIST_CONNECTION, true},
                     {"pcaw", IDI_LIST_PCAW, true}}),
      ImageListDecl("imglColHeaders", 16, {{"asc", IDI_HEADER_ASC, true}, {"des", IDI_HEADER_DES, true}}),
      ImageListDecl("imgLstTreeView", 16, {{"close", IDI_TREE_CLOSE, true}, {"open", IDI_TREE_OPEN, true}}),
      ImageListDecl("imgLstIcons", 16, {{"connection", IDI_LIST_CONNECTION, true}}),
      Toolbar(),
      tree,
      splitter,
      panel,
      folderInfo,
      itemType,
      itemName,
      connInfo,
      list,
      bar,
      status,
      dummy,
      timer1,
      timer2,
      copy,
      Decl("PictureBox", "picTYPE_FOLDER", 0, 0, 480, 480).Hidden(),
      Decl("PictureBox", "picTYPE_VNC", 0, 0, 480, 480).Hidden(),
      Decl("PictureBox", "picTYPE_PCAW", 0, 0, 480, 480).Hidden(),
      Decl("PictureBox", "picFolder", 0, 0, 240, 240).Hidden(),
      Decl("PictureBox", "picVNC", 0, 0, 240, 240).Hidden(),
      Decl("PictureBox", "picPCAW", 0, 0, 240, 240).Hidden(),
      Decl("PictureBox", "picPlugin", 0, 0, 240, 240).Hidden(),
      Decl("PictureBox", "Picture1", 0, 0, 1440, 300).Hidden(),
  };
  f.menus = Menus();
  return f;
}

}  // namespace corvana
