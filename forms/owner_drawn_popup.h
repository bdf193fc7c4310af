#pragma once
// A popup menu whose items its filler measures and draws itself: the owner form's window hands
// the menu's WM_MEASUREITEM and WM_DRAWITEM on while the menu is open, and only then.
#include <windows.h>

namespace corvana::forms {

class Form;

// What an owner-drawn popup asks of whoever filled it, for each item it shows.
class OwnerDrawnItems {
 public:
  virtual ~OwnerDrawnItems() = default;
  virtual void MeasureItem(MEASUREITEMSTRUCT& Item) = 0;
  virtual void DrawItem(const DRAWITEMSTRUCT& Item) = 0;
};

// Shows Popup for Owner with its top left at (X, Y) in screen pixels and returns the command id
// of the chosen item, 0 when none was chosen. While it is open, Owner's window procedure gives
// the menu items' measure and draw messages to Items and passes everything else on as before.
// Owner is made the foreground window first: a menu opened for a window of a background thread
// (a click on a notification-area icon) would take no keys and stay open on a click elsewhere.
UINT TrackOwnerDrawnPopup(Form& Owner, HMENU Popup, int X, int Y, OwnerDrawnItems& Items);

}  // namespace corvana::forms
