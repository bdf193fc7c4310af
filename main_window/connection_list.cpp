#include "main_window/connection_list.h"

#include "core/connection_record.h"
#include "core/passwords.h"
#include "core/pcaw_enum.h"
#include "core/registry_store.h"
#include "core/string_table.h"
#include "main_window/main_form.h"

namespace corvana {
namespace {

constexpr int kObjectsId = 3000;
constexpr int kBusyPointer = 13;
constexpr COLORREF kPasswordStoredColor = RGB(0, 0, 255);

void EnableButton(MainForm& frmMain, const char* key, bool enabled) {
  if (forms::ToolbarButtonRef button = frmMain.Toolbar1().ButtonByKey(key)) button->SetEnabled(enabled);
}

}  // namespace

void ShowFolderContents(MainForm& frmMain, const std::string& FolderPath) {
  forms::ListView& list = frmMain.lstItems();
  frmMain.DoMousePointer(kBusyPointer);
  long count = 0;
  if (RegKey folder = OpenStoreKey(FolderPath)) {
    std::string name;
    for (long i = 0; EnumNextVncConnection(folder, i, name) == kEnumMoreEntries; ++i) {
      if (name.empty()) continue;
      ConnectionRecord record;
      if (!ReadConnection(JoinItemPath(FolderPath, name), record)) continue;
      AddConnectionListItem(frmMain, name, record.Host, record.Display, record.VNCFSPort, FolderPath);
      ++count;
    }
    for (long i = 0; EnumNextFolder(folder, i, name) == kEnumMoreEntries; ++i) {
      if (name.empty()) continue;
      if (forms::ListItemRef item = list.AddItem(FolderPath + "\\" + name, name, "folder", "folder"))
        item->SetTag(kFolderTag);
    }
    std::optional<CpcAWdata> data;
    for (long i = 0; EnumNextPcAWConnection(folder, i, data, name) == kEnumMoreEntries; ++i) {
      if (!data || data->Name.empty() || data->FileName.empty()) continue;
      if (forms::ListItemRef item = list.AddItem(FolderPath + "\\" + name, name, "pcaw", "pcaw")) {
        item->SetSubItem(1, data->ComputerName);
        item->SetSubItem(2, data->ConnectionType);
        item->SetTag(kPcAWTag);
      }
    }
  }
  if (forms::PanelRef status = frmMain.StatusBar1().PanelByKey("status"))
    status->SetText(std::to_string(count) + " " + LoadResString(kObjectsId));
  if (list.SortKey() == 0) list.SetSorted(true);
  frmMain.DoMousePointer(0);
}

bool AddConnectionListItem(MainForm& frmMain, const std::string& Name, const std::string& Host,
                           const std::string& Display, const std::string& VNCFSPort, const std::string& Folder) {
  if (Name.empty() || Host.empty() || Display.empty()) return false;
  forms::ListView& list = frmMain.lstItems();
  forms::ListItemRef item = list.AddItem(Folder + "\\" + Name, Name, "connection", "connection");
  if (!item) return false;
  if (!ReadPassword(item->Key()).empty()) item->SetForeColor(kPasswordStoredColor);
  item->SetSubItem(1, Host);
  item->SetSubItem(2, Display);
  if (!VNCFSPort.empty()) item->SetSubItem(3, VNCFSPort);
  EnableButton(frmMain, "delete", list.ItemCount() > 0);
  return true;
}

long CountSelected(const forms::ListView& List) {
  long n = 0;
  for (const forms::ListItemRef& item : List.Items())
    if (item->Selected()) ++n;
  return n;
}

}  // namespace corvana
