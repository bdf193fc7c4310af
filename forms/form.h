#pragma once
// A form built from its declaration: a top-level window with its controls and menus, the
// events of its life (Load, Activate, Paint, Resize, QueryUnload, Unload) and modal or
// modeless showing with an owner.
#include <windows.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "win/handles.h"
#include "forms/control.h"
#include "forms/form_declaration.h"
#include "forms/menu.h"

namespace corvana::forms {

enum class ShowMode { Modeless = 0, Modal = 1 };
enum WindowStateValue { kNormal = 0, kMinimized = 1, kMaximized = 2 };
// Why a form is being unloaded, as QueryUnload reports it.
enum UnloadMode { kFormControlMenu = 0, kFormCode = 1, kAppWindows = 2 };

class Form {
 public:
  explicit Form(FormDecl decl);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const FormDecl& declaration() const { return decl_; }
  const std::string& Name() const { return decl_.name; }
  static const std::string& TypeName();
  HWND hWnd() const { return wnd_.get(); }
  // The form's icon (shared with the module, never destroyed); null while not loaded.
  HICON Icon() const { return icon_; }

  const std::string& Tag() const { return tag_; }
  void SetTag(const std::string& tag) { tag_ = tag; }
  std::string Caption() const;
  void SetCaption(const std::string& caption);

  // Creates the window and the controls from the declaration and raises Load; a later
  // LoadForm after UnloadForm starts again from the declaration.
  void LoadForm();
  bool Loaded() const { return static_cast<bool>(wnd_); }
  // QueryUnload and Unload may cancel; true when the form is gone.
  bool UnloadForm(int mode = kFormCode);
  // Loads the form when needed; a modal show returns once the form is hidden or unloaded.
  void Show(ShowMode mode = ShowMode::Modeless, Form* owner = nullptr);
  void Hide();
  // Makes a shown form the active window in front of the others; a minimised one is restored.
  void SetFocus();
  bool Visible() const;
  int WindowState() const;
  void SetWindowState(int state);

  // Outer geometry and the inner (scale) size, in twips.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void Move(int left, int top, int width, int height);
  void SetLeft(int v) { Move(v, Top(), Width(), Height()); }
  void SetTop(int v) { Move(Left(), v, Width(), Height()); }
  void SetWidth(int v) { Move(Left(), Top(), v, Height()); }
  void SetHeight(int v) { Move(Left(), Top(), Width(), v); }
  int ScaleWidth() const;
  int ScaleHeight() const;
  // A screen point in twips of the form's client area.
  POINT ScreenToTwips(POINT screen) const;
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int pointer) { mousePointer_ = pointer; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool on) { keyPreview_ = on; }
  void Refresh();

  template <class T = Control>
  T* Find(const std::string& name, int index = -1) const {
    for (auto& c : controls_)
      if (c->Name() == name && c->Index() == index) return dynamic_cast<T*>(c.get());
    return nullptr;
  }
  template <class T = Control>
  T& Get(const std::string& name, int index = -1) const {
    if (T* c = Find<T>(name, index)) return *c;
    throw std::logic_error("no control " + name + " on form " + decl_.name);
  }
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  Menu* FindMenu(const std::string& name, int index = -1) const;
  Menu& GetMenu(const std::string& name, int index = -1) const;
  // Every menu item, parents before their items.
  std::vector<Menu*> Menus() const;
  // Shows Menu's items at the cursor (flags: 2 right button) with DefaultItem in bold and
  // raises the chosen item's Click before it returns.
  void PopupMenu(Menu& menu, int flags = 0, Menu* defaultItem = nullptr);

  std::function<void()> Load, Activate, Paint, Resize, Click, DblClick;
  std::function<void(int& cancel, int unloadMode)> QueryUnload;
  std::function<void(int& cancel)> Unload;
  MouseHandler MouseDown, MouseMove, MouseUp;
  KeyHandler KeyDown, KeyUp;
  std::function<void(int& keyAscii)> KeyPress;

  // For the controls and the message loop.
  class DispatchScope {
   public:
    explicit DispatchScope(Form& form) : form_(form) { ++form_.dispatchDepth_; }
    ~DispatchScope();
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;

   private:
    Form& form_;
  };
  DispatchScope EnterDispatch() { return DispatchScope(*this); }
  bool TearingDown() const { return tearingDown_; }
  int NextControlId() { return nextControlId_++; }
  Control* FindContainer(const std::string& name) const;
  void RegisterWindow(HWND wnd, Control* control) { windows_[wnd] = control; }
  void UnregisterWindow(HWND wnd) { windows_.erase(wnd); }
  HFONT Font() const { return static_cast<HFONT>(font_.get()); }
  HWND ToolTipWindow() const { return toolTips_.get(); }
  bool RouteChildMessage(UINT msg, WPARAM w, LPARAM l, LRESULT& result);
  // The control whose window got the focus last; it gets it back when the form is active again.
  void ControlGotFocus(HWND wnd) { lastFocus_ = wnd; }
  bool HasDefaultButton() const;
  bool HasCancelButton() const;
  HMENU MenuBar() const { return menuBar_.get(); }
  void RebuildMenuBar();
  void RedrawMenuBar();
  bool PreTranslate(MSG& msg);

 protected:
  // A form class binds its typed controls here, before Load, and lets them go here, before the
  // controls are destroyed (also when the window is destroyed from outside).
  virtual void ControlsCreated() {}
  virtual void ControlsReleasing() {}

 private:
  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM w, LPARAM l);
  LRESULT HandleMessage(UINT msg, WPARAM w, LPARAM l);
  void BuildMenus(Menu* parent, const std::vector<MenuDecl>& decls, std::vector<std::unique_ptr<Menu>>& out);
  Menu* MenuById(UINT id) const;
  Menu* MenuByPopup(HMENU popup) const;
  void RaiseMouse(const MouseHandler& handler, int button, WPARAM w, LPARAM l);
  void RunModal(HWND owner);
  void EnableWaitingWindows();
  bool GiveFocusBack();
  void Destroy();
  void ReleaseParts();

  FormDecl decl_;
  std::string tag_;
  GdiObject font_;
  WindowHandle wnd_;
  WindowHandle toolTips_;
  MenuHandle menuBar_;
  std::vector<std::unique_ptr<Menu>> menus_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::unordered_map<HWND, Control*> windows_;
  // What an unload inside an event handler leaves behind until the handler has returned.
  std::vector<std::unique_ptr<Control>> graveyardControls_;
  std::vector<std::unique_ptr<Menu>> graveyardMenus_;
  int dispatchDepth_ = 0;
  bool tearingDown_ = false;
  bool keyPreview_ = false;
  bool positioned_ = false;
  int pendingState_ = kNormal;
  int mousePointer_ = 0;
  int nextControlId_ = 1000;
  UINT nextMenuId_ = 20000;
  RECT twips_{};
  int buttonsDown_ = 0;
  bool resized_ = false;
  HWND lastFocus_ = nullptr;
  HICON icon_ = nullptr;
  // The windows a modal show disabled, enabled again before the form goes out of sight.
  std::vector<HWND> waitingForModal_;
};

// The form a top-level window belongs to, or null.
Form* FormFromWindow(HWND wnd);

}  // namespace corvana::forms
