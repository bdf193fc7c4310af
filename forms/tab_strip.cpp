#include "forms/tab_strip.h"

#include "forms/form.h"
#include "win/com_text.h"

namespace corvana::forms {

void Tab::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (!owner_ || !owner_->hWnd()) return;
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(caption_.c_str());
  SendMessageA(owner_->hWnd(), TCM_SETITEMA, Index() - 1, reinterpret_cast<LPARAM>(&item));
}

void TabStrip::Create(HWND parent) {
  CreateChild(WC_TABCONTROLA, WS_TABSTOP | TCS_TOOLTIPS, 0, parent);
  for (auto& d : decl_.tabs) {
    auto tab = std::make_shared<Tab>();
    tab->owner_ = this;
    tab->key_ = d.key;
    tab->caption_ = d.caption;
    tab->tag_ = d.tag;
    tab->toolTip_ = d.toolTipText;
    if (!tabs_.Add(tab)) continue;
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(tab->caption_.c_str());
    SendMessageA(hWnd(), TCM_INSERTITEMA, tab->Index() - 1, reinterpret_cast<LPARAM>(&item));
  }
  if (HWND tips = reinterpret_cast<HWND>(SendMessageA(hWnd(), TCM_GETTOOLTIPS, 0, 0))) form_.RegisterWindow(tips, this);
}

TabRef TabStrip::TabAt(int index) const { return tabs_.At(index); }

TabRef TabStrip::SelectedItem() const {
  return hWnd() ? TabAt(static_cast<int>(SendMessageA(hWnd(), TCM_GETCURSEL, 0, 0)) + 1) : nullptr;
}

void TabStrip::SetSelectedItem(const TabRef& tab) {
  if (!hWnd() || !tab || tab->owner_ != this) return;
  if (SelectedItem() == tab) return;
  SendMessageA(hWnd(), TCM_SETCURSEL, tab->Index() - 1, 0);
  if (Click) Click();
}

bool TabStrip::OnNotify(NMHDR* hdr, LRESULT& result) {
  switch (hdr->code) {
    case TCN_SELCHANGE:
      if (Click) Click();
      result = 0;
      return true;
    case TTN_GETDISPINFOA:
      if (TabRef tab = TabAt(static_cast<int>(hdr->idFrom) + 1))
        reinterpret_cast<NMTTDISPINFOA*>(hdr)->lpszText = const_cast<char*>(tab->toolTip_.c_str());
      result = 0;
      return true;
    case TTN_GETDISPINFOW:
      if (TabRef tab = TabAt(static_cast<int>(hdr->idFrom) + 1)) {
        wideTip_ = com::ToWide(tab->toolTip_);
        reinterpret_cast<NMTTDISPINFOW*>(hdr)->lpszText = wideTip_.data();
      }
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace corvana::forms
