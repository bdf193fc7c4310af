#pragma once
// The progress windows of the long registry loops: frmCopy for a paste, frmDelete for a delete.
// Both show a looping clip, the item in work, a second line, a progress bar and Cancel, whose only
// effect is the Cancelled flag that the loop polls between items. They differ in clip and caption.
#include <optional>
#include <string>

#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/progress_controls.h"

namespace corvana {

enum class ProgressKind { Copy, Delete };

forms::FormDecl ProgressFormDeclaration(ProgressKind kind);

class ProgressForm : public forms::Form {
 public:
  // MainWindow: the window it opens beside, 100 twips right of and below its top left corner.
  ProgressForm(ProgressKind kind, const forms::Form& mainWindow);
  // Unloads the window when a loop ends without doing so, so its clip file goes too.
  ~ProgressForm() override;

  // Raised by Cancel, and by closing the window while its loop runs; reset by each Load.
  bool Cancelled = false;

  struct Parts {
    explicit Parts(const ProgressForm& f);
    forms::Animation& anim;
    forms::TextBox& lblSource;
    forms::TextBox& lblDest;
    forms::ProgressBar& pbar;
    forms::CommandButton& cmdCancel;
  };
  // Throws while the form is not loaded.
  const Parts& parts() const;
  forms::TextBox& lblSource() const { return parts().lblSource; }
  forms::TextBox& lblDest() const { return parts().lblDest; }
  forms::ProgressBar& pbar() const { return parts().pbar; }
  forms::CommandButton& cmdCancel() const { return parts().cmdCancel; }
  // The temporary file the clip plays from while the window is loaded ("" when none).
  const std::string& AviFile() const { return aviFile_; }

  void Form_Load();
  void Form_QueryUnload(int& Cancel, int UnloadMode);
  void cmdCancel_Click();
  void lblSource_Change();
  void lblDest_Change();

 protected:
  void ControlsCreated() override;
  void ControlsReleasing() override;

 private:
  ProgressKind kind_;
  const forms::Form& mainWindow_;
  std::optional<Parts> parts_;
  std::string aviFile_;
};

}  // namespace corvana
