#pragma once
// Builders that let a form's declaration read like the designer's listing: a control at its
// design place, then by name whatever else it has; menus as nested items.
//   Decl("Label", "lblVersion", 240, 1485, 3600, 255).Text("Version").In("picSplash")
//   MenuItem("mnuDatei", IdText(IDS_MENU_FILE), {MenuItem("mnuEnd", IdText(IDS_MENU_EXIT))})
#include <string>
#include <vector>

#include "forms/form_declaration.h"

namespace corvana::forms {

// One control's declaration; it stands wherever a ControlDecl is wanted.
class ControlBuilder {
 public:
  ControlBuilder(std::string type, std::string name, int left, int top, int width, int height);
  // Caption or Text, whichever the type has.
  ControlBuilder& Text(std::string text);
  // Holds a string id when the localisation is to put that text in place of the design text.
  ControlBuilder& Tag(std::string tag);
  ControlBuilder& ToolTip(std::string text);
  // The Frame or PictureBox holding it.
  ControlBuilder& In(std::string container);
  ControlBuilder& Hidden();
  ControlBuilder& Disabled();
  // A scalar property of the type by its name: Extra("MultiLine", "1").
  ControlBuilder& Extra(const std::string& property, std::string value);
  operator ControlDecl() const { return decl_; }

 private:
  ControlDecl decl_;
};

// A control at its design place, in twips relative to its container.
ControlBuilder Decl(std::string type, std::string name, int left, int top, int width, int height);
// A control without a place on the form: an image list, a timer.
ControlBuilder Decl(std::string type, std::string name);
// An image list of square images, `size` pixels a side.
ControlDecl ImageListDecl(std::string name, int size, std::vector<ImageDecl> images);

MenuDecl MenuItem(std::string name, std::string caption, std::vector<MenuDecl> items = {});
MenuDecl MenuSeparator(std::string name);
// A top-level menu that is only ever popped up: the menu bar does not show it.
MenuDecl PopupOnlyMenu(std::string name, std::vector<MenuDecl> items);

}  // namespace corvana::forms
