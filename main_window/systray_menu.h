#pragma once
// mSystrayMenu: the program's owner-drawn popup menu, built item by item and shown at the cursor.
// Each item has a caption, an optional 16 x 16 picture in which white is transparent, and a Key
// that ShowMenu returns when the item is chosen. The notification-area menu and the plug-in menu
// are built with it.
#include <windows.h>

#include <deque>
#include <string>

#include "forms/form.h"
#include "forms/owner_drawn_popup.h"
#include "forms/picture.h"
#include "win/handles.h"

namespace corvana {

// One item of the menu; its command id is its index in the menu's records.
struct MenuItemRecord {
  UINT ID = 0;
  std::string Caption;
  std::string Key;
  forms::PictureRef Picture;  // none: the caption alone
  HMENU hSubMenu = nullptr;   // the submenu the item opens, if any
  std::string IdText;         // the id as text, the item's own data in the menu
};

// The height of every item, and the left edge of every caption, in pixels.
inline constexpr int kMenuItemHeight = 20;
inline constexpr int kMenuCaptionLeft = 25;

class SystrayMenu : public forms::OwnerDrawnItems {
 public:
  SystrayMenu() = default;
  ~SystrayMenu() override;
  SystrayMenu(const SystrayMenu&) = delete;
  SystrayMenu& operator=(const SystrayMenu&) = delete;

  // A new empty menu for Owner, whose window receives the menu's messages; ids start at 1.
  void InitMenu(forms::Form& Owner);
  // The menu itself, the parent of the top-level items.
  HMENU GetMenuHandle() const { return popup_.get(); }
  // Appends an item to Parent. ID is not used: the items are numbered in the order they come.
  void AddMenuItem(HMENU Parent, long ID, const std::string& Caption, forms::PictureRef Picture,
                   const std::string& Key);
  // Appends an item that opens a new empty submenu, and returns that submenu.
  HMENU AddSubMenu(HMENU Parent, long ID, const std::string& Caption, forms::PictureRef Picture,
                   const std::string& Key);
  // Appends the closing item, shows the menu at the cursor and returns the chosen item's Key, ""
  // when nothing (or the closing item) was chosen.
  std::string ShowMenu();
  // Destroys the menu and every submenu; the records stay until the next InitMenu.
  void DestroyMenus();

  // The record of the item with command id ID; null when there is none.
  const MenuItemRecord* Item(UINT ID) const;

  // The owner's measure and draw messages for the items while the menu is open.
  void MeasureItem(MEASUREITEMSTRUCT& Measure) override;
  void DrawItem(const DRAWITEMSTRUCT& Draw) override;

 private:
  HMENU Insert(HMENU Parent, const std::string& Caption, forms::PictureRef Picture, const std::string& Key,
               MenuHandle SubMenu);

  forms::Form* owner_ = nullptr;
  MenuHandle popup_;
  UINT counter_ = 0;
  // Index = command id; element 0 is never used, and there is always one for the next id. A
  // deque keeps the records (and the id texts the menu points to) in place as it grows.
  std::deque<MenuItemRecord> items_;
};

// Y, or the work area's height when the cursor is below it (in a taskbar at the bottom).
int ClampMenuY(int Y);

}  // namespace corvana
