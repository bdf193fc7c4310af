#pragma once
// frmEditPluginValue: the name and the command-line template of one row of the plug-in manager,
// edited in a modal window; OK writes both back into the row as they are.
#include <optional>

#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/list_view.h"

namespace corvana::dialogs {

forms::FormDecl EditPluginValueDeclaration();

class frmEditPluginValue : public forms::Form {
 public:
  frmEditPluginValue();

  // Keeps Item and fills the two boxes from it; loads the form first when it is not loaded.
  void EditPlugin(const forms::ListItemRef& Item);

  struct Parts {
    explicit Parts(const frmEditPluginValue& f);
    forms::TextBox& txtPluginName;
    forms::TextBox& txtPluginValue;
    forms::Label& Label1;
    forms::Label& Label2;
    forms::Label& lblHelp;
    forms::CommandButton& cmdOK;
    forms::CommandButton& cmdCancel;
  };
  const Parts& parts() const { return *parts_; }

 protected:
  void ControlsCreated() override;
  void ControlsReleasing() override;

 private:
  void Form_Activate();
  void cmdOK_Click();

  std::optional<Parts> parts_;
  bool focusGiven_ = false;
  forms::ListItemRef m_EditItem;
};

}  // namespace corvana::dialogs
