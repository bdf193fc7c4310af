#include "main_window/item_info_panel.h"

#include "core/registry_store.h"
#include "core/service_port.h"
#include "core/string_table.h"
#include "main_window/connection_list.h"
#include "main_window/main_form.h"
#include "main_window/path_text.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

constexpr const char* kCrLf = "\r\n";

// The display as the panel has always read it: its leading digits, 0 when there are none.
long DisplayNumber(const std::string& display) {
  size_t i = 0;
  while (i < display.size() && display[i] == ' ') ++i;
  bool negative = i < display.size() && display[i] == '-';
  if (negative) ++i;
  long n = 0;
  for (; i < display.size() && display[i] >= '0' && display[i] <= '9' && n < 100000000; ++i) n = n * 10 + (display[i] - '0');
  return negative ? -n : n;
}

}  // namespace

std::string VncConnectionInfo(const forms::ListItemRef& Item) {
  return LoadResString(IDS_VNC_CONNECTION) + kCrLf + LoadResString(IDS_TARGET) + ": " + Item->SubItem(1) + kCrLf +
         LoadResString(IDS_PORT) + ": " + std::to_string(DisplayNumber(Item->SubItem(2)) + kVncPortBase) + kCrLf;
}

std::string PcAWConnectionInfo(const forms::ListItemRef& Item) {
  return LoadResString(IDS_PCAW_CONNECTION) + kCrLf + LoadResString(IDS_TARGET) + ": " + Item->SubItem(1) + kCrLf;
}

void SetFilePanel(MainForm& frmMain, const std::string& Text) {
  if (forms::PanelRef file = frmMain.StatusBar1().PanelByKey("file")) file->SetText(Text);
}

void ShowPcAWFilePanel(MainForm& frmMain, const forms::ListItemRef& Item) {
  // Shortened in the hidden text box that has the panel's width.
  SetControlPathText(frmMain.hWnd(), ReadPcAWFile(Item->Key()), frmMain.txtdummy());
  SetFilePanel(frmMain, frmMain.txtdummy().Text());
}

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
    frmMain.txtConnInfo().SetText(PcAWConnectionInfo(item));
    ShowPcAWFilePanel(frmMain, item);
    EnableToolbarButton(frmMain, "edit", false);
    return;
  }
  frmMain.txtFolderInfo().SetText(frmMain.lstItems().Tag());
  frmMain.txtItemName().SetText(item->Text());
  frmMain.txtConnInfo().SetText(tag == kFolderTag ? LoadResString(IDS_FOLDER) : VncConnectionInfo(item));
  if (paste) SetFilePanel(frmMain, "");
}

}  // namespace corvana
