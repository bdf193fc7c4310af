#include "main_window/tray_icon.h"

#include "com/host/hosted_control.h"

namespace corvana {
namespace {

class HostedTrayIcon : public TrayIcon {
 public:
  HostedTrayIcon() {
    if (FAILED(control_.create(kTrayControlProgId))) return;
    if (com::EventSink* sink = control_.connectEvents()) {
      sink->on("TrayIconClick", [this](com::EventArgs& args) {
        if (TrayIconClick) TrayIconClick(args.get(0).asShort().value_or(0));
      });
    }
  }

  bool TrayIconAdd(HICON icon, const std::string& toolTip) override {
    if (!control_) return false;
    // The control takes the handle as a 32-bit number, by reference like every parameter.
    long handle = static_cast<long>(reinterpret_cast<LONG_PTR>(icon));
    std::string tip = toolTip;
    return Answer(control_.call("TrayIconAdd", com::ByRef(handle), com::ByRef(tip)));
  }
  bool TrayIconRefresh() override { return control_ && Answer(control_.call("TrayIconRefresh")); }
  bool TrayIconDelete() override { return control_ && Answer(control_.call("TrayIconDelete")); }
  void SetEnabled(bool enabled) override {
    if (control_) control_.put("Enabled", enabled);
  }

 private:
  bool Answer(const com::CallResult& result) const {
    return control_ && result.ok() && result.value.asBool().value_or(false);
  }
  com::HostedControl control_;
};

}  // namespace

std::unique_ptr<TrayIcon> CreateHostedTrayIcon() { return std::make_unique<HostedTrayIcon>(); }

}  // namespace corvana
