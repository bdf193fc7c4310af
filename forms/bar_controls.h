#pragma once
// Toolbar (buttons by Key with tooltips and image keys) and status bar (panels by Key);
// both run along an edge of the form.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/keyed_collection.h"

namespace corvana::forms {

class ImageList;
class Toolbar;

class ToolbarButton : public KeyedMember {
 public:
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(const std::string& text) { toolTip_ = text; }
  // A key of the toolbar's image lists.
  const std::string& Image() const { return image_; }
  void SetImage(const std::string& key);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Style() const { return style_; }  // 3: separator
  const std::string& Tag() const { return tag_; }
  void SetTag(const std::string& tag) { tag_ = tag; }

 private:
  friend class Toolbar;
  Toolbar* owner_ = nullptr;
  std::string toolTip_, image_, tag_;
  int style_ = 0;
  bool enabled_ = true;
};
using ToolbarButtonRef = std::shared_ptr<ToolbarButton>;

class Toolbar : public Control {
 public:
  using Control::Control;
  ToolbarButtonRef Button(int index) const;
  ToolbarButtonRef ButtonByKey(const std::string& key) const;
  const std::vector<ToolbarButtonRef>& Buttons() const { return buttons_.Members(); }
  void SetImageList(ImageList* list);
  void SetDisabledImageList(ImageList* list);
  void SetHotImageList(ImageList* list);
  ImageList* ImageListOf() const { return images_; }
  // The height a button takes, in twips.
  int ButtonHeight() const;
  std::function<void(const ToolbarButtonRef&)> ButtonClick;

  void Create(HWND parent) override;
  bool OnCommand(WORD code, WORD id) override;
  bool OnNotify(NMHDR* hdr, LRESULT& result) override;
  void AfterFormResize() override;

 private:
  friend class ToolbarButton;
  void ApplyImage(const ToolbarButton& button);
  void Fit();
  KeyedCollection<ToolbarButton> buttons_;
  ImageList* images_ = nullptr;
  std::wstring wideTip_;
};

class StatusBar;

class Panel : public KeyedMember {
 public:
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  int Width() const { return width_; }  // twips
  void SetWidth(int twips);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

 private:
  friend class StatusBar;
  StatusBar* owner_ = nullptr;
  std::string text_;
  int width_ = 0;
  bool spring_ = false, visible_ = true;
};
using PanelRef = std::shared_ptr<Panel>;

class StatusBar : public Control {
 public:
  using Control::Control;
  PanelRef PanelAt(int index) const;
  PanelRef PanelByKey(const std::string& key) const;
  const std::vector<PanelRef>& Panels() const { return panels_.Members(); }

  void Create(HWND parent) override;
  void AfterFormResize() override;

 private:
  friend class Panel;
  void Layout();
  KeyedCollection<Panel> panels_;
};

}  // namespace corvana::forms
