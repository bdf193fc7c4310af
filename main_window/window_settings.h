#pragma once
// The main window's stored settings: its layout and view values, root values of ProductKey kept
// between runs.
namespace corvana {

class MainForm;

inline constexpr const char* kLastOpenFolderValue = "LastOpenFolder";

// Applies the stored layout to the window; the design layout stays for what is not stored.
void LoadMainWindowLayout(MainForm& frmMain);
// Writes the layout at exit: geometry, view and widths only in the normal window state.
void SaveMainWindowLayout(MainForm& frmMain);

}  // namespace corvana
