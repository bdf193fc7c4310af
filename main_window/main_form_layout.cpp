// The main window's geometry around the splitter, the splitter drag and the shared mouse pointer.
#include <cmath>

#include "main_window/main_form.h"

namespace corvana {
namespace {

constexpr int kMinPanel = 1500;      // the splitter stays this far from either edge
constexpr int kMinBarDistance = 500; // the dragged bar stays this far from either edge
constexpr int kPanelGap = 60;
constexpr int kSplitterPointer = 9;

// A negative size would be refused by the control; that one assignment is skipped.
void SetWidthIfValid(forms::Control& c, int w) {
  if (w >= 0) c.SetWidth(w);
}
void SetHeightIfValid(forms::Control& c, int h) {
  if (h >= 0) c.SetHeight(h);
}

}  // namespace

void MainForm::SizeControls(float X) {
  forms::TreeView& tree = tvMain();
  forms::Image& splitter = imgSplitter();
  forms::PictureBox& panel = imgFolderInfo();
  forms::ListView& list = lstItems();
  forms::TextBox& info = txtFolderInfo();
  forms::Toolbar& toolbar = Toolbar1();
  forms::StatusBar& status = StatusBar1();

  int x = static_cast<int>(std::lround(X));
  if (x < kMinPanel) x = kMinPanel;
  if (x > Width() - kMinPanel) x = Width() - kMinPanel;

  SetWidthIfValid(tree, x - kTreeGap);
  splitter.SetLeft(x);
  panel.SetLeft(x + kPanelGap);
  SetWidthIfValid(panel, ScaleWidth() - kPanelGap - tree.Width() - kTreeGap);
  if (info.Visible()) {
    SetWidthIfValid(list, panel.Width() - info.Width() - info.Left() - kPanelGap);
    list.SetLeft(info.Left() + info.Width());
  } else {
    SetWidthIfValid(list, panel.Width() - kPanelGap);
    list.SetLeft(0);
  }
  if (toolbar.Visible()) tree.SetTop(toolbar.Height());
  list.SetTop(0);
  SetHeightIfValid(tree, toolbar.Visible() ? ScaleHeight() - toolbar.Height() : ScaleHeight());
  if (status.Visible()) SetHeightIfValid(tree, tree.Height() - status.Height());
  SetHeightIfValid(panel, tree.Height());
  panel.SetTop(tree.Top());
  SetHeightIfValid(list, panel.Height() - kPanelGap);
  SetHeightIfValid(txtConnInfo(), panel.Height() - txtConnInfo().Top());
  splitter.SetTop(tree.Top());
  SetHeightIfValid(splitter, tree.Height());
}

void MainForm::DoMousePointer(int Pointer) {
  SetMousePointer(Pointer);
  for (const auto& control : Controls()) control->SetMousePointer(Pointer);
  imgSplitter().SetMousePointer(kSplitterPointer);
}

void MainForm::WireSplitter() {
  forms::Image& splitter = imgSplitter();
  splitter.MouseDown = [this](int b, int s, int x, int y) { imgSplitter_MouseDown(b, s, x, y); };
  splitter.MouseMove = [this](int b, int s, int x, int y) { imgSplitter_MouseMove(b, s, x, y); };
  splitter.MouseUp = [this](int b, int s, int x, int y) { imgSplitter_MouseUp(b, s, x, y); };
}

void MainForm::imgSplitter_MouseDown(int, int, int, int) {
  forms::Image& splitter = imgSplitter();
  forms::PictureBox& bar = picSplitter();
  bar.Move(splitter.Left(), splitter.Top(), splitter.Width() / 2, splitter.Height() - 20);
  bar.SetVisible(true);
  // The bar moves above the tree and the panel.
  bar.ZOrder(0);
  splitterMoving_ = true;
}

void MainForm::imgSplitter_MouseMove(int, int, int X, int) {
  if (!splitterMoving_) return;
  int pos = imgSplitter().Left() + X;
  if (pos < kMinBarDistance)
    picSplitter().SetLeft(kMinBarDistance);
  else if (pos > Width() - kMinBarDistance)
    picSplitter().SetLeft(Width() - kMinBarDistance);
  else
    picSplitter().SetLeft(pos);
}

void MainForm::imgSplitter_MouseUp(int, int, int, int) {
  SizeControls(static_cast<float>(picSplitter().Left()));
  picSplitter().SetVisible(false);
  splitterMoving_ = false;
}

}  // namespace corvana
