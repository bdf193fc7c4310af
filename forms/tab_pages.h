#pragma once
// One page per tab of a tab strip: the selected tab's page lies at its place and takes input;
// every other page lies out of view and is disabled, so that neither the mouse nor the Tab key
// reaches what it holds. Ctrl+Tab selects the next tab, from the last back to the first.
#include <vector>

#include "forms/control.h"
#include "forms/tab_strip.h"

namespace corvana::forms {

// Where a page that is put away lies, in twips.
inline constexpr int kPageOutOfViewLeft = -20000;

class TabPages {
 public:
  // Pages[i] is the page of tab i + 1; a shown page lies at Left (twips), the others at
  // kPageOutOfViewLeft. The pages keep their tops.
  TabPages(TabStrip& tabs, std::vector<Control*> pages, int left);

  // The selected tab's page in view and enabled, every other page out of view and disabled.
  // The keyboard focus inside a page put away goes to the tab strip, so the keys still work.
  void ShowSelected();
  // The tab after the selected one, after the last the first; the tab strip raises its Click, as
  // a click on that tab does.
  void SelectNext();
  // For the form's KeyDown (with KeyPreview): Ctrl+Tab, with no other shift key, selects the next
  // tab and is swallowed; every other key is left alone.
  void FormKeyDown(int& keyCode, int shift);

 private:
  TabStrip& tabs_;
  std::vector<Control*> pages_;
  int left_;
};

}  // namespace corvana::forms
