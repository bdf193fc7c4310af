#include "forms/bar_controls.h"

#include <algorithm>

#include "forms/form.h"
#include "forms/image_list.h"
#include "forms/twips.h"
#include "win/com_text.h"

namespace corvana::forms {
namespace {

constexpr int kFirstButtonId = 1;

}  // namespace

// ---- Toolbar

void ToolbarButton::SetImage(const std::string& key) {
  image_ = key;
  if (owner_) owner_->ApplyImage(*this);
}

void ToolbarButton::SetEnabled(bool enabled) {
  // Fills set the same state once per item; the button keeps it without a message.
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (owner_ && owner_->hWnd()) SendMessageA(owner_->hWnd(), TB_ENABLEBUTTON, kFirstButtonId + Index() - 1, enabled);
}

void Toolbar::Create(HWND parent) {
  CreateChild(TOOLBARCLASSNAMEA, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER, 0, parent);
  SendMessageA(hWnd(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  for (auto& d : decl_.buttons) {
    auto button = std::make_shared<ToolbarButton>();
    button->owner_ = this;
    button->key_ = d.key;
    button->toolTip_ = d.toolTipText;
    button->image_ = d.image;
    button->style_ = d.style;
    button->enabled_ = d.enabled;
    if (!buttons_.Add(button)) continue;
    TBBUTTON native{};
    native.iBitmap = d.style == 3 ? 8 : I_IMAGENONE;
    native.idCommand = kFirstButtonId + button->Index() - 1;
    native.fsState = d.enabled ? TBSTATE_ENABLED : 0;
    native.fsStyle = d.style == 3 ? BTNS_SEP : BTNS_BUTTON;
    SendMessageA(hWnd(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&native));
  }
  // The toolbar's own tooltip window reports to the form like the toolbar itself.
  if (HWND tips = reinterpret_cast<HWND>(SendMessageA(hWnd(), TB_GETTOOLTIPS, 0, 0))) form_.RegisterWindow(tips, this);
  Fit();
}

ToolbarButtonRef Toolbar::Button(int index) const { return buttons_.At(index); }

ToolbarButtonRef Toolbar::ButtonByKey(const std::string& key) const { return buttons_.ByKey(key); }

void Toolbar::ApplyImage(const ToolbarButton& button) {
  if (!hWnd() || button.style_ == 3) return;
  int image = images_ ? images_->IndexOf(button.image_) : -1;
  SendMessageA(hWnd(), TB_CHANGEBITMAP, kFirstButtonId + button.Index() - 1, image < 0 ? I_IMAGENONE : image);
}

void Toolbar::SetImageList(ImageList* list) {
  images_ = list;
  if (!hWnd()) return;
  if (list) SendMessageA(hWnd(), TB_SETBITMAPSIZE, 0, MAKELPARAM(list->ImageWidth(), list->ImageHeight()));
  SendMessageA(hWnd(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list ? list->handle() : nullptr));
  for (auto& b : buttons_.Members()) ApplyImage(*b);
  SendMessageA(hWnd(), TB_AUTOSIZE, 0, 0);
  Fit();
}

void Toolbar::SetDisabledImageList(ImageList* list) {
  if (hWnd()) SendMessageA(hWnd(), TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(list ? list->handle() : nullptr));
}

void Toolbar::SetHotImageList(ImageList* list) {
  if (hWnd()) SendMessageA(hWnd(), TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(list ? list->handle() : nullptr));
}

int Toolbar::ButtonHeight() const {
  if (!hWnd()) return 0;
  return PixelsToTwipsY(HIWORD(SendMessageA(hWnd(), TB_GETBUTTONSIZE, 0, 0)));
}

void Toolbar::Fit() {
  if (!hWnd()) return;
  SendMessageA(hWnd(), TB_AUTOSIZE, 0, 0);
}

void Toolbar::AfterFormResize() { Fit(); }

bool Toolbar::OnCommand(WORD, WORD id) {
  ToolbarButtonRef button = Button(id - kFirstButtonId + 1);
  if (!button) return false;
  if (ButtonClick) ButtonClick(button);
  return true;
}

bool Toolbar::OnNotify(NMHDR* hdr, LRESULT& result) {
  switch (hdr->code) {
    case TTN_GETDISPINFOA: {
      auto* info = reinterpret_cast<NMTTDISPINFOA*>(hdr);
      if (ToolbarButtonRef b = Button(static_cast<int>(hdr->idFrom) - kFirstButtonId + 1)) {
        info->lpszText = const_cast<char*>(b->toolTip_.c_str());
        info->hinst = nullptr;
      }
      result = 0;
      return true;
    }
    case TTN_GETDISPINFOW: {
      auto* info = reinterpret_cast<NMTTDISPINFOW*>(hdr);
      if (ToolbarButtonRef b = Button(static_cast<int>(hdr->idFrom) - kFirstButtonId + 1)) {
        wideTip_ = com::ToWide(b->toolTip_);
        info->lpszText = wideTip_.data();
        info->hinst = nullptr;
      }
      result = 0;
      return true;
    }
    case TBN_GETINFOTIPA: {
      auto* info = reinterpret_cast<NMTBGETINFOTIPA*>(hdr);
      if (ToolbarButtonRef b = Button(info->iItem - kFirstButtonId + 1); b && info->pszText)
        lstrcpynA(info->pszText, b->toolTip_.c_str(), info->cchTextMax);
      result = 0;
      return true;
    }
    case TBN_GETINFOTIPW: {
      auto* info = reinterpret_cast<NMTBGETINFOTIPW*>(hdr);
      if (ToolbarButtonRef b = Button(info->iItem - kFirstButtonId + 1); b && info->pszText && info->cchTextMax > 0)
        if (!MultiByteToWideChar(CP_ACP, 0, b->toolTip_.c_str(), -1, info->pszText, info->cchTextMax))
          info->pszText[info->cchTextMax - 1] = L'\0';
      result = 0;
      return true;
    }
    default:
      return false;
  }
}

// ---- StatusBar

void Panel::SetText(const std::string& text) {
  text_ = text;
  if (owner_) owner_->Layout();
}

void Panel::SetWidth(int twips) {
  if (twips < 0) return;
  width_ = twips;
  if (owner_) owner_->Layout();
}

void Panel::SetVisible(bool visible) {
  visible_ = visible;
  if (owner_) owner_->Layout();
}

void StatusBar::Create(HWND parent) {
  CreateChild(STATUSCLASSNAMEA, CCS_BOTTOM | SBARS_SIZEGRIP, 0, parent);
  for (auto& d : decl_.panels) {
    auto panel = std::make_shared<Panel>();
    panel->owner_ = this;
    panel->key_ = d.key;
    panel->text_ = d.text;
    panel->width_ = d.width;
    panel->spring_ = d.spring;
    panel->visible_ = d.visible;
    panels_.Add(panel);
  }
  Layout();
}

PanelRef StatusBar::PanelAt(int index) const { return panels_.At(index); }

PanelRef StatusBar::PanelByKey(const std::string& key) const { return panels_.ByKey(key); }

void StatusBar::Layout() {
  if (!hWnd()) return;
  RECT rc{};
  GetClientRect(hWnd(), &rc);
  std::vector<Panel*> shown;
  int fixed = 0, springs = 0;
  for (auto& p : panels_.Members()) {
    if (!p->visible_) continue;
    shown.push_back(p.get());
    if (p->spring_)
      ++springs;
    else
      fixed += TwipsToPixelsX(p->width_);
  }
  if (shown.empty()) {
    SendMessageA(hWnd(), SB_SIMPLE, TRUE, 0);
    return;
  }
  SendMessageA(hWnd(), SB_SIMPLE, FALSE, 0);
  int spare = rc.right - fixed;
  std::vector<int> edges;
  int x = 0;
  for (Panel* p : shown) {
    int w = p->spring_ ? std::max(spare / springs, 0) : TwipsToPixelsX(p->width_);
    if (p->spring_) p->width_ = PixelsToTwipsX(w);
    x += w;
    edges.push_back(x);
  }
  edges.back() = -1;
  SendMessageA(hWnd(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < shown.size(); ++i)
    SendMessageA(hWnd(), SB_SETTEXTA, i, reinterpret_cast<LPARAM>(shown[i]->text_.c_str()));
}

void StatusBar::AfterFormResize() {
  if (!hWnd()) return;
  SendMessageA(hWnd(), WM_SIZE, 0, 0);
  Layout();
}

}  // namespace corvana::forms
