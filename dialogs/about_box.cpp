#include "dialogs/about_box.h"

#include <cstdlib>
#include <stdexcept>

#include "core/browser_launch.h"
#include "core/disclaimer.h"
#include "core/pcaw.h"
#include "core/string_table.h"
#include "forms/declaration_builder.h"
#include "resources/id_text.h"
#include "resources/string_ids.h"

namespace corvana::dialogs {
namespace {

// The thanks list in its order: teams, roles and places, no single persons.
constexpr int kThanks[] = {IDS_THANKS_1, IDS_THANKS_2, IDS_THANKS_3, IDS_THANKS_4,  IDS_THANKS_5, IDS_THANKS_6,
                           IDS_THANKS_7, IDS_THANKS_8, IDS_THANKS_9, IDS_THANKS_10, IDS_THANKS_11};
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr int kTickMs = 1000;

}  // namespace

forms::FormDecl AboutDeclaration() {
  using forms::Decl;
  forms::FormDecl f;
  f.name = "frmAbout";
  f.caption = "About";
  f.tag = IdText(IDS_ABOUT_TITLE);
  f.clientWidth = 6000;
  f.clientHeight = 4860;
  f.borderStyle = forms::BorderStyle::FixedDialog;
  f.minButton = f.maxButton = false;
  f.controls = {
      Decl("Label", "lblVersion", 240, 240, 5520, 255).Text("Version"),
      // A line of its own: the server program's name and four-part version take most of it.
      Decl("Label", "lblPCAWversion", 240, 540, 5520, 255),
      Decl("Label", "lblDisclaimer", 240, 900, 5520, 1260).Text("Warnung: ..."),
      Decl("Label", "lblHomePage", 240, 2280, 2400, 255).Text("Homepage"),
      Decl("Label", "Label1", 240, 2700, 3600, 255),
      Decl("ListBox", "lstThanks", 240, 3000, 3960, 1620),
      Decl("CommandButton", "cmdOK", 4545, 4245, 1215, 375).Text("OK").Extra("Default", "1").Extra("Cancel", "1"),
      Decl("Timer", "Timer1").Disabled(),
  };
  return f;
}

frmAbout::Parts::Parts(const frmAbout& f)
    : lblVersion(f.Get<forms::Label>("lblVersion")),
      lblDisclaimer(f.Get<forms::Label>("lblDisclaimer")),
      lblPCAWversion(f.Get<forms::Label>("lblPCAWversion")),
      Label1(f.Get<forms::Label>("Label1")),
      lblHomePage(f.Get<forms::Label>("lblHomePage")),
      lstThanks(f.Get<forms::ListBox>("lstThanks")),
      Timer1(f.Get<forms::Timer>("Timer1")),
      cmdOK(f.Get<forms::CommandButton>("cmdOK")) {}

const frmAbout::Parts& frmAbout::parts() const {
  if (!parts_) throw std::logic_error("frmAbout is not loaded");
  return *parts_;
}

frmAbout::frmAbout(std::string VersionLine) : forms::Form(AboutDeclaration()), versionLine_(std::move(VersionLine)) {
  Load = [this] { Form_Load(); };
  // Leaving the link for the form takes its underline away.
  MouseMove = [this](int, int, int, int) {
    if (parts_) parts_->lblHomePage.SetFontUnderline(false);
  };
}

void frmAbout::ControlsCreated() {
  parts_.emplace(*this);
  const Parts& c = *parts_;
  c.lblHomePage.MouseMove = [this](int, int, int, int) { parts_->lblHomePage.SetFontUnderline(true); };
  c.lblHomePage.Click = [] { LaunchDefaultBrowser(LoadResString(IDS_HOMEPAGE_ADDRESS)); };
  c.Timer1.Tick = [this] { Timer1_Timer(); };
  c.cmdOK.Click = [this] { UnloadForm(); };
}

void frmAbout::ControlsReleasing() { parts_.reset(); }

void frmAbout::Form_Load() {
  const Parts& c = parts();
  // The About box sets its texts itself; its caption is the id its Tag holds.
  if (const std::string caption = LoadResString(std::atoi(Tag().c_str())); !caption.empty()) SetCaption(caption);
  for (int id : kThanks) c.lstThanks.AddItem(LoadResString(id));
  c.lblVersion.SetCaption(versionLine_);
  c.lblDisclaimer.SetCaption(DisclaimerText());
  c.lblHomePage.SetCaption(LoadResString(IDS_HOMEPAGE_LINK));
  c.lblHomePage.SetForeColor(kLinkColour);
  c.Label1.SetCaption(LoadResString(IDS_THANKS_TO));
  CpcAW& pcAW = PcAW();
  c.lblPCAWversion.SetCaption(pcAW.IsInstalled() ? pcAW.GetVersion() : "");
  c.Timer1.SetInterval(kTickMs);
  c.Timer1.SetEnabled(true);
}

void frmAbout::Timer1_Timer() {
  forms::ListBox& list = parts().lstThanks;
  list.SetListIndex(list.ListIndex() < list.ListCount() - 1 ? list.ListIndex() + 1 : 0);
}

}  // namespace corvana::dialogs
