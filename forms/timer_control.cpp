#include "forms/timer_control.h"

#include "forms/form.h"

namespace corvana::forms {

Timer::Timer(Form& form, const ControlDecl& decl) : Control(form, decl), interval_(ExtraInt("Interval", 0)) {}

Timer::~Timer() {
  if (created_ && form_.hWnd()) KillTimer(form_.hWnd(), id());
}

void Timer::Create(HWND) {
  created_ = true;
  Arm();
}

void Timer::Arm() {
  if (!created_ || !form_.hWnd()) return;
  KillTimer(form_.hWnd(), id());
  if (Enabled() && interval_ > 0) SetTimer(form_.hWnd(), id(), static_cast<UINT>(interval_), nullptr);
}

void Timer::SetInterval(int ms) {
  interval_ = ms < 0 ? 0 : ms;
  Arm();
}

void Timer::SetEnabled(bool enabled) {
  Control::SetEnabled(enabled);
  Arm();
}

void Timer::Fire() {
  if (Enabled() && interval_ > 0 && Tick) Tick();
}

}  // namespace corvana::forms
