#include "dialogs/options_dialog.h"

#include <array>
#include <string>

#include "core/connection_values.h"
#include "core/message_box.h"
#include "core/passwords.h"
#include "core/registry_store.h"
#include "core/registry_value.h"
#include "core/string_table.h"
#include "dialogs/default_flag_box.h"
#include "dialogs/file_pickers.h"
#include "forms/localize_form.h"
#include "forms/twips.h"
#include "resources/string_ids.h"

namespace corvana::dialogs {
namespace {

// The dialog writes the scale parts under these spellings; the registry ignores case.
constexpr const char* kScale1Name = "Scale-1";
constexpr const char* kScale2Name = "Scale-2";

// Where the page of the selected tab lies, in twips.
constexpr int kPageLeft = 210;

struct Choice {
  forms::OptionButton& button;
  const char* stored;  // what OK writes for it
  const char* name;    // what Load takes for it, in any case
};

// Keeps the box's text when the value is absent, unless the row names a text for that.
void LoadText(HKEY key, const char* name, forms::TextBox& box, const std::string& absent = {}) {
  std::string text = ReadStringValue(key, name);
  if (!text.empty())
    box.SetText(text);
  else if (!absent.empty())
    box.SetText(absent);
}

// "1" at the start checks the box; anything else, absent too, leaves it unchecked.
void LoadOnOff(HKEY key, const char* name, forms::CheckBox& box) {
  box.SetValue(ReadStringValue(key, name).starts_with('1') ? 1 : 0);
}

// Selects the button whose name the stored text is, in any case; for any other text, or none,
// the group stays as it is. What OK would store for the button taken, or null.
template <size_t N>
const char* LoadChoice(HKEY key, const char* name, const std::array<Choice, N>& group) {
  const std::string text = ReadStringValue(key, name);
  if (text.empty()) return nullptr;
  for (const Choice& c : group)
    if (EqualsNoCase(text, c.name)) {
      c.button.SetValue(true);
      return c.stored;
    }
  return nullptr;
}

void WriteText(HKEY key, const char* name, const forms::TextBox& box) { WriteStringValue(key, name, box.Text()); }

void WriteFlag(HKEY key, const char* name, const forms::CheckBox& box) {
  WriteStringValue(key, name, box.Value() == 1 ? "1" : "0");
}

// A choice is stored with its NUL counted in the data length ("hextile" has length 8); no choice
// as 260 NULs, which every reader takes as absent.
template <size_t N>
void WriteChoice(HKEY key, const char* name, const std::array<Choice, N>& group) {
  std::string data(kValueBufferChars, '\0');
  for (const Choice& c : group)
    if (c.button.Value()) data = std::string(c.stored) + '\0';
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
}

std::array<Choice, 4> Encodings(const dlgOptions::Parts& p) {
  return {{{p.optHextile, "hextile", "HEXTILE"},
           {p.optCoRRE, "CoRRE", "CORRE"},
           {p.optRRE, "RRE", "RRE"},
           {p.optRaw, "Raw", "RAW"}}};
}

std::array<Choice, 3> Viewers(const dlgOptions::Parts& p) {
  return {{{p.optVNCviewer, "VNCviewer", "VNCVIEWER"},
           {p.optVNCBrowser, "Browser", "BROWSER"},
           {p.optVNCJava, "Java", "JAVA"}}};
}

// The options kept in a text box, each with the text Load puts in when none is stored ("" keeps
// the box's own).
struct TextOption {
  const char* name;
  forms::TextBox& box;
  std::string absent;
};
std::array<TextOption, 7> TextOptions(const dlgOptions::Parts& p) {
  return {{{kAuthWindowRetryValue, p.txtFindAuthWindowRetries, std::to_string(kDefaultAuthWindowRetries)},
           {kAuthWindowCaptionValue, p.txtAuthWindowCaption, kDefaultAuthWindowCaption},
           {kBackgroundImageValue, p.txtBackgroundimage, ""},
           {kViewerPathValue, p.txtLocationOfVNCviewer, ""},
           {kJavaClassDirValue, p.txtLocationOfVNCClasses, ""},
           {kJavaRunnerValue, p.txtLocationOfJavaProgram, ""},
           {kJavaRunnerSwitchesValue, p.txtSwitchOther, ""}}};
}

// The program's own on/off options, loaded by LoadOnOff.
struct OnOffOption {
  const char* name;
  forms::CheckBox& box;
};
std::array<OnOffOption, 3> OnOffOptions(const dlgOptions::Parts& p) {
  return {{{kMinimizeAfterConnectValue, p.chkMinimizeAfterConnect},
           {kSystrayIfMinimizedValue, p.chkSystrayIfMinimized},
           {kNoEncryptionValue, p.chkDisableEncryption}}};
}

// The connection defaults of the viewer page: each check box and the flag it stands for.
struct DefaultFlag {
  const char* name;
  forms::CheckBox& box;
};
std::array<DefaultFlag, 10> DefaultFlags(const dlgOptions::Parts& p) {
  return {{{kAllowCopyRectValue, p.chkCopyRectEncoding},
           {kSharedSessionValue, p.chkShared},
           {kDeiconifyOnBellValue, p.chkBell},
           {kDisableClipboardValue, p.chkDisableClipboard},
           {kEmulate3ButtonsValue, p.chkEmulate3Buttons},
           {kSwapMouseButtonsValue, p.chkSwapMouse},
           {kRestrict8BitValue, p.chk8Bit},
           {kViewOnlyValue, p.chkViewOnly},
           {kFullScreenValue, p.chkFullScreen},
           {kScaleValue, p.chkScale}}};
}

}  // namespace

dlgOptions::Parts::Parts(const dlgOptions& f)
    : tbsOptions(f.Get<forms::TabStrip>("tbsOptions")),
      picOptions0(f.Get<forms::PictureBox>("picOptions", 0)),
      picOptions1(f.Get<forms::PictureBox>("picOptions", 1)),
      picOptions2(f.Get<forms::PictureBox>("picOptions", 2)),
      txtLocationOfVNCviewer(f.Get<forms::TextBox>("txtLocationOfVNCviewer")),
      cmdFindVNCViewer(f.Get<forms::CommandButton>("cmdFindVNCViewer")),
      optHextile(f.Get<forms::OptionButton>("optHextile")),
      optCoRRE(f.Get<forms::OptionButton>("optCoRRE")),
      optRRE(f.Get<forms::OptionButton>("optRRE")),
      optRaw(f.Get<forms::OptionButton>("optRaw")),
      chkCopyRectEncoding(f.Get<forms::CheckBox>("chkCopyRectEncoding")),
      chkEmulate3Buttons(f.Get<forms::CheckBox>("chkEmulate3Buttons")),
      chkSwapMouse(f.Get<forms::CheckBox>("chkSwapMouse")),
      chk8Bit(f.Get<forms::CheckBox>("chk8Bit")),
      chkViewOnly(f.Get<forms::CheckBox>("chkViewOnly")),
      chkFullScreen(f.Get<forms::CheckBox>("chkFullScreen")),
      chkScale(f.Get<forms::CheckBox>("chkScale")),
      txtScale1(f.Get<forms::TextBox>("txtScale1")),
      txtScale2(f.Get<forms::TextBox>("txtScale2")),
      chkShared(f.Get<forms::CheckBox>("chkShared")),
      chkBell(f.Get<forms::CheckBox>("chkBell")),
      chkDisableClipboard(f.Get<forms::CheckBox>("chkDisableClipboard")),
      txtSwitchOther(f.Get<forms::TextBox>("txtSwitchOther")),
      txtLocationOfJavaProgram(f.Get<forms::TextBox>("txtLocationOfJavaProgram")),
      cmdSelectJavaProgram(f.Get<forms::CommandButton>("cmdSelectJavaProgram")),
      txtLocationOfVNCClasses(f.Get<forms::TextBox>("txtLocationOfVNCClasses")),
      cmdBrowseForJavaClassDir(f.Get<forms::CommandButton>("cmdBrowseForJavaClassDir")),
      txtBackgroundimage(f.Get<forms::TextBox>("txtBackgroundimage")),
      cmdBackgroundImage(f.Get<forms::CommandButton>("cmdBackgroundImage")),
      chkSystrayIfMinimized(f.Get<forms::CheckBox>("chkSystrayIfMinimized")),
      chkMinimizeAfterConnect(f.Get<forms::CheckBox>("chkMinimizeAfterConnect")),
      txtFindAuthWindowRetries(f.Get<forms::TextBox>("txtFindAuthWindowRetries")),
      txtAuthWindowCaption(f.Get<forms::TextBox>("txtAuthWindowCaption")),
      chkDisableEncryption(f.Get<forms::CheckBox>("chkDisableEncryption")),
      optVNCviewer(f.Get<forms::OptionButton>("optVNCviewer")),
      optVNCBrowser(f.Get<forms::OptionButton>("optVNCBrowser")),
      optVNCJava(f.Get<forms::OptionButton>("optVNCJava")),
      cmdOK(f.Get<forms::CommandButton>("cmdOK")),
      cmdCancel(f.Get<forms::CommandButton>("cmdCancel")) {}

dlgOptions::dlgOptions(MainWindowBackground& MainWindow)
    : forms::Form(OptionsDeclaration()), mainWindow_(MainWindow) {
  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  KeyDown = [this](int& key, int shift) { Form_KeyDown(key, shift); };
}

void dlgOptions::ControlsCreated() {
  parts_.emplace(*this);
  const Parts& p = *parts_;
  pages_.emplace(p.tbsOptions, std::vector<forms::Control*>{&p.picOptions0, &p.picOptions1, &p.picOptions2},
                 kPageLeft);
  p.tbsOptions.Click = [this] { tbsOptions_Click(); };
  p.cmdOK.Click = [this] { cmdOK_Click(); };
  p.cmdCancel.Click = [this] { cmdCancel_Click(); };
  p.chkDisableEncryption.Click = [this] { chkDisableEncryption_Click(); };
  p.cmdFindVNCViewer.Click = [this] { cmdFindVNCViewer_Click(); };
  p.cmdSelectJavaProgram.Click = [this] { cmdSelectJavaProgram_Click(); };
  p.cmdBackgroundImage.Click = [this] { cmdBackgroundImage_Click(); };
  p.cmdBrowseForJavaClassDir.Click = [this] { cmdBrowseForJavaClassDir_Click(); };
}

void dlgOptions::ControlsReleasing() {
  pages_.reset();
  parts_.reset();
}

void dlgOptions::Form_Load() {
  m_bLoading = true;
  focusGiven_ = false;
  forms::LocalizeForm(*this);
  // The screen, not its work area, as the dialog has always been placed.
  const int screenWidth = forms::PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN));
  const int screenHeight = forms::PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN));
  Move((screenWidth - Width()) / 2, (screenHeight - Height()) / 2, Width(), Height());
  // Without the product key the controls keep their initial state.
  if (RegKey key = CreateKey(HKEY_CURRENT_USER, ProductKey)) LoadStoredValues(key.get());
  pages_->ShowSelected();
  m_bLoading = false;
}

// Shown, the dialog's keys start at the tab strip: the form's own window would take no key, and a
// Ctrl+Tab there would never reach the dialog.
void dlgOptions::Form_Activate() {
  if (focusGiven_) return;
  focusGiven_ = true;
  parts_->tbsOptions.SetFocus();
}

void dlgOptions::LoadStoredValues(HKEY key) {
  const Parts& p = *parts_;
  LoadChoice(key, kEncodingValue, Encodings(p));
  for (const TextOption& option : TextOptions(p)) LoadText(key, option.name, option.box, option.absent);
  for (const OnOffOption& option : OnOffOptions(p)) LoadOnOff(key, option.name, option.box);
  for (const DefaultFlag& flag : DefaultFlags(p)) LoadDefaultFlag(key, flag.name, flag.box);
  // The scale parts mean something only while scaling is on.
  if (p.chkScale.Value() == 1) {
    LoadText(key, kScale1Name, p.txtScale1);
    LoadText(key, kScale2Name, p.txtScale2);
  }
  // The viewer the program prefers is the one shown; an unknown text leaves both as they are.
  if (const char* viewer = LoadChoice(key, kPreferredViewerValue, Viewers(p))) gOptions.PreferredViewer = viewer;
  // Without a class folder there is no Java viewer to run: its choice is off, and the VNC viewer is
  // chosen in place of whatever was stored.
  if (p.txtLocationOfVNCClasses.Text().empty()) {
    p.optVNCJava.SetEnabled(false);
    p.optVNCviewer.SetValue(true);
  } else {
    p.optVNCJava.SetEnabled(true);
  }
}

void dlgOptions::cmdOK_Click() {
  const Parts& p = *parts_;
  // Without the product key nothing is written, and the options are read again all the same.
  if (RegKey root = CreateKey(HKEY_CURRENT_USER, ProductKey)) {
    const HKEY key = root.get();
    WriteChoice(key, kEncodingValue, Encodings(p));
    for (const TextOption& option : TextOptions(p)) WriteText(key, option.name, option.box);
    for (const OnOffOption& option : OnOffOptions(p)) WriteFlag(key, option.name, option.box);
    for (const DefaultFlag& flag : DefaultFlags(p)) WriteFlag(key, flag.name, flag.box);
    // Unscaled, the former scale parts stay stored for the day scaling is on again.
    if (p.chkScale.Value() == 1) {
      WriteText(key, kScale1Name, p.txtScale1);
      WriteText(key, kScale2Name, p.txtScale2);
    }
    WriteChoice(key, kPreferredViewerValue, Viewers(p));
  }
  ReadGlobalOptions(mainWindow_);
  UnloadForm();
}

void dlgOptions::cmdCancel_Click() { UnloadForm(); }

void dlgOptions::tbsOptions_Click() { pages_->ShowSelected(); }

void dlgOptions::Form_KeyDown(int& KeyCode, int Shift) { pages_->FormKeyDown(KeyCode, Shift); }

void dlgOptions::chkDisableEncryption_Click() {
  if (m_bLoading) return;
  std::string text;
  for (int id : {IDS_ENCRYPTION_NOTE_1, IDS_ENCRYPTION_NOTE_2, IDS_ENCRYPTION_NOTE_3, IDS_ENCRYPTION_NOTE_4})
    text += LoadResString(id) + "\r\n";
  ShowMessage(text, MB_OK | MB_ICONINFORMATION);
}

// Each browse button puts what was chosen into its box; a cancelled picker leaves the box alone.
void dlgOptions::cmdFindVNCViewer_Click() {
  std::string path = ShowOpenFileDialog(FileFilter("VNCViewer", "vncviewer.exe"), 1,
                                        LoadResString(IDS_FIND_VIEWER_TITLE), "", "", hWnd());
  if (!path.empty()) parts_->txtLocationOfVNCviewer.SetText(path);
}

void dlgOptions::cmdSelectJavaProgram_Click() {
  std::string path = ShowOpenFileDialog(FileFilter("Programs", "*.exe"), 1,
                                        LoadResString(IDS_FIND_JAVA_PROGRAM_TITLE), "", "", hWnd());
  if (!path.empty()) parts_->txtLocationOfJavaProgram.SetText(path);
}

void dlgOptions::cmdBackgroundImage_Click() {
  std::string path = ShowOpenFileDialog(FileFilter("Alle Bilddateien", "*.bmp;*.dip;*.ico;*.cur;*.gif;*.jpg"), 1,
                                        LoadResString(IDS_FIND_BACKGROUND_TITLE), "", "", hWnd());
  if (!path.empty()) parts_->txtBackgroundimage.SetText(path);
}

// A class folder makes the Java viewer possible; it stays a choice the user makes.
void dlgOptions::cmdBrowseForJavaClassDir_Click() {
  std::string folder = ShowBrowseForFolder(LoadResString(IDS_JAVA_CLASSES_FOLDER), 0, hWnd());
  if (folder.empty()) return;
  parts_->txtLocationOfVNCClasses.SetText(folder);
  parts_->optVNCJava.SetEnabled(true);
}

}  // namespace corvana::dialogs
