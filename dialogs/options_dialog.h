#pragma once
// dlgOptions, the global options on three pages: its Load copies the stored option values into
// the controls, OK writes them all back and has the option reader follow them at once, Cancel
// writes nothing.
#include <optional>

#include "core/global_options.h"
#include "forms/basic_controls.h"
#include "forms/form.h"
#include "forms/picture_controls.h"
#include "forms/tab_pages.h"
#include "forms/tab_strip.h"

namespace corvana::dialogs {

forms::FormDecl OptionsDeclaration();

// Shown modal with the main window as owner; it unloads itself on OK and Cancel.
class dlgOptions : public forms::Form {
 public:
  // MainWindow: what the option reader changes on the main window after OK.
  explicit dlgOptions(MainWindowBackground& MainWindow);

  // The controls the dialog's code uses, looked up once when the form is built.
  struct Parts {
    explicit Parts(const dlgOptions& f);
    forms::TabStrip& tbsOptions;
    forms::PictureBox& picOptions0;
    forms::PictureBox& picOptions1;
    forms::PictureBox& picOptions2;
    // VNC Viewer page
    forms::TextBox& txtLocationOfVNCviewer;
    forms::CommandButton& cmdFindVNCViewer;
    forms::OptionButton& optHextile;
    forms::OptionButton& optCoRRE;
    forms::OptionButton& optRRE;
    forms::OptionButton& optRaw;
    forms::CheckBox& chkCopyRectEncoding;
    forms::CheckBox& chkEmulate3Buttons;
    forms::CheckBox& chkSwapMouse;
    forms::CheckBox& chk8Bit;
    forms::CheckBox& chkViewOnly;
    forms::CheckBox& chkFullScreen;
    forms::CheckBox& chkScale;
    forms::TextBox& txtScale1;
    forms::TextBox& txtScale2;
    forms::CheckBox& chkShared;
    forms::CheckBox& chkBell;
    forms::CheckBox& chkDisableClipboard;
    // Java Viewer page
    forms::TextBox& txtSwitchOther;
    forms::TextBox& txtLocationOfJavaProgram;
    forms::CommandButton& cmdSelectJavaProgram;
    forms::TextBox& txtLocationOfVNCClasses;
    forms::CommandButton& cmdBrowseForJavaClassDir;
    // General page
    forms::TextBox& txtBackgroundimage;
    forms::CommandButton& cmdBackgroundImage;
    forms::CheckBox& chkSystrayIfMinimized;
    forms::CheckBox& chkMinimizeAfterConnect;
    forms::TextBox& txtFindAuthWindowRetries;
    forms::TextBox& txtAuthWindowCaption;
    forms::CheckBox& chkDisableEncryption;
    forms::OptionButton& optVNCviewer;
    forms::OptionButton& optVNCBrowser;
    forms::OptionButton& optVNCJava;

    forms::CommandButton& cmdOK;
    forms::CommandButton& cmdCancel;
  };
  const Parts& parts() const { return *parts_; }

 protected:
  void ControlsCreated() override;
  void ControlsReleasing() override;

 private:
  void Form_Load();
  void Form_Activate();
  void Form_KeyDown(int& KeyCode, int Shift);
  void LoadStoredValues(HKEY key);
  void cmdOK_Click();
  void cmdCancel_Click();
  void tbsOptions_Click();
  void chkDisableEncryption_Click();
  void cmdFindVNCViewer_Click();
  void cmdSelectJavaProgram_Click();
  void cmdBackgroundImage_Click();
  void cmdBrowseForJavaClassDir_Click();

  MainWindowBackground& mainWindow_;
  // True only while Load fills the controls.
  bool m_bLoading = false;
  // Whether the first activation has put the focus on a control.
  bool focusGiven_ = false;
  std::optional<Parts> parts_;
  std::optional<forms::TabPages> pages_;
};

}  // namespace corvana::dialogs
