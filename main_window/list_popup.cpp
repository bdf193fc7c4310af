// The connection list's popup menus: mnuPopUp for a connection, a pcAnywhere entry or empty
// space, mnuPopUpFolderLV for a folder. Which entries are on, shown or hidden follows the kind of
// the item and how many items are selected; the entries' commands are wired by their concerns.
#include <array>
#include <initializer_list>

#include "main_window/connection_list.h"
#include "main_window/main_form.h"

namespace corvana {
namespace {

constexpr int kRightButtonFlag = 2;

// The columns of the table below.
enum Column { kNoItem, kVncOne, kVncMany, kPcAWOne, kPcAWMany, kColumns };

struct EntryRow {
  std::initializer_list<forms::Menu*> entries;
  std::array<bool, kColumns> on;
};

void ApplyConnectionTable(const MainForm& frmMain, Column column) {
  const MainForm::Parts& c = frmMain.parts();
  constexpr bool off = false, on = true;
  const EntryRow rows[] = {
      {{&c.mnuRootConnect}, {off, on, off, on, off}},
      {{&c.mnuConnect, &c.mnuConnectWithJava, &c.mnuConnectWithInternalBrowser}, {off, on, off, off, off}},
      {{&c.mnuFileTransferWithVNCFS}, {off, on, off, off, off}},
      {{&c.mnuTools}, {off, on, off, off, off}},
      {{&c.mnuEdit, &c.mnuRename}, {off, on, off, on, off}},
      {{&c.mnuCopyConnection, &c.mnuCutConnection, &c.mnuDelete}, {off, on, on, on, on}},
      {{&c.mnuNew}, {on, off, off, off, off}},
  };
  for (const EntryRow& row : rows)
    for (forms::Menu* entry : row.entries) entry->SetEnabled(row.on[column]);
  // With no item the pcAnywhere entry keeps whatever state it had.
  if (column != kNoItem) c.mnuPcAW_Connect.SetEnabled(column == kPcAWOne);
  // Paste is offered only on empty space, where the pasted items go into the folder shown.
  c.mnuPasteConnection.SetVisible(column == kNoItem);
  c.mnuPasteConnection.SetEnabled(column == kNoItem && frmMain.HasClip);
}

}  // namespace

void MainForm::WireListPopup() {
  lstItems().MouseUp = [this](int b, int s, int x, int y) { lstItems_MouseUp(b, s, x, y); };
}

void MainForm::lstItems_MouseUp(int Button, int /*Shift*/, int X, int Y) {
  if (Button != forms::kRightButton) return;
  ShowListPopup(lstItems().HitTest(X, Y));
}

void MainForm::ShowListPopup(const forms::ListItemRef& Item) {
  const Parts& c = parts();
  const bool many = CountSelected(lstItems()) > 1;
  Column column = kNoItem;
  if (Item) {
    const std::string tag = Item->Tag();
    if (tag == kFolderTag) {
      c.mnuPcAW_Connect.SetEnabled(false);
      c.mnuPopUpFolderLV_open.SetEnabled(!many);
      PopupMenu(c.mnuPopUpFolderLV, kRightButtonFlag, &c.mnuPopUpFolderLV_open);
      return;
    }
    if (tag.empty()) {
      column = many ? kVncMany : kVncOne;
    } else if (tag == kPcAWTag) {
      column = many ? kPcAWMany : kPcAWOne;
    } else {
      return;
    }
  }
  ApplyConnectionTable(*this, column);
  PopupMenu(c.mnuPopUp, kRightButtonFlag);
}

}  // namespace corvana
