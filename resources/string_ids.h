#pragma once
// Ids of the German string table (string_table.rc), named by what the text says or is for.
// Included by the resource script too, so plain defines only. A declaration that holds an id
// as text (a caption, Tag or ToolTipText) writes IdText(IDS_...) (resources/id_text.h).

// The connection dialogs: VNC viewer options.
#define IDS_EDIT_CONNECTION_TITLE 101  // "Verbindung bearbeiten ..."
#define IDS_PREFERRED_ENCODING 102
#define IDS_ENCODING_HEXTILE 103
#define IDS_ENCODING_CORRE 104
#define IDS_ENCODING_RRE 105
#define IDS_ENCODING_RAW 106
#define IDS_COPYRECT_ENCODING 107
#define IDS_CONNECTION_GENERAL 108  // "Allgemein"
#define IDS_SHARED_SESSION 109
#define IDS_ENABLE_SOUND 110
#define IDS_DISABLE_CLIPBOARD 111
#define IDS_EMULATE_3_BUTTONS 112
#define IDS_SWAP_MOUSE_BUTTONS 113
#define IDS_RESTRICT_TO_8_BIT 114
#define IDS_VIEW_ONLY 115
#define IDS_FULL_SCREEN 116
#define IDS_SCALE 117
#define IDS_EXPERIMENTAL 118
#define IDS_APPLY 119
#define IDS_CANCEL 120  // "&Abbrechen"
#define IDS_CONNECTION_TAB 121
#define IDS_VNC_VIEWER_TAB 122
#define IDS_CONNECTION_NAME_LABEL 123
#define IDS_CONNECTION_ADDRESS_LABEL 124
#define IDS_CONNECTION_DISPLAY_LABEL 125
#define IDS_ADD 126
#define IDS_DISPLAY_FRAME 127  // "Anzeige"
#define IDS_VIEWER_PATH_LABEL 128
#define IDS_MOUSE_FRAME 129
#define IDS_OK 130
#define IDS_ABOUT_TITLE 131

// Toolbar button tooltips of the main window.
#define IDS_TIP_NEW_CONNECTION 132
#define IDS_TIP_DELETE 133
#define IDS_TIP_EDIT 134
#define IDS_TIP_OPTIONS 135
#define IDS_TIP_LIST 136
#define IDS_TIP_LARGE_ICONS 137
#define IDS_TIP_SMALL_ICONS 138
#define IDS_TIP_DETAILS 139
#define IDS_TIP_ABOUT 141
#define IDS_TIP_IMPORT 1033  // ".vnc-Datei importieren"

#define IDS_FIND_VIEWER_TITLE 142  // "VNCviewer.exe suchen ..."

// Connection list columns.
#define IDS_COLUMN_NAME 143
#define IDS_COLUMN_HOST 144     // "Rechner"
#define IDS_COLUMN_DISPLAY 145  // "Display/Typ"
#define IDS_COLUMN_VNC_FS_PORT 1006

// Connection list popup menu.
#define IDS_MENU_CONNECT_WITH 3024
#define IDS_MENU_CONNECT_VIEWER 146  // "VNCviewer"
#define IDS_MENU_CONNECT_JAVA 2000
#define IDS_MENU_CONNECT_BROWSER 1001
#define IDS_MENU_CONNECT_FILESERVER 1007
#define IDS_MENU_CONNECT_PCAW 3043
#define IDS_MENU_TOOLS 2016
#define IDS_MENU_RFB_VERSION 2015
#define IDS_MENU_FTP 2017
#define IDS_MENU_HTTP 2018
#define IDS_MENU_COPY 3016
#define IDS_MENU_PASTE 3017
#define IDS_MENU_CUT 3018
#define IDS_MENU_EDIT 147
#define IDS_MENU_DELETE 148
#define IDS_MENU_RENAME 1018
#define IDS_MENU_NEW_CONNECTION 151
// Folder tree popup menu.
#define IDS_MENU_FOLDER_NEW 1015  // "Neu"
#define IDS_MENU_FOLDER_DELETE 1019
#define IDS_MENU_EXPAND 3022
#define IDS_MENU_COLLAPSE 3023
// Popup menu of a folder in the list.
#define IDS_MENU_OPEN 3030
// Menu bar.
#define IDS_MENU_FILE 3005
#define IDS_MENU_FILE_NEW 3025
#define IDS_MENU_FILE_NEW_FOLDER 3026
#define IDS_MENU_FILE_NEW_CONNECTION 3027
#define IDS_MENU_EXIT 3006
#define IDS_MENU_VIEW 3007
#define IDS_MENU_LARGE_ICONS 3008
#define IDS_MENU_STATUS_BAR 3009
#define IDS_MENU_BACKGROUND 3040
#define IDS_MENU_FOLDER_INFO 4002

#define IDS_VNC_FS_PORT_LABEL 1005  // "VNC Fileserver Port:"
#define IDS_NEW_FOLDER_NAME 1016    // "Neuer Ordner"
#define IDS_IMPORT_FOLDER_NAME 1020  // "VNC Verbindungen (importiert)"
#define IDS_CONFIRM_DELETE_FOLDER 1022
#define IDS_NAME_EXISTS 1023

// The password prompt and the connection dialogs' password.
#define IDS_SAVE_PASSWORD 1024
#define IDS_CONNECT 1025  // "Ver&binden"
#define IDS_PASSWORD_TITLE 1026
#define IDS_PASSWORD_LABEL 1027
#define IDS_HIDE_PASSWORD 1028  // "&Verstecken"
#define IDS_SHOW_PASSWORD 1029  // "An&zeigen"

#define IDS_LANGUAGE_NAME 1030  // "Deutsch"

// Checks of the connection dialogs.
#define IDS_ADDRESS_MISSING 1034
#define IDS_DISPLAY_MISSING 1035
#define IDS_NAME_MISSING 1036
#define IDS_VNC_FS_PORT_MISSING 1037
#define IDS_CHANGES_NOT_SAVED 1038
#define IDS_CONNECTION_NOT_ADDED 1039
#define IDS_VALUE_NOT_NUMERIC 3033
#define IDS_CONNECTION_NAME_NOT_STORABLE 1063
#define IDS_NEW_CONNECTION_TITLE 1068  // "Neue Verbindung ..."

// The splash's disclaimer, in this order, and the About box.
#define IDS_DISCLAIMER_WARNING 1041
#define IDS_DISCLAIMER_COPYRIGHT 1042
#define IDS_DISCLAIMER_COPYRIGHT_END 1043  // starts with its own blank
#define IDS_DISCLAIMER_LIABILITY 1044
#define IDS_DISCLAIMER_COPYING 1045
#define IDS_HOMEPAGE_LINK 1046
#define IDS_HOMEPAGE_ADDRESS 1048
#define IDS_THANKS_TO 1067
// The About box's thanks list, in its order.
#define IDS_THANKS_1 1070
#define IDS_THANKS_2 1071
#define IDS_THANKS_3 1072
#define IDS_THANKS_4 1073
#define IDS_THANKS_5 1074
#define IDS_THANKS_6 1075
#define IDS_THANKS_7 1076
#define IDS_THANKS_8 1077
#define IDS_THANKS_9 1078
#define IDS_THANKS_10 1079
#define IDS_THANKS_11 1080

// Start-up: the component check on the splash.
#define IDS_LOADING_MAIN_WINDOW 1050
#define IDS_LOADING 1051  // "Lade "
#define IDS_NOT_FOUND 1052
#define IDS_LIBRARY_NOT_LOADED 1053
#define IDS_CHECK_INSTALLATION 1054

#define IDS_PASSWORD_NOT_STORABLE 1057
#define IDS_PASSWORD_NOT_DECODED 1058
#define IDS_BROWSER_NOT_STARTED 1059

// The .vnc file import.
#define IDS_VNC_FILE_TYPE 1060  // the open-file dialog's filter name
#define IDS_CHOOSE_VNC_FILE 1061
#define IDS_VNC_FILE_NO_ADDRESS 1062

// The options dialog.
#define IDS_JAVA_CLASSES_FOLDER 2001
#define IDS_PREFERRED_VIEWER 2002
#define IDS_VIEWER_VNC 2003
#define IDS_VIEWER_BROWSER 2004
#define IDS_VIEWER_JAVA 2005
#define IDS_JAVA_CLASSES_NOT_SET 2006
#define IDS_JAVA_PROGRAM 2007
#define IDS_FIND_JAVA_PROGRAM_TITLE 2008
#define IDS_JAVA_OPTIONS 2009
#define IDS_JAVA_OPTIONS_HELP 2012
#define IDS_JAVA_VIEWER_TAB 2013
#define IDS_GENERAL_TAB 2014  // "&Allgemein"
#define IDS_PASSWORD_HANDOVER 3010
#define IDS_AUTH_WINDOW_RETRIES_LABEL 3011
#define IDS_AUTH_WINDOW_TITLE_LABEL 4011
#define IDS_MINIMIZE_AFTER_CONNECT 3041
#define IDS_MINIMIZED_TO_TRAY 3048
#define IDS_DISABLE_ENCRYPTION 3049
// The note shown when the encryption setting changes, one line each.
#define IDS_ENCRYPTION_NOTE_1 3050
#define IDS_ENCRYPTION_NOTE_2 3051
#define IDS_ENCRYPTION_NOTE_3 3052
#define IDS_ENCRYPTION_NOTE_4 3053
#define IDS_BACKGROUND_LABEL 3054
#define IDS_FIND_BACKGROUND_TITLE 3055

// The main window's status bar and folder-info panel.
#define IDS_OBJECTS 3000  // "Objekt(e)"
#define IDS_TARGET 3001
#define IDS_PORT 3002
#define IDS_FOLDER 3028
#define IDS_VNC_CONNECTION 3029
#define IDS_PCAW_CONNECTION 3042
#define IDS_OBJECTS_SELECTED 3032  // "Objekt(e) markiert."

// The store's messages.
#define IDS_UPDATING_REGISTRY 3012
#define IDS_REGISTRY_UPDATED 3013
#define IDS_RENAME_FAILED 3014
#define IDS_KEY_NOT_OPENED 3015

// Paste, delete and their progress windows.
#define IDS_COPY_OF 3019  // "Kopie von ", with its trailing blank
#define IDS_NOT_DELETED 3021
#define IDS_CONFIRM_DELETE_SELECTED 3031
#define IDS_PROGRESS_COPYING 3034
#define IDS_PROGRESS_FROM 3035  // "Von"
#define IDS_PROGRESS_TO 3036    // "nach"
#define IDS_PROGRESS_MOVING 3037
#define IDS_PROGRESS_DELETING 3038
#define IDS_COPY_INTO_SAME_FOLDER 3039
#define IDS_COPY_INCOMPLETE 3061  // begins with a blank, follows the item's name

// pcAnywhere.
#define IDS_PCAW_FILE_MISSING 3046
#define IDS_PCAW_PROPERTIES_FAILED 3047
// The property-sheet verb of the shell, as German and English systems name it.
#define IDS_PROPERTIES_VERB_GERMAN 4000   // "EIGENSCHAFTEN"
#define IDS_PROPERTIES_VERB_ENGLISH 4001  // "PROPERTIES"

// The tray icon's menu.
#define IDS_MENU_LOADING 3056
#define IDS_CLOSE_MENU 3057

// The plug-in manager.
#define IDS_PLUGIN_COLUMN_NAME 4003
#define IDS_PLUGIN_COLUMN_VALUE 4004
#define IDS_NEW_PLUGIN 4005
#define IDS_EDIT_PLUGIN_TITLE 4006
#define IDS_PLUGIN_NAME_LABEL 4007
#define IDS_PLUGIN_VALUE_LABEL 4008
#define IDS_PLUGIN_VALUE_HELP 4009
#define IDS_PLUGIN_NEW 4010  // "&Neu"
