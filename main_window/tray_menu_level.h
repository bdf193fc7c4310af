#pragma once
// The notification-area menu's content: the whole store as submenus of the top-level folders.
#include <windows.h>

#include <functional>
#include <string>

#include "forms/picture.h"
#include "main_window/systray_menu.h"

namespace corvana {

// The main window's menu pictures (picFolder, picVNC, picPCAW).
struct TrayMenuPictures {
  forms::PictureRef Folder, VNC, PCAW;
};

// Called now and then while a large store is read, so the waiting window stays painted.
using TrayMenuProgress = std::function<void()>;

// One submenu per top-level folder, in the store's order, each with its folder's entries.
void AddTrayMenuFolders(SystrayMenu& Menu, const TrayMenuPictures& Pictures, const TrayMenuProgress& Progress = {});
// The entries of the folder ItemPath into hMenu: first its VNC connections whose record reads,
// then its subfolders with their entries, then its pcAnywhere entries whose file reads; each kind
// in the store's order. A folder that cannot be opened adds nothing.
void AddTrayMenuLevel(SystrayMenu& Menu, const TrayMenuPictures& Pictures, const std::string& ItemPath, HMENU hMenu,
                      const TrayMenuProgress& Progress = {});

}  // namespace corvana
