#include "main_window/tree_drag.h"

#include <commctrl.h>
#include <windowsx.h>

#include "forms/twips.h"
#include "main_window/main_form.h"

namespace corvana {
namespace {

constexpr UINT_PTR kDragSubclassId = 0x44524147;  // "DRAG"
// VB's drag states: entering, leaving, moving over a control.
constexpr int kDragEnter = 0, kDragLeave = 1, kDragOver = 2;
constexpr int kImageMarginPixels = 2;

bool IsSameOrChildWindow(HWND outer, HWND wnd) { return outer && (wnd == outer || IsChild(outer, wnd)); }

// Where the mouse was when the message in hand was sent. The cursor's position read now can
// still be an earlier one under X, and a drop must land where the button was released.
POINT MessagePoint() {
  const DWORD pos = GetMessagePos();
  return {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
}

}  // namespace

ListToTreeDrag::ListToTreeDrag(MainForm& form) : form_(form) {}

ListToTreeDrag::~ListToTreeDrag() { Stop(); }

void ListToTreeDrag::Begin() {
  if (active_) return;
  tree_ = form_.tvMain().hWnd();
  if (!tree_) return;
  forms::ImageList& icons = form_.ImageListNamed("imgLstIcons");
  cursor_.reset(icons.Count() > 0 ? ImageList_GetIcon(icons.handle(), 0, ILD_TRANSPARENT) : nullptr);
  if (!SetWindowSubclass(tree_, TreeProc, kDragSubclassId, reinterpret_cast<DWORD_PTR>(this))) return;
  active_ = true;
  over_ = nullptr;
  SetCapture(tree_);
  Move(MessagePoint());
}

void ListToTreeDrag::Stop() {
  if (!active_ || stopping_) return;
  stopping_ = true;
  active_ = false;
  if (IsWindow(tree_)) {
    RemoveWindowSubclass(tree_, TreeProc, kDragSubclassId);
    if (GetCapture() == tree_) ReleaseCapture();
  }
  over_ = nullptr;
  cursor_.reset();
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  stopping_ = false;
}

void ListToTreeDrag::Cancel() {
  Stop();
  form_.tvMain().SetDropHighlight(nullptr);
  form_.DragListItem = nullptr;
  form_.Timer1().SetEnabled(false);
  form_.Get<forms::PictureBox>("Picture1").SetVisible(false);
}

const forms::Control* ListToTreeDrag::ControlUnder(POINT screen) const {
  HWND wnd = WindowFromPoint(screen);
  for (const forms::Control* control : {static_cast<const forms::Control*>(&form_.tvMain()),
                                        static_cast<const forms::Control*>(&form_.lstItems())})
    if (IsSameOrChildWindow(control->hWnd(), wnd)) return control;
  return nullptr;
}

POINT ListToTreeDrag::ClientTwips(const forms::Control& control, POINT screen) const {
  ScreenToClient(control.hWnd(), &screen);
  return {forms::PixelsToTwipsX(screen.x), forms::PixelsToTwipsY(screen.y)};
}

void ListToTreeDrag::Move(POINT screen) {
  if (cursor_) SetCursor(cursor_.get());
  const forms::Control* over = ControlUnder(screen);
  if (over_ && over_ != over && over_ == &form_.tvMain()) {
    POINT at = ClientTwips(*over_, screen);
    form_.tvMain_DragOver(at.x, at.y, kDragLeave);
  }
  const int state = over == over_ ? kDragOver : kDragEnter;
  over_ = over;
  if (over == &form_.tvMain()) {
    POINT at = ClientTwips(*over, screen);
    form_.tvMain_DragOver(at.x, at.y, state);
  } else if (over == &form_.lstItems()) {
    POINT at = ClientTwips(*over, screen);
    form_.lstItems_DragOver(at.x, at.y, state);
  } else {
    // Over the bare form or another control the tree stops scrolling; the image follows.
    form_.Timer1().SetEnabled(false);
    ScreenToClient(form_.hWnd(), &screen);
    forms::PictureBox& image = form_.Get<forms::PictureBox>("Picture1");
    image.SetLeft(forms::PixelsToTwipsX(screen.x));
    image.SetTop(forms::PixelsToTwipsY(screen.y) + image.Height());
  }
}

void ListToTreeDrag::Drop(POINT screen) {
  const forms::Control* over = ControlUnder(screen);
  Stop();
  if (over == &form_.tvMain()) {
    POINT at = ClientTwips(*over, screen);
    form_.tvMain_DragDrop(at.x, at.y);
  } else if (over == &form_.lstItems()) {
    POINT at = ClientTwips(*over, screen);
    form_.lstItems_DragDrop(at.x, at.y);
  }
  // Wherever it ends, the drag is over: a later press on the tree must not move the item again.
  Cancel();
}

void ListToTreeDrag::PrepareImage(const std::string& text) {
  forms::PictureBox& image = form_.Get<forms::PictureBox>("Picture1");
  forms::ImageList& icons = form_.ImageListNamed("imgLstLstItemsSmall");
  const int iconIndex = icons.IndexOf("connection");
  const std::string label = text + " ";
  WindowDc screen(nullptr);
  MemoryDc dc(CreateCompatibleDC(screen.get()));
  SIZE room{};
  {
    SelectedObject font(dc.get(), form_.Font() ? static_cast<HGDIOBJ>(form_.Font()) : GetStockObject(DEFAULT_GUI_FONT));
    const std::string measured = "       " + text;
    GetTextExtentPoint32A(dc.get(), measured.c_str(), static_cast<int>(measured.size()), &room);
  }
  const int width = icons.ImageWidth() + room.cx;
  const int height = icons.ImageHeight() > room.cy ? icons.ImageHeight() : room.cy;
  GdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  {
    SelectedObject selected(dc.get(), bitmap.get());
    SelectedObject font(dc.get(), form_.Font() ? static_cast<HGDIOBJ>(form_.Font()) : GetStockObject(DEFAULT_GUI_FONT));
    RECT all{0, 0, width, height};
    GdiObject brush(CreateSolidBrush(image.BackColor()));
    FillRect(dc.get(), &all, static_cast<HBRUSH>(brush.get()));
    if (iconIndex >= 0) ImageList_Draw(icons.handle(), iconIndex, dc.get(), 0, 0, ILD_TRANSPARENT);
    SetBkMode(dc.get(), TRANSPARENT);
    TextOutA(dc.get(), icons.ImageWidth() + kImageMarginPixels, 0, label.c_str(), static_cast<int>(label.size()));
  }
  image.SetPicture(std::make_shared<const forms::Picture>(std::move(bitmap)));
  image.SetWidth(forms::PixelsToTwipsX(width + 2 * kImageMarginPixels));
  image.SetHeight(forms::PixelsToTwipsY(height + 2 * kImageMarginPixels));
  image.SetVisible(true);
  if (image.hWnd()) SetWindowPos(image.hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ListToTreeDrag::MoveImageOver(const forms::Control& over, int X, int Y) {
  forms::PictureBox& image = form_.Get<forms::PictureBox>("Picture1");
  POINT origin{0, 0};
  MapWindowPoints(over.hWnd(), form_.hWnd(), &origin, 1);
  image.SetLeft(forms::PixelsToTwipsX(origin.x) + X);
  image.SetTop(forms::PixelsToTwipsY(origin.y) + Y + image.Height());
}

void ListToTreeDrag::ForwardListMoveToTree(int shift) {
  const POINT pt = MessagePoint();
  if (ControlUnder(pt) != &form_.tvMain()) return;
  POINT at = ClientTwips(form_.tvMain(), pt);
  form_.tvMain_MouseMove(forms::kLeftButton, shift, at.x, at.y);
}

LRESULT CALLBACK ListToTreeDrag::TreeProc(HWND wnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self) {
  auto& drag = *reinterpret_cast<ListToTreeDrag*>(self);
  switch (msg) {
    case WM_MOUSEMOVE: {
      POINT pt{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
      ClientToScreen(wnd, &pt);
      drag.Move(pt);
      return 0;
    }
    case WM_LBUTTONUP: {
      POINT pt{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
      ClientToScreen(wnd, &pt);
      drag.Drop(pt);
      return 0;
    }
    case WM_SETCURSOR:
      if (drag.cursor_) {
        SetCursor(drag.cursor_.get());
        return TRUE;
      }
      break;
    case WM_KEYDOWN:
      if (w == VK_ESCAPE) {
        drag.Cancel();
        return 0;
      }
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(l) != wnd && drag.active_) drag.Cancel();
      break;
    case WM_NCDESTROY:
      drag.Stop();
      break;
    default:
      break;
  }
  return DefSubclassProc(wnd, msg, w, l);
}

}  // namespace corvana
