#include "main_window/item_info_panel.h"

#include "core/registry_store.h"
#include "core/string_table.h"
#include "main_window/connection_list.h"
#include "main_window/main_form.h"
#include "main_window/path_text.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

constexpr const char* kCrLf = "\r\n";
constexpr int kFirstVncPort = 5900;

void SetFilePanel(MainForm& frmMain, const std::string& text) {
  if (forms::PanelRef file = frmMain.StatusBar1().PanelByKey("file")) file->SetText(text);
}

}  // namespace

void ShowSelectedItemInfo(MainForm& frmMain, InfoPanelAfter after) {
  const bool paste = after == InfoPanelAfter::Paste;
  forms::ListItemRef item = frmMain.lstItems().SelectedItem();
  if (!item) {
    if (paste) frmMain.txtItemName().SetText("");
    frmMain.txtConnInfo().SetText("");
    return;
  }
  const std::string& tag = item->Tag();
  if (tag == kPcAWTag) {
    frmMain.txtItemName().SetText(item->Text());
    frmMain.txtConnInfo().SetText(LoadResString(IDS_PCAW_CONNECTION) + kCrLf + LoadResString(IDS_TARGET) + ": " +
                                  item->SubItem(1) + kCrLf);
    // The file path, shortened to the width of the status bar's file panel.
    SetControlPathText(frmMain.hWnd(), ReadPcAWFile(item->Key()), frmMain.txtdummy());
    SetFilePanel(frmMain, frmMain.txtdummy().Text());
    if (forms::ToolbarButtonRef edit = frmMain.Toolbar1().ButtonByKey("edit")) edit->SetEnabled(false);
    return;
  }
  frmMain.txtFolderInfo().SetText(frmMain.lstItems().Tag());
  frmMain.txtItemName().SetText(item->Text());
  if (tag == kFolderTag) {
    frmMain.txtConnInfo().SetText(LoadResString(IDS_FOLDER));
  } else {
    frmMain.txtConnInfo().SetText(LoadResString(IDS_VNC_CONNECTION) + kCrLf + LoadResString(IDS_TARGET) + ": " +
                                  item->SubItem(1) + kCrLf + LoadResString(IDS_PORT) + ": " +
                                  std::to_string(DisplayNumber(item->SubItem(2)) + kFirstVncPort) + kCrLf);
  }
  if (paste) SetFilePanel(frmMain, "");
}

}  // namespace corvana
