#pragma once
// The tab strip: tabs with Caption, Key, Tag and ToolTipText, and the selected tab.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/keyed_collection.h"

namespace corvana::forms {

class TabStrip;

class Tab : public KeyedMember {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::string& Tag() const { return tag_; }
  void SetTag(const std::string& tag) { tag_ = tag; }
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(const std::string& text) { toolTip_ = text; }

 private:
  friend class TabStrip;
  TabStrip* owner_ = nullptr;
  std::string caption_, tag_, toolTip_;
};
using TabRef = std::shared_ptr<Tab>;

class TabStrip : public Control {
 public:
  using Control::Control;
  TabRef TabAt(int index) const;
  const std::vector<TabRef>& Tabs() const { return tabs_.Members(); }
  TabRef SelectedItem() const;
  // Selecting another tab raises Click, as a click on it does.
  void SetSelectedItem(const TabRef& tab);

  void Create(HWND parent) override;
  bool OnNotify(NMHDR* hdr, LRESULT& result) override;
  // Its pages lie on it as its siblings.
  bool BehindSiblings() const override { return true; }

 private:
  KeyedCollection<Tab> tabs_;
  std::wstring wideTip_;
};

}  // namespace corvana::forms
