#include "main_window/path_text.h"

#include <shlwapi.h>

namespace corvana {

void SetControlPathText(HWND hWndParent, const std::string& Path, const forms::Control& Ctl) {
  const int id = Ctl.hWnd() ? GetDlgCtrlID(Ctl.hWnd()) : 0;
  if (id == 0) return;
  PathSetDlgItemPathA(hWndParent, id, Path.c_str());
}

}  // namespace corvana
