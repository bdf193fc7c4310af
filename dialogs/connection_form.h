#pragma once
// What the two connection dialogs share: the same controls on two tabs, the checks of the input in
// their order, and the connection record built from the boxes.
#include <array>
#include <optional>
#include <string>

#include "core/connection_record.h"
#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/picture_controls.h"
#include "forms/tab_pages.h"
#include "forms/tab_strip.h"

namespace corvana::dialogs {

enum class ConnectionDialogKind { New, Edit };

forms::FormDecl ConnectionFormDeclaration(ConnectionDialogKind kind);

class ConnectionForm : public forms::Form {
 public:
  struct Parts {
    explicit Parts(const ConnectionForm& f);
    forms::TabStrip& tbsOptions;
    forms::PictureBox& picConnection;  // picOptions(0)
    forms::PictureBox& picViewer;      // picOptions(1)
    forms::TextBox& txtNameOfTheConnection;
    forms::TextBox& txtAdressOfConnection;
    forms::TextBox& txtDisplayOfConnection;
    forms::TextBox& txtVNCFSPort;
    forms::TextBox& txtPassword;
    forms::CommandButton& cmdHideShowPassword;
    forms::TextBox& txtFolder;
    forms::OptionButton& optHextile;
    forms::OptionButton& optCoRRE;
    forms::OptionButton& optRRE;
    forms::OptionButton& optRaw;
    forms::CheckBox& chkCopyRectEncoding;
    forms::CheckBox& chkShared;
    forms::CheckBox& chkBell;
    forms::CheckBox& chkDisableClipboard;
    forms::CheckBox& chkEmulate3Buttons;
    forms::CheckBox& chkSwapMouse;
    forms::CheckBox& chk8Bit;
    forms::CheckBox& chkViewOnly;
    forms::CheckBox& chkFullScreen;
    forms::CheckBox& chkScale;
    forms::TextBox& txtScale1;
    forms::TextBox& txtScale2;
    forms::CommandButton& cmdADD;
    forms::CommandButton& cmdCancel;
  };
  // Throws while the form is not loaded.
  const Parts& parts() const;

  // A flag box with the record's field and the value name it shares with the global options, in
  // the order in which the options are read.
  struct FlagBox {
    forms::CheckBox* box;
    Flag ConnectionRecord::*field;
    const char* valueName;
  };
  std::array<FlagBox, 10> FlagBoxes() const;

 protected:
  explicit ConnectionForm(ConnectionDialogKind kind);
  void ControlsCreated() override;
  void ControlsReleasing() override;

  // Load of either dialog: texts from the string table, the first page shown.
  void LoadCommon();
  // The checks in their order, each failure shown with its message; the edit dialog also checks
  // display and file-server port for numbers. Then the name, which must make one store key.
  bool CheckInput(bool numericAddress) const;
  ConnectionRecord BuildRecord() const;
  // Selects the option button of an encoding name in any case; another name selects none.
  void SelectEncoding(const std::string& encoding);
  // cmdADD: store the input.
  virtual void Save() = 0;

 private:
  void ToggleShowPassword();

  std::optional<Parts> parts_;
  std::optional<forms::TabPages> pages_;
  bool focusGiven_ = false;
};

}  // namespace corvana::dialogs
