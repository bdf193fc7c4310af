#pragma once
// Menu items of a form, in the menu bar or shown as popup menus.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "win/handles.h"
#include "forms/form_declaration.h"

namespace corvana::forms {

class Form;

class Menu {
 public:
  Menu(Form& form, Menu* parent, const MenuDecl& decl, UINT id);
  ~Menu();
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  static const std::string& TypeName();
  Menu* Parent() const { return parent_; }
  const std::vector<std::unique_ptr<Menu>>& Items() const { return items_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Raised when the item is chosen, and for an item with a submenu when that opens.
  std::function<void()> Click;

  UINT id() const { return id_; }
  HMENU popup() const { return popup_.get(); }
  // Puts the visible items into this item's popup menu again.
  void RebuildPopup();
  // Takes every item out of the popup without destroying the submenus.
  void Detach();

 private:
  MENUITEMINFOA ItemInfo() const;
  void UpdateInParent();

  Form& form_;
  Menu* parent_;
  std::string name_;
  int index_;
  std::string caption_;
  bool checked_, enabled_, visible_;
  UINT id_;
  MenuHandle popup_;
  std::vector<std::unique_ptr<Menu>> items_;
  friend class Form;
};

}  // namespace corvana::forms
