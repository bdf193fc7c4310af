#pragma once
// The popup menu that the next right click or context-menu key opens, seen and used as the user
// does: once it is on the screen, the test looks at it, then clicks a path of its entries with
// the mouse (a submenu's entry once the submenu is on the screen), or closes it. A path that ends
// on an entry with a submenu leaves that submenu open for the test to look at, then closes all.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "browse_fixture.h"

namespace corvana::test {

// What the menu shows of one entry.
enum class Shown { Hidden, Off, On };

inline Shown EntryState(HMENU popup, UINT id) {
  // By command the search goes into the submenus as well.
  const UINT state = GetMenuState(popup, id, MF_BYCOMMAND);
  if (state == static_cast<UINT>(-1)) return Shown::Hidden;
  return (state & (MF_GRAYED | MF_DISABLED)) ? Shown::Off : Shown::On;
}

inline const char* ShownName(Shown s) { return s == Shown::Hidden ? "hidden" : s == Shown::Off ? "off" : "on"; }

class PopupDriver {
 public:
  // Top: the menu expected on the screen (none: any menu); path: the command ids to click, top
  // level first; look: sees the top menu, and an open submenu at the path's end.
  PopupDriver(HMENU top, std::vector<UINT> path, std::function<void(HMENU)> look = {})
      : top_(top), path_(std::move(path)), look_(std::move(look)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 100, Tick);
  }
  ~PopupDriver() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  PopupDriver(const PopupDriver&) = delete;
  PopupDriver& operator=(const PopupDriver&) = delete;

  bool seen() const { return seen_; }
  // Every entry of the path clicked, or the menu closed.
  bool done() const { return done_; }

 private:
  static std::optional<UINT> PositionOf(HMENU menu, UINT id) {
    for (int pos = 0; pos < GetMenuItemCount(menu); ++pos) {
      MENUITEMINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_ID;
      if (GetMenuItemInfoA(menu, pos, TRUE, &info) && info.wID == id) return pos;
    }
    return std::nullopt;
  }
  // The screen place of an entry of a menu that is on the screen.
  static std::optional<RECT> PlaceOf(HMENU menu, UINT pos) {
    RECT r{};
    if (!GetMenuItemRect(nullptr, menu, pos, &r) || r.right <= r.left) return std::nullopt;
    return r;
  }

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (PopupDriver* d = current_) d->Step();
  }

  void Step() {
    if (done_) return;
    if (!seen_) {
      HWND shown = FindWindowA("#32768", nullptr);
      if (!shown || !IsWindowVisible(shown) || (top_ && (!IsMenu(top_) || !PlaceOf(top_, 0)))) return;
      seen_ = true;
      if (look_ && top_) look_(top_);
      if (path_.empty() || !top_) {
        Close();
        return;
      }
    }
    HMENU menu = top_;
    for (size_t i = 0; i < step_; ++i) menu = GetSubMenu(menu, static_cast<int>(*PositionOf(menu, path_[i])));
    if (step_ == path_.size()) {
      // The path ended on a submenu: looked at once it is on the screen and painted.
      if (!PlaceOf(menu, 0) || ++ticksOpen_ < 3) return;
      if (look_) look_(menu);
      Close();
      return;
    }
    std::optional<UINT> pos = menu ? PositionOf(menu, path_[step_]) : std::nullopt;
    if (!pos) {
      ADD_FAILURE() << "entry " << path_[step_] << " is not in the menu";
      Close();
      return;
    }
    std::optional<RECT> place = PlaceOf(menu, *pos);
    if (!place) return;  // its submenu is not on the screen yet
    const POINT at{(place->left + place->right) / 2, (place->top + place->bottom) / 2};
    SendMouse(MOUSEEVENTF_LEFTDOWN, at);
    SendMouse(MOUSEEVENTF_LEFTUP, at);
    if (++step_ == path_.size() && !GetSubMenu(menu, static_cast<int>(*pos))) done_ = true;
  }

  void Close() {
    done_ = true;
    EndMenu();
  }

  static inline PopupDriver* current_ = nullptr;
  HMENU top_;
  std::vector<UINT> path_;
  std::function<void(HMENU)> look_;
  UINT_PTR timer_ = 0;
  size_t step_ = 0;
  int ticksOpen_ = 0;
  bool seen_ = false;
  bool done_ = false;
};

}  // namespace corvana::test
