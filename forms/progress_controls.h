#pragma once
// Progress bar and animation (plays an AVI clip from a file).
#include <string>

#include "forms/control.h"

namespace corvana::forms {

class ProgressBar : public Control {
 public:
  ProgressBar(Form& form, const ControlDecl& decl);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const { return value_; }
  // A range whose Min is not below Max is refused; a Value outside the range is held at its edge.
  void SetMin(int v);
  void SetMax(int v);
  void SetValue(int v);
  void Create(HWND parent) override;

 private:
  void Apply();
  int min_, max_, value_;
};

class Animation : public Control {
 public:
  using Control::Control;
  bool Open(const std::string& file);
  // All frames, repeated without end, by default.
  bool Play(int repeat = -1, int from = 0, int to = -1);
  void Stop();
  void Close();
  void Create(HWND parent) override;
};

}  // namespace corvana::forms
