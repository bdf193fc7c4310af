#include "main_window/path_text.h"

#include <shlwapi.h>

#include <vector>

#include "forms/twips.h"

namespace corvana {

void SetControlPathText(HWND hWndParent, const std::string& Path, forms::TextBox& Control) {
  std::vector<char> buffer(Path.begin(), Path.end());
  buffer.resize(Path.size() + MAX_PATH, '\0');
  WindowDc dc(Control.hWnd() ? Control.hWnd() : hWndParent);
  HFONT font = Control.hWnd() ? reinterpret_cast<HFONT>(SendMessageA(Control.hWnd(), WM_GETFONT, 0, 0)) : nullptr;
  if (font) {
    SelectedObject selected(dc.get(), font);
    PathCompactPathA(dc.get(), buffer.data(), static_cast<UINT>(forms::TwipsToPixelsX(Control.Width())));
  } else {
    PathCompactPathA(dc.get(), buffer.data(), static_cast<UINT>(forms::TwipsToPixelsX(Control.Width())));
  }
  Control.SetText(buffer.data());
}

}  // namespace corvana
