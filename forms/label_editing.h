#pragma once
// Label editing as the list view and the tree view share it. With LabelEdit 1 (manual) only
// StartLabelEdit opens the editor; with 0 (automatic) a click on
// the selected entry does too.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace corvana::forms {

using BeforeLabelEditHandler = std::function<void(int& cancel)>;
using AfterLabelEditHandler = std::function<void(int& cancel, std::string& newString)>;

class LabelEditing {
 public:
  // Opens the editor of the control's selected entry through `open`, which even a manual
  // LabelEdit lets through.
  template <class Open>
  void StartByCode(HWND control, Open&& open) {
    ::SetFocus(control);
    startedByCode_ = true;
    open();
    startedByCode_ = false;
  }
  // The begin notification: the result that lets the editor open (FALSE) or keeps it shut.
  LRESULT OnBegin(bool manual, const BeforeLabelEditHandler& before) const;
  // The end notification, with the editor's text as the notification carries it. The text to
  // keep, or nothing when the edit was left with Esc (which raises nothing) or was cancelled.
  std::optional<std::string> OnEnd(const void* editorText, bool wide, const AfterLabelEditHandler& after) const;

 private:
  bool startedByCode_ = false;
};

}  // namespace corvana::forms
