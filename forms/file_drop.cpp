#include "forms/file_drop.h"

#include <commctrl.h>
#include <shellapi.h>

#include "forms/form.h"

namespace corvana::forms {

std::vector<std::string> DroppedFiles(HDROP drop) {
  std::vector<std::string> files;
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string path(length + 1, '\0');
    DragQueryFileA(drop, i, path.data(), length + 1);
    path.resize(length);
    files.push_back(std::move(path));
  }
  return files;
}

FileDropTarget::FileDropTarget(Form& form) : wnd_(form.hWnd()) {
  if (!wnd_) return;
  SetWindowSubclass(wnd_, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
  DragAcceptFiles(wnd_, TRUE);
}

FileDropTarget::~FileDropTarget() {
  if (!wnd_ || !IsWindow(wnd_)) return;
  DragAcceptFiles(wnd_, FALSE);
  RemoveWindowSubclass(wnd_, SubclassProc, 1);
}

void FileDropTarget::Dropped(HDROP drop) {
  std::vector<std::string> files = DroppedFiles(drop);
  DragFinish(drop);
  if (!files.empty() && OLEDragDrop) OLEDragDrop(files);
}

LRESULT CALLBACK FileDropTarget::SubclassProc(HWND wnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR ref) {
  auto* self = reinterpret_cast<FileDropTarget*>(ref);
  if (msg == WM_DROPFILES) {
    self->Dropped(reinterpret_cast<HDROP>(w));
    return 0;
  }
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(wnd, SubclassProc, 1);
    self->wnd_ = nullptr;
  }
  return DefSubclassProc(wnd, msg, w, l);
}

}  // namespace corvana::forms
