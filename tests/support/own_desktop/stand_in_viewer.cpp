// Stands in for the VNC viewer. It writes its command line to <CORVANA_STANDIN_RECORD>.cmd and,
// when CORVANA_STANDIN_CAPTION is set, shows an authentication window of that caption with an
// edit box; when that window closes it writes "enter=1" (closed by Enter) or "enter=0", a line
// break and what arrived in the box to <CORVANA_STANDIN_RECORD>.typed. CORVANA_STANDIN_GATE names
// an event the window waits for before it appears.
#include <windows.h>

#include <string>
#include <vector>

#include "stand_in_record.h"

namespace {

constexpr WORD kEditId = 100;
constexpr UINT_PTR kGiveUpTimer = 1;
std::string g_record;

void Append(std::vector<WORD>& t, const std::string& text) {
  for (char c : text) t.push_back(static_cast<unsigned char>(c));
  t.push_back(0);
}

void Align(std::vector<WORD>& t) {
  if (t.size() % 2) t.push_back(0);  // items start on a DWORD boundary
}

void AddItem(std::vector<WORD>& t, DWORD style, short x, short y, short cx, short cy, WORD id, WORD classAtom,
             const std::string& text) {
  Align(t);
  DLGITEMTEMPLATE item{style | WS_CHILD | WS_VISIBLE, 0, x, y, cx, cy, id};
  const WORD* raw = reinterpret_cast<const WORD*>(&item);
  t.insert(t.end(), raw, raw + sizeof item / sizeof(WORD));
  t.push_back(0xFFFF);
  t.push_back(classAtom);
  Append(t, text);
  t.push_back(0);  // no creation data
}

std::vector<WORD> Template(const std::string& caption) {
  std::vector<WORD> t;
  DLGTEMPLATE dlg{DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 2, 10, 10, 180, 60};
  const WORD* raw = reinterpret_cast<const WORD*>(&dlg);
  t.insert(t.end(), raw, raw + sizeof dlg / sizeof(WORD));
  t.push_back(0);  // no menu
  t.push_back(0);  // standard class
  Append(t, caption);
  AddItem(t, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 10, 10, 160, 14, kEditId, 0x0081, "");
  AddItem(t, BS_DEFPUSHBUTTON | WS_TABSTOP, 65, 35, 50, 14, IDOK, 0x0080, "OK");
  return t;
}

void Finish(HWND dlg, bool enter) {
  char text[512] = {};
  GetDlgItemTextA(dlg, kEditId, text, sizeof text);
  WriteRecord(g_record + ".typed", std::string(enter ? "enter=1" : "enter=0") + "\n" + text);
  EndDialog(dlg, enter ? IDOK : IDCANCEL);
}

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      // Never outlive a test that forgot to close us.
      SetTimer(dlg, kGiveUpTimer, 60000, nullptr);
      return TRUE;
    case WM_TIMER:
      Finish(dlg, false);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) Finish(dlg, LOWORD(wp) == IDOK);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int main() {
  g_record = EnvironmentText("CORVANA_STANDIN_RECORD");
  WriteRecord(g_record + ".cmd", GetCommandLineA());
  const std::string caption = EnvironmentText("CORVANA_STANDIN_CAPTION");
  if (caption.empty()) return 0;
  const std::string gate = EnvironmentText("CORVANA_STANDIN_GATE");
  if (!gate.empty()) {
    HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, gate.c_str());
    if (event) {
      WaitForSingleObject(event, 60000);
      CloseHandle(event);
    }
  }
  std::vector<WORD> t = Template(caption);
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(t.data()), nullptr,
                          DialogProc, 0);
  return 0;
}
