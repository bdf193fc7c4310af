#pragma once
// The manual drag of a list item onto the folder tree: the tree keeps the mouse from the start
// of the drag to the release, shows the drag icon, and hands each move and the drop to the
// handler of the control under the mouse.
#include <windows.h>

#include <string>

#include "forms/control.h"
#include "forms/mouse_drag.h"

namespace corvana {

class MainForm;

class ListToTreeDrag {
 public:
  explicit ListToTreeDrag(MainForm& form);
  ~ListToTreeDrag();
  ListToTreeDrag(const ListToTreeDrag&) = delete;
  ListToTreeDrag& operator=(const ListToTreeDrag&) = delete;

  // The tree as the drag's source; the first move is reported at once.
  void Begin();
  bool Active() const { return mouse_.Active(); }
  // Picture1 as the drag image of an item: its small icon and, right of it, Text.
  void PrepareImage(const std::string& text);
  // Picture1 below the mouse at (X, Y) twips of Over.
  void MoveImageOver(const forms::Control& over, int X, int Y);
  // A move with the left button while the list keeps the mouse: above the tree it is the tree's.
  void ForwardListMoveToTree(int shift);

 private:
  void Move(POINT screen);
  void Drop(POINT screen);
  // A drag that ends, with or without a drop, leaves nothing behind.
  void Cancel();
  const forms::Control* ControlUnder(POINT screen) const;

  MainForm& form_;
  forms::MouseDrag mouse_;
  const forms::Control* over_ = nullptr;
};

}  // namespace corvana
