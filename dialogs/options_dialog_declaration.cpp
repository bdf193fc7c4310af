// dlgOptions as the designer laid it out: the tab strip, its three pages picOptions(0..2) with
// their frames, and OK and Cancel below them. Design texts stand until the string table's
// texts replace them.
#include "dialogs/options_dialog.h"
#include "forms/declaration_builder.h"
#include "resources/id_text.h"
#include "resources/string_ids.h"

namespace corvana::dialogs {
namespace {

using forms::ControlDecl;
using forms::Decl;

constexpr int kPageTop = 480;
constexpr int kPageWidth = 6840;
constexpr int kPageHeight = 3780;

// A page of the tab strip; Load puts away all but the selected tab's page.
ControlDecl Page(int index) {
  ControlDecl page =
      Decl("PictureBox", "picOptions", 210, kPageTop, kPageWidth, kPageHeight).Extra("BorderStyle", "0");
  page.index = index;
  return page;
}

std::string PageName(int index) { return "picOptions(" + std::to_string(index) + ")"; }

// A text box with its browse button at the right, on one line of a frame.
void PathRow(std::vector<ControlDecl>& c, const std::string& frame, const char* box, const char* button, int left,
             int width) {
  c.push_back(Decl("TextBox", box, left, 270, width, 300).In(frame));
  c.push_back(Decl("CommandButton", button, left + width + 120, 270, 450, 300).Text("...").In(frame));
}

void VncViewerPage(std::vector<ControlDecl>& c) {
  const std::string page = PageName(0);
  c.push_back(Decl("Frame", "fraViewerPath", 0, 0, kPageWidth, 720)
                  .Text("Pfad zum VNCviewer")
                  .Tag(IdText(IDS_VIEWER_PATH_LABEL))
                  .In(page));
  PathRow(c, "fraViewerPath", "txtLocationOfVNCviewer", "cmdFindVNCViewer", 120, 6030);

  c.push_back(Decl("Frame", "fraEncoding", 0, 800, 2700, 1800)
                  .Text("Bevorzugte Kodierung")
                  .Tag(IdText(IDS_PREFERRED_ENCODING))
                  .In(page));
  int top = 270;
  for (auto [name, text, id] : {std::tuple{"optHextile", "Hextile", IDS_ENCODING_HEXTILE},
                                {"optCoRRE", "CoRRE", IDS_ENCODING_CORRE},
                                {"optRRE", "RRE", IDS_ENCODING_RRE},
                                {"optRaw", "Raw", IDS_ENCODING_RAW}}) {
    c.push_back(Decl("OptionButton", name, 150, top, 2400, 255).Text(text).Tag(IdText(id)).In("fraEncoding"));
    top += 270;
  }
  c.push_back(Decl("CheckBox", "chkCopyRectEncoding", 150, 1400, 2400, 255)
                  .Text("CopyRect Kodierung")
                  .Tag(IdText(IDS_COPYRECT_ENCODING))
                  .In("fraEncoding"));

  c.push_back(Decl("Frame", "fraDisplay", 2820, 800, 4020, 1800)
                  .Text("Anzeige")
                  .Tag(IdText(IDS_DISPLAY_FRAME))
                  .In(page));
  top = 270;
  for (auto [name, text, id] : {std::tuple{"chk8Bit", "Farbtiefe auf 8bit beschraenken", IDS_RESTRICT_TO_8_BIT},
                                {"chkViewOnly", "Nur Zusehen (Eingaben ignorieren)", IDS_VIEW_ONLY},
                                {"chkFullScreen", "Vollbildmodus", IDS_FULL_SCREEN}}) {
    c.push_back(Decl("CheckBox", name, 150, top, 3750, 255).Text(text).Tag(IdText(id)).In("fraDisplay"));
    top += 300;
  }
  // The scale boxes stay enabled whatever chkScale shows.
  c.push_back(
      Decl("CheckBox", "chkScale", 150, 1200, 1140, 255).Text("Skalieren").Tag(IdText(IDS_SCALE)).In("fraDisplay"));
  c.push_back(Decl("TextBox", "txtScale1", 1320, 1170, 360, 300).Text("1").In("fraDisplay"));
  c.push_back(Decl("Label", "lblScaleSlash", 1710, 1200, 120, 255).Text("/").In("fraDisplay"));
  c.push_back(Decl("TextBox", "txtScale2", 1860, 1170, 360, 300).Text("1").In("fraDisplay"));
  c.push_back(Decl("Label", "lblExperimental", 2280, 1200, 1650, 255)
                  .Text("(Experimentell)")
                  .Tag(IdText(IDS_EXPERIMENTAL))
                  .In("fraDisplay"));

  c.push_back(
      Decl("Frame", "fraMouse", 0, 2680, 2700, 1100).Text("Maus").Tag(IdText(IDS_MOUSE_FRAME)).In(page));
  c.push_back(Decl("CheckBox", "chkEmulate3Buttons", 150, 300, 2400, 255)
                  .Text("3 Tastenmaus emulieren")
                  .Tag(IdText(IDS_EMULATE_3_BUTTONS))
                  .In("fraMouse"));
  c.push_back(Decl("CheckBox", "chkSwapMouse", 150, 600, 2400, 255)
                  .Text("Tasten 2 und 3 tauschen")
                  .Tag(IdText(IDS_SWAP_MOUSE_BUTTONS))
                  .In("fraMouse"));

  c.push_back(Decl("Frame", "fraConnection", 2820, 2680, 4020, 1100)
                  .Text("Allgemein")
                  .Tag(IdText(IDS_CONNECTION_GENERAL))
                  .In(page));
  top = 270;
  for (auto [name, text, id] : {std::tuple{"chkShared", "Gemeinsame Sitzung", IDS_SHARED_SESSION},
                                {"chkBell", "Aktivieren d. Ton", IDS_ENABLE_SOUND},
                                {"chkDisableClipboard", "Zwischenablage deakt.", IDS_DISABLE_CLIPBOARD}}) {
    c.push_back(Decl("CheckBox", name, 150, top, 3750, 255).Text(text).Tag(IdText(id)).In("fraConnection"));
    top += 270;
  }
}

void JavaViewerPage(std::vector<ControlDecl>& c) {
  const std::string page = PageName(1);
  c.push_back(Decl("Frame", "fraJavaOptions", 0, 0, kPageWidth, 2100)
                  .Text("Optionen fuer Java Programm")
                  .Tag(IdText(IDS_JAVA_OPTIONS))
                  .In(page));
  c.push_back(Decl("TextBox", "txtSwitchOther", 120, 270, 6600, 300).In("fraJavaOptions"));
  c.push_back(Decl("Label", "lblJavaOptionsHelp", 120, 660, 6600, 1320)
                  .Text("%CLASSPATH% %VNCVIEWER%")
                  .Tag(IdText(IDS_JAVA_OPTIONS_HELP))
                  .In("fraJavaOptions"));

  c.push_back(Decl("Frame", "fraJavaProgram", 0, 2200, kPageWidth, 720)
                  .Text("Programm zum Starten des Java Viewers")
                  .Tag(IdText(IDS_JAVA_PROGRAM))
                  .In(page));
  PathRow(c, "fraJavaProgram", "txtLocationOfJavaProgram", "cmdSelectJavaProgram", 120, 6030);

  c.push_back(Decl("Frame", "fraJavaClasses", 0, 3020, kPageWidth, 720)
                  .Text("Verzeichnis der Java Klassen")
                  .Tag(IdText(IDS_JAVA_CLASSES_FOLDER))
                  .In(page));
  PathRow(c, "fraJavaClasses", "txtLocationOfVNCClasses", "cmdBrowseForJavaClassDir", 120, 6030);
}

void GeneralPage(std::vector<ControlDecl>& c) {
  const std::string page = PageName(2);
  c.push_back(
      Decl("Frame", "fraGeneral", 0, 0, kPageWidth, 1300).Text("&Allgemein").Tag(IdText(IDS_GENERAL_TAB)).In(page));
  c.push_back(Decl("Label", "lblBackgroundImage", 120, 300, 1400, 255)
                  .Text("Hintergrundbild:")
                  .Tag(IdText(IDS_BACKGROUND_LABEL))
                  .In("fraGeneral"));
  PathRow(c, "fraGeneral", "txtBackgroundimage", "cmdBackgroundImage", 1560, 4590);
  c.push_back(Decl("CheckBox", "chkSystrayIfMinimized", 120, 660, 6600, 255)
                  .Text("Minimiert im Systray")
                  .Tag(IdText(IDS_MINIMIZED_TO_TRAY))
                  .In("fraGeneral"));
  c.push_back(Decl("CheckBox", "chkMinimizeAfterConnect", 120, 960, 6600, 255)
                  .Text("VNC Corvana minimieren nach Verbindungsaufbau")
                  .Tag(IdText(IDS_MINIMIZE_AFTER_CONNECT))
                  .In("fraGeneral"));

  c.push_back(Decl("Frame", "fraPasswordHandover", 0, 1400, kPageWidth, 1400)
                  .Text("Kennwortuebergabe")
                  .Tag(IdText(IDS_PASSWORD_HANDOVER))
                  .In(page));
  c.push_back(Decl("Label", "lblAuthWindowRetries", 120, 330, 3600, 255)
                  .Text("Wiederholungen Kennwortfenstersuche:")
                  .Tag(IdText(IDS_AUTH_WINDOW_RETRIES_LABEL))
                  .In("fraPasswordHandover"));
  c.push_back(Decl("TextBox", "txtFindAuthWindowRetries", 3840, 300, 900, 300).In("fraPasswordHandover"));
  c.push_back(Decl("Label", "lblAuthWindowCaption", 120, 690, 3600, 255)
                  .Text("Titel des Kennwortfensters:")
                  .Tag(IdText(IDS_AUTH_WINDOW_TITLE_LABEL))
                  .In("fraPasswordHandover"));
  c.push_back(Decl("TextBox", "txtAuthWindowCaption", 3840, 660, 2880, 300).In("fraPasswordHandover"));
  c.push_back(Decl("CheckBox", "chkDisableEncryption", 120, 1040, 6600, 255)
                  .Text("Verschluesselung deaktivieren (fuer Japanische Windows Version)")
                  .Tag(IdText(IDS_DISABLE_ENCRYPTION))
                  .In("fraPasswordHandover"));

  c.push_back(Decl("Frame", "fraPreferredViewer", 0, 2900, kPageWidth, 700)
                  .Text("Bevorzugter Viewer")
                  .Tag(IdText(IDS_PREFERRED_VIEWER))
                  .In(page));
  int left = 150;
  for (auto [name, text, id] : {std::tuple{"optVNCviewer", "VNC viewer", IDS_VIEWER_VNC},
                                {"optVNCBrowser", "Browser", IDS_VIEWER_BROWSER},
                                {"optVNCJava", "Java", IDS_VIEWER_JAVA}}) {
    c.push_back(
        Decl("OptionButton", name, left, 300, 2000, 255).Text(text).Tag(IdText(id)).In("fraPreferredViewer"));
    left += 2200;
  }
}

}  // namespace

forms::FormDecl OptionsDeclaration() {
  forms::FormDecl f;
  f.name = "dlgOptions";
  f.caption = "Global Options";
  f.clientWidth = 7320;
  f.clientHeight = 5040;
  f.borderStyle = forms::BorderStyle::FixedDialog;
  f.minButton = f.maxButton = false;
  // Ctrl+Tab reaches the dialog before the control that has the focus.
  f.keyPreview = true;

  ControlDecl tabs = Decl("TabStrip", "tbsOptions", 120, 120, 7080, kPageTop + kPageHeight + 60);
  tabs.tabs = {{"&VNC Viewer", "", IdText(IDS_VNC_VIEWER_TAB), ""},
               {"&Java Viewer", "", IdText(IDS_JAVA_VIEWER_TAB), ""},
               {"&Allgemein", "", IdText(IDS_GENERAL_TAB), ""}};
  std::vector<ControlDecl>& c = f.controls;
  c = {tabs, Page(0), Page(1), Page(2)};
  VncViewerPage(c);
  JavaViewerPage(c);
  GeneralPage(c);
  // No default button: Enter does not close the dialog. Esc is Cancel.
  c.push_back(Decl("CommandButton", "cmdOK", 4680, 4560, 1200, 375).Text("OK").Tag(IdText(IDS_OK)));
  c.push_back(Decl("CommandButton", "cmdCancel", 6000, 4560, 1200, 375)
                  .Text("&Abbrechen")
                  .Tag(IdText(IDS_CANCEL))
                  .Extra("Cancel", "1"));
  return f;
}

}  // namespace corvana::dialogs
