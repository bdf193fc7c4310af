#pragma once
// What a connection key and the option defaults under ProductKey have in common: the value
// names, the flag type with its stored form, and the four encodings.
#include <cstdint>
#include <string>

namespace corvana {

// A 16-bit boolean: True is -1, False is 0.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

// The stored form: "1" for True (-1) only, "0" for any other value.
inline const char* FlagText(Flag value) { return value == kTrue ? "1" : "0"; }
inline Flag ToFlag(bool value) { return value ? kTrue : kFalse; }

inline constexpr const char* kAllowCopyRectValue = "Allow CopyRect encoding";
inline constexpr const char* kSharedSessionValue = "Request shared session";
inline constexpr const char* kDeiconifyOnBellValue = "Deiconify on bell";
inline constexpr const char* kDisableClipboardValue = "Disable clipboard transfer";
inline constexpr const char* kEmulate3ButtonsValue = "Emulate 3 Buttons";
inline constexpr const char* kSwapMouseButtonsValue = "Swap mouse buttons";
inline constexpr const char* kRestrict8BitValue = "Restrict pixtel to 8bit";
inline constexpr const char* kViewOnlyValue = "ViewOnly";
inline constexpr const char* kFullScreenValue = "Full-Screen mode";
inline constexpr const char* kScaleValue = "Scale";
// The registry ignores case: "scale-1" and "Scale-1" are one value.
inline constexpr const char* kScale1Value = "scale-1";
inline constexpr const char* kScale2Value = "scale-2";
inline constexpr const char* kEncodingValue = "Prefered Encoding";
inline constexpr const char* kPasswordValue = "Password";
inline constexpr const char* kMousePointerValue = "mousepointer";
inline constexpr const char* kHostSubKey = "Host";
inline constexpr const char* kDisplaySubKey = "Display";
inline constexpr const char* kVNCFSPortSubKey = "VNCFSPort";

// "hextile", "corre", "rre" or "raw" for one of the four names in any case; "" for any other text.
std::string NormalizeEncoding(const std::string& text);

}  // namespace corvana
