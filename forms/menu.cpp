#include "forms/menu.h"

#include "forms/form.h"

namespace corvana::forms {

Menu::Menu(Form& form, Menu* parent, const MenuDecl& decl, UINT id)
    : form_(form),
      parent_(parent),
      name_(decl.name),
      index_(decl.index),
      caption_(decl.caption),
      checked_(decl.checked),
      enabled_(decl.enabled),
      visible_(decl.visible),
      id_(id) {
  if (!decl.items.empty()) popup_.reset(CreatePopupMenu());
}

Menu::~Menu() { Detach(); }

const std::string& Menu::TypeName() {
  static const std::string name = "Menu";
  return name;
}

MENUITEMINFOA Menu::ItemInfo() const {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
  info.wID = id_;
  info.fType = caption_ == "-" ? MFT_SEPARATOR : MFT_STRING;
  info.fState = (checked_ ? MFS_CHECKED : 0) | (enabled_ ? 0 : MFS_GRAYED);
  info.hSubMenu = popup_.get();
  info.dwTypeData = const_cast<char*>(caption_.c_str());
  return info;
}

void Menu::Detach() {
  if (!popup_) return;
  while (GetMenuItemCount(popup_.get()) > 0) RemoveMenu(popup_.get(), 0, MF_BYPOSITION);
}

void Menu::RebuildPopup() {
  if (!popup_) return;
  Detach();
  UINT pos = 0;
  for (auto& item : items_) {
    if (!item->visible_) continue;
    MENUITEMINFOA info = item->ItemInfo();
    InsertMenuItemA(popup_.get(), pos++, TRUE, &info);
  }
}

void Menu::UpdateInParent() {
  HMENU holder = parent_ ? parent_->popup() : form_.MenuBar();
  if (!holder) return;
  MENUITEMINFOA info = ItemInfo();
  SetMenuItemInfoA(holder, id_, FALSE, &info);
  if (!parent_) form_.RedrawMenuBar();
}

void Menu::SetCaption(const std::string& caption) {
  caption_ = caption;
  UpdateInParent();
}

void Menu::SetChecked(bool checked) {
  checked_ = checked;
  UpdateInParent();
}

void Menu::SetEnabled(bool enabled) {
  enabled_ = enabled;
  UpdateInParent();
}

void Menu::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (parent_)
    parent_->RebuildPopup();
  else
    form_.RebuildMenuBar();
}

}  // namespace corvana::forms
