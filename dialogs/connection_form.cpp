#include "dialogs/connection_form.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "core/message_box.h"
#include "core/registry_store.h"
#include "core/string_table.h"
#include "core/text.h"
#include "dialogs/is_num.h"
#include "forms/declaration_builder.h"
#include "forms/localize_form.h"
#include "resources/id_text.h"
#include "resources/string_ids.h"

namespace corvana::dialogs {
namespace {

using forms::Decl;

constexpr const char* kConnectionPage = "picOptions(0)";
constexpr const char* kViewerPage = "picOptions(1)";
// Where the shown page lies, in twips.
constexpr int kPageLeft = 240;
// The longest name the registry gives a key.
constexpr size_t kMaxKeyNameChars = 255;

forms::ControlDecl Page(int index) {
  forms::ControlDecl page = Decl("PictureBox", "picOptions", kPageLeft, 480, 6720, 4020).Extra("BorderStyle", "0");
  page.index = index;
  return page;
}

std::string FieldTitle(const char* field) { return std::string(kProductTitle) + " - " + field; }

// Shows the message when the box holds no text; true when it holds one.
bool Filled(const forms::TextBox& box, int messageId) {
  if (!box.Text().empty()) return true;
  ShowMessageId(messageId, MB_OK | MB_ICONERROR, kProductTitle);
  return false;
}

bool Numeric(const forms::TextBox& box, const char* field) {
  if (IsNum(box.Text())) return true;
  ShowMessageId(IDS_VALUE_NOT_NUMERIC, MB_OK | MB_ICONERROR, FieldTitle(field));
  return false;
}

void SelectAllOnFocus(forms::TextBox& box) {
  box.GotFocus = [&box] { box.SetSelection(0, static_cast<int>(box.Text().size())); };
}

}  // namespace

forms::FormDecl ConnectionFormDeclaration(ConnectionDialogKind kind) {
  const bool isNew = kind == ConnectionDialogKind::New;
  forms::FormDecl f;
  f.name = isNew ? "dlgNewConnection" : "dlgEditConnection";
  f.caption = isNew ? "Neue Verbindung ..." : "Verbindung bearbeiten ...";
  f.tag = IdText(isNew ? IDS_NEW_CONNECTION_TITLE : IDS_EDIT_CONNECTION_TITLE);
  f.clientWidth = 7200;
  f.clientHeight = 5280;
  f.borderStyle = forms::BorderStyle::FixedDialog;
  f.minButton = f.maxButton = false;
  f.keyPreview = true;

  forms::ControlDecl tabs = Decl("TabStrip", "tbsOptions", 120, 120, 6960, 4500);
  tabs.tabs = {{"Verbindung", "connection", IdText(IDS_CONNECTION_TAB), ""},
               {"VNC Viewer", "viewer", IdText(IDS_VNC_VIEWER_TAB), ""}};

  // The frames on the left are narrower than those on the right.
  auto check = [](const char* name, int top, int id, const char* frame) {
    const bool left = std::string(frame) == "fraSample1" || std::string(frame) == "Frame1";
    return Decl("CheckBox", name, 150, top, left ? 2460 : 3300, 255).Tag(IdText(id)).In(frame);
  };
  f.controls = {
      tabs,
      Page(0),
      Decl("Label", "lblNameOfTheConnection", 120, 120, 6360, 255)
          .Text("Name der Verbindung:")
          .Tag(IdText(IDS_CONNECTION_NAME_LABEL))
          .In(kConnectionPage),
      Decl("TextBox", "txtNameOfTheConnection", 120, 375, 6360, 315).In(kConnectionPage),
      Decl("Label", "lblAdressOfConnection", 120, 840, 6360, 255)
          .Text("Adresse (IP oder Name) der Verbindung:")
          .Tag(IdText(IDS_CONNECTION_ADDRESS_LABEL))
          .In(kConnectionPage),
      Decl("TextBox", "txtAdressOfConnection", 120, 1095, 6360, 315).In(kConnectionPage),
      Decl("Label", "lblDisplayOfConnection", 120, 1560, 3000, 255)
          .Text("Display der Verbindung:")
          .Tag(IdText(IDS_CONNECTION_DISPLAY_LABEL))
          .In(kConnectionPage),
      Decl("TextBox", "txtDisplayOfConnection", 120, 1815, 3000, 315).In(kConnectionPage),
      Decl("Label", "lblVNCFSPort", 3480, 1560, 3000, 255)
          .Text(isNew ? "VNC Fileserver Port:" : "VNC FS Port")
          .Tag(IdText(isNew ? IDS_VNC_FS_PORT_LABEL : IDS_COLUMN_VNC_FS_PORT))
          .In(kConnectionPage),
      Decl("TextBox", "txtVNCFSPort", 3480, 1815, 3000, 315).Text(isNew ? "6010" : "").In(kConnectionPage),
      Decl("Label", "lblPassword", 120, 2280, 3000, 255)
          .Text("Kennwort:")
          .Tag(IdText(IDS_PASSWORD_LABEL))
          .In(kConnectionPage),
      Decl("TextBox", "txtPassword", 120, 2535, 4800, 315).Extra("PasswordChar", "*").In(kConnectionPage),
      Decl("CommandButton", "cmdHideShowPassword", 5040, 2520, 1440, 345)
          .Text("An&zeigen")
          .Tag(IdText(IDS_SHOW_PASSWORD))
          .In(kConnectionPage),
      Decl("TextBox", "txtFolder", 120, 3000, 3000, 315).Hidden().In(kConnectionPage),

      Page(1),
      Decl("Frame", "fraSample1", 120, 60, 2760, 1830)
          .Text("Bevorzugte Kodierung")
          .Tag(IdText(IDS_PREFERRED_ENCODING))
          .In(kViewerPage),
      Decl("OptionButton", "optHextile", 150, 270, 2460, 255).Text("Hextile").Tag(IdText(IDS_ENCODING_HEXTILE)).In("fraSample1"),
      Decl("OptionButton", "optCoRRE", 150, 570, 2460, 255).Text("CoRRE").Tag(IdText(IDS_ENCODING_CORRE)).In("fraSample1"),
      Decl("OptionButton", "optRRE", 150, 870, 2460, 255).Text("RRE").Tag(IdText(IDS_ENCODING_RRE)).In("fraSample1"),
      Decl("OptionButton", "optRaw", 150, 1170, 2460, 255).Text("Raw").Tag(IdText(IDS_ENCODING_RAW)).In("fraSample1"),
      check("chkCopyRectEncoding", 1470, IDS_COPYRECT_ENCODING, "fraSample1"),
      Decl("Frame", "Frame3", 3000, 60, 3600, 1830).Text("Allgemein").Tag(IdText(IDS_CONNECTION_GENERAL)).In(kViewerPage),
      check("chkShared", 270, IDS_SHARED_SESSION, "Frame3"),
      check("chkBell", 570, IDS_ENABLE_SOUND, "Frame3"),
      check("chkDisableClipboard", 870, IDS_DISABLE_CLIPBOARD, "Frame3"),
      Decl("Frame", "Frame1", 120, 1980, 2760, 930).Text("Maus").Tag(IdText(IDS_MOUSE_FRAME)).In(kViewerPage),
      check("chkEmulate3Buttons", 270, IDS_EMULATE_3_BUTTONS, "Frame1"),
      check("chkSwapMouse", 570, IDS_SWAP_MOUSE_BUTTONS, "Frame1"),
      Decl("Frame", "Frame2", 3000, 1980, 3600, 1890).Text("Anzeige").Tag(IdText(IDS_DISPLAY_FRAME)).In(kViewerPage),
      check("chk8Bit", 270, IDS_RESTRICT_TO_8_BIT, "Frame2"),
      check("chkViewOnly", 570, IDS_VIEW_ONLY, "Frame2"),
      check("chkFullScreen", 870, IDS_FULL_SCREEN, "Frame2"),
      check("chkScale", 1170, IDS_SCALE, "Frame2"),
      Decl("TextBox", "txtScale1", 390, 1470, 495, 285).In("Frame2"),
      Decl("TextBox", "txtScale2", 990, 1470, 495, 285).In("Frame2"),
      Decl("Label", "lblExperimental", 1590, 1500, 1400, 255).Text("(Experimentell)").Tag(IdText(IDS_EXPERIMENTAL)).In("Frame2"),

      Decl("CommandButton", "cmdADD", 4080, 4740, 1440, 375)
          .Text(isNew ? "&Hinzufuegen" : "&Uebernehmen")
          .Tag(IdText(isNew ? IDS_ADD : IDS_APPLY))
          .Extra("Default", "1"),
      Decl("CommandButton", "cmdCancel", 5640, 4740, 1440, 375)
          .Text("&Abbrechen")
          .Tag(IdText(IDS_CANCEL))
          .Extra("Cancel", "1"),
  };
  return f;
}

ConnectionForm::Parts::Parts(const ConnectionForm& f)
    : tbsOptions(f.Get<forms::TabStrip>("tbsOptions")),
      picConnection(f.Get<forms::PictureBox>("picOptions", 0)),
      picViewer(f.Get<forms::PictureBox>("picOptions", 1)),
      txtNameOfTheConnection(f.Get<forms::TextBox>("txtNameOfTheConnection")),
      txtAdressOfConnection(f.Get<forms::TextBox>("txtAdressOfConnection")),
      txtDisplayOfConnection(f.Get<forms::TextBox>("txtDisplayOfConnection")),
      txtVNCFSPort(f.Get<forms::TextBox>("txtVNCFSPort")),
      txtPassword(f.Get<forms::TextBox>("txtPassword")),
      cmdHideShowPassword(f.Get<forms::CommandButton>("cmdHideShowPassword")),
      txtFolder(f.Get<forms::TextBox>("txtFolder")),
      optHextile(f.Get<forms::OptionButton>("optHextile")),
      optCoRRE(f.Get<forms::OptionButton>("optCoRRE")),
      optRRE(f.Get<forms::OptionButton>("optRRE")),
      optRaw(f.Get<forms::OptionButton>("optRaw")),
      chkCopyRectEncoding(f.Get<forms::CheckBox>("chkCopyRectEncoding")),
      chkShared(f.Get<forms::CheckBox>("chkShared")),
      chkBell(f.Get<forms::CheckBox>("chkBell")),
      chkDisableClipboard(f.Get<forms::CheckBox>("chkDisableClipboard")),
      chkEmulate3Buttons(f.Get<forms::CheckBox>("chkEmulate3Buttons")),
      chkSwapMouse(f.Get<forms::CheckBox>("chkSwapMouse")),
      chk8Bit(f.Get<forms::CheckBox>("chk8Bit")),
      chkViewOnly(f.Get<forms::CheckBox>("chkViewOnly")),
      chkFullScreen(f.Get<forms::CheckBox>("chkFullScreen")),
      chkScale(f.Get<forms::CheckBox>("chkScale")),
      txtScale1(f.Get<forms::TextBox>("txtScale1")),
      txtScale2(f.Get<forms::TextBox>("txtScale2")),
      cmdADD(f.Get<forms::CommandButton>("cmdADD")),
      cmdCancel(f.Get<forms::CommandButton>("cmdCancel")) {}

ConnectionForm::ConnectionForm(ConnectionDialogKind kind) : forms::Form(ConnectionFormDeclaration(kind)) {}

const ConnectionForm::Parts& ConnectionForm::parts() const {
  if (!parts_) throw std::logic_error(Name() + " is not loaded");
  return *parts_;
}

std::array<ConnectionForm::FlagBox, 10> ConnectionForm::FlagBoxes() const {
  const Parts& p = parts();
  return {{{&p.chkCopyRectEncoding, &ConnectionRecord::AllowCopyRect, kAllowCopyRectValue},
           {&p.chkShared, &ConnectionRecord::SharedSession, kSharedSessionValue},
           {&p.chkBell, &ConnectionRecord::DeiconifyOnBell, kDeiconifyOnBellValue},
           {&p.chkDisableClipboard, &ConnectionRecord::DisableClipboard, kDisableClipboardValue},
           {&p.chkEmulate3Buttons, &ConnectionRecord::Emulate3Buttons, kEmulate3ButtonsValue},
           {&p.chkSwapMouse, &ConnectionRecord::SwapMouseButtons, kSwapMouseButtonsValue},
           {&p.chk8Bit, &ConnectionRecord::Restrict8Bit, kRestrict8BitValue},
           {&p.chkViewOnly, &ConnectionRecord::ViewOnly, kViewOnlyValue},
           {&p.chkFullScreen, &ConnectionRecord::FullScreen, kFullScreenValue},
           {&p.chkScale, &ConnectionRecord::Scale, kScaleValue}}};
}

void ConnectionForm::ControlsCreated() {
  parts_.emplace(*this);
  Parts& p = *parts_;
  pages_.emplace(p.tbsOptions, std::vector<forms::Control*>{&p.picConnection, &p.picViewer}, kPageLeft);
  p.tbsOptions.Click = [this] { pages_->ShowSelected(); };
  KeyDown = [this](int& key, int shift) { pages_->FormKeyDown(key, shift); };
  p.cmdHideShowPassword.Click = [this] { ToggleShowPassword(); };
  p.cmdADD.Click = [this] { Save(); };
  p.cmdCancel.Click = [this] { UnloadForm(); };
  // Shown, the keys go to the name first: the form's own window would take none.
  focusGiven_ = false;
  Activate = [this] {
    if (focusGiven_ || !parts_) return;
    focusGiven_ = true;
    parts_->txtNameOfTheConnection.SetFocus();
  };
  for (forms::TextBox* box : {&p.txtNameOfTheConnection, &p.txtAdressOfConnection, &p.txtDisplayOfConnection,
                              &p.txtVNCFSPort, &p.txtPassword, &p.txtScale1, &p.txtScale2})
    SelectAllOnFocus(*box);
}

void ConnectionForm::ControlsReleasing() {
  KeyDown = nullptr;
  Activate = nullptr;
  pages_.reset();
  parts_.reset();
}

void ConnectionForm::LoadCommon() {
  forms::LocalizeForm(*this);
  pages_->ShowSelected();
}

bool ConnectionForm::CheckInput(bool numericAddress) const {
  const Parts& p = parts();
  if (!Filled(p.txtAdressOfConnection, IDS_ADDRESS_MISSING)) return false;
  if (!Filled(p.txtDisplayOfConnection, IDS_DISPLAY_MISSING)) return false;
  if (!Filled(p.txtNameOfTheConnection, IDS_NAME_MISSING)) return false;
  if (!Filled(p.txtVNCFSPort, IDS_VNC_FS_PORT_MISSING)) return false;
  if (numericAddress) {
    if (!Numeric(p.txtDisplayOfConnection, "Display")) return false;
    if (!Numeric(p.txtVNCFSPort, "VNCFSport")) return false;
  }
  if (p.chkScale.Value() == 1) {
    if (!Numeric(p.txtScale1, "Scale 1")) return false;
    if (!Numeric(p.txtScale2, "Scale 2")) return false;
  }
  // The name becomes the connection's key: a "\" would put it into another folder, and the
  // registry takes no longer key name. Refused here, before anything is stored.
  const std::string& name = p.txtNameOfTheConnection.Text();
  if (!IsValidItemName(name) || name.size() > kMaxKeyNameChars) {
    ShowMessageId(IDS_CONNECTION_NAME_NOT_STORABLE, MB_OK | MB_ICONERROR, FieldTitle("Name"));
    return false;
  }
  return true;
}

ConnectionRecord ConnectionForm::BuildRecord() const {
  const Parts& p = parts();
  ConnectionRecord r;
  for (const FlagBox& f : FlagBoxes()) r.*f.field = ToFlag(f.box->Value() == 1);
  if (p.chkScale.Value() == 1) {
    r.Scale1 = p.txtScale1.Text();
    r.Scale2 = p.txtScale2.Text();
  }
  r.ConnectionName = p.txtNameOfTheConnection.Text();
  r.Host = p.txtAdressOfConnection.Text();
  r.Display = p.txtDisplayOfConnection.Text();
  r.VNCFSPort = p.txtVNCFSPort.Text();
  r.Password = p.txtPassword.Text();
  r.FolderPath = p.txtFolder.Text();
  if (p.optCoRRE.Value()) r.Encoding = "CORRE";
  if (p.optHextile.Value()) r.Encoding = "HEXTILE";
  if (p.optRaw.Value()) r.Encoding = "RAW";
  if (p.optRRE.Value()) r.Encoding = "RRE";
  return r;
}

void ConnectionForm::SelectEncoding(const std::string& encoding) {
  const Parts& p = parts();
  const std::string upper = UpperCase(encoding);
  if (upper == "HEXTILE") p.optHextile.SetValue(true);
  if (upper == "CORRE") p.optCoRRE.SetValue(true);
  if (upper == "RRE") p.optRRE.SetValue(true);
  if (upper == "RAW") p.optRaw.SetValue(true);
}

void ConnectionForm::ToggleShowPassword() {
  const Parts& p = parts();
  const std::string caption = p.cmdHideShowPassword.Caption();
  if (caption == LoadResString(IDS_SHOW_PASSWORD)) {
    p.txtPassword.SetPasswordChar(0);
    p.cmdHideShowPassword.SetCaption(LoadResString(IDS_HIDE_PASSWORD));
  } else if (caption == LoadResString(IDS_HIDE_PASSWORD)) {
    p.txtPassword.SetPasswordChar('*');
    p.cmdHideShowPassword.SetCaption(LoadResString(IDS_SHOW_PASSWORD));
  }
}

}  // namespace corvana::dialogs
