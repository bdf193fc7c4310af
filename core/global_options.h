#pragma once
// The program-wide option variables and their reader. They are the program's one global state:
// written only by ReadGlobalOptions (and the main window's reset before it), read everywhere.
#include <cstdint>
#include <string>

#include "core/connection_values.h"
#include "resources/bitmap_ids.h"

namespace corvana {

inline constexpr const char* kDefaultAuthWindowCaption = "VNC Authentication";
inline constexpr std::int32_t kDefaultAuthWindowRetries = 20;
// Root values of ProductKey that only the options carry; the ten flags, the encoding and the
// scale parts share their names with a connection's values.
inline constexpr const char* kAuthWindowRetryValue = "FindAuthenticationWindowRetry";
inline constexpr const char* kAuthWindowCaptionValue = "FindAuthenticationWindowCaption";
inline constexpr const char* kMinimizeAfterConnectValue = "MinimizeAfterConnect";
inline constexpr const char* kSystrayIfMinimizedValue = "SystrayIfMinimized";
inline constexpr const char* kBackgroundImageValue = "BackGroundImage";
inline constexpr const char* kViewerPathValue = "vncviewer";
inline constexpr const char* kJavaClassDirValue = "vncviewerClasses";
inline constexpr const char* kJavaRunnerValue = "JavaRunner";
inline constexpr const char* kPreferredViewerValue = "PreferredViewer";
inline constexpr const char* kJavaRunnerSwitchesValue = "JavaRunnerSwitchOther";
inline constexpr const char* kShowBackgroundValue = "ShowBackground";

// The program's bitmap resource that stands in when no picture file is chosen.
inline constexpr int kDefaultBackgroundBitmap = IDB_LIST_BACKGROUND;

// Each member is the program-wide variable of the same name with a "g" in front
// (gOptions.DefaultEncoding is gDefaultEncoding). The start values are those before the
// main window's Load: texts empty, flags False, the retry count 0.
struct GlobalOptions {
  std::string DefaultEncoding;
  std::int32_t AuthWindowRetries = 0;
  std::string AuthWindowCaption;
  Flag MinimizeAfterConnect = kFalse;
  Flag SystrayIfMinimized = kFalse;
  std::string BackgroundImage;
  Flag DefaultAllowCopyRect = kFalse;
  Flag DefaultSharedSession = kFalse;
  Flag DefaultDeiconifyOnBell = kFalse;
  Flag DefaultDisableClipboard = kFalse;
  Flag DefaultEmulate3Buttons = kFalse;
  Flag DefaultSwapMouseButtons = kFalse;
  Flag DefaultRestrict8Bit = kFalse;
  Flag DefaultViewOnly = kFalse;
  Flag DefaultFullScreen = kFalse;
  Flag DefaultScale = kFalse;
  std::string DefaultScale1;
  std::string DefaultScale2;
  std::string ViewerPath;
  std::string JavaClassDir;
  std::string JavaRunner;
  std::string PreferredViewer;
  std::string JavaRunnerSwitches;
};

inline GlobalOptions gOptions;

// The two things the reader changes on the main window, which implements this.
class MainWindowBackground {
 public:
  virtual ~MainWindowBackground() = default;
  // The check mark of the menu item "show background".
  virtual void SetShowBackgroundChecked(bool checked) = 0;
  // The connection list's background picture.
  virtual void ClearListPicture() = 0;
  // False when the file cannot be loaded; the list then keeps the picture it had.
  virtual bool SetListPictureFromFile(const std::string& path) = 0;
  virtual void SetListPictureFromResource(int bitmapId) = 0;
};

// What the main window's Load sets before it reads the options: the viewer path, encoding,
// preferred viewer and Java class folder empty, the ten default flags False, the scale parts "1".
// The Java runner and its switches keep their values.
void ResetGlobalOptions();

// Fills gOptions from the root values of ProductKey and applies the background to the window.
void ReadGlobalOptions(MainWindowBackground& MainWindow);

}  // namespace corvana
