#include "main_window/tree_drag.h"

#include "forms/twips.h"
#include "main_window/main_form.h"

namespace corvana {
namespace {

// VB's drag states: entering, leaving, moving over a control.
constexpr int kDragEnter = 0, kDragLeave = 1, kDragOver = 2;
constexpr int kImageMarginPixels = 2;

}  // namespace

ListToTreeDrag::ListToTreeDrag(MainForm& form) : form_(form) {
  mouse_.Moved = [this](POINT screen) { Move(screen); };
  mouse_.Dropped = [this](POINT screen) { Drop(screen); };
  mouse_.Cancelled = [this] { Cancel(); };
}

ListToTreeDrag::~ListToTreeDrag() { mouse_.Stop(); }

void ListToTreeDrag::Begin() {
  if (mouse_.Active()) return;
  over_ = nullptr;
  mouse_.Begin(form_.tvMain(), form_.ImageListNamed("imgLstIcons").ExtractIcon(0));
}

void ListToTreeDrag::Cancel() {
  mouse_.Stop();
  over_ = nullptr;
  form_.tvMain().SetDropHighlight(nullptr);
  form_.DragListItem = nullptr;
  form_.Timer1().SetEnabled(false);
  form_.Picture1().SetVisible(false);
}

const forms::Control* ListToTreeDrag::ControlUnder(POINT screen) const {
  for (const forms::Control* control :
       {static_cast<const forms::Control*>(&form_.tvMain()), static_cast<const forms::Control*>(&form_.lstItems()),
        static_cast<const forms::Control*>(&form_.Toolbar1()), static_cast<const forms::Control*>(&form_.StatusBar1())})
    if (control->ContainsScreenPoint(screen)) return control;
  return nullptr;
}

void ListToTreeDrag::Move(POINT screen) {
  const forms::Control* over = ControlUnder(screen);
  // The bars lie along the tree's scrolling edges: a drag that overshoots onto one keeps the tree
  // scrolling from its last place in it, so the tree is not told it was left.
  const bool ontoBar = over == &form_.Toolbar1() || over == &form_.StatusBar1();
  if (over_ && over_ != over && over_ == &form_.tvMain() && !ontoBar) {
    POINT at = over_->ScreenToTwips(screen);
    form_.tvMain_DragOver(at.x, at.y, kDragLeave);
  }
  const int state = over == over_ ? kDragOver : kDragEnter;
  over_ = over;
  if (over == &form_.tvMain()) {
    POINT at = over->ScreenToTwips(screen);
    form_.tvMain_DragOver(at.x, at.y, state);
  } else if (over == &form_.lstItems()) {
    POINT at = over->ScreenToTwips(screen);
    form_.lstItems_DragOver(at.x, at.y, state);
  } else if (over == &form_.Toolbar1()) {
    // The bars move the image only: the tree's scrolling goes on while the mouse is on them.
    POINT at = over->ScreenToTwips(screen);
    form_.Toolbar1_DragOver(at.x, at.y, state);
  } else if (over == &form_.StatusBar1()) {
    POINT at = over->ScreenToTwips(screen);
    form_.StatusBar1_DragOver(at.x, at.y, state);
  } else {
    // Over the bare form or another control the tree stops scrolling; the image follows.
    form_.Timer1().SetEnabled(false);
    forms::PictureBox& image = form_.Picture1();
    const POINT at = form_.ScreenToTwips(screen);
    image.SetLeft(at.x);
    image.SetTop(at.y + image.Height());
  }
}

void ListToTreeDrag::Drop(POINT screen) {
  const forms::Control* over = ControlUnder(screen);
  if (over == &form_.tvMain()) {
    POINT at = over->ScreenToTwips(screen);
    form_.tvMain_DragDrop(at.x, at.y);
  } else if (over == &form_.lstItems()) {
    POINT at = over->ScreenToTwips(screen);
    form_.lstItems_DragDrop(at.x, at.y);
  } else if (over == &form_.Toolbar1()) {
    POINT at = over->ScreenToTwips(screen);
    form_.Toolbar1_DragDrop(at.x, at.y);
  } else if (over == &form_.StatusBar1()) {
    POINT at = over->ScreenToTwips(screen);
    form_.StatusBar1_DragDrop(at.x, at.y);
  }
  // Wherever it ends, the drag is over: a later press on the tree must not move the item again.
  Cancel();
}

void ListToTreeDrag::PrepareImage(const std::string& text) {
  forms::PictureBox& image = form_.Picture1();
  forms::ImageList& icons = form_.ImageListNamed("imgLstLstItemsSmall");
  forms::PictureRef picture =
      forms::LabelledIconPicture(icons.handle(), icons.IndexOf("connection"), text, form_.Font(), image.BackColor());
  if (!picture) return;
  image.SetWidth(forms::PixelsToTwipsX(picture->widthPixels() + 2 * kImageMarginPixels));
  image.SetHeight(forms::PixelsToTwipsY(picture->heightPixels() + 2 * kImageMarginPixels));
  image.SetPicture(std::move(picture));
  image.SetVisible(true);
  image.ZOrder(0);
}

void ListToTreeDrag::MoveImageOver(const forms::Control& over, int X, int Y) {
  forms::PictureBox& image = form_.Picture1();
  const POINT origin = over.OriginInForm();
  image.SetLeft(origin.x + X);
  image.SetTop(origin.y + Y + image.Height());
}

void ListToTreeDrag::ForwardListMoveToTree(int shift) {
  const POINT pt = forms::MessageScreenPoint();
  if (ControlUnder(pt) != &form_.tvMain()) return;
  POINT at = form_.tvMain().ScreenToTwips(pt);
  form_.tvMain_MouseMove(forms::kLeftButton, shift, at.x, at.y);
}

}  // namespace corvana
