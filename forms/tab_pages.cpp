#include "forms/tab_pages.h"

#include <utility>

namespace corvana::forms {
namespace {

bool HoldsFocus(const Control& page) {
  HWND focus = GetFocus();
  return focus && page.hWnd() && (focus == page.hWnd() || IsChild(page.hWnd(), focus));
}

}  // namespace

TabPages::TabPages(TabStrip& tabs, std::vector<Control*> pages, int left)
    : tabs_(tabs), pages_(std::move(pages)), left_(left) {}

void TabPages::ShowSelected() {
  TabRef selected = tabs_.SelectedItem();
  const int shown = selected ? selected->Index() - 1 : -1;
  bool focusLost = false;
  // The new page first, so that no moment shows none.
  if (shown >= 0 && shown < static_cast<int>(pages_.size())) {
    pages_[shown]->SetLeft(left_);
    pages_[shown]->SetEnabled(true);
  }
  for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
    if (i == shown) continue;
    focusLost = focusLost || HoldsFocus(*pages_[i]);
    pages_[i]->SetLeft(kPageOutOfViewLeft);
    pages_[i]->SetEnabled(false);
  }
  if (focusLost) tabs_.SetFocus();
}

void TabPages::SelectNext() {
  const int count = static_cast<int>(tabs_.Tabs().size());
  if (count == 0) return;
  TabRef selected = tabs_.SelectedItem();
  const int next = selected && selected->Index() < count ? selected->Index() + 1 : 1;
  tabs_.SetSelectedItem(tabs_.TabAt(next));
}

void TabPages::FormKeyDown(int& keyCode, int shift) {
  if (keyCode != VK_TAB || shift != kCtrlMask) return;
  SelectNext();
  keyCode = 0;
}

}  // namespace corvana::forms
