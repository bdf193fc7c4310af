#include "forms/basic_controls.h"

#include <windowsx.h>

#include "forms/form.h"

namespace corvana::forms {

void CaptionControl::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (wnd_) SetWindowTextA(wnd_.get(), caption.c_str());
}

void Label::Create(HWND parent) {
  int align = ExtraInt("Alignment", 0);
  DWORD style = SS_NOTIFY | (align == 1 ? SS_RIGHT : align == 2 ? SS_CENTER : SS_LEFT);
  DWORD ex = ExtraInt("BorderStyle", 0) == 1 ? WS_EX_STATICEDGE : 0;
  CreateChild("STATIC", style, ex, parent, caption_);
  if (underline_) ApplyFont();
}

bool Label::OnCommand(WORD code, WORD) {
  if (code == STN_CLICKED && Click) Click();
  if (code == STN_DBLCLK && DblClick) DblClick();
  return code == STN_CLICKED || code == STN_DBLCLK;
}

bool Label::OnControlColor(HDC dc, LRESULT& brush) {
  if (!foreColor_ || !wnd_) return false;
  // The background stays the platform's; only the text takes the colour.
  brush = DefWindowProcA(GetParent(wnd_.get()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(wnd_.get()));
  SetTextColor(dc, *foreColor_);
  return true;
}

COLORREF Label::ForeColor() const { return foreColor_ ? *foreColor_ : GetSysColor(COLOR_WINDOWTEXT); }

void Label::SetForeColor(COLORREF color) {
  foreColor_ = color;
  if (wnd_) InvalidateRect(wnd_.get(), nullptr, TRUE);
}

void Label::SetFontUnderline(bool underline) {
  if (underline == underline_) return;
  underline_ = underline;
  ApplyFont();
}

void Label::ApplyFont() {
  GdiObject font;
  if (underline_) {
    LOGFONTA lf{};
    GetObjectA(form_.Font(), sizeof lf, &lf);
    lf.lfUnderline = TRUE;
    font.reset(CreateFontIndirectA(&lf));
  }
  // The window lets go of the old font before it is deleted.
  if (wnd_)
    SendMessageA(wnd_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font ? font.get() : form_.Font()), TRUE);
  font_ = std::move(font);
}

void TextBox::Create(HWND parent) {
  DWORD style = WS_TABSTOP | ES_LEFT;
  if (ExtraFlag("MultiLine")) {
    style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    int bars = ExtraInt("ScrollBars", 0);
    if (bars & 1) style |= WS_HSCROLL;
    if (bars & 2) style |= WS_VSCROLL;
    if (!(bars & 1)) style &= ~ES_AUTOHSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (ExtraFlag("Locked")) style |= ES_READONLY;
  DWORD ex = ExtraInt("BorderStyle", 1) == 1 ? WS_EX_CLIENTEDGE : 0;
  CreateChild("EDIT", style, ex, parent, text_);
  std::string pw = Extra("PasswordChar");
  if (!pw.empty()) SetPasswordChar(pw[0]);
  if (int max = ExtraInt("MaxLength", 0); max > 0) SendMessageA(wnd_.get(), EM_LIMITTEXT, max, 0);
}

void TextBox::SetText(const std::string& text) {
  text_ = text;
  // The edit control reports the change itself (EN_CHANGE), as a typed change.
  if (wnd_)
    SetWindowTextA(wnd_.get(), text.c_str());
  else if (Change)
    Change();
}

bool TextBox::Locked() const { return wnd_ && (GetWindowLongA(wnd_.get(), GWL_STYLE) & ES_READONLY); }

void TextBox::SetLocked(bool locked) {
  if (wnd_) SendMessageA(wnd_.get(), EM_SETREADONLY, locked, 0);
}

void TextBox::SetPasswordChar(char c) {
  if (!wnd_) return;
  SendMessageA(wnd_.get(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(c), 0);
  InvalidateRect(wnd_.get(), nullptr, TRUE);
}

char TextBox::PasswordChar() const {
  return wnd_ ? static_cast<char>(SendMessageA(wnd_.get(), EM_GETPASSWORDCHAR, 0, 0)) : '\0';
}

int TextBox::SelStart() const {
  DWORD start = 0, end = 0;
  if (wnd_) SendMessageA(wnd_.get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int TextBox::SelLength() const {
  DWORD start = 0, end = 0;
  if (wnd_) SendMessageA(wnd_.get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TextBox::SetSelection(int start, int length) {
  if (wnd_) SendMessageA(wnd_.get(), EM_SETSEL, start, start + length);
}

bool TextBox::OnCommand(WORD code, WORD) {
  if (code != EN_CHANGE) return false;
  if (Change) Change();
  return true;
}

void CommandButton::Create(HWND parent) {
  CreateChild("BUTTON", WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, parent, caption_);
}

bool CommandButton::OnCommand(WORD code, WORD) {
  if (code != BN_CLICKED) return false;
  if (Click) Click();
  return true;
}

void CheckBox::Create(HWND parent) {
  CreateChild("BUTTON", WS_TABSTOP | BS_3STATE, 0, parent, caption_);
  SendMessageA(wnd_.get(), BM_SETCHECK, value_, 0);
}

int CheckBox::Value() const { return value_; }

void CheckBox::SetValue(int value) {
  if (value < 0 || value > 2 || value == value_) return;
  value_ = value;
  if (wnd_) SendMessageA(wnd_.get(), BM_SETCHECK, value_, 0);
  if (Click) Click();
}

bool CheckBox::OnCommand(WORD code, WORD) {
  if (code != BN_CLICKED) return false;
  // A click goes from checked or greyed to unchecked, and from unchecked to checked.
  SetValue(value_ == 0 ? 1 : 0);
  return true;
}

void OptionButton::Create(HWND parent) {
  CreateChild("BUTTON", WS_TABSTOP | BS_RADIOBUTTON, 0, parent, caption_);
  Show();
}

void OptionButton::Show() {
  if (wnd_) SendMessageA(wnd_.get(), BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionButton::SetValue(bool value) {
  if (!value) {
    value_ = false;
    Show();
    return;
  }
  for (auto& c : form_.Controls()) {
    auto* other = dynamic_cast<OptionButton*>(c.get());
    if (other && other != this && other->Container() == Container() && other->value_) {
      other->value_ = false;
      other->Show();
    }
  }
  bool changed = !value_;
  value_ = true;
  Show();
  if (changed && Click) Click();
}

bool OptionButton::OnCommand(WORD code, WORD) {
  if (code != BN_CLICKED) return false;
  SetValue(true);
  return true;
}

void Frame::Create(HWND parent) {
  CreateChild("BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent, caption_);
}

bool Frame::OnMessage(UINT msg, WPARAM w, LPARAM, LRESULT& result) {
  // A group box paints only its frame; holding controls, it must paint what lies inside too.
  if (msg != WM_ERASEBKGND) return false;
  RECT rc{};
  GetClientRect(hWnd(), &rc);
  FillRect(reinterpret_cast<HDC>(w), &rc, GetSysColorBrush(COLOR_BTNFACE));
  result = 1;
  return true;
}

void ListBox::Create(HWND parent) {
  DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (ExtraFlag("Sorted")) style |= LBS_SORT;
  CreateChild("LISTBOX", style, WS_EX_CLIENTEDGE, parent);
  for (auto& item : decl_.items) AddItem(item);
}

void ListBox::AddItem(const std::string& text, int index) {
  if (wnd_) SendMessageA(wnd_.get(), index < 0 ? LB_ADDSTRING : LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
}

void ListBox::RemoveItem(int index) {
  if (wnd_) SendMessageA(wnd_.get(), LB_DELETESTRING, index, 0);
}

void ListBox::Clear() {
  if (wnd_) SendMessageA(wnd_.get(), LB_RESETCONTENT, 0, 0);
}

int ListBox::ListCount() const { return wnd_ ? static_cast<int>(SendMessageA(wnd_.get(), LB_GETCOUNT, 0, 0)) : 0; }

std::string ListBox::List(int index) const {
  if (!wnd_) return {};
  LRESULT n = SendMessageA(wnd_.get(), LB_GETTEXTLEN, index, 0);
  if (n == LB_ERR) return {};
  std::string text(static_cast<size_t>(n) + 1, '\0');
  n = SendMessageA(wnd_.get(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(n == LB_ERR ? 0 : static_cast<size_t>(n));
  return text;
}

int ListBox::ListIndex() const { return wnd_ ? static_cast<int>(SendMessageA(wnd_.get(), LB_GETCURSEL, 0, 0)) : -1; }

void ListBox::SetListIndex(int index) {
  if (!wnd_ || index == ListIndex()) return;
  SendMessageA(wnd_.get(), LB_SETCURSEL, index, 0);
  if (Click) Click();
}

bool ListBox::OnCommand(WORD code, WORD) {
  if (code == LBN_SELCHANGE && Click) Click();
  if (code == LBN_DBLCLK && DblClick) DblClick();
  return code == LBN_SELCHANGE || code == LBN_DBLCLK;
}

}  // namespace corvana::forms
