// Shows a main window and a dialog built the way the program's windows are, for a screenshot:
// writes the file named by its first argument once both are drawn, and ends when the file
// named by its second argument appears (or after a minute).
#include <windows.h>

#include <cstdio>
#include <string>

#include "forms/bar_controls.h"
#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/image_list.h"
#include "forms/list_view.h"
#include "forms/localize_form.h"
#include "forms/message_loop.h"
#include "forms/picture.h"
#include "forms/progress_controls.h"
#include "forms/tab_strip.h"
#include "forms/tree_view.h"
#include "form_fixture.h"
#include "resources/bitmap_ids.h"
#include "resources/icon_ids.h"
#include "resources/id_text.h"
#include "resources/string_ids.h"

using namespace corvana::forms;
using corvana::IdText;

namespace {

FormDecl MainDecl() {
  FormDecl f;
  f.name = "frmMain";
  f.caption = "VNC Corvana";
  f.iconResource = IDI_PROGRAM;
  f.left = 300;
  f.top = 300;
  f.clientWidth = 10500;
  f.clientHeight = 6600;
  f.controls.push_back(
      ImageListDecl("imgLstTreeView", 16, {{"close", IDI_TREE_CLOSE, true}, {"open", IDI_TREE_OPEN, true}}));
  f.controls.push_back(ImageListDecl("imgLstSmall", 16,
                                     {{"folder", IDI_LIST_FOLDER, true}, {"connection", IDI_LIST_CONNECTION, true},
                                      {"pcaw", IDI_LIST_PCAW, true}}));
  f.controls.push_back(
      ImageListDecl("imglColHeaders", 16, {{"asc", IDI_HEADER_ASC, true}, {"des", IDI_HEADER_DES, true}}));
  f.controls.push_back(ImageListDecl(
      "imglToolbar", 16,
      {{"new", IDI_TOOLBAR_NEW, true}, {"delete", IDI_TOOLBAR_DELETE, true}, {"edit", IDI_TOOLBAR_EDIT, true},
       {"options", IDI_TOOLBAR_OPTIONS, true}, {"list", IDI_TOOLBAR_LIST, true},
       {"largeicons", IDI_TOOLBAR_LARGEICONS, true}, {"smallicons", IDI_TOOLBAR_SMALLICONS, true},
       {"details", IDI_TOOLBAR_DETAILS, true}, {"import", IDI_TOOLBAR_IMPORT, true},
       {"info", IDI_TOOLBAR_INFO, true}}));
  ControlDecl bar = Decl("Toolbar", "Toolbar1", 0, 0, 1200, 300);
  for (auto [key, tip] : {std::pair{"new", IdText(IDS_TIP_NEW_CONNECTION)}, {"delete", IdText(IDS_TIP_DELETE)},
                          {"edit", IdText(IDS_TIP_EDIT)}, {"", ""}, {"options", IdText(IDS_TIP_OPTIONS)}, {"", ""},
                          {"list", IdText(IDS_TIP_LIST)}, {"largeicons", IdText(IDS_TIP_LARGE_ICONS)},
                          {"smallicons", IdText(IDS_TIP_SMALL_ICONS)}, {"details", IdText(IDS_TIP_DETAILS)}, {"", ""},
                          {"import", IdText(IDS_TIP_IMPORT)}, {"info", IdText(IDS_TIP_ABOUT)}})
    bar.buttons.push_back({key, tip, key, *key ? 0 : 3, true});
  f.controls.push_back(bar);
  f.controls.push_back(Decl("TreeView", "tvMain", 0, 480, 3300, 5700));
  ControlDecl list = Decl("ListView", "lstItems", 3390, 480, 7110, 5700).Extra("View", "3");
  list.columns = {{"Name", "", IdText(IDS_COLUMN_NAME), 2200},
                  {"Rechner", "", IdText(IDS_COLUMN_HOST), 2000},
                  {"Display", "", IdText(IDS_COLUMN_DISPLAY), 1300},
                  {"Port", "", IdText(IDS_COLUMN_VNC_FS_PORT), 1300}};
  f.controls.push_back(list);
  ControlDecl status = Decl("StatusBar", "StatusBar1", 0, 0, 1200, 300);
  status.panels = {{"status", "3 Objekt(e)", 2400, false, true}, {"file", "", 2400, true, true}};
  f.controls.push_back(status);
  f.menus = {{"mnuDatei", -1, IdText(IDS_MENU_FILE), false, true, true,
              {{"mnuDateiNew", -1, IdText(IDS_MENU_FILE_NEW)}, {"mnuSep", -1, "-"},
               {"mnuEnd", -1, IdText(IDS_MENU_EXIT)}}},
             {"mnuAnsicht", -1, IdText(IDS_MENU_VIEW), false, true, true,
              {{"mnuBigSymbols", -1, IdText(IDS_MENU_LARGE_ICONS)},
               {"mnuShowSbar", -1, IdText(IDS_MENU_STATUS_BAR), true},
               {"mnuShowBackground", -1, IdText(IDS_MENU_BACKGROUND)}}}};
  return f;
}

FormDecl DialogDecl() {
  FormDecl f;
  f.name = "dlgOptions";
  f.caption = "Global Options";
  f.left = 11100;
  f.top = 1500;
  f.clientWidth = 5400;
  f.clientHeight = 4560;
  f.borderStyle = BorderStyle::FixedDialog;
  ControlDecl tabs = Decl("TabStrip", "tbsOptions", 120, 120, 5160, 3720);
  tabs.tabs = {{"VNC", "", IdText(IDS_VNC_VIEWER_TAB), ""},
               {"Java", "", IdText(IDS_JAVA_VIEWER_TAB), ""},
               {"General", "", IdText(IDS_GENERAL_TAB), ""}};
  f.controls.push_back(tabs);
  f.controls.push_back(Decl("Frame", "fraEncoding", 300, 540, 2400, 1380).Tag(IdText(IDS_PREFERRED_ENCODING)));
  int top = 270;
  for (auto [name, tag] : {std::pair{"optHextile", IdText(IDS_ENCODING_HEXTILE)},
                           {"optCoRRE", IdText(IDS_ENCODING_CORRE)},
                           {"optRaw", IdText(IDS_ENCODING_RAW)}}) {
    f.controls.push_back(Decl("OptionButton", name, 150, top, 2100, 270).Tag(tag).In("fraEncoding"));
    top += 330;
  }
  f.controls.push_back(Decl("Frame", "fraMouse", 2850, 540, 2250, 1380).Tag(IdText(IDS_MOUSE_FRAME)));
  top = 270;
  for (auto [name, tag] : {std::pair{"chkEmulate3Buttons", IdText(IDS_EMULATE_3_BUTTONS)},
                           {"chkSwapMouse", IdText(IDS_SWAP_MOUSE_BUTTONS)}}) {
    f.controls.push_back(
        Decl("CheckBox", name, 150, top, 2000, 450).Tag(tag).In("fraMouse").Extra("Value", top == 270 ? "1" : "0"));
    top += 500;
  }
  f.controls.push_back(Decl("Label", "lblViewer", 300, 2100, 4800, 240).Tag(IdText(IDS_VIEWER_PATH_LABEL)));
  f.controls.push_back(
      Decl("TextBox", "txtLocationOfVNCviewer", 300, 2370, 3900, 300).Text("C:\\Programme\\vncviewer.exe"));
  f.controls.push_back(Decl("CommandButton", "cmdFindVNCViewer", 4290, 2370, 810, 300).Text("..."));
  f.controls.push_back(Decl("ProgressBar", "pbar", 300, 3000, 4800, 240));
  f.controls.push_back(
      Decl("CommandButton", "cmdOK", 2760, 4020, 1200, 360).Text("OK").Tag(IdText(IDS_OK)).Extra("Default", "1"));
  f.controls.push_back(Decl("CommandButton", "cmdCancel", 4080, 4020, 1200, 360)
                           .Text("Cancel")
                           .Tag(IdText(IDS_CANCEL))
                           .Extra("Cancel", "1"));
  return f;
}

void FillMain(Form& main) {
  auto& tree = main.Get<TreeView>("tvMain");
  auto& list = main.Get<ListView>("lstItems");
  auto& bar = main.Get<Toolbar>("Toolbar1");
  tree.SetImageList(&main.Get<ImageList>("imgLstTreeView"));
  list.SetSmallIcons(&main.Get<ImageList>("imgLstSmall"));
  list.SetColumnHeaderIcons(&main.Get<ImageList>("imglColHeaders"));
  bar.SetImageList(&main.Get<ImageList>("imglToolbar"));
  for (const char* top : {"Zentrale", "Kunden", "Server"}) {
    auto node = tree.AddNode(nullptr, kLast, top, top, "close", "open");
    tree.AddNode(node, kChild, "", "");
  }
  auto customers = tree.NodeByKey("Kunden");
  tree.Expand = [&tree](const NodeRef& node) {
    while (node->Children() > 0) tree.RemoveNode(node->Child());
    for (const char* sub : {"Nord", "West"}) tree.AddNode(node, kChild, node->Key() + "\\" + sub, sub, "close", "open");
  };
  customers->SetExpanded(true);
  tree.NodeByKey("Kunden\\Nord")->SetSelected(true);
  struct Row {
    const char* name;
    const char* host;
    const char* display;
    const char* icon;
    const char* tag;
  } rows[] = {{"Archiv", "", "", "folder", "F"},
              {"Buchhaltung", "buch01", "0", "connection", ""},
              {"Lager", "lager-pc", "1", "connection", ""},
              {"Empfang", "empfang", "2", "connection", ""},
              {"Filiale Hamburg", "HH-PC07", "TCP/IP", "pcaw", "PCAW"}};
  for (auto& r : rows) {
    auto item = list.AddItem(std::string("Kunden\\Nord\\") + r.name, r.name, r.icon, r.icon);
    item->SetTag(r.tag);
    if (*r.host) item->SetSubItem(1, r.host);
    if (*r.display) item->SetSubItem(2, r.display);
  }
  list.ItemByKey("Kunden\\Nord\\Lager")->SetForeColor(RGB(0, 0, 255));
  list.ItemByKey("Kunden\\Nord\\Empfang")->SetSelected(true);
  list.Column(1)->SetIcon("asc");
  list.SetSorted(true);
  list.SetPicture(LoadPictureResource(IDB_LIST_BACKGROUND));
  bar.ButtonByKey("edit")->SetEnabled(false);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const std::string ready = argv[1], stop = argv[2];
  // The German texts come from the string table, as in the program.
  Form main(MainDecl());
  main.Load = [&] {
    LocalizeForm(main);
    FillMain(main);
  };
  main.Show();
  Form dialog(DialogDecl());
  dialog.Load = [&] {
    LocalizeForm(dialog);
    dialog.Get<OptionButton>("optHextile").SetValue(true);
    dialog.Get<ProgressBar>("pbar").SetValue(60);
  };
  dialog.Show(ShowMode::Modeless, &main);
  // A few rounds of painting before the picture is taken.
  for (int i = 0; i < 20; ++i) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    DoEvents();
  }
  main.Refresh();
  dialog.Refresh();
  if (FILE* f = std::fopen(ready.c_str(), "w")) std::fclose(f);
  DWORD start = GetTickCount();
  while (GetFileAttributesA(stop.c_str()) == INVALID_FILE_ATTRIBUTES && GetTickCount() - start < 60000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    DoEvents();
  }
  return 0;
}
