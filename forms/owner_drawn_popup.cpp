#include "forms/owner_drawn_popup.h"

#include "forms/form.h"
#include "forms/handler_guard.h"

namespace corvana::forms {
namespace {

// Where the replaced window procedure finds the menu's filler and the procedure it replaced.
constexpr const char* kRouteProperty = "CorvanaOwnerDrawnPopup";

struct Route {
  WNDPROC previous = nullptr;
  OwnerDrawnItems* items = nullptr;
};

bool IsMenuItemMessage(UINT msg, WPARAM w, LPARAM l) {
  // wParam 0 is a menu's; the owner's own owner-drawn controls keep their messages.
  if (w != 0 || !l) return false;
  if (msg == WM_MEASUREITEM) return reinterpret_cast<const MEASUREITEMSTRUCT*>(l)->CtlType == ODT_MENU;
  if (msg == WM_DRAWITEM) return reinterpret_cast<const DRAWITEMSTRUCT*>(l)->CtlType == ODT_MENU;
  return false;
}

LRESULT CALLBACK MenuWindowProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  auto* route = static_cast<Route*>(GetPropA(wnd, kRouteProperty));
  if (!route) return DefWindowProcA(wnd, msg, w, l);
  if (IsMenuItemMessage(msg, w, l)) {
    RunGuarded([&] {
      if (msg == WM_MEASUREITEM) route->items->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(l));
      else route->items->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
    });
    return TRUE;
  }
  return CallWindowProcA(route->previous, wnd, msg, w, l);
}

// Replaces the window's procedure for its life and puts the previous one back, also when a
// popup of another filler was open on the same window already.
class RoutedWindow {
 public:
  RoutedWindow(HWND wnd, OwnerDrawnItems& items) : wnd_(wnd), outer_(GetPropA(wnd, kRouteProperty)) {
    route_.items = &items;
    SetPropA(wnd_, kRouteProperty, &route_);
    route_.previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(MenuWindowProc)));
  }
  ~RoutedWindow() {
    if (!IsWindow(wnd_)) return;
    if (route_.previous) SetWindowLongPtrA(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(route_.previous));
    if (outer_) SetPropA(wnd_, kRouteProperty, outer_);
    else RemovePropA(wnd_, kRouteProperty);
  }
  RoutedWindow(const RoutedWindow&) = delete;
  RoutedWindow& operator=(const RoutedWindow&) = delete;

 private:
  HWND wnd_;
  HANDLE outer_;
  Route route_;
};

}  // namespace

UINT TrackOwnerDrawnPopup(Form& Owner, HMENU Popup, int X, int Y, OwnerDrawnItems& Items) {
  HWND wnd = Owner.hWnd();
  if (!wnd || !Popup) return 0;
  RoutedWindow routed(wnd, Items);
  // The platform's rule for a menu of a notification-area icon: its owner in the foreground
  // before, and a message to the owner after, so the menu takes the keys and closes on a click
  // elsewhere.
  SetForegroundWindow(wnd);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(Popup, TPM_RETURNCMD, X, Y, 0, wnd, nullptr));
  PostMessageA(wnd, WM_NULL, 0, 0);
  return chosen;
}

}  // namespace corvana::forms
