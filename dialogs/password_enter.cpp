#include "dialogs/password_enter.h"

#include <memory>

#include "core/passwords.h"
#include "forms/basic_controls.h"
#include "forms/declaration_builder.h"
#include "forms/image_list.h"
#include "forms/localize_form.h"
#include "forms/picture.h"
#include "forms/picture_controls.h"
#include "resources/icon_ids.h"
#include "resources/id_text.h"
#include "resources/string_ids.h"

namespace corvana::dialogs {
namespace {

// Never seeded, as the pictures were meant to be: every run of the program draws the same row.
std::minstd_rand& RandomSource() {
  static std::minstd_rand source;
  return source;
}

double NextRandom() { return std::uniform_real_distribution<double>(0.0, 1.0)(RandomSource()); }

forms::PictureRef PictureOfImage(const forms::ImageList& list, int index, COLORREF back) {
  WindowDc screen(nullptr);
  MemoryDc dc(CreateCompatibleDC(screen.get()));
  GdiObject bitmap(CreateCompatibleBitmap(screen.get(), list.ImageWidth(), list.ImageHeight()));
  if (!dc || !bitmap) return nullptr;
  {
    SelectedObject selected(dc.get(), bitmap.get());
    GdiObject brush(CreateSolidBrush(back));
    RECT all{0, 0, list.ImageWidth(), list.ImageHeight()};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(brush.get()));
    ImageList_Draw(list.handle(), index, dc.get(), 0, 0, ILD_TRANSPARENT);
  }
  return std::make_shared<forms::Picture>(std::move(bitmap));
}

}  // namespace

forms::FormDecl PasswordEnterDeclaration() {
  using forms::Decl;
  using forms::ImageListDecl;
  forms::FormDecl f;
  f.name = "dlgPasswordEnter";
  f.caption = "Kennwort eingeben";
  f.tag = IdText(IDS_PASSWORD_TITLE);
  f.clientWidth = 4440;
  f.clientHeight = 1680;
  f.borderStyle = forms::BorderStyle::FixedDialog;
  f.minButton = f.maxButton = false;

  std::vector<forms::ImageDecl> pictures;
  for (int i = 0; i < PASSWORD_PICTURE_COUNT; ++i)
    pictures.push_back({"p" + std::to_string(i + 1), IDI_PASSWORD_1 + i, true});
  f.controls = {
      Decl("TextBox", "txtPassword", 240, 240, 3000, 315).Extra("PasswordChar", "*"),
      Decl("CheckBox", "chkSavePassword", 240, 720, 3000, 255)
          .Text("Kennwort &speichern")
          .Tag(IdText(IDS_SAVE_PASSWORD)),
      Decl("CommandButton", "cmdOK", 240, 1140, 1500, 375)
          .Text("Ver&binden")
          .Tag(IdText(IDS_CONNECT))
          .Extra("Default", "1"),
      Decl("CommandButton", "cmdCancel", 1920, 1140, 1500, 375)
          .Text("&Abbrechen")
          .Tag(IdText(IDS_CANCEL))
          .Extra("Cancel", "1"),
      Decl("PictureBox", "Pic", 3660, 150, 540, 540),
      ImageListDecl("ilst", 32, std::move(pictures)),
  };
  return f;
}

dlgPasswordEnter::dlgPasswordEnter() : forms::Form(PasswordEnterDeclaration()) {
  Load = [this] { OnLoad(); };
}

void dlgPasswordEnter::OnLoad() {
  forms::LocalizeForm(*this);
  SetCaption(Caption() + " '" + m_ConnectionName + "'");
  auto& password = Get<forms::TextBox>("txtPassword");
  auto& save = Get<forms::CheckBox>("chkSavePassword");
  password.SetText(ReadPassword(m_ConnectionPath));
  if (!password.Text().empty()) {
    save.SetValue(1);
    gLaunchPassword = password.Text();
  }
  ShowPicture(1);

  password.KeyPress = [this, &password](int&) {
    // The key being pressed is not in the box yet.
    if (password.Text().empty()) return;
    int count = Get<forms::ImageList>("ilst").Count();
    ShowPicture(static_cast<int>(count * NextRandom() + 1));
  };
  Get<forms::CommandButton>("cmdOK").Click = [this, &password, &save] {
    gLaunchPassword = password.Text();
    // SavePassword reports its own failure.
    if (save.Value() == 1) SavePassword(m_ConnectionPath, gLaunchPassword);
    UnloadForm();
  };
  Get<forms::CommandButton>("cmdCancel").Click = [this] {
    gLaunchPassword.clear();
    gPasswordCancelled = true;
    UnloadForm();
  };
}

void dlgPasswordEnter::ShowPicture(int number) {
  auto& images = Get<forms::ImageList>("ilst");
  auto& pic = Get<forms::PictureBox>("Pic");
  if (number < 1 || number > images.Count()) return;
  if (auto picture = PictureOfImage(images, number - 1, pic.BackColor())) {
    pic.SetPicture(picture);
    pictureShown_ = number;
  }
}

void PasswordEnterPrompt::AskPassword(const std::string& ItemPath, const std::string& ConnectionName) {
  dlgPasswordEnter prompt;
  prompt.m_ConnectionPath = ItemPath;
  prompt.m_ConnectionName = ConnectionName;
  prompt.Show(forms::ShowMode::Modal, nullptr);
}

}  // namespace corvana::dialogs
