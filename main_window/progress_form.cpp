#include "main_window/progress_form.h"

#include <windows.h>

#include <stdexcept>

#include "core/resource_files.h"
#include "forms/declaration_builder.h"
#include "forms/localize_form.h"
#include "forms/message_loop.h"
#include "resources/clip_ids.h"
#include "resources/id_text.h"
#include "resources/string_ids.h"

namespace corvana {
namespace {

// Twips the window keeps from the main window's top left corner.
constexpr int kOffsetFromMainWindow = 100;
// The compact layout without a clip: the first line's top and the gap below each line.
constexpr int kCompactTop = 10;
constexpr int kCompactGap = 40;

}  // namespace

forms::FormDecl ProgressFormDeclaration(ProgressKind kind) {
  using forms::Decl;
  const bool copy = kind == ProgressKind::Copy;
  forms::FormDecl f;
  f.name = copy ? "frmCopy" : "frmDelete";
  f.tag = IdText(copy ? IDS_PROGRESS_COPYING : IDS_PROGRESS_DELETING);
  f.clientWidth = 5685;
  f.clientHeight = 1980;
  f.borderStyle = forms::BorderStyle::FixedDialog;
  f.minButton = false;
  f.maxButton = false;
  f.controls = {
      Decl("Animation", "anim", 105, 0, 5265, 540),
      Decl("TextBox", "lblSource", 105, 840, 4635, 285).Extra("BorderStyle", "0").Extra("Locked", "1"),
      Decl("TextBox", "lblDest", 105, 1155, 4635, 285).Extra("BorderStyle", "0").Extra("Locked", "1"),
      Decl("ProgressBar", "pbar", 105, 1575, 4215, 225).Extra("Min", "0").Extra("Max", "100"),
      Decl("CommandButton", "cmdCancel", 4515, 1575, 960, 330).Text("&Abbrechen").Tag(IdText(IDS_CANCEL)),
  };
  return f;
}

ProgressForm::Parts::Parts(const ProgressForm& f)
    : anim(f.Get<forms::Animation>("anim")),
      lblSource(f.Get<forms::TextBox>("lblSource")),
      lblDest(f.Get<forms::TextBox>("lblDest")),
      pbar(f.Get<forms::ProgressBar>("pbar")),
      cmdCancel(f.Get<forms::CommandButton>("cmdCancel")) {}

ProgressForm::ProgressForm(ProgressKind kind, const forms::Form& mainWindow)
    : Form(ProgressFormDeclaration(kind)), kind_(kind), mainWindow_(mainWindow) {
  Load = [this] { Form_Load(); };
  QueryUnload = [this](int& cancel, int mode) { Form_QueryUnload(cancel, mode); };
}

ProgressForm::~ProgressForm() { UnloadForm(forms::kFormCode); }

const ProgressForm::Parts& ProgressForm::parts() const {
  if (!parts_) throw std::logic_error(Name() + " is not loaded");
  return *parts_;
}

void ProgressForm::ControlsCreated() {
  parts_.emplace(*this);
  parts_->cmdCancel.Click = [this] { cmdCancel_Click(); };
  parts_->lblSource.Change = [this] { lblSource_Change(); };
  parts_->lblDest.Change = [this] { lblDest_Change(); };
}

void ProgressForm::ControlsReleasing() { parts_.reset(); }

void ProgressForm::Form_Load() {
  Cancelled = false;
  forms::LocalizeForm(*this);
  const Parts& c = parts();
  aviFile_ = MakeTempFileName();
  if (!aviFile_.empty() && SaveAviResourceToFile(aviFile_, kind_ == ProgressKind::Copy ? IDR_AVI_COPY : IDR_AVI_DELETE)) {
    // The clip is 60 pixels high and the design box 36: the box takes the room above the item
    // line, so that the clip, centred in it, shows whole.
    c.anim.SetHeight(c.lblSource.Top());
    c.anim.Open(aviFile_);
    c.anim.Play();
  } else {
    c.anim.SetVisible(false);
    c.lblSource.SetTop(kCompactTop);
    c.lblDest.SetTop(c.lblSource.Top() + c.lblSource.Height() + kCompactGap);
    c.pbar.SetTop(c.lblDest.Top() + c.lblDest.Height() + kCompactGap);
    c.cmdCancel.SetTop(c.pbar.Top());
    SetHeight(ScaleHeight() - c.anim.Height());
  }
  SetTop(mainWindow_.Top() + kOffsetFromMainWindow);
  SetLeft(mainWindow_.Left() + kOffsetFromMainWindow);
}

void ProgressForm::Form_QueryUnload(int& Cancel, int UnloadMode) {
  // Closed by its system menu while its loop runs: that is Cancel. The window stays until the
  // loop has finished its item and unloads it, since the loop still writes into it.
  if (UnloadMode == forms::kFormControlMenu) {
    Cancelled = true;
    Cancel = 1;
    return;
  }
  const Parts& c = parts();
  c.anim.Stop();
  // The control holds the file open while a clip is loaded; without closing it the file stays.
  c.anim.Close();
  if (!aviFile_.empty()) DeleteFileA(aviFile_.c_str());
  aviFile_.clear();
}

void ProgressForm::cmdCancel_Click() { Cancelled = true; }

void ProgressForm::lblSource_Change() {
  // The loops' one point where the Cancel button and the main window get their messages.
  Refresh();
  forms::DoEvents();
}

void ProgressForm::lblDest_Change() { Refresh(); }

}  // namespace corvana
