#pragma once
// Typing into the window that has the focus, in one place. Keys are written in the usual
// keystroke notation: + Shift, ^ Ctrl, % Alt for the next key or a group in ( ); ~ Enter;
// {NAME} a named key ({ENTER}, {TAB}, {F1} ...), {c} the character c itself ({+}, {{} ...);
// {NAME n} or {c n} repeats it n times. Any other character is typed as it is.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace corvana {

inline constexpr unsigned kShiftKey = 1;
inline constexpr unsigned kControlKey = 2;
inline constexpr unsigned kAltKey = 4;

// One key press: a named key (virtualKey) or an ANSI character, with the modifiers held.
struct KeyStroke {
  unsigned modifiers = 0;
  WORD virtualKey = 0;
  char character = 0;
  bool operator==(const KeyStroke&) const = default;
};

// The key presses Keys stands for; nullopt when Keys is not well formed (an unknown key name,
// an unmatched brace or parenthesis, a bad repeat count, a modifier with nothing after it).
std::optional<std::vector<KeyStroke>> ParseKeystrokes(const std::string& Keys);

// The input events for Strokes. A character without modifiers is sent as its Unicode code, so
// every printable character arrives whatever the keyboard layout; with modifiers it is sent as
// its virtual key so that ^c means Ctrl+C.
std::vector<INPUT> KeystrokeInputs(const std::vector<KeyStroke>& Strokes);

// Types Keys into the window that has the focus and returns at once; the events are queued.
// False when Keys is not well formed (nothing is typed) or the system took not every event.
bool SendKeystrokes(const std::string& Keys);

// The notation that types Text literally: its notation characters are put in braces.
std::string EscapeKeystrokes(const std::string& Text);

}  // namespace corvana
