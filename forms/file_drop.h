#pragma once
// Files dropped on a form from the shell: the form accepts them while the target lives, and
// OLEDragDrop receives their paths in the order the shell gives them.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace corvana::forms {

class Form;

class FileDropTarget {
 public:
  // The form must be loaded; the target ends before the form's window does.
  explicit FileDropTarget(Form& form);
  ~FileDropTarget();
  FileDropTarget(const FileDropTarget&) = delete;
  FileDropTarget& operator=(const FileDropTarget&) = delete;

  std::function<void(const std::vector<std::string>& files)> OLEDragDrop;

 private:
  static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR ref);
  void Dropped(HDROP drop);
  HWND wnd_;
};

// The paths an HDROP carries.
std::vector<std::string> DroppedFiles(HDROP drop);

}  // namespace corvana::forms
