#include "forms/control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>

#include "forms/form.h"
#include "forms/handler_guard.h"
#include "forms/mouse_drag.h"
#include "forms/twips.h"

namespace corvana::forms {

HCURSOR CursorOfPointer(int pointer) {
  const char* id = nullptr;
  switch (pointer) {
    case 1: id = IDC_ARROW; break;
    case 2: id = IDC_CROSS; break;
    case 3: id = IDC_IBEAM; break;
    case 5: id = IDC_SIZEALL; break;
    case 6: id = IDC_SIZENESW; break;
    case 7: id = IDC_SIZENS; break;
    case 8: id = IDC_SIZENWSE; break;
    case 9: id = IDC_SIZEWE; break;
    case 10: id = IDC_UPARROW; break;
    case 11: id = IDC_WAIT; break;
    case 12: id = IDC_NO; break;
    case 13: id = IDC_APPSTARTING; break;
    case 14: id = IDC_HELP; break;
    case 15: id = IDC_SIZEALL; break;
    default: return nullptr;
  }
  return LoadCursorA(nullptr, id);
}

int ShiftState() {
  int shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
  return shift;
}

int MouseShiftState(WPARAM w) {
  return ((w & MK_SHIFT) ? kShiftMask : 0) | ((w & MK_CONTROL) ? kCtrlMask : 0) |
         (GetKeyState(VK_MENU) < 0 ? kAltMask : 0);
}

Control::Control(Form& form, const ControlDecl& decl)
    : form_(form),
      decl_(decl),
      type_(decl.type),
      name_(decl.name),
      index_(decl.index),
      tag_(decl.tag),
      toolTip_(decl.toolTipText),
      twips_{decl.left, decl.top, decl.left + decl.width, decl.top + decl.height},
      visible_(decl.visible),
      enabled_(decl.enabled),
      mousePointer_(std::atoi(decl.extras.count("MousePointer") ? decl.extras.at("MousePointer").c_str() : "0")),
      id_(form.NextControlId()) {
  if (!decl.container.empty()) container_ = form.FindContainer(decl.container);
}

namespace {

// The class procedure under a control's own, for the messages that arrive once the control
// object is gone (while its window is destroyed).
constexpr const char* kClassProcProperty = "CorvanaClassProc";

}  // namespace

Control::~Control() {
  if (drag_) drag_->Stop();
  if (HWND wnd = wnd_.get()) {
    form_.UnregisterWindow(wnd);
    SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
    wnd_.reset();
  }
}

HWND Control::CreateChild(const char* windowClass, DWORD style, DWORD exStyle, HWND parent, const std::string& text) {
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) style |= WS_VISIBLE;
  if (!enabled_) style |= WS_DISABLED;
  HWND wnd = CreateWindowExA(exStyle, windowClass, text.c_str(), style, TwipsToPixelsX(twips_.left),
                             TwipsToPixelsY(twips_.top), TwipsToPixelsX(twips_.right - twips_.left),
                             TwipsToPixelsY(twips_.bottom - twips_.top), parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), GetModuleHandleA(nullptr), nullptr);
  if (!wnd) return nullptr;
  wnd_.reset(wnd);
  SendMessageA(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(form_.Font()), FALSE);
  // Subclassed through the window procedure itself: the platform's subclass helper looks its
  // data up in the window's properties at every message, which costs a round trip to the
  // window server each time under Wine.
  SetPropA(wnd, kClassProcProperty, reinterpret_cast<HANDLE>(GetWindowLongPtrA(wnd, GWLP_WNDPROC)));
  SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  classProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::SubclassProc)));
  form_.RegisterWindow(wnd, this);
  ApplyToolTip();
  return wnd;
}

LRESULT Control::CallDefault(UINT msg, WPARAM w, LPARAM l) {
  return CallWindowProcA(classProc_, wnd_.get(), msg, w, l);
}

std::string Control::WindowText() const {
  if (!wnd_) return {};
  int n = GetWindowTextLengthA(wnd_.get());
  std::string text(static_cast<size_t>(n) + 1, '\0');
  n = GetWindowTextA(wnd_.get(), text.data(), n + 1);
  text.resize(static_cast<size_t>(n > 0 ? n : 0));
  return text;
}

std::string Control::Extra(const char* name, const std::string& fallback) const {
  auto it = decl_.extras.find(name);
  return it == decl_.extras.end() ? fallback : it->second;
}

int Control::ExtraInt(const char* name, int fallback) const {
  auto it = decl_.extras.find(name);
  return it == decl_.extras.end() ? fallback : std::atoi(it->second.c_str());
}

bool Control::ExtraFlag(const char* name, bool fallback) const {
  auto it = decl_.extras.find(name);
  if (it == decl_.extras.end()) return fallback;
  return it->second == "1" || it->second == "True" || it->second == "true";
}

int Control::PointToTwipsX(int px) const { return PixelsToTwipsX(px); }
int Control::PointToTwipsY(int py) const { return PixelsToTwipsY(py); }

void Control::SetToolTipText(const std::string& text) {
  toolTip_ = text;
  ApplyToolTip();
}

void Control::ApplyToolTip() {
  HWND tips = form_.ToolTipWindow();
  if (!tips || !wnd_) return;
  TTTOOLINFOA info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = form_.hWnd();
  info.uId = reinterpret_cast<UINT_PTR>(wnd_.get());
  SendMessageA(tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  if (toolTip_.empty()) return;
  info.lpszText = const_cast<char*>(toolTip_.c_str());
  SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

namespace {

RECT PixelRectInParent(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(wnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

int Control::Left() const {
  if (!wnd_) return twips_.left;
  RECT r = PixelRectInParent(wnd_.get());
  return KeptTwipsX(twips_.left, r.left);
}

int Control::Top() const {
  if (!wnd_) return twips_.top;
  RECT r = PixelRectInParent(wnd_.get());
  return KeptTwipsY(twips_.top, r.top);
}

int Control::Width() const {
  int w = twips_.right - twips_.left;
  if (!wnd_) return w;
  RECT r = PixelRectInParent(wnd_.get());
  return KeptTwipsX(w, r.right - r.left);
}

int Control::Height() const {
  int h = twips_.bottom - twips_.top;
  if (!wnd_) return h;
  RECT r = PixelRectInParent(wnd_.get());
  return KeptTwipsY(h, r.bottom - r.top);
}

void Control::Move(int left, int top, int width, int height) {
  // A negative size is refused and the control stays as it was.
  if (width < 0 || height < 0) return;
  twips_ = {left, top, left + width, top + height};
  if (wnd_)
    MoveWindow(wnd_.get(), TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width), TwipsToPixelsY(height),
               TRUE);
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  if (wnd_) ShowWindow(wnd_.get(), visible ? SW_SHOWNA : SW_HIDE);
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (wnd_) EnableWindow(wnd_.get(), enabled);
}

void Control::SetFocus() {
  if (wnd_) ::SetFocus(wnd_.get());
}

void Control::ZOrder(int position) {
  if (wnd_)
    SetWindowPos(wnd_.get(), position == 0 ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Control::ContainsScreenPoint(POINT screen) const {
  HWND at = WindowFromPoint(screen);
  return wnd_ && at && (at == wnd_.get() || IsChild(wnd_.get(), at));
}

POINT Control::ScreenToTwips(POINT screen) const {
  if (wnd_) ScreenToClient(wnd_.get(), &screen);
  return {PixelsToTwipsX(screen.x), PixelsToTwipsY(screen.y)};
}

POINT Control::OriginInForm() const {
  POINT origin{0, 0};
  if (wnd_) MapWindowPoints(wnd_.get(), form_.hWnd(), &origin, 1);
  return {PixelsToTwipsX(origin.x), PixelsToTwipsY(origin.y)};
}

void Control::Refresh() {
  if (wnd_) RedrawWindow(wnd_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

LRESULT CALLBACK Control::SubclassProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<Control*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!self || msg == WM_NCDESTROY) {
    auto classProc = reinterpret_cast<WNDPROC>(GetPropA(wnd, kClassProcProperty));
    if (msg == WM_NCDESTROY) {
      RemovePropA(wnd, kClassProcProperty);
      SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
      if (self) {
        if (self->drag_) self->drag_->Stop();
        self->form_.UnregisterWindow(wnd);
        self->wnd_.release();
      }
    }
    return classProc ? CallWindowProcA(classProc, wnd, msg, w, l) : DefWindowProcA(wnd, msg, w, l);
  }
  LRESULT result = 0;
  RunGuarded([&] { result = self->HandleMessage(msg, w, l); });
  return result;
}

void Control::RaiseMouse(const MouseHandler& handler, int button, WPARAM w, LPARAM l) {
  if (!handler || form_.TearingDown()) return;
  handler(button, MouseShiftState(w), PixelsToTwipsX(GET_X_LPARAM(l)), PixelsToTwipsY(GET_Y_LPARAM(l)));
}

LRESULT Control::HandleMessage(UINT msg, WPARAM w, LPARAM l) {
  auto scope = form_.EnterDispatch();
  LRESULT result = 0;
  if (drag_ && drag_->Filter(msg, w, l, result)) return result;
  if (IsContainer() && (msg == WM_COMMAND || msg == WM_NOTIFY || msg == WM_CTLCOLORSTATIC) &&
      form_.RouteChildMessage(msg, w, l, result))
    return result;
  if (OnMessage(msg, w, l, result)) return result;
  if (form_.TearingDown()) return CallDefault(msg, w, l);

  auto buttonOf = [](UINT m) {
    switch (m) {
      case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP: return int(kLeftButton);
      case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_RBUTTONUP: return int(kRightButton);
      default: return int(kMiddleButton);
    }
  };
  switch (msg) {
    case WM_SETCURSOR:
      if (HCURSOR cursor = CursorOfPointer(mousePointer_); cursor && LOWORD(l) == HTCLIENT) {
        SetCursor(cursor);
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: {
      int button = buttonOf(msg);
      int vk = button == kLeftButton ? VK_LBUTTON : button == kRightButton ? VK_RBUTTON : VK_MBUTTON;
      const bool pressed = GetKeyState(vk) < 0;
      if (TakesFocusOnPress() && GetFocus() != wnd_.get()) ::SetFocus(wnd_.get());
      if (!wnd_) return 0;
      RaiseMouse(MouseDown, button, w, l);
      // A handler that ran a loop of its own (a popup menu) has taken the release along; the
      // control's own tracking would wait for a release that never comes.
      if (!wnd_ || (pressed && GetKeyState(vk) >= 0)) return 0;
      buttonsDown_ |= button;
      LRESULT r = CallDefault(msg, w, l);
      // Tree and list views track the mouse in a loop of their own and swallow the release.
      if (CapturesMouse() && wnd_) SetCapture(wnd_.get());
      if ((buttonsDown_ & button) && GetKeyState(vk) >= 0 && wnd_) {
        buttonsDown_ &= ~button;
        POINT pt{};
        DWORD pos = GetMessagePos();
        pt.x = GET_X_LPARAM(pos);
        pt.y = GET_Y_LPARAM(pos);
        ScreenToClient(wnd_.get(), &pt);
        RaiseMouse(MouseUp, button, w, MAKELPARAM(pt.x, pt.y));
        if (!buttonsDown_ && CapturesMouse() && GetCapture() == wnd_.get()) ReleaseCapture();
      }
      return r;
    }
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: {
      int button = buttonOf(msg);
      if (buttonsDown_ & button) {
        buttonsDown_ &= ~button;
        RaiseMouse(MouseUp, button, w, l);
      }
      if (!buttonsDown_ && CapturesMouse() && wnd_ && GetCapture() == wnd_.get()) ReleaseCapture();
      break;
    }
    case WM_CAPTURECHANGED:
      if (CapturesMouse()) buttonsDown_ = 0;
      break;
    case WM_MOUSEMOVE: {
      int button = ((w & MK_LBUTTON) ? 1 : 0) | ((w & MK_RBUTTON) ? 2 : 0) | ((w & MK_MBUTTON) ? 4 : 0);
      RaiseMouse(MouseMove, button, w, l);
      break;
    }
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_KEYUP: case WM_SYSKEYUP: {
      const KeyHandler& handler = (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) ? KeyDown : KeyUp;
      if (handler) {
        int key = static_cast<int>(w);
        handler(key, ShiftState());
        if (key == 0) return 0;
      }
      break;
    }
    case WM_CHAR:
      if (KeyPress) {
        int ascii = static_cast<int>(w);
        KeyPress(ascii);
        if (ascii == 0) return 0;
        w = static_cast<WPARAM>(ascii);
      }
      break;
    case WM_SETFOCUS: {
      form_.ControlGotFocus(wnd_.get());
      LRESULT r = CallDefault(msg, w, l);
      if (GotFocus) GotFocus();
      return r;
    }
    case WM_KILLFOCUS: {
      LRESULT r = CallDefault(msg, w, l);
      if (LostFocus) LostFocus();
      return r;
    }
    case WM_GETDLGCODE: {
      LRESULT r = CallDefault(msg, w, l);
      // Without a Default (Cancel) button on the form, Enter (Esc) belongs to the control.
      auto* m = reinterpret_cast<MSG*>(l);
      if (m && m->message == WM_KEYDOWN && type_ != "CommandButton" &&
          ((m->wParam == VK_RETURN && !form_.HasDefaultButton()) || (m->wParam == VK_ESCAPE && !form_.HasCancelButton())))
        r |= DLGC_WANTMESSAGE;
      return r;
    }
    default:
      break;
  }
  return CallDefault(msg, w, l);
}

}  // namespace corvana::forms
