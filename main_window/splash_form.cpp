#include "main_window/splash_form.h"

#include "core/disclaimer.h"
#include "core/pcaw.h"
#include "forms/declaration_builder.h"
#include "forms/picture_controls.h"
#include "forms/twips.h"
#include "main_window/program_state.h"
#include "main_window/program_version.h"
#include "resources/bitmap_ids.h"

namespace corvana {
namespace {

constexpr int kBusyPointer = 13;

}  // namespace

// The picture is the client area: 405 x 252 pixels; the texts stand below its banner.
forms::FormDecl SplashFormDeclaration() {
  using forms::Decl;
  forms::FormDecl f;
  f.name = "frmSplash";
  f.caption = "VNC Corvana";
  f.clientWidth = 6075;
  f.clientHeight = 3780;
  f.borderStyle = forms::BorderStyle::None;
  f.controls = {
      Decl("PictureBox", "picSplash", 0, 0, 6075, 3780).Extra("BorderStyle", "0").Extra("BackColor", "0xFFFFFF"),
      Decl("Label", "lblVersion", 240, 1485, 3600, 255).Text("Version").In("picSplash"),
      Decl("Label", "lblPCAWversion", 3840, 1485, 1995, 255).In("picSplash"),
      Decl("Label", "lblDisclaimer", 240, 1830, 5595, 1260).Text("Warnung: ...").In("picSplash"),
      Decl("Label", "lblStatus", 240, 3360, 5595, 255).In("picSplash"),
      Decl("Timer", "Timer1").Extra("Interval", "1000").Disabled(),
  };
  return f;
}

SplashForm::SplashForm(std::function<void()> showMainWindow, std::function<void()> endProgram)
    : Form(SplashFormDeclaration()), showMainWindow_(std::move(showMainWindow)), endProgram_(std::move(endProgram)) {
  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  Paint = [this] { Form_Paint(); };
}

void SplashForm::Form_Load() {
  auto& picture = Get<forms::PictureBox>("picSplash");
  picture.SetPicture(forms::LoadPictureResource(IDB_SPLASH));
  // The picture covers the form: its painting is the form's.
  picture.Paint = [this] { Form_Paint(); };
  Timer1().Tick = [this] { Timer1_Timer(); };

  CpcAW& pcAW = PcAW();
  lblPCAWversion().SetCaption(pcAW.IsInstalled() ? pcAW.GetVersion() : "");
  lblVersion().SetCaption(VersionLine());
  lblDisclaimer().SetCaption(DisclaimerText());
  gStartupDone = false;
}

void SplashForm::ShowAtStart(bool minimised) {
  if (!Loaded()) LoadForm();
  if (minimised) SetWindowState(forms::kMinimized);
  Show(forms::ShowMode::Modeless);
  // A window shown minimised is activated without an Activate event of the forms layer.
  if (minimised && WindowState() == forms::kMinimized) Form_Activate();
}

void SplashForm::Form_Activate() {
  if (WindowState() != forms::kMinimized) return;
  SetWindowState(forms::kNormal);
  int screenWidth = forms::PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN));
  int screenHeight = forms::PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN));
  SetTop((screenHeight - Height()) / 2);
  SetLeft((screenWidth - Width()) / 2);
  gStartMinimized = 1;
}

void SplashForm::Form_Paint() {
  Timer1().SetEnabled(true);
  Timer1().SetInterval(1500);
}

void SplashForm::Timer1_Timer() {
  if (gStartupDone) return;
  // A message box during the main window's load lets this timer tick again: one check only.
  gStartupDone = true;
  Timer1().SetEnabled(false);
  SetMousePointer(kBusyPointer);
  SetCursor(forms::CursorOfPointer(kBusyPointer));
  CheckRequiredLibraries(libraries, *this);
  // The splash is gone by now; the pointer goes back to what the window under it shows.
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

void SplashForm::ShowStatus(const std::string& text, bool repaint) {
  if (!Loaded()) return;
  lblStatus().SetCaption(text);
  if (repaint) lblStatus().Refresh();
}

void SplashForm::ShowMainWindow() {
  if (showMainWindow_) showMainWindow_();
}

void SplashForm::UnloadSplash() { UnloadForm(forms::kFormCode); }

void SplashForm::EndProgram() {
  if (endProgram_) endProgram_();
}

}  // namespace corvana
