#include "forms/progress_controls.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

namespace corvana::forms {

ProgressBar::ProgressBar(Form& form, const ControlDecl& decl)
    : Control(form, decl), min_(ExtraInt("Min", 0)), max_(ExtraInt("Max", 100)), value_(min_) {}

void ProgressBar::Create(HWND parent) {
  CreateChild(PROGRESS_CLASSA, 0, 0, parent);
  Apply();
}

void ProgressBar::Apply() {
  if (!hWnd()) return;
  SendMessageA(hWnd(), PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
  SendMessageA(hWnd(), PBM_SETPOS, static_cast<WPARAM>(value_), 0);
}

void ProgressBar::SetMin(int v) {
  if (v >= max_) return;
  min_ = v;
  value_ = std::clamp(value_, min_, max_);
  Apply();
}

void ProgressBar::SetMax(int v) {
  if (v <= min_) return;
  max_ = v;
  value_ = std::clamp(value_, min_, max_);
  Apply();
}

void ProgressBar::SetValue(int v) {
  value_ = std::clamp(v, min_, max_);
  Apply();
}

void Animation::Create(HWND parent) { CreateChild(ANIMATE_CLASSA, ACS_CENTER | ACS_TRANSPARENT, 0, parent); }

bool Animation::Open(const std::string& file) {
  return hWnd() && SendMessageA(hWnd(), ACM_OPENA, 0, reinterpret_cast<LPARAM>(file.c_str())) != 0;
}

bool Animation::Play(int repeat, int from, int to) {
  return hWnd() && SendMessageA(hWnd(), ACM_PLAY, static_cast<WPARAM>(repeat), MAKELPARAM(from, to)) != 0;
}

void Animation::Stop() {
  if (hWnd()) SendMessageA(hWnd(), ACM_STOP, 0, 0);
}

void Animation::Close() {
  if (hWnd()) SendMessageA(hWnd(), ACM_OPENA, 0, 0);
}

}  // namespace corvana::forms
