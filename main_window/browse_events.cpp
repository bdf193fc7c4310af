#include "main_window/browse_events.h"

#include "main_window/main_form.h"
#include "main_window/tree_drag.h"

namespace corvana {

void WireTreeAndListEvents(MainForm& f) {
  forms::TreeView& tree = f.tvMain();
  tree.AfterLabelEdit = [&f](int& cancel, std::string& text) { f.tvMain_AfterLabelEdit(cancel, text); };
  tree.KeyUp = [&f](int& key, int shift) { f.tvMain_KeyUp(key, shift); };
  tree.MouseDown = [&f](int b, int s, int x, int y) { f.tvMain_MouseDown(b, s, x, y); };
  tree.MouseMove = [&f](int b, int s, int x, int y) { f.tvMain_MouseMove(b, s, x, y); };
  f.Timer1().Tick = [&f] { f.Timer1_Timer(); };
  f.GetMenu("mnuFolderExpand").Click = [&f] { f.mnuFolderExpand_Click(); };

  forms::ListView& list = f.lstItems();
  list.Click = [&f] { f.lstItems_Click(); };
  list.DblClick = [&f] { f.lstItems_DblClick(); };
  list.ColumnClick = [&f](const forms::ColumnHeaderRef& column) { f.lstItems_ColumnClick(column); };
  list.AfterLabelEdit = [&f](int& cancel, std::string& text) { f.lstItems_AfterLabelEdit(cancel, text); };
  list.KeyDown = [&f](int& key, int shift) { f.lstItems_KeyDown(key, shift); };
  list.KeyUp = [&f](int& key, int shift) { f.lstItems_KeyUp(key, shift); };
  list.MouseDown = [&f](int b, int s, int x, int y) { f.lstItems_MouseDown(b, s, x, y); };
  list.MouseMove = [&f](int b, int s, int x, int y) {
    f.lstItems_MouseMove(b, s, x, y);
    // While the list keeps the mouse after the press, the tree sees no moves of its own.
    if (b == forms::kLeftButton && f.DragListItem && !f.Drag().Active()) f.Drag().ForwardListMoveToTree(s);
  };
}

}  // namespace corvana
