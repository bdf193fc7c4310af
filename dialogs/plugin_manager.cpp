#include "dialogs/plugin_manager.h"

#include "core/message_box.h"
#include "core/string_table.h"
#include "dialogs/edit_plugin_value.h"
#include "dialogs/plugin_rows.h"
#include "forms/declaration_builder.h"
#include "forms/localize_form.h"
#include "resources/id_text.h"
#include "resources/string_ids.h"

namespace corvana::dialogs {
namespace {

constexpr int kOffsetFromOpener = 100;  // twips

}  // namespace

forms::FormDecl PluginManagerDeclaration() {
  using forms::Decl;
  forms::FormDecl f;
  f.name = "frmPlugin";
  // No id: the caption stays as it is.
  f.caption = "Plugin's";
  f.clientWidth = 6720;
  f.clientHeight = 3720;
  f.borderStyle = forms::BorderStyle::FixedDialog;
  f.minButton = f.maxButton = false;

  forms::ControlDecl list = Decl("ListView", "lvPlugin", 120, 120, 5040, 3480);
  list.extras["View"] = "3";
  list.extras["FullRowSelect"] = "1";
  // Names are edited in frmEditPluginValue, never in place.
  list.extras["LabelEdit"] = "1";
  list.columns = {{"Name", "name", IdText(IDS_PLUGIN_COLUMN_NAME), 1800},
                  {"Value", "value", IdText(IDS_PLUGIN_COLUMN_VALUE), 3120}};
  f.controls = {
      list,
      Decl("CommandButton", "cmdNew", 5280, 120, 1320, 375).Text("Neu").Tag(IdText(IDS_PLUGIN_NEW)),
      Decl("CommandButton", "cmdEdit", 5280, 600, 1320, 375).Text("Bearbeiten").Tag(IdText(IDS_MENU_EDIT)),
      Decl("CommandButton", "cmdDel", 5280, 1080, 1320, 375).Text("Loeschen").Tag(IdText(IDS_MENU_DELETE)),
      Decl("CommandButton", "cmdClose", 5280, 2745, 1320, 375).Text("OK").Tag(IdText(IDS_OK)).Extra("Default", "1"),
      Decl("CommandButton", "cmdCancel", 5280, 3225, 1320, 375)
          .Text("Abbrechen")
          .Tag(IdText(IDS_CANCEL))
          .Extra("Cancel", "1"),
  };
  return f;
}

frmPlugin::Parts::Parts(const frmPlugin& f)
    : lvPlugin(f.Get<forms::ListView>("lvPlugin")),
      cmdNew(f.Get<forms::CommandButton>("cmdNew")),
      cmdEdit(f.Get<forms::CommandButton>("cmdEdit")),
      cmdDel(f.Get<forms::CommandButton>("cmdDel")),
      cmdClose(f.Get<forms::CommandButton>("cmdClose")),
      cmdCancel(f.Get<forms::CommandButton>("cmdCancel")) {}

frmPlugin::frmPlugin(const forms::Form& Opener) : forms::Form(PluginManagerDeclaration()), opener_(Opener) {
  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
}

void frmPlugin::ControlsCreated() {
  parts_.emplace(*this);
  const Parts& p = *parts_;
  p.cmdNew.Click = [this] { cmdNew_Click(); };
  p.cmdEdit.Click = [this] { cmdEdit_Click(); };
  p.cmdDel.Click = [this] { cmdDel_Click(); };
  p.cmdClose.Click = [this] { cmdClose_Click(); };
  // The rows added, edited or deleted are forgotten.
  p.cmdCancel.Click = [this] { UnloadForm(); };
}

void frmPlugin::ControlsReleasing() { parts_.reset(); }

void frmPlugin::Form_Load() {
  forms::LocalizeForm(*this);
  focusGiven_ = false;
  Move(opener_.Left() + kOffsetFromOpener, opener_.Top() + kOffsetFromOpener, Width(), Height());
  parts_->lvPlugin.ClearItems();
  LoadPluginsIntoList(parts_->lvPlugin);
}

void frmPlugin::Form_Activate() {
  // The list takes the keys first, as the first control of the form.
  if (focusGiven_) return;
  focusGiven_ = true;
  parts_->lvPlugin.SetFocus();
}

void frmPlugin::cmdNew_Click() {
  if (forms::ListItemRef row = parts_->lvPlugin.AddItem("", LoadResString(IDS_NEW_PLUGIN))) row->SetSubItem(1, "");
}

void frmPlugin::cmdEdit_Click() {
  const forms::ListItemRef row = parts_->lvPlugin.SelectedItem();
  if (!row) return;
  frmEditPluginValue editor;
  editor.EditPlugin(row);
  editor.Show(forms::ShowMode::Modal, this);
}

void frmPlugin::cmdDel_Click() {
  // At once, without asking: Cancel still brings it back.
  if (const forms::ListItemRef row = parts_->lvPlugin.SelectedItem()) parts_->lvPlugin.RemoveItem(row->Index());
}

void frmPlugin::cmdClose_Click() {
  // A list that could not be stored stays open with its rows, so nothing is lost unseen.
  if (!SavePluginsFromList(parts_->lvPlugin)) {
    ShowMessageId(IDS_CHANGES_NOT_SAVED, MB_OK | MB_ICONERROR, kProductTitle);
    return;
  }
  UnloadForm();
}

}  // namespace corvana::dialogs
