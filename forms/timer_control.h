#pragma once
// A timer: raises Timer every Interval milliseconds while it is enabled.
#include <functional>

#include "forms/control.h"

namespace corvana::forms {

class Timer : public Control {
 public:
  Timer(Form& form, const ControlDecl& decl);
  ~Timer() override;
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  void SetEnabled(bool enabled) override;
  std::function<void()> Tick;  // the Timer event

  void Create(HWND parent) override;
  void Fire();

 private:
  void Arm();
  int interval_;
  bool created_ = false;
};

}  // namespace corvana::forms
