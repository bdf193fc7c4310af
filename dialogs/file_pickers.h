#pragma once
// The platform's folder picker and open-file dialog, each modal to its owner. Both answer ""
// when nothing was chosen; callers then leave their field as it was.
#include <windows.h>

#include <cstdint>
#include <string>

namespace corvana::dialogs {

// The chosen folder's path, ending in "\". EditBox (any value but 0) adds a box for typing the
// folder. "" when cancelled, and when the chosen item is no folder of the file system.
std::string ShowBrowseForFolder(const std::string& Title, std::int16_t EditBox, HWND hWndOwner);

// The browse-info flags of ShowBrowseForFolder: the edit box (16) for any non-zero EditBox, else
// no browsing below the domain (2).
UINT BrowseForFolderFlags(std::int16_t EditBox);

// The full path of the chosen (or typed) file; "" when cancelled or when the dialog failed, a
// path too long for its 1024-character buffer among the failures.
// Filter: for each file type a description and a pattern, each followed by one NUL, and one NUL
// more at the end ("VNCViewer\0vncviewer.exe\0\0"); "" for none. FilterIndex counts from 1 and is
// used only with a Filter and when not negative. Empty Title, InitialDir and DefaultExt are unset;
// DefaultExt ("vnc" or ".vnc") is added to a typed name without an extension.
std::string ShowOpenFileDialog(const std::string& Filter, std::int32_t FilterIndex, const std::string& Title,
                               const std::string& InitialDir, const std::string& DefaultExt, HWND hWndOwner);

// A Filter of one file type, in the form above.
std::string FileFilter(const std::string& Description, const std::string& Pattern);

}  // namespace corvana::dialogs
