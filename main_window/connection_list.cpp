#include "main_window/connection_list.h"

#include "core/connection_record.h"
#include "core/global_options.h"
#include "core/passwords.h"
#include "core/pcaw.h"
#include "core/pcaw_enum.h"
#include "core/registry_store.h"
#include "core/string_table.h"
#include "core/text.h"
#include "core/vnc_viewer_launch.h"
#include "main_window/folder_tree.h"
#include "main_window/item_info_panel.h"
#include "main_window/launch_prompt.h"
#include "main_window/main_form.h"
#include "main_window/program_state.h"
#include "main_window/tree_drag.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

constexpr int kBusyPointer = 13;
// Above this many selected items the details show only their count.
constexpr long kMostNamesShown = 16;
constexpr COLORREF kPasswordStoredColor = RGB(0, 0, 255);
constexpr const char* kCrLf = "\r\n";

void ShowKindPicture(MainForm& frmMain, const forms::PictureBox& pictureBox) {
  frmMain.imgItemType().SetPicture(pictureBox.Picture());
}

const forms::PictureBox& KindPicture(const MainForm& frmMain, const std::string& upperTag) {
  const MainForm::Parts& c = frmMain.parts();
  if (upperTag == kFolderTag) return c.picTYPE_FOLDER;
  if (upperTag == kPcAWTag) return c.picTYPE_PCAW;
  return c.picTYPE_VNC;
}

void OpenFolderItem(MainForm& frmMain, const forms::ListItemRef& target) {
  forms::TreeView& tree = frmMain.tvMain();
  const std::string current = frmMain.lstItems().Tag();
  if (forms::NodeRef parent = tree.NodeByKey(current)) parent->SetExpanded(true);
  // A folder item whose node is not in the tree (the list was filled without one, or the folder
  // appeared since) is opened by its path all the same; the tree just shows no node for it.
  forms::NodeRef node = tree.NodeByKey(current + "\\" + target->Text());
  if (node) {
    node->EnsureVisible();
    node->SetSelected(true);
  }
  frmMain.lstItems().SetTag(node ? node->FullPath() : target->Key());
  frmMain.txtFolderInfo().SetText(node ? node->Text() : target->Text());
  RefreshCurrentFolder(frmMain);
}

// One VNC connection item; PasswordStored, when the caller knows it already, saves reading the
// password at the item's Key.
bool AddConnectionItem(MainForm& frmMain, const std::string& Name, const std::string& Host,
                       const std::string& Display, const std::string& VNCFSPort, const std::string& Folder,
                       std::optional<bool> PasswordStored) {
  if (Name.empty() || Host.empty() || Display.empty()) return false;
  forms::ListView& list = frmMain.lstItems();
  forms::ListItemRef item = list.AddItem(Folder + "\\" + Name, Name, "connection", "connection");
  if (!item) return false;
  if (PasswordStored ? *PasswordStored : !ReadPassword(item->Key()).empty()) item->SetForeColor(kPasswordStoredColor);
  item->SetSubItem(1, Host);
  item->SetSubItem(2, Display);
  if (!VNCFSPort.empty()) item->SetSubItem(3, VNCFSPort);
  EnableToolbarButton(frmMain, "delete", list.ItemCount() > 0);
  return true;
}

struct PcAWEntry {
  std::string Name, File;
};

}  // namespace

void ShowFolderContents(MainForm& frmMain, const std::string& FolderPath) {
  forms::ListView& list = frmMain.lstItems();
  frmMain.DoMousePointer(kBusyPointer);
  forms::ListView::Batch batch(list);
  // One walk opens each entry once (every registry call is a round trip, which adds up over
  // thousands of entries); the list still takes the connections first, then the folders, then
  // the pcAnywhere entries, each kind in store order.
  std::vector<std::string> folders;
  std::vector<PcAWEntry> pcAWEntries;
  // The store is read first and the list filled afterwards: registry calls between messages to
  // the list measured a tenth slower under Wine.
  struct ConnectionRow {
    std::string name;
    ConnectionRecord record;
    bool password = false;
  };
  std::vector<ConnectionRow> connections;
  if (RegKey folder = OpenStoreKey(FolderPath)) {
    StoreEntry entry;
    for (long i = 0; EnumNextStoreEntry(folder, i, entry) == kEnumMoreEntries; ++i) {
      if (entry.Name.empty()) continue;
      if (entry.IsFolder) folders.push_back(entry.Name);
      if (!entry.PcAWFile.empty()) pcAWEntries.push_back({entry.Name, entry.PcAWFile});
      if (!entry.IsVncConnection()) continue;
      ConnectionRow& row = connections.emplace_back();
      row.name = entry.Name;
      ReadConnectionAddress(entry.Key.get(), row.record);
      row.password = HasStoredPassword(entry.Key.get());
    }
  }
  for (const ConnectionRow& row : connections)
    AddConnectionItem(frmMain, row.name, row.record.Host, row.record.Display, row.record.VNCFSPort, FolderPath,
                      row.password);
  for (const std::string& name : folders)
    if (forms::ListItemRef item = list.AddItem(FolderPath + "\\" + name, name, "folder", "folder"))
      item->SetTag(kFolderTag);
  for (const PcAWEntry& entry : pcAWEntries) {
    const CpcAWdata data = ReadPcAWEntry(entry.Name, entry.File);
    if (data.Name.empty() || data.FileName.empty()) continue;
    if (forms::ListItemRef item = list.AddItem(FolderPath + "\\" + entry.Name, entry.Name, "pcaw", "pcaw")) {
      item->SetSubItem(1, data.ComputerName);
      item->SetSubItem(2, data.ConnectionType);
      item->SetTag(kPcAWTag);
    }
  }
  ShowObjectCount(frmMain, connections.size());
  if (list.SortKey() == 0) list.SetSorted(true);
  frmMain.DoMousePointer(0);
}

bool AddConnectionListItem(MainForm& frmMain, const std::string& Name, const std::string& Host,
                           const std::string& Display, const std::string& VNCFSPort, const std::string& Folder) {
  return AddConnectionItem(frmMain, Name, Host, Display, VNCFSPort, Folder, std::nullopt);
}

long CountSelected(const forms::ListView& List) {
  long n = 0;
  for (const forms::ListItemRef& item : List.Items())
    if (item->Selected()) ++n;
  return n;
}

std::vector<forms::ListItemRef> SelectedItems(const forms::ListView& List) {
  std::vector<forms::ListItemRef> selected;
  for (const forms::ListItemRef& item : List.Items())
    if (item->Selected()) selected.push_back(item);
  return selected;
}

void EnableToolbarButton(MainForm& frmMain, const char* Key, bool Enabled) {
  if (forms::ToolbarButtonRef button = frmMain.Toolbar1().ButtonByKey(Key)) button->SetEnabled(Enabled);
}

void ShowObjectCount(MainForm& frmMain, size_t Count) {
  if (forms::PanelRef status = frmMain.StatusBar1().PanelByKey("status"))
    status->SetText(std::to_string(Count) + " " + LoadResString(IDS_OBJECTS));
}

void OpenListItem(MainForm& frmMain, OpenTrigger trigger) {
  forms::ListView& list = frmMain.lstItems();
  if (CountSelected(list) != 1) return;
  forms::ListItemRef target = trigger == OpenTrigger::DoubleClick
                                  ? list.HitTest(static_cast<int>(gLastMouseX), static_cast<int>(gLastMouseY))
                                  : list.SelectedItem();
  if (!target) return;
  const std::string tag = trigger == OpenTrigger::EnterKey ? UpperCase(target->Tag()) : target->Tag();
  if (tag == kFolderTag) {
    OpenFolderItem(frmMain, target);
    return;
  }
  if (tag == kPcAWTag) {
    frmMain.mnuPcAW_Connect_Click();
    return;
  }
  const std::string viewer = UpperCase(gOptions.PreferredViewer);
  if (viewer == "VNCVIEWER") {
    std::unique_ptr<PasswordPrompt> prompt = CreateLaunchPasswordPrompt();
    ConnectVncViewer(target->Key(), *prompt, frmMain);
  } else if (viewer == "BROWSER") {
    frmMain.mnuConnectWithInternalBrowser_Click();
  } else if (viewer == "JAVA") {
    frmMain.mnuConnectWithJava_Click();
  }
}

void MainForm::WireConnectionList() {
  forms::ListView& list = lstItems();
  list.Click = [this] { lstItems_Click(); };
  list.DblClick = [this] { lstItems_DblClick(); };
  list.ColumnClick = [this](const forms::ColumnHeaderRef& column) { lstItems_ColumnClick(column); };
  list.AfterLabelEdit = [this](int& cancel, std::string& text) { lstItems_AfterLabelEdit(cancel, text); };
  list.KeyUp = [this](int& key, int shift) { lstItems_KeyUp(key, shift); };
  list.MouseDown = [this](int b, int s, int x, int y) { lstItems_MouseDown(b, s, x, y); };
  list.MouseMove = [this](int b, int s, int x, int y) {
    lstItems_MouseMove(b, s, x, y);
    // While the list keeps the mouse after the press, the tree sees no moves of its own.
    if (b == forms::kLeftButton && DragListItem && !Drag().Active()) Drag().ForwardListMoveToTree(s);
  };
}

void MainForm::lstItems_Click() {
  forms::ListView& list = lstItems();
  const long n = CountSelected(list);
  if (n == 1) {
    EnableToolbarButton(*this, "delete", true);
    forms::ListItemRef item = SelectedItems(list).front();
    txtItemName().SetText(item->Text());
    if (item->Tag() == kFolderTag) {
      txtConnInfo().SetText(LoadResString(IDS_FOLDER));
      EnableToolbarButton(*this, "edit", false);
      SetFilePanel(*this, "");
      ShowKindPicture(*this, parts().picTYPE_FOLDER);
    } else if (item->Tag() == kPcAWTag) {
      txtConnInfo().SetText(PcAWConnectionInfo(item));
      ShowPcAWFilePanel(*this, item);
      EnableToolbarButton(*this, "edit", true);
      ShowKindPicture(*this, parts().picTYPE_PCAW);
    } else {
      EnableToolbarButton(*this, "edit", true);
      txtConnInfo().SetText(VncConnectionInfo(item));
      SetFilePanel(*this, "");
      ShowKindPicture(*this, parts().picTYPE_VNC);
    }
    return;
  }
  ShowKindPicture(*this, parts().picTYPE_FOLDER);
  if (n > kMostNamesShown) {
    txtItemName().SetText("");
    EnableToolbarButton(*this, "edit", false);
    txtConnInfo().SetText(std::to_string(n) + " " + LoadResString(IDS_OBJECTS_SELECTED));
  } else if (n >= 2) {
    txtItemName().SetText("");
    std::string text = std::to_string(n) + " " + LoadResString(IDS_OBJECTS_SELECTED) + kCrLf + kCrLf + kCrLf;
    for (const forms::ListItemRef& item : SelectedItems(list)) text += item->Text() + kCrLf;
    txtConnInfo().SetText(text);
  } else {
    txtItemName().SetText("");
    txtConnInfo().SetText("");
    EnableToolbarButton(*this, "edit", false);
    EnableToolbarButton(*this, "delete", false);
  }
}

void MainForm::lstItems_KeyUp(int /*KeyCode*/, int /*Shift*/) {
  forms::ListView& list = lstItems();
  const long n = CountSelected(list);
  if (n == 0) {
    EnableToolbarButton(*this, "delete", false);
  } else if (n == 1) {
    EnableToolbarButton(*this, "delete", true);
    const std::string tag = UpperCase(SelectedItems(list).front()->Tag());
    EnableToolbarButton(*this, "edit", tag != kFolderTag);
    ShowKindPicture(*this, KindPicture(*this, tag));
  } else {
    EnableToolbarButton(*this, "delete", true);
    ShowKindPicture(*this, parts().picTYPE_FOLDER);
  }
}

void MainForm::lstItems_DblClick() { OpenListItem(*this, OpenTrigger::DoubleClick); }

void MainForm::lstItems_ColumnClick(const forms::ColumnHeaderRef& ColumnHeader) {
  forms::ListView& list = lstItems();
  for (const forms::ColumnHeaderRef& column : list.Columns()) column->SetIcon("");
  if (list.SortKey() == ColumnHeader->Index() - 1) {
    if (list.SortOrder() == 0) {
      list.SetSortOrder(1);
      ColumnHeader->SetIcon("des");
    } else {
      list.SetSortOrder(0);
      ColumnHeader->SetIcon("asc");
    }
  } else {
    list.SetSortKey(ColumnHeader->Index() - 1);
    list.SetSortOrder(0);
    ColumnHeader->SetIcon("asc");
  }
  list.SetSorted(true);
}

void MainForm::lstItems_AfterLabelEdit(int& Cancel, std::string& NewString) {
  forms::ListItemRef item = lstItems().SelectedItem();
  if (!item) {
    Cancel = 1;
    return;
  }
  // The item's own folder: the selected node may be another one (a right click selects a node
  // without opening it), and a rename never moves an item.
  const std::string OldPath = item->Key();
  const std::string NewPath = JoinItemPath(ParentOfPath(OldPath), NewString);
  if (!IsValidItemName(NewString) || ConnectionPathExists(NewPath) || !RenameConnectionKey(OldPath, NewPath)) {
    Cancel = 1;
    return;
  }
  item->SetKey(NewPath);
  if (item->Tag() == kFolderTag) FolderRenamed(*this, OldPath, NewPath);
}

void MainForm::lstItems_MouseDown(int Button, int Shift, int X, int Y) {
  if (Button == forms::kLeftButton && Shift == 1) {
    if (forms::ListItemRef item = lstItems().HitTest(X, Y)) {
      DragListItem = item;
      tvMain().SetDropHighlight(nullptr);
    }
    return;
  }
  DragListItem = nullptr;
}

void MainForm::lstItems_DragOver(int X, int Y, int /*State*/) { Drag().MoveImageOver(lstItems(), X, Y); }

void MainForm::lstItems_DragDrop(int /*X*/, int /*Y*/) { Picture1().SetVisible(false); }

void MainForm::lstItems_MouseMove(int, int, int X, int Y) {
  gLastMouseX = static_cast<float>(X);
  gLastMouseY = static_cast<float>(Y);
}

}  // namespace corvana
