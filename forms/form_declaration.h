#pragma once
// A form as data: what the designer would have saved. Forms are built from it, and the
// localisation reads the design texts and ids it carries.
#include <map>
#include <string>
#include <vector>

namespace corvana::forms {

struct TabDecl {
  std::string caption, key, tag, toolTipText;
};

struct ToolbarButtonDecl {
  std::string key, toolTipText, image;
  int style = 0;  // 0 default, 3 separator
  bool enabled = true;
};

struct ColumnDecl {
  std::string text, key, tag;
  int width = 1440;  // twips
};

struct PanelDecl {
  std::string key, text;
  int width = 1440;     // twips
  bool spring = false;  // takes the width left over
  bool visible = true;
};

struct ImageDecl {
  std::string key;
  int resourceId = 0;
  bool icon = false;  // an icon resource, else a bitmap resource
};

struct ControlDecl {
  std::string type;  // "Label", "TextBox", "ListView" ... as the control reports it
  std::string name;
  int index = -1;          // member of a control array when >= 0
  std::string container;   // the Frame or PictureBox holding it; "" for the form
  int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the container
  std::string text;        // Caption or Text, whichever the type has
  std::string tag, toolTipText;
  bool visible = true, enabled = true;
  // Scalar extras of a type by property name: "MultiLine", "Default", "Interval", "View" ...
  std::map<std::string, std::string> extras;
  std::vector<TabDecl> tabs;
  std::vector<ToolbarButtonDecl> buttons;
  std::vector<ColumnDecl> columns;
  std::vector<PanelDecl> panels;
  std::vector<ImageDecl> images;
  std::vector<std::string> items;  // list box rows
};

struct MenuDecl {
  std::string name;
  int index = -1;
  std::string caption;  // "-" is a separator
  bool checked = false, enabled = true, visible = true;
  std::vector<MenuDecl> items;
};

enum class BorderStyle { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3, FixedToolWindow = 4 };

struct FormDecl {
  std::string name, caption, tag;
  int clientWidth = 4800, clientHeight = 3600;  // twips
  int left = -1, top = -1;                      // twips; -1 centres the form on the screen
  BorderStyle borderStyle = BorderStyle::Sizable;
  bool controlBox = true, minButton = true, maxButton = true;
  bool keyPreview = false;
  int iconResource = 0;  // icon group of the program's resources; 0 shows the system's default
  std::vector<ControlDecl> controls;  // a container before what it holds
  std::vector<MenuDecl> menus;
};

}  // namespace corvana::forms
