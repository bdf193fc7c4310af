#include "dialogs/options_dialog.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

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
const char* LoadChoice(HKEY key, const char* name, std::span<const Choice> group) {
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
void WriteChoice(HKEY key, const char* name, std::span<const Choice> group) {
  std::string data(kValueBufferChars, '\0');
  for (const Choice& c : group)
    if (c.button.Value()) data = std::string(c.stored) + '\0';
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
}

// Every stored option, in the order OK writes them; Load reads them in its own order (kLoadOrder).
struct OptionRow {
  enum class Kind {
    Choice,       // one of a group of option buttons
    Text,         // a text box; Load puts in Absent when nothing is stored ("" keeps the box's own)
    OnOff,        // one of the program's own switches: checked when the text begins with "1"
    DefaultFlag,  // a connection default, shown as the option reader takes it
    ScaleText,    // a scale part: read and written only while scaling is on
  };
  Kind kind;
  const char* name;
  forms::TextBox* box = nullptr;
  forms::CheckBox* check = nullptr;
  std::span<const Choice> choices{};
  std::string absent{};
};

class OptionTable {
 public:
  explicit OptionTable(const dlgOptions::Parts& p)
      : encodings_{{{p.optHextile, "hextile", "HEXTILE"},
                    {p.optCoRRE, "CoRRE", "CORRE"},
                    {p.optRRE, "RRE", "RRE"},
                    {p.optRaw, "Raw", "RAW"}}},
        viewers_{{{p.optVNCviewer, "VNCviewer", "VNCVIEWER"},
                  {p.optVNCBrowser, "Browser", "BROWSER"},
                  {p.optVNCJava, "Java", "JAVA"}}},
        rows_{{Choices(kEncodingValue, encodings_),
               Text(kAuthWindowRetryValue, p.txtFindAuthWindowRetries, std::to_string(kDefaultAuthWindowRetries)),
               Text(kAuthWindowCaptionValue, p.txtAuthWindowCaption, kDefaultAuthWindowCaption),
               Check(OptionRow::Kind::OnOff, kMinimizeAfterConnectValue, p.chkMinimizeAfterConnect),
               Check(OptionRow::Kind::OnOff, kSystrayIfMinimizedValue, p.chkSystrayIfMinimized),
               Check(OptionRow::Kind::OnOff, kNoEncryptionValue, p.chkDisableEncryption),
               Check(OptionRow::Kind::DefaultFlag, kAllowCopyRectValue, p.chkCopyRectEncoding),
               Check(OptionRow::Kind::DefaultFlag, kSharedSessionValue, p.chkShared),
               Check(OptionRow::Kind::DefaultFlag, kDeiconifyOnBellValue, p.chkBell),
               Check(OptionRow::Kind::DefaultFlag, kDisableClipboardValue, p.chkDisableClipboard),
               Check(OptionRow::Kind::DefaultFlag, kEmulate3ButtonsValue, p.chkEmulate3Buttons),
               Check(OptionRow::Kind::DefaultFlag, kSwapMouseButtonsValue, p.chkSwapMouse),
               Check(OptionRow::Kind::DefaultFlag, kRestrict8BitValue, p.chk8Bit),
               Check(OptionRow::Kind::DefaultFlag, kViewOnlyValue, p.chkViewOnly),
               Check(OptionRow::Kind::DefaultFlag, kFullScreenValue, p.chkFullScreen),
               Check(OptionRow::Kind::DefaultFlag, kScaleValue, p.chkScale),
               ScaleText(kScale1Name, p.txtScale1),
               ScaleText(kScale2Name, p.txtScale2),
               Text(kViewerPathValue, p.txtLocationOfVNCviewer),
               Text(kJavaClassDirValue, p.txtLocationOfVNCClasses),
               Text(kJavaRunnerValue, p.txtLocationOfJavaProgram),
               Text(kBackgroundImageValue, p.txtBackgroundimage),
               Choices(kPreferredViewerValue, viewers_),
               Text(kJavaRunnerSwitchesValue, p.txtSwitchOther)}} {}
  OptionTable(const OptionTable&) = delete;
  OptionTable& operator=(const OptionTable&) = delete;

  const std::array<OptionRow, 24>& Rows() const { return rows_; }

  // Load takes the background picture before the connection defaults, and the paths after them.
  static constexpr std::array<size_t, 24> kLoadOrder{0,  1,  2,  3,  4,  5,  21, 6,  7,  8,  9,  10,
                                                     11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23};

 private:
  static OptionRow Choices(const char* name, std::span<const Choice> group) {
    return {OptionRow::Kind::Choice, name, nullptr, nullptr, group};
  }
  static OptionRow Text(const char* name, forms::TextBox& box, std::string absent = {}) {
    return {OptionRow::Kind::Text, name, &box, nullptr, {}, std::move(absent)};
  }
  static OptionRow ScaleText(const char* name, forms::TextBox& box) {
    return {OptionRow::Kind::ScaleText, name, &box};
  }
  static OptionRow Check(OptionRow::Kind kind, const char* name, forms::CheckBox& box) {
    return {kind, name, nullptr, &box};
  }

  std::array<Choice, 4> encodings_;
  std::array<Choice, 3> viewers_;
  std::array<OptionRow, 24> rows_;
};

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
  const OptionTable table(p);
  for (size_t index : OptionTable::kLoadOrder) {
    const OptionRow& row = table.Rows()[index];
    switch (row.kind) {
      case OptionRow::Kind::Choice:
        // The viewer the program prefers is the one shown; an unknown text leaves both as they are.
        if (const char* taken = LoadChoice(key, row.name, row.choices);
            taken && std::string_view(row.name) == kPreferredViewerValue)
          gOptions.PreferredViewer = taken;
        break;
      case OptionRow::Kind::Text:
        LoadText(key, row.name, *row.box, row.absent);
        break;
      case OptionRow::Kind::ScaleText:
        // The scale parts mean something only while scaling is on.
        if (p.chkScale.Value() == 1) LoadText(key, row.name, *row.box);
        break;
      case OptionRow::Kind::OnOff:
        LoadOnOff(key, row.name, *row.check);
        break;
      case OptionRow::Kind::DefaultFlag:
        LoadDefaultFlag(key, row.name, *row.check);
        break;
    }
  }
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
    const OptionTable table(p);
    for (const OptionRow& row : table.Rows()) {
      switch (row.kind) {
        case OptionRow::Kind::Choice:
          WriteChoice(key, row.name, row.choices);
          break;
        case OptionRow::Kind::Text:
          WriteText(key, row.name, *row.box);
          break;
        case OptionRow::Kind::ScaleText:
          // Unscaled, the former scale parts stay stored for the day scaling is on again.
          if (p.chkScale.Value() == 1) WriteText(key, row.name, *row.box);
          break;
        case OptionRow::Kind::OnOff:
        case OptionRow::Kind::DefaultFlag:
          WriteFlag(key, row.name, *row.check);
          break;
      }
    }
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
