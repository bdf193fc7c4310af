#pragma once
// Icon ids of VNCCorvana.exe. Included by the resource script too, so plain defines only.

// Program icon: 16x16 and 32x32 in one group; the first icon group is the one Explorer shows.
#define IDI_PROGRAM 1

// Connection list images, 16x16 and 32x32 in each group ("folder", "connection", "pcaw").
#define IDI_LIST_FOLDER 200
#define IDI_LIST_CONNECTION 201
#define IDI_LIST_PCAW 202
// Folder tree images, 16x16 ("close", "open").
#define IDI_TREE_CLOSE 210
#define IDI_TREE_OPEN 211
// Column header sort marks, 16x16 ("asc", "des").
#define IDI_HEADER_ASC 220
#define IDI_HEADER_DES 221
// The password prompt's five pictures, 32x32.
#define IDI_PASSWORD_1 230
#define IDI_PASSWORD_2 231
#define IDI_PASSWORD_3 232
#define IDI_PASSWORD_4 233
#define IDI_PASSWORD_5 234
#define PASSWORD_PICTURE_COUNT 5

// Toolbar buttons by key; each group holds the small (16x16) and the big (32x32) picture.
#define IDI_TOOLBAR_NEW 300
#define IDI_TOOLBAR_DELETE 301
#define IDI_TOOLBAR_EDIT 302
#define IDI_TOOLBAR_OPTIONS 303
#define IDI_TOOLBAR_LIST 304
#define IDI_TOOLBAR_LARGEICONS 305
#define IDI_TOOLBAR_SMALLICONS 306
#define IDI_TOOLBAR_DETAILS 307
#define IDI_TOOLBAR_IMPORT 308
#define IDI_TOOLBAR_INFO 309
// The same keys, greyed for disabled buttons: always the normal id plus this offset.
#define IDI_TOOLBAR_DISABLED_OFFSET 20
#define IDI_TOOLBAR_NEW_DISABLED 320
#define IDI_TOOLBAR_DELETE_DISABLED 321
#define IDI_TOOLBAR_EDIT_DISABLED 322
#define IDI_TOOLBAR_OPTIONS_DISABLED 323
#define IDI_TOOLBAR_LIST_DISABLED 324
#define IDI_TOOLBAR_LARGEICONS_DISABLED 325
#define IDI_TOOLBAR_SMALLICONS_DISABLED 326
#define IDI_TOOLBAR_DETAILS_DISABLED 327
#define IDI_TOOLBAR_IMPORT_DISABLED 328
#define IDI_TOOLBAR_INFO_DISABLED 329
