#pragma once
// The intrinsic controls: label, text box, command button, check box, option button, frame, list box.
#include <optional>
#include <string>
#include <vector>

#include "win/handles.h"
#include "forms/control.h"

namespace corvana::forms {

// A control whose caption is its window text.
class CaptionControl : public Control {
 public:
  using Control::Control;
  bool HasCaption() const override { return true; }
  std::string Caption() const override { return wnd_ ? WindowText() : caption_; }
  void SetCaption(const std::string& caption) override;

 protected:
  std::string caption_ = decl_.text;
};

class Label : public CaptionControl {
 public:
  using CaptionControl::CaptionControl;
  bool CapturesMouse() const override { return true; }
  void Create(HWND parent) override;
  bool OnCommand(WORD code, WORD id) override;
  bool OnControlColor(HDC dc, LRESULT& brush) override;

  // The text colour; the system's window text colour until one is set.
  COLORREF ForeColor() const;
  void SetForeColor(COLORREF color);
  // The form's font, underlined or not.
  bool FontUnderline() const { return underline_; }
  void SetFontUnderline(bool underline);

 private:
  void ApplyFont();
  std::optional<COLORREF> foreColor_;
  bool underline_ = false;
  GdiObject font_;
};

class TextBox : public Control {
 public:
  using Control::Control;
  std::string Text() const { return wnd_ ? WindowText() : text_; }
  void SetText(const std::string& text);
  bool Locked() const;
  void SetLocked(bool locked);
  // 0 shows the text in clear.
  void SetPasswordChar(char c);
  char PasswordChar() const;
  int SelStart() const;
  int SelLength() const;
  void SetSelection(int start, int length);
  std::function<void()> Change;

  void Create(HWND parent) override;
  bool OnCommand(WORD code, WORD id) override;

 private:
  std::string text_ = decl_.text;
};

class CommandButton : public CaptionControl {
 public:
  using CaptionControl::CaptionControl;
  // Enter clicks the Default button, Esc the Cancel button.
  bool Default() const { return default_; }
  bool Cancel() const { return cancel_; }
  void Create(HWND parent) override;
  bool OnCommand(WORD code, WORD id) override;

 private:
  bool default_ = ExtraFlag("Default");
  bool cancel_ = ExtraFlag("Cancel");
};

class CheckBox : public CaptionControl {
 public:
  using CaptionControl::CaptionControl;
  // 0 unchecked, 1 checked, 2 greyed; a change raises Click, as a click does.
  int Value() const;
  void SetValue(int value);
  void Create(HWND parent) override;
  bool OnCommand(WORD code, WORD id) override;

 private:
  int value_ = ExtraInt("Value", 0);
};

class OptionButton : public CaptionControl {
 public:
  using CaptionControl::CaptionControl;
  // Selecting one clears the others of the same container and raises Click.
  bool Value() const { return value_; }
  void SetValue(bool value);
  void Create(HWND parent) override;
  bool OnCommand(WORD code, WORD id) override;

 private:
  void Show();
  bool value_ = ExtraFlag("Value");
};

// Holds other controls; their geometry is relative to it.
class Frame : public CaptionControl {
 public:
  using CaptionControl::CaptionControl;
  bool IsContainer() const override { return true; }
  void Create(HWND parent) override;

 protected:
  bool OnMessage(UINT msg, WPARAM w, LPARAM l, LRESULT& result) override;
};

class ListBox : public Control {
 public:
  using Control::Control;
  void AddItem(const std::string& text, int index = -1);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const;
  std::string List(int index) const;
  // -1 when nothing is selected; a change raises Click.
  int ListIndex() const;
  void SetListIndex(int index);
  void Create(HWND parent) override;
  bool OnCommand(WORD code, WORD id) override;
};

}  // namespace corvana::forms
