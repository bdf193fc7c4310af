#include "forms/form.h"

#include <commctrl.h>
#include <windowsx.h>

#include "forms/bar_controls.h"
#include "forms/handler_guard.h"
#include "forms/basic_controls.h"
#include "forms/image_list.h"
#include "forms/list_view.h"
#include "forms/message_loop.h"
#include "forms/picture_controls.h"
#include "forms/progress_controls.h"
#include "forms/tab_strip.h"
#include "forms/timer_control.h"
#include "forms/tree_view.h"
#include "forms/twips.h"

namespace corvana::forms {
namespace {

constexpr const char* kFormClass = "CorvanaForm";

void RegisterFormClass(WNDPROC proc) {
  static const bool registered = [proc] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_ANIMATE_CLASS | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                             ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  (void)registered;
}

std::unique_ptr<Control> MakeControl(Form& form, const ControlDecl& d) {
  const std::string& t = d.type;
  if (t == "Label") return std::make_unique<Label>(form, d);
  if (t == "TextBox") return std::make_unique<TextBox>(form, d);
  if (t == "CommandButton") return std::make_unique<CommandButton>(form, d);
  if (t == "CheckBox") return std::make_unique<CheckBox>(form, d);
  if (t == "OptionButton") return std::make_unique<OptionButton>(form, d);
  if (t == "Frame") return std::make_unique<Frame>(form, d);
  if (t == "ListBox") return std::make_unique<ListBox>(form, d);
  if (t == "PictureBox") return std::make_unique<PictureBox>(form, d);
  if (t == "Image") return std::make_unique<Image>(form, d);
  if (t == "Timer") return std::make_unique<Timer>(form, d);
  if (t == "ImageList") return std::make_unique<ImageList>(form, d);
  if (t == "ListView") return std::make_unique<ListView>(form, d);
  if (t == "TreeView") return std::make_unique<TreeView>(form, d);
  if (t == "Toolbar") return std::make_unique<Toolbar>(form, d);
  if (t == "StatusBar") return std::make_unique<StatusBar>(form, d);
  if (t == "TabStrip") return std::make_unique<TabStrip>(form, d);
  if (t == "ProgressBar") return std::make_unique<ProgressBar>(form, d);
  if (t == "Animation") return std::make_unique<Animation>(form, d);
  throw std::invalid_argument("unknown control type " + t + " of " + d.name);
}

// "name(3)" names member 3 of a control array.
std::pair<std::string, int> SplitIndex(const std::string& name) {
  auto open = name.find('(');
  if (open == std::string::npos || name.back() != ')') return {name, -1};
  return {name.substr(0, open), std::atoi(name.c_str() + open + 1)};
}

struct WindowStyle {
  DWORD style, exStyle;
};

WindowStyle StyleOf(const FormDecl& d) {
  DWORD style = WS_CLIPCHILDREN;
  DWORD ex = WS_EX_CONTROLPARENT;
  switch (d.borderStyle) {
    case BorderStyle::None: style |= WS_POPUP; break;
    case BorderStyle::FixedSingle: style |= WS_OVERLAPPED | WS_CAPTION; break;
    case BorderStyle::Sizable: style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
    case BorderStyle::FixedDialog: style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME; ex |= WS_EX_DLGMODALFRAME; break;
    case BorderStyle::FixedToolWindow: style |= WS_POPUP | WS_CAPTION; ex |= WS_EX_TOOLWINDOW; break;
  }
  if (d.borderStyle != BorderStyle::None && d.controlBox) {
    style |= WS_SYSMENU;
    bool dialogLike = d.borderStyle == BorderStyle::FixedDialog || d.borderStyle == BorderStyle::FixedToolWindow;
    if (d.minButton && !dialogLike) style |= WS_MINIMIZEBOX;
    if (d.maxButton && !dialogLike) style |= WS_MAXIMIZEBOX;
  }
  return {style, ex};
}

}  // namespace

Form* FormFromWindow(HWND wnd) {
  char cls[32] = {};
  if (!wnd || !GetClassNameA(wnd, cls, sizeof cls) || lstrcmpA(cls, kFormClass) != 0) return nullptr;
  return reinterpret_cast<Form*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
}

Form::DispatchScope::~DispatchScope() {
  if (--form_.dispatchDepth_ == 0) {
    form_.graveyardControls_.clear();
    form_.graveyardMenus_.clear();
  }
}

Form::Form(FormDecl decl) : decl_(std::move(decl)), tag_(decl_.tag), keyPreview_(decl_.keyPreview) {}

Form::~Form() {
  tearingDown_ = true;
  Destroy();
}

const std::string& Form::TypeName() {
  static const std::string name = "Form";
  return name;
}

std::string Form::Caption() const {
  if (!wnd_) return decl_.caption;
  char buf[1024] = {};
  GetWindowTextA(wnd_.get(), buf, sizeof buf);
  return buf;
}

void Form::SetCaption(const std::string& caption) {
  if (wnd_) SetWindowTextA(wnd_.get(), caption.c_str());
}

void Form::BuildMenus(Menu* parent, const std::vector<MenuDecl>& decls, std::vector<std::unique_ptr<Menu>>& out) {
  for (auto& d : decls) {
    auto menu = std::make_unique<Menu>(*this, parent, d, nextMenuId_++);
    BuildMenus(menu.get(), d.items, menu->items_);
    menu->RebuildPopup();
    out.push_back(std::move(menu));
  }
}

void Form::LoadForm() {
  if (wnd_) return;
  RegisterFormClass(WindowProc);
  tag_ = decl_.tag;
  keyPreview_ = decl_.keyPreview;
  positioned_ = decl_.left >= 0 && decl_.top >= 0;
  pendingState_ = kNormal;
  {
    WindowDc screen(nullptr);
    LOGFONTA lf{};
    lf.lfHeight = -MulDiv(8, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(lf.lfFaceName, "MS Sans Serif");
    font_.reset(CreateFontIndirectA(&lf));
  }
  BuildMenus(nullptr, decl_.menus, menus_);
  menuBar_.reset(CreateMenu());
  bool hasBar = false;
  for (auto& m : menus_) hasBar = hasBar || m->Visible();

  WindowStyle ws = StyleOf(decl_);
  RECT rc{0, 0, TwipsToPixelsX(decl_.clientWidth), TwipsToPixelsY(decl_.clientHeight)};
  AdjustWindowRectEx(&rc, ws.style, hasBar, ws.exStyle);
  int x = positioned_ ? TwipsToPixelsX(decl_.left) : CW_USEDEFAULT;
  int y = positioned_ ? TwipsToPixelsY(decl_.top) : CW_USEDEFAULT;
  HWND wnd = CreateWindowExA(ws.exStyle, kFormClass, decl_.caption.c_str(), ws.style, x, y, rc.right - rc.left,
                             rc.bottom - rc.top, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (!wnd) return;
  wnd_.reset(wnd);
  twips_ = {decl_.left, decl_.top, decl_.left + PixelsToTwipsX(rc.right - rc.left),
            decl_.top + PixelsToTwipsY(rc.bottom - rc.top)};
  resized_ = false;
  icon_ = decl_.iconResource
              ? static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(decl_.iconResource), IMAGE_ICON,
                                              0, 0, LR_DEFAULTSIZE | LR_SHARED))
              : LoadIconA(nullptr, IDI_APPLICATION);
  SendMessageA(wnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(wnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  toolTips_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, wnd, nullptr, GetModuleHandleA(nullptr),
                                  nullptr));
  RebuildMenuBar();
  for (auto& d : decl_.controls) {
    auto control = MakeControl(*this, d);
    Control* raw = control.get();
    controls_.push_back(std::move(control));
    raw->Create(raw->Container() ? raw->Container()->hWnd() : wnd);
  }
  // Each new window goes below its siblings, so the declaration order is the tab order.
  for (auto& c : controls_)
    if (c->BehindSiblings() && c->hWnd())
      SetWindowPos(c->hWnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  auto scope = EnterDispatch();
  ControlsCreated();
  if (Load) Load();
}

bool Form::UnloadForm(int mode) {
  if (!wnd_) return true;
  auto scope = EnterDispatch();
  int cancel = 0;
  if (QueryUnload) QueryUnload(cancel, mode);
  if (cancel) return false;
  if (Unload) Unload(cancel);
  if (cancel) return false;
  Destroy();
  return true;
}

void Form::Destroy() {
  if (!wnd_) return;
  bool wasTearingDown = tearingDown_;
  tearingDown_ = true;
  EnableWaitingWindows();
  windows_.clear();
  SetMenu(wnd_.get(), nullptr);
  toolTips_.reset();
  wnd_.reset();
  ReleaseParts();
  tearingDown_ = wasTearingDown;
}

void Form::ReleaseParts() {
  ControlsReleasing();
  windows_.clear();
  lastFocus_ = nullptr;
  toolTips_.release();  // an owned window: gone with the form's window
  if (menuBar_)
    while (GetMenuItemCount(menuBar_.get()) > 0) RemoveMenu(menuBar_.get(), 0, MF_BYPOSITION);
  menuBar_.reset();
  if (dispatchDepth_ > 0) {
    for (auto& c : controls_) graveyardControls_.push_back(std::move(c));
    for (auto& m : menus_) graveyardMenus_.push_back(std::move(m));
  }
  controls_.clear();
  menus_.clear();
  font_.reset();
  icon_ = nullptr;
}

void Form::RebuildMenuBar() {
  if (!menuBar_ || !wnd_) return;
  while (GetMenuItemCount(menuBar_.get()) > 0) RemoveMenu(menuBar_.get(), 0, MF_BYPOSITION);
  UINT pos = 0;
  for (auto& m : menus_) {
    if (!m->Visible()) continue;
    MENUITEMINFOA info = m->ItemInfo();
    InsertMenuItemA(menuBar_.get(), pos++, TRUE, &info);
  }
  SetMenu(wnd_.get(), pos > 0 ? menuBar_.get() : nullptr);
  DrawMenuBar(wnd_.get());
}

void Form::RedrawMenuBar() {
  if (wnd_) DrawMenuBar(wnd_.get());
}

Menu* Form::FindMenu(const std::string& name, int index) const {
  for (Menu* m : Menus())
    if (m->Name() == name && m->Index() == index) return m;
  return nullptr;
}

Menu& Form::GetMenu(const std::string& name, int index) const {
  if (Menu* m = FindMenu(name, index)) return *m;
  throw std::logic_error("no menu " + name + " on form " + decl_.name);
}

std::vector<Menu*> Form::Menus() const {
  std::vector<Menu*> all;
  std::function<void(const std::vector<std::unique_ptr<Menu>>&)> walk = [&](const auto& items) {
    for (auto& m : items) {
      all.push_back(m.get());
      walk(m->Items());
    }
  };
  walk(menus_);
  return all;
}

Menu* Form::MenuById(UINT id) const {
  for (Menu* m : Menus())
    if (m->id() == id) return m;
  return nullptr;
}

Menu* Form::MenuByPopup(HMENU popup) const {
  for (Menu* m : Menus())
    if (m->popup() == popup) return m;
  return nullptr;
}

void Form::PopupMenu(Menu& menu, int flags, Menu* defaultItem) {
  if (!wnd_ || !menu.popup()) return;
  menu.RebuildPopup();
  SetMenuDefaultItem(menu.popup(), defaultItem ? defaultItem->id() : static_cast<UINT>(-1), FALSE);
  POINT pt{};
  GetCursorPos(&pt);
  UINT track = TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | ((flags & 2) ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON);
  UINT chosen = static_cast<UINT>(TrackPopupMenu(menu.popup(), track, pt.x, pt.y, 0, wnd_.get(), nullptr));
  SetMenuDefaultItem(menu.popup(), static_cast<UINT>(-1), FALSE);
  if (chosen == 0) return;
  auto scope = EnterDispatch();
  if (Menu* item = MenuById(chosen); item && item->Click) item->Click();
}

Control* Form::FindContainer(const std::string& name) const {
  auto [base, index] = SplitIndex(name);
  Control* c = Find(base, index);
  return c && c->IsContainer() ? c : nullptr;
}

bool Form::HasDefaultButton() const {
  for (auto& c : controls_)
    if (auto* b = dynamic_cast<CommandButton*>(c.get()); b && b->Default()) return true;
  return false;
}

bool Form::HasCancelButton() const {
  for (auto& c : controls_)
    if (auto* b = dynamic_cast<CommandButton*>(c.get()); b && b->Cancel()) return true;
  return false;
}

void Form::Show(ShowMode mode, Form* owner) {
  if (!wnd_) LoadForm();
  if (!wnd_) return;
  HWND ownerWnd = owner ? owner->hWnd() : nullptr;
  if (ownerWnd) SetWindowLongPtrA(wnd_.get(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(ownerWnd));
  if (!positioned_) {
    positioned_ = true;
    RECT rc{}, work{};
    GetWindowRect(wnd_.get(), &rc);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    SetWindowPos(wnd_.get(), nullptr, work.left + (work.right - work.left - w) / 2,
                 work.top + (work.bottom - work.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // A form is told its size once when it first appears, as a resized one is.
  if (!resized_) {
    resized_ = true;
    auto scope = EnterDispatch();
    if (Resize) Resize();
    if (!wnd_) return;
  }
  int cmd = pendingState_ == kMinimized ? SW_SHOWMINIMIZED : pendingState_ == kMaximized ? SW_SHOWMAXIMIZED : SW_SHOW;
  if (!IsWindowVisible(wnd_.get()) || cmd != SW_SHOW) ShowWindow(wnd_.get(), cmd);
  pendingState_ = kNormal;
  UpdateWindow(wnd_.get());
  if (mode == ShowMode::Modal) RunModal(ownerWnd);
}

void Form::Hide() {
  if (!wnd_) return;
  EnableWaitingWindows();
  ShowWindow(wnd_.get(), SW_HIDE);
}

void Form::SetFocus() {
  if (!wnd_ || !IsWindowVisible(wnd_.get())) return;
  if (IsIconic(wnd_.get())) ShowWindow(wnd_.get(), SW_RESTORE);
  SetForegroundWindow(wnd_.get());
}

bool Form::Visible() const { return wnd_ && IsWindowVisible(wnd_.get()); }

int Form::WindowState() const {
  if (!wnd_) return kNormal;
  if (!IsWindowVisible(wnd_.get())) return pendingState_;
  return IsIconic(wnd_.get()) ? kMinimized : IsZoomed(wnd_.get()) ? kMaximized : kNormal;
}

void Form::SetWindowState(int state) {
  if (!wnd_) return;
  if (!IsWindowVisible(wnd_.get())) {
    pendingState_ = state;
    return;
  }
  ShowWindow(wnd_.get(), state == kMinimized ? SW_MINIMIZE : state == kMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

namespace {

struct Disabler {
  HWND modal;
  std::vector<HWND>& disabled;
};

BOOL CALLBACK DisableOthers(HWND wnd, LPARAM param) {
  auto* d = reinterpret_cast<Disabler*>(param);
  if (wnd != d->modal && GetWindow(wnd, GW_OWNER) != d->modal && IsWindowVisible(wnd) && IsWindowEnabled(wnd)) {
    EnableWindow(wnd, FALSE);
    d->disabled.push_back(wnd);
  }
  return TRUE;
}

}  // namespace

// Before the modal form is hidden or destroyed: while its owner is still disabled then, the
// platform hands the activation to some other window, often another program's, and the owner
// is left without the keyboard.
void Form::EnableWaitingWindows() {
  for (HWND w : waitingForModal_)
    if (IsWindow(w)) EnableWindow(w, TRUE);
  waitingForModal_.clear();
}

void Form::RunModal(HWND owner) {
  // Like a modal dialog of the time: every other window of the program waits.
  Disabler d{wnd_.get(), waitingForModal_};
  EnumThreadWindows(GetCurrentThreadId(), DisableOthers, reinterpret_cast<LPARAM>(&d));
  while (wnd_ && IsWindowVisible(wnd_.get())) {
    MSG msg{};
    BOOL r = GetMessageA(&msg, nullptr, 0, 0);
    if (r == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (r < 0) break;
    DispatchWindowMessage(msg);
  }
  EnableWaitingWindows();
  if (owner && IsWindow(owner)) SetActiveWindow(owner);
}

bool Form::GiveFocusBack() {
  HWND wnd = wnd_.get();
  HWND control = lastFocus_;
  if (!wnd || !control || IsIconic(wnd) || !IsWindow(control) || !IsChild(wnd, control) ||
      !IsWindowVisible(control) || !IsWindowEnabled(control))
    return false;
  if (GetFocus() != control) ::SetFocus(control);
  return true;
}

bool Form::PreTranslate(MSG& msg) {
  if (!wnd_ || tearingDown_) return false;
  if (keyPreview_ && msg.hwnd != wnd_.get()) {
    auto scope = EnterDispatch();
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && KeyDown) {
      int key = static_cast<int>(msg.wParam);
      KeyDown(key, ShiftState());
      if (key == 0) return true;
    } else if ((msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) && KeyUp) {
      int key = static_cast<int>(msg.wParam);
      KeyUp(key, ShiftState());
      if (key == 0) return true;
    } else if (msg.message == WM_CHAR && KeyPress) {
      int ascii = static_cast<int>(msg.wParam);
      KeyPress(ascii);
      if (ascii == 0) return true;
      msg.wParam = static_cast<WPARAM>(ascii);
    }
    if (!wnd_) return true;
  }
  return IsDialogMessageA(wnd_.get(), &msg) != FALSE;
}

namespace {

RECT WindowRectOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

}  // namespace

int Form::Left() const {
  if (!wnd_) return decl_.left;
  RECT r = WindowRectOf(wnd_.get());
  return KeptTwipsX(twips_.left, r.left);
}

int Form::Top() const {
  if (!wnd_) return decl_.top;
  RECT r = WindowRectOf(wnd_.get());
  return KeptTwipsY(twips_.top, r.top);
}

int Form::Width() const {
  if (!wnd_) return 0;
  RECT r = WindowRectOf(wnd_.get());
  int w = twips_.right - twips_.left;
  return KeptTwipsX(w, r.right - r.left);
}

int Form::Height() const {
  if (!wnd_) return 0;
  RECT r = WindowRectOf(wnd_.get());
  int h = twips_.bottom - twips_.top;
  return KeptTwipsY(h, r.bottom - r.top);
}

void Form::Move(int left, int top, int width, int height) {
  if (!wnd_ || width < 0 || height < 0) return;
  twips_ = {left, top, left + width, top + height};
  positioned_ = true;
  MoveWindow(wnd_.get(), TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width), TwipsToPixelsY(height), TRUE);
}

POINT Form::ScreenToTwips(POINT screen) const {
  if (wnd_) ScreenToClient(wnd_.get(), &screen);
  return {PixelsToTwipsX(screen.x), PixelsToTwipsY(screen.y)};
}

int Form::ScaleWidth() const {
  RECT rc{};
  if (wnd_) GetClientRect(wnd_.get(), &rc);
  return PixelsToTwipsX(rc.right);
}

int Form::ScaleHeight() const {
  RECT rc{};
  if (wnd_) GetClientRect(wnd_.get(), &rc);
  return PixelsToTwipsY(rc.bottom);
}

void Form::Refresh() {
  if (wnd_) RedrawWindow(wnd_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool Form::RouteChildMessage(UINT msg, WPARAM w, LPARAM l, LRESULT& result) {
  if (tearingDown_) return false;
  if (msg == WM_COMMAND && l) {
    auto it = windows_.find(reinterpret_cast<HWND>(l));
    if (it != windows_.end() && it->second->OnCommand(HIWORD(w), LOWORD(w))) {
      result = 0;
      return true;
    }
  } else if (msg == WM_NOTIFY) {
    auto* hdr = reinterpret_cast<NMHDR*>(l);
    auto it = windows_.find(hdr->hwndFrom);
    if (it != windows_.end()) return it->second->OnNotify(hdr, result);
  } else if (msg == WM_CTLCOLORSTATIC) {
    auto it = windows_.find(reinterpret_cast<HWND>(l));
    if (it != windows_.end()) return it->second->OnControlColor(reinterpret_cast<HDC>(w), result);
  }
  return false;
}

void Form::RaiseMouse(const MouseHandler& handler, int button, WPARAM w, LPARAM l) {
  if (!handler) return;
  handler(button, MouseShiftState(w), PixelsToTwipsX(GET_X_LPARAM(l)), PixelsToTwipsY(GET_Y_LPARAM(l)));
}

LRESULT CALLBACK Form::WindowProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(l);
    SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  // The menus are the form's to destroy, also when something else destroys its window.
  if (msg == WM_DESTROY) SetMenu(wnd, nullptr);
  auto* self = reinterpret_cast<Form*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (!self || self->tearingDown_ || (self->wnd_.get() != wnd && msg != WM_NCCREATE && self->wnd_))
    return DefWindowProcA(wnd, msg, w, l);
  if (msg == WM_NCDESTROY) {
    // Destroyed from outside, with its owner: the form is unloaded without its events.
    SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
    self->wnd_.release();
    self->ReleaseParts();
    return DefWindowProcA(wnd, msg, w, l);
  }
  if (!self->wnd_) return DefWindowProcA(wnd, msg, w, l);
  auto scope = self->EnterDispatch();
  LRESULT result = 0;
  RunGuarded([&] { result = self->HandleMessage(msg, w, l); });
  return result;
}

LRESULT Form::HandleMessage(UINT msg, WPARAM w, LPARAM l) {
  HWND wnd = wnd_.get();
  LRESULT result = 0;
  switch (msg) {
    case WM_COMMAND:
      if (RouteChildMessage(msg, w, l, result)) return result;
      if (!l && HIWORD(w) == 0) {
        if (Menu* m = MenuById(LOWORD(w))) {
          if (m->Click) m->Click();
          return 0;
        }
        if (LOWORD(w) == IDCANCEL) {
          for (auto& c : controls_)
            if (auto* b = dynamic_cast<CommandButton*>(c.get());
                b && b->Cancel() && b->Visible() && b->Enabled() && b->Click) {
              b->Click();
              break;
            }
          return 0;
        }
      }
      return 0;
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
      if (RouteChildMessage(msg, w, l, result)) return result;
      break;
    case DM_GETDEFID:
      for (auto& c : controls_)
        if (auto* b = dynamic_cast<CommandButton*>(c.get()); b && b->Default() && b->Visible() && b->Enabled())
          return MAKELRESULT(b->id(), DC_HASDEFID);
      return 0;
    case WM_INITMENUPOPUP:
      if (Menu* m = MenuByPopup(reinterpret_cast<HMENU>(w)); m && m->Click) m->Click();
      return 0;
    case WM_TIMER:
      for (auto& c : controls_)
        if (auto* t = dynamic_cast<Timer*>(c.get()); t && t->id() == static_cast<int>(w)) {
          t->Fire();
          break;
        }
      return 0;
    case WM_SIZE:
      resized_ = true;
      for (auto& c : controls_) c->AfterFormResize();
      if (Resize) Resize();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      BeginPaint(wnd, &ps);
      EndPaint(wnd, &ps);
      if (Paint) Paint();
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(w) != WA_INACTIVE && !HIWORD(w)) {
        if (Activate) Activate();
        // The platform would give the focus to the form's own window, which takes no keys.
        if (GiveFocusBack()) return 0;
      }
      break;
    case WM_SETFOCUS:
      if (GiveFocusBack()) return 0;
      break;
    case WM_CLOSE:
      UnloadForm(kFormControlMenu);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The process may be ended as soon as this returns: the form saves what it keeps now.
      if (w) UnloadForm(kAppWindows);
      return 0;
    case WM_SETCURSOR:
      if (HCURSOR cursor = CursorOfPointer(mousePointer_);
          cursor && reinterpret_cast<HWND>(w) == wnd && LOWORD(l) == HTCLIENT) {
        SetCursor(cursor);
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: {
      int button = msg == WM_LBUTTONDOWN ? kLeftButton : msg == WM_RBUTTONDOWN ? kRightButton : kMiddleButton;
      buttonsDown_ |= button;
      SetCapture(wnd);
      RaiseMouse(MouseDown, button, w, l);
      return 0;
    }
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: {
      int button = msg == WM_LBUTTONUP ? kLeftButton : msg == WM_RBUTTONUP ? kRightButton : kMiddleButton;
      bool wasDown = buttonsDown_ & button;
      buttonsDown_ &= ~button;
      if (!buttonsDown_ && GetCapture() == wnd) ReleaseCapture();
      RaiseMouse(MouseUp, button, w, l);
      if (wasDown && button == kLeftButton && Click) Click();
      return 0;
    }
    case WM_LBUTTONDBLCLK:
      if (DblClick) DblClick();
      return 0;
    case WM_MOUSEMOVE:
      RaiseMouse(MouseMove, ((w & MK_LBUTTON) ? 1 : 0) | ((w & MK_RBUTTON) ? 2 : 0) | ((w & MK_MBUTTON) ? 4 : 0), w, l);
      return 0;
    case WM_KEYDOWN: case WM_KEYUP: {
      const KeyHandler& handler = msg == WM_KEYDOWN ? KeyDown : KeyUp;
      if (handler) {
        int key = static_cast<int>(w);
        handler(key, ShiftState());
      }
      return 0;
    }
    case WM_CHAR:
      if (KeyPress) {
        int ascii = static_cast<int>(w);
        KeyPress(ascii);
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcA(wnd, msg, w, l);
}

}  // namespace corvana::forms
