#pragma once
// The base of every control on a form: identity, design texts, geometry in twips, and the
// events every windowed control raises.
#include <windows.h>

#include <functional>
#include <string>

#include "win/handles.h"
#include "forms/form_declaration.h"

namespace corvana::forms {

class Form;
class MouseDrag;

// Mouse buttons as the events report them, and the bits of their Shift.
enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftMask { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

using MouseHandler = std::function<void(int button, int shift, int x, int y)>;  // x, y in twips
using KeyHandler = std::function<void(int& keyCode, int shift)>;                 // keyCode 0 swallows the key

class Control {
 public:
  Control(Form& form, const ControlDecl& decl);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& form() const { return form_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  const std::string& TypeName() const { return type_; }
  HWND hWnd() const { return wnd_.get(); }
  Control* Container() const { return container_; }

  const std::string& Tag() const { return tag_; }
  void SetTag(const std::string& tag) { tag_ = tag; }
  // Controls without a caption (text boxes, lists ...) answer false and ignore SetCaption.
  virtual bool HasCaption() const { return false; }
  virtual std::string Caption() const { return {}; }
  virtual void SetCaption(const std::string&) {}
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(const std::string& text);

  // Twips, relative to the container's client area.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int v) { Move(v, Top(), Width(), Height()); }
  void SetTop(int v) { Move(Left(), v, Width(), Height()); }
  void SetWidth(int v) { Move(Left(), Top(), v, Height()); }
  void SetHeight(int v) { Move(Left(), Top(), Width(), v); }
  virtual void Move(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  // 0 default, 9 west-east arrows, 11 hourglass, 13 arrow with hourglass ...
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int pointer) { mousePointer_ = pointer; }
  void SetFocus();
  void Refresh();
  // 0 brings the control in front of its siblings, 1 puts it behind them.
  void ZOrder(int position = 0);
  // Whether the screen point lies on the control (or a window inside it).
  bool ContainsScreenPoint(POINT screen) const;
  // A screen point in twips of the control's client area, and the client area's origin in twips
  // of the form's.
  POINT ScreenToTwips(POINT screen) const;
  POINT OriginInForm() const;

  std::function<void()> Click, DblClick, GotFocus, LostFocus;
  MouseHandler MouseDown, MouseMove, MouseUp;
  KeyHandler KeyDown, KeyUp;
  std::function<void(int& keyAscii)> KeyPress;

  // Called by the form, which receives what a control tells its parent.
  virtual void Create(HWND parent) = 0;
  virtual bool OnCommand(WORD /*code*/, WORD /*id*/) { return false; }
  virtual bool OnNotify(NMHDR* /*hdr*/, LRESULT& /*result*/) { return false; }
  // The colours of a static control's painting (WM_CTLCOLORSTATIC); true when Brush is set.
  virtual bool OnControlColor(HDC /*dc*/, LRESULT& /*brush*/) { return false; }
  virtual void AfterFormResize() {}
  virtual bool IsContainer() const { return false; }
  // Put below the other controls of its container once the form is built.
  virtual bool BehindSiblings() const { return false; }
  // Keeps the mouse from a press to the release, so a drag reports moves beyond the control.
  virtual bool CapturesMouse() const { return false; }
  // Takes the focus on a press of any button, also when the control believes it has it already.
  virtual bool TakesFocusOnPress() const { return false; }
  const ControlDecl& decl() const { return decl_; }
  int id() const { return id_; }

 protected:
  // Creates the window at the design geometry and takes it over.
  HWND CreateChild(const char* windowClass, DWORD style, DWORD exStyle, HWND parent, const std::string& text = "");
  // Hook for a type's own handling of its window's messages; true when handled.
  virtual bool OnMessage(UINT /*msg*/, WPARAM /*w*/, LPARAM /*l*/, LRESULT& /*result*/) { return false; }
  LRESULT CallDefault(UINT msg, WPARAM w, LPARAM l);
  std::string WindowText() const;
  std::string Extra(const char* name, const std::string& fallback = "") const;
  int ExtraInt(const char* name, int fallback) const;
  bool ExtraFlag(const char* name, bool fallback = false) const;
  int PointToTwipsX(int px) const;
  int PointToTwipsY(int py) const;

  Form& form_;
  ControlDecl decl_;
  WindowHandle wnd_;

 private:
  friend class MouseDrag;
  static LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM w, LPARAM l);
  LRESULT HandleMessage(UINT msg, WPARAM w, LPARAM l);
  void RaiseMouse(const MouseHandler& handler, int button, WPARAM w, LPARAM l);
  void ApplyToolTip();

  std::string type_, name_;
  int index_;
  Control* container_ = nullptr;
  std::string tag_, toolTip_;
  RECT twips_{};  // geometry as last set, so whole-twip values survive the pixel grid
  bool visible_, enabled_;
  int mousePointer_ = 0;
  int id_;
  int buttonsDown_ = 0;
  WNDPROC classProc_ = nullptr;  // the window class's own procedure, below ours
  MouseDrag* drag_ = nullptr;    // a drag this control is the source of
};

// The Windows cursor of a mouse-pointer code; null for the default (0).
HCURSOR CursorOfPointer(int pointer);
// The shift keys held now, for a key event; and those a mouse message's wParam reports.
int ShiftState();
int MouseShiftState(WPARAM w);

}  // namespace corvana::forms
