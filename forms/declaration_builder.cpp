#include "forms/declaration_builder.h"

#include <utility>

namespace corvana::forms {

ControlBuilder::ControlBuilder(std::string type, std::string name, int left, int top, int width, int height) {
  decl_.type = std::move(type);
  decl_.name = std::move(name);
  decl_.left = left;
  decl_.top = top;
  decl_.width = width;
  decl_.height = height;
}

ControlBuilder& ControlBuilder::Text(std::string text) {
  decl_.text = std::move(text);
  return *this;
}

ControlBuilder& ControlBuilder::Tag(std::string tag) {
  decl_.tag = std::move(tag);
  return *this;
}

ControlBuilder& ControlBuilder::ToolTip(std::string text) {
  decl_.toolTipText = std::move(text);
  return *this;
}

ControlBuilder& ControlBuilder::In(std::string container) {
  decl_.container = std::move(container);
  return *this;
}

ControlBuilder& ControlBuilder::Hidden() {
  decl_.visible = false;
  return *this;
}

ControlBuilder& ControlBuilder::Disabled() {
  decl_.enabled = false;
  return *this;
}

ControlBuilder& ControlBuilder::Extra(const std::string& property, std::string value) {
  decl_.extras[property] = std::move(value);
  return *this;
}

ControlBuilder Decl(std::string type, std::string name, int left, int top, int width, int height) {
  return ControlBuilder(std::move(type), std::move(name), left, top, width, height);
}

ControlBuilder Decl(std::string type, std::string name) { return Decl(std::move(type), std::move(name), 0, 0, 0, 0); }

ControlDecl ImageListDecl(std::string name, int size, std::vector<ImageDecl> images) {
  ControlDecl d = Decl("ImageList", std::move(name))
                      .Extra("ImageWidth", std::to_string(size))
                      .Extra("ImageHeight", std::to_string(size));
  d.images = std::move(images);
  return d;
}

MenuDecl MenuItem(std::string name, std::string caption, std::vector<MenuDecl> items) {
  MenuDecl m;
  m.name = std::move(name);
  m.caption = std::move(caption);
  m.items = std::move(items);
  return m;
}

MenuDecl MenuSeparator(std::string name) { return MenuItem(std::move(name), "-"); }

MenuDecl PopupOnlyMenu(std::string name, std::vector<MenuDecl> items) {
  std::string caption = name;
  MenuDecl m = MenuItem(std::move(name), std::move(caption), std::move(items));
  m.visible = false;
  return m;
}

}  // namespace corvana::forms
