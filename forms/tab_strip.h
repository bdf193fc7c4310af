#pragma once
// The tab strip: tabs with Caption, Key, Tag and ToolTipText, and the selected tab.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"

namespace corvana::forms {

class TabStrip;

class Tab {
 public:
  const std::string& Key() const { return key_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::string& Tag() const { return tag_; }
  void SetTag(const std::string& tag) { tag_ = tag; }
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(const std::string& text) { toolTip_ = text; }
  int Index() const { return index_; }  // 1-based

 private:
  friend class TabStrip;
  TabStrip* owner_ = nullptr;
  int index_ = 0;
  std::string key_, caption_, tag_, toolTip_;
};
using TabRef = std::shared_ptr<Tab>;

class TabStrip : public Control {
 public:
  using Control::Control;
  TabRef TabAt(int index) const;
  const std::vector<TabRef>& Tabs() const { return tabs_; }
  TabRef SelectedItem() const;
  // Selecting another tab raises Click, as a click on it does.
  void SetSelectedItem(const TabRef& tab);

  void Create(HWND parent) override;
  bool OnNotify(NMHDR* hdr, LRESULT& result) override;
  // Its pages lie on it as its siblings.
  bool BehindSiblings() const override { return true; }

 private:
  std::vector<TabRef> tabs_;
  std::wstring wideTip_;
};

}  // namespace corvana::forms
