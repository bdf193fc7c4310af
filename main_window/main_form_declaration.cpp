// frmMain as the designer left it: design geometry in twips, design texts and string-table ids.
#include "main_window/main_form.h"
#include "resources/resource_ids.h"

namespace corvana {
namespace {

using forms::ControlDecl;
using forms::MenuDecl;

ControlDecl Decl(const char* type, const char* name, int left, int top, int width, int height,
                 const char* container = "") {
  ControlDecl d;
  d.type = type;
  d.name = name;
  d.left = left;
  d.top = top;
  d.width = width;
  d.height = height;
  d.container = container;
  return d;
}

ControlDecl Hidden(ControlDecl d) {
  d.visible = false;
  return d;
}

ControlDecl IconList(const char* name, int size, std::vector<forms::ImageDecl> images) {
  ControlDecl d = Decl("ImageList", name, 0, 0, 0, 0);
  d.extras["ImageWidth"] = std::to_string(size);
  d.extras["ImageHeight"] = std::to_string(size);
  d.images = std::move(images);
  return d;
}

struct ToolbarKey {
  const char* key;
  const char* toolTipId;
  int icon;
};
// The ten buttons in their order, with the tooltip ids; separators between the groups.
constexpr ToolbarKey kToolbarKeys[] = {
    {"new", "132", IDI_TOOLBAR_NEW},           {"delete", "133", IDI_TOOLBAR_DELETE},
    {"edit", "134", IDI_TOOLBAR_EDIT},         {"options", "135", IDI_TOOLBAR_OPTIONS},
    {"list", "136", IDI_TOOLBAR_LIST},         {"largeicons", "137", IDI_TOOLBAR_LARGEICONS},
    {"smallicons", "138", IDI_TOOLBAR_SMALLICONS}, {"details", "139", IDI_TOOLBAR_DETAILS},
    {"import", "1033", IDI_TOOLBAR_IMPORT},    {"info", "141", IDI_TOOLBAR_INFO},
};

ControlDecl ToolbarImages(const char* name, int size, bool disabled) {
  std::vector<forms::ImageDecl> images;
  for (const ToolbarKey& k : kToolbarKeys)
    images.push_back({k.key, k.icon + (disabled ? IDI_TOOLBAR_DISABLED_OFFSET : 0), true});
  return IconList(name, size, std::move(images));
}

ControlDecl Toolbar() {
  ControlDecl d = Decl("Toolbar", "Toolbar1", 0, 0, 11400, 420);
  for (const ToolbarKey& k : kToolbarKeys) {
    std::string key = k.key;
    if (key == "options" || key == "list" || key == "import") d.buttons.push_back({"", "", "", 3});
    d.buttons.push_back({k.key, k.toolTipId, k.key});
  }
  return d;
}

MenuDecl Item(const char* name, const char* caption, std::vector<MenuDecl> items = {}) {
  MenuDecl m;
  m.name = name;
  m.caption = caption;
  m.items = std::move(items);
  return m;
}

MenuDecl Separator(const char* name) { return Item(name, "-"); }

MenuDecl PopUp(const char* name, std::vector<MenuDecl> items) {
  MenuDecl m = Item(name, name, std::move(items));
  m.visible = false;  // shown only as a popup menu
  return m;
}

std::vector<MenuDecl> Menus() {
  MenuDecl bigSymbols = Item("mnuBigSymbols", "3008");
  MenuDecl statusBar = Item("mnuShowSbar", "3009");
  statusBar.checked = true;
  MenuDecl folderInfo = Item("mnuShowFolderInfo", "4002");
  folderInfo.checked = true;
  return {
      Item("mnuDatei", "3005",
           {Item("mnuDateiNew", "3025",
                 {Item("mnuDateiNewFolder", "3026"), Item("mnuDateiNewConnection", "3027")}),
            Separator("mnuDateiSep1"), Item("mnuEnd", "3006")}),
      Item("mnuAnsicht", "3007",
           {bigSymbols, statusBar, Item("mnuShowBackground", "3040"), folderInfo, Separator("mnuAnsichtSep1"),
            Item("mnuPluginManagement", "Plugin's...")}),
      PopUp("mnuPopUp",
            {Item("mnuCopyConnection", "3016"), Item("mnuPasteConnection", "3017"), Item("mnuCutConnection", "3018"),
             Separator("mnuPopUpSep1"),
             Item("mnuRootConnect", "3024",
                  {Item("mnuConnect", "146"), Item("mnuConnectWithJava", "2000"),
                   Item("mnuConnectWithInternalBrowser", "1001"), Item("mnuFileTransferWithVNCFS", "1007"),
                   Item("mnuPcAW_Connect", "3043")}),
             Separator("mnuPopUpSep2"),
             Item("mnuTools", "2016",
                  {Item("mnuGetRFBVersion", "2015"), Item("mnuFTP", "2017"), Item("mnuHTTP", "2018")}),
             Separator("mnuPopUpSep3"), Item("mnuEdit", "147"), Item("mnuDelete", "148"), Item("mnuRename", "1018"),
             Item("mnuNew", "151"), Separator("mnuPopUpSep4"), Item("mnuPlugin", "PlugIns...")}),
      PopUp("mnuPopUpFolder",
            {Item("mnuNewFolder", "1015"), Item("mnuRenameFolder", "1018"), Item("mnuDeleteFolder", "1019"),
             Separator("mnuPopUpFolderSep1"), Item("mnuFolderPaste", "3017"), Item("mnuFolderExpand", "3022")}),
      PopUp("mnuPopUpFolderLV",
            {Item("mnuPopUpFolderLV_open", "3030"), Item("mnuPopUpFolderLV_delete", "148"),
             Separator("mnuPopUpFolderLVSep1"), Item("mnuPopUpFolderLV_copy", "3016"),
             Item("mnuPopUpFolderLV_cut", "3018")}),
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
  ControlDecl bar = Hidden(Decl("PictureBox", "picSplitter", 4935, 420, 67, 4825));
  bar.extras["BackColor"] = "0x808080";
  bar.extras["BorderStyle"] = "0";

  ControlDecl panel = Decl("PictureBox", "imgFolderInfo", 4995, 420, 6405, 4845);
  panel.extras["BorderStyle"] = "0";
  ControlDecl folderInfo = Decl("TextBox", "txtFolderInfo", 30, 945, 2430, 315, "imgFolderInfo");
  folderInfo.extras["Locked"] = "1";
  folderInfo.extras["BorderStyle"] = "0";
  ControlDecl itemType = Decl("Image", "imgItemType", 30, 1380, 480, 480, "imgFolderInfo");
  ControlDecl itemName = Decl("TextBox", "txtItemName", 570, 1455, 1890, 315, "imgFolderInfo");
  itemName.extras["Locked"] = "1";
  itemName.extras["BorderStyle"] = "0";
  ControlDecl connInfo = Decl("TextBox", "txtConnInfo", 30, 1980, 2430, 2865, "imgFolderInfo");
  connInfo.extras["Locked"] = "1";
  connInfo.extras["MultiLine"] = "1";
  connInfo.extras["BorderStyle"] = "0";

  ControlDecl list = Decl("ListView", "lstItems", 2460, 0, 3885, 4785, "imgFolderInfo");
  list.extras["View"] = "3";
  list.extras["MultiSelect"] = "1";
  list.extras["LabelEdit"] = "1";
  list.columns = {{"Name", "name", "143", 1440},
                  {"Rechner", "host", "144", 1440},
                  {"Display/Typ", "display", "145", 1200},
                  {"VNC FS Port", "vncfsport", "1006", 1200}};

  ControlDecl status = Decl("StatusBar", "StatusBar1", 0, 5265, 11400, 315);
  status.panels = {{"status", "", 2400, false, true}, {"file", "", 1440, true, true}};
  ControlDecl dummy = Hidden(Decl("TextBox", "txtdummy", 0, 0, 1440, 315));

  ControlDecl timer1 = Decl("Timer", "Timer1", 0, 0, 0, 0);
  timer1.extras["Interval"] = "200";
  timer1.enabled = false;
  ControlDecl timer2 = Decl("Timer", "Timer2", 0, 0, 0, 0);
  timer2.extras["Interval"] = "6000";

  ControlDecl copy = Hidden(Decl("ListView", "lvCopy", 0, 0, 1440, 1440));

  f.controls = {
      ToolbarImages("imglToolbar_SMALL", 16, false),
      ToolbarImages("imglToolbar_SMALL_DIS", 16, true),
      ToolbarImages("imglToolbar_BIG", 32, false),
      ToolbarImages("imglToolbar_BIG_DIS", 32, true),
      IconList("imgLstLstItemsBig", 32,
               {{"folder", IDI_LIST_FOLDER, true}, {"connection", IDI_LIST_CONNECTION, true}, {"pcaw", IDI_LIST_PCAW, true}}),
      IconList("imgLstLstItemsSmall", 16,
               {{"folder", IDI_LIST_FOLDER, true}, {"connection", IDI_LIST_CONNECTION, true}, {"pcaw", IDI_LIST_PCAW, true}}),
      IconList("imglColHeaders", 16, {{"asc", IDI_HEADER_ASC, true}, {"des", IDI_HEADER_DES, true}}),
      IconList("imgLstTreeView", 16, {{"close", IDI_TREE_CLOSE, true}, {"open", IDI_TREE_OPEN, true}}),
      IconList("imgLstIcons", 16, {{"connection", IDI_LIST_CONNECTION, true}}),
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
      Hidden(Decl("PictureBox", "picTYPE_FOLDER", 0, 0, 480, 480)),
      Hidden(Decl("PictureBox", "picTYPE_VNC", 0, 0, 480, 480)),
      Hidden(Decl("PictureBox", "picTYPE_PCAW", 0, 0, 480, 480)),
      Hidden(Decl("PictureBox", "picFolder", 0, 0, 240, 240)),
      Hidden(Decl("PictureBox", "picVNC", 0, 0, 240, 240)),
      Hidden(Decl("PictureBox", "picPCAW", 0, 0, 240, 240)),
      Hidden(Decl("PictureBox", "Picture1", 0, 0, 1440, 300)),
  };
  f.menus = Menus();
  return f;
}

}  // namespace corvana
