#include "dialogs/edit_plugin_value.h"

#include "forms/declaration_builder.h"
#include "forms/localize_form.h"
#include "resources/id_text.h"
#include "resources/string_ids.h"

namespace corvana::dialogs {

forms::FormDecl EditPluginValueDeclaration() {
  using forms::Decl;
  forms::FormDecl f;
  f.name = "frmEditPluginValue";
  f.caption = "Edit Plugin ...";
  f.tag = IdText(IDS_EDIT_PLUGIN_TITLE);
  f.clientWidth = 6180;
  f.clientHeight = 2400;
  f.borderStyle = forms::BorderStyle::FixedDialog;
  f.minButton = f.maxButton = false;
  f.controls = {
      Decl("Label", "Label1", 120, 180, 1350, 255).Text("Plugin Name:").Tag(IdText(IDS_PLUGIN_NAME_LABEL)),
      Decl("TextBox", "txtPluginName", 1560, 120, 4500, 315),
      Decl("Label", "Label2", 120, 600, 1350, 255).Text("Plugin Value:").Tag(IdText(IDS_PLUGIN_VALUE_LABEL)),
      Decl("TextBox", "txtPluginValue", 1560, 540, 4500, 315),
      Decl("Label", "lblHelp", 120, 1020, 5940, 495).Tag(IdText(IDS_PLUGIN_VALUE_HELP)),
      Decl("CommandButton", "cmdOK", 3240, 1860, 1335, 375).Text("OK").Tag(IdText(IDS_OK)).Extra("Default", "1"),
      Decl("CommandButton", "cmdCancel", 4725, 1860, 1335, 375)
          .Text("Cancel")
          .Tag(IdText(IDS_CANCEL))
          .Extra("Cancel", "1"),
  };
  return f;
}

frmEditPluginValue::Parts::Parts(const frmEditPluginValue& f)
    : txtPluginName(f.Get<forms::TextBox>("txtPluginName")),
      txtPluginValue(f.Get<forms::TextBox>("txtPluginValue")),
      Label1(f.Get<forms::Label>("Label1")),
      Label2(f.Get<forms::Label>("Label2")),
      lblHelp(f.Get<forms::Label>("lblHelp")),
      cmdOK(f.Get<forms::CommandButton>("cmdOK")),
      cmdCancel(f.Get<forms::CommandButton>("cmdCancel")) {}

frmEditPluginValue::frmEditPluginValue() : forms::Form(EditPluginValueDeclaration()) {
  Load = [this] {
    forms::LocalizeForm(*this);
    focusGiven_ = false;
  };
  Activate = [this] { Form_Activate(); };
}

void frmEditPluginValue::Form_Activate() {
  // The name box takes the keys first, as the first field of the form.
  if (focusGiven_) return;
  focusGiven_ = true;
  parts_->txtPluginName.SetFocus();
}

void frmEditPluginValue::ControlsCreated() {
  parts_.emplace(*this);
  parts_->cmdOK.Click = [this] { cmdOK_Click(); };
  // The row stays as it was.
  parts_->cmdCancel.Click = [this] { UnloadForm(); };
}

void frmEditPluginValue::ControlsReleasing() { parts_.reset(); }

void frmEditPluginValue::EditPlugin(const forms::ListItemRef& Item) {
  if (!Loaded()) LoadForm();
  m_EditItem = Item;
  if (!Item) return;
  parts_->txtPluginName.SetText(Item->Text());
  parts_->txtPluginValue.SetText(Item->SubItem(1));
}

void frmEditPluginValue::cmdOK_Click() {
  // Neither text is checked: an empty name or template is kept as it is.
  if (m_EditItem) {
    m_EditItem->SetText(parts_->txtPluginName.Text());
    m_EditItem->SetSubItem(1, parts_->txtPluginValue.Text());
  }
  UnloadForm();
}

}  // namespace corvana::dialogs
