#include "dialogs/vnc_import.h"

#include <windows.h>

#include "core/message_box.h"
#include "core/string_table.h"
#include "dialogs/file_pickers.h"
#include "dialogs/is_num.h"
#include "dialogs/new_connection.h"
#include "forms/form.h"
#include "resources/string_ids.h"

namespace corvana::dialogs {
namespace {

constexpr DWORD kIniValueChars = 260;
constexpr const char* kImportTitle = "VNC Corvana .vnc-Import";
constexpr const char* kNewConnectionName = "New Connection";

std::string OptionOr(const std::string& file, const char* key, const char* fallback) {
  std::string value = ReadIniValue(file, "options", key);
  return value.empty() ? fallback : value;
}

// A flag entry ticks its box when it is a number other than 0 ("1", also "2" or " 1 "); any other
// text leaves it unticked.
int FlagBoxValue(const std::string& entry) {
  const auto number = ToNum(entry);
  return number && *number != 0 ? 1 : 0;
}

}  // namespace

std::string ReadIniValue(const std::string& File, const std::string& Section, const std::string& Key) {
  char buffer[kIniValueChars] = {};
  const DWORD n = GetPrivateProfileStringA(Section.c_str(), Key.c_str(), "", buffer, kIniValueChars, File.c_str());
  return std::string(buffer, n);
}

void ImportVncFile(ConnectionDialogHost& host) {
  forms::Form& owner = host.OwnerForm();
  const std::string file =
      ShowOpenFileDialog(FileFilter(LoadResString(IDS_VNC_FILE_TYPE), "*.vnc"), 1, LoadResString(IDS_CHOOSE_VNC_FILE),
                         "", ".vnc", owner.hWnd());
  if (file.empty()) return;
  const std::string address = ReadIniValue(file, "connection", "host");
  const std::string port = ReadIniValue(file, "connection", "port");
  if (address.empty() || port.empty()) {
    ShowMessageId(IDS_VNC_FILE_NO_ADDRESS, MB_OK | MB_ICONERROR, kImportTitle);
    return;
  }
  // The "password" entry is not taken: the password is typed in the dialog or at the first connect.
  const std::string scaleNum = OptionOr(file, "scale_num", "1");
  const std::string scaleDen = OptionOr(file, "scale_den", "1");

  dlgNewConnection dialog(host);
  // Loaded first, so that the presets from the global options are in place when the file's
  // values arrive.
  dialog.LoadForm();
  if (!dialog.Loaded()) return;
  const ConnectionForm::Parts& p = dialog.parts();
  p.txtAdressOfConnection.SetText(address);
  p.txtDisplayOfConnection.SetText(port);
  p.txtNameOfTheConnection.SetText(kNewConnectionName);
  const std::pair<forms::CheckBox*, const char*> flags[] = {
      {&p.chk8Bit, "8bit"},           {&p.chkShared, "shared"},
      {&p.chkSwapMouse, "swapmouse"}, {&p.chkFullScreen, "fullscreen"},
      {&p.chkViewOnly, "viewonly"},   {&p.chkBell, "belldeiconify"},
      {&p.chkEmulate3Buttons, "emulate3"}, {&p.chkDisableClipboard, "disableclipboard"}};
  for (const auto& [box, key] : flags) box->SetValue(FlagBoxValue(OptionOr(file, key, "0")));
  p.txtScale1.SetText(scaleNum);
  p.txtScale2.SetText(scaleDen);
  if (scaleNum != scaleDen) p.chkScale.SetValue(1);
  p.txtFolder.SetText(host.SelectedFolder());
  dialog.Show(forms::ShowMode::Modal, &owner);
}

}  // namespace corvana::dialogs
