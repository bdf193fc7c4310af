#pragma once
// frmPlugin, the plug-in manager: the stored plug-ins as a list that the user adds to, edits and
// deletes from; OK stores the list, Cancel forgets the changes. Modeless and without an owner.
#include <optional>

#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/list_view.h"

namespace corvana::dialogs {

forms::FormDecl PluginManagerDeclaration();

class frmPlugin : public forms::Form {
 public:
  // Each Load places the form 100 twips right of and below Opener (the main window).
  explicit frmPlugin(const forms::Form& Opener);

  struct Parts {
    explicit Parts(const frmPlugin& f);
    forms::ListView& lvPlugin;
    forms::CommandButton& cmdNew;
    forms::CommandButton& cmdEdit;
    forms::CommandButton& cmdDel;
    forms::CommandButton& cmdClose;
    forms::CommandButton& cmdCancel;
  };
  const Parts& parts() const { return *parts_; }

 protected:
  void ControlsCreated() override;
  void ControlsReleasing() override;

 private:
  void Form_Load();
  void Form_Activate();
  void cmdNew_Click();
  void cmdEdit_Click();
  void cmdDel_Click();
  void cmdClose_Click();

  const forms::Form& opener_;
  std::optional<Parts> parts_;
  bool focusGiven_ = false;
};

}  // namespace corvana::dialogs
