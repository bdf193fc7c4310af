#pragma once
// Bitmap ids of VNCCorvana.exe and its two control libraries. Included by the resource scripts
// too, so plain defines only.

#define IDB_LIST_BACKGROUND 101  // default background of the connection list, tiled
#define IDB_SPLASH 102           // 405x252, 24 bits per pixel
#define IDB_FOLDER_INFO 103      // 127x56, 24 bits per pixel: the top left of the folder-info panel
// 16x16 menu pictures; pure white is their mask colour.
#define IDB_MENU_FOLDER 110
#define IDB_MENU_VNC 111
#define IDB_MENU_PCAW 112
#define IDB_MENU_PLUGIN 113

// Toolbox bitmap of each control library, 16x15.
#define IDB_TOOLBOX 30000
