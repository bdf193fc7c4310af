#include "core/global_options.h"

#include <charconv>
#include <string_view>

#include "core/registry_store.h"
#include "core/registry_value.h"
#include "core/text.h"

namespace corvana {
namespace {

// A whole number as Visual Basic's CLng takes one: blanks around it, an optional sign, digits,
// within 32 bits. A fraction, other text or an overflow is none.
bool ParseRetryCount(const std::string& text, std::int32_t& out) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  std::string_view number(text.data() + first, text.find_last_not_of(" \t") - first + 1);
  std::string_view digits = number;
  if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return false;
  if (number.front() == '+') number.remove_prefix(1);  // from_chars takes a minus only
  std::int32_t value = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec != std::errc() || end != number.data() + number.size()) return false;
  out = value;
  return true;
}

// "0" clears, "1" to "9" sets, anything else leaves the default as it was.
void ReadDefaultFlag(HKEY root, const char* name, Flag& flag) {
  std::string text = ReadStringValue(root, name);
  if (text.empty()) return;
  if (text[0] == '0') flag = kFalse;
  else if (text[0] >= '1' && text[0] <= '9') flag = kTrue;
}

void ReadTextIfPresent(HKEY root, const char* name, std::string& variable) {
  std::string text = ReadStringValue(root, name);
  if (!text.empty()) variable = text;
}

std::string NormalizePreferredViewer(const std::string& text) {
  for (const char* name : {"VNCviewer", "Browser", "Java"})
    if (EqualsNoCase(text, name)) return name;
  return {};
}

}  // namespace

void ResetGlobalOptions() {
  GlobalOptions& o = gOptions;
  o.ViewerPath.clear();
  o.DefaultEncoding.clear();
  o.PreferredViewer.clear();
  o.JavaClassDir.clear();
  for (Flag* flag : {&o.DefaultAllowCopyRect, &o.DefaultSharedSession, &o.DefaultDeiconifyOnBell,
                     &o.DefaultDisableClipboard, &o.DefaultEmulate3Buttons, &o.DefaultSwapMouseButtons,
                     &o.DefaultRestrict8Bit, &o.DefaultViewOnly, &o.DefaultFullScreen, &o.DefaultScale})
    *flag = kFalse;
  o.DefaultScale1 = "1";
  o.DefaultScale2 = "1";
}

void ReadGlobalOptions(MainWindowBackground& MainWindow) {
  GlobalOptions& o = gOptions;
  RegKey root = OpenStoreKey("");
  if (!root) {
    o.AuthWindowRetries = kDefaultAuthWindowRetries;
    o.AuthWindowCaption = kDefaultAuthWindowCaption;
    return;
  }
  const HKEY key = root.get();

  if (std::string encoding = NormalizeEncoding(ReadStringValue(key, kEncodingValue)); !encoding.empty())
    o.DefaultEncoding = encoding;

  if (!ParseRetryCount(ReadStringValue(key, kAuthWindowRetryValue), o.AuthWindowRetries))
    o.AuthWindowRetries = kDefaultAuthWindowRetries;

  o.AuthWindowCaption = ReadStringValue(key, kAuthWindowCaptionValue);
  if (o.AuthWindowCaption.empty()) o.AuthWindowCaption = kDefaultAuthWindowCaption;

  o.MinimizeAfterConnect = ToFlag(ReadStringValue(key, kMinimizeAfterConnectValue).starts_with('1'));
  o.SystrayIfMinimized = ToFlag(ReadStringValue(key, kSystrayIfMinimizedValue).starts_with('1'));
  o.BackgroundImage = ReadStringValue(key, kBackgroundImageValue);

  ReadDefaultFlag(key, kAllowCopyRectValue, o.DefaultAllowCopyRect);
  ReadDefaultFlag(key, kSharedSessionValue, o.DefaultSharedSession);
  ReadDefaultFlag(key, kDeiconifyOnBellValue, o.DefaultDeiconifyOnBell);
  ReadDefaultFlag(key, kDisableClipboardValue, o.DefaultDisableClipboard);
  ReadDefaultFlag(key, kEmulate3ButtonsValue, o.DefaultEmulate3Buttons);
  ReadDefaultFlag(key, kSwapMouseButtonsValue, o.DefaultSwapMouseButtons);
  ReadDefaultFlag(key, kRestrict8BitValue, o.DefaultRestrict8Bit);
  ReadDefaultFlag(key, kViewOnlyValue, o.DefaultViewOnly);
  ReadDefaultFlag(key, kFullScreenValue, o.DefaultFullScreen);
  ReadDefaultFlag(key, kScaleValue, o.DefaultScale);

  // The scale parts mean something only while scaling is on; otherwise they stay unread.
  if (o.DefaultScale == kTrue) {
    ReadTextIfPresent(key, kScale1Value, o.DefaultScale1);
    ReadTextIfPresent(key, kScale2Value, o.DefaultScale2);
  }

  ReadTextIfPresent(key, kViewerPathValue, o.ViewerPath);
  ReadTextIfPresent(key, kJavaClassDirValue, o.JavaClassDir);
  ReadTextIfPresent(key, kJavaRunnerValue, o.JavaRunner);
  if (std::string viewer = NormalizePreferredViewer(ReadStringValue(key, kPreferredViewerValue)); !viewer.empty())
    o.PreferredViewer = viewer;
  ReadTextIfPresent(key, kJavaRunnerSwitchesValue, o.JavaRunnerSwitches);

  const bool showBackground = ReadStringValue(key, kShowBackgroundValue).starts_with('1');
  MainWindow.SetShowBackgroundChecked(showBackground);
  if (!showBackground)
    MainWindow.ClearListPicture();
  else if (!o.BackgroundImage.empty())
    MainWindow.SetListPictureFromFile(o.BackgroundImage);  // a file that will not load is ignored
  else
    MainWindow.SetListPictureFromResource(kDefaultBackgroundBitmap);
}

}  // namespace corvana
