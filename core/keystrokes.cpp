#include "core/keystrokes.h"

#include <array>
#include <cctype>

#include "core/text.h"

namespace corvana {
namespace {

struct NamedKey {
  const char* name;
  WORD virtualKey;
};

constexpr std::array kNamedKeys{
    NamedKey{"BACKSPACE", VK_BACK}, NamedKey{"BS", VK_BACK},         NamedKey{"BKSP", VK_BACK},
    NamedKey{"BREAK", VK_CANCEL},   NamedKey{"CAPSLOCK", VK_CAPITAL}, NamedKey{"DELETE", VK_DELETE},
    NamedKey{"DEL", VK_DELETE},     NamedKey{"DOWN", VK_DOWN},        NamedKey{"END", VK_END},
    NamedKey{"ENTER", VK_RETURN},   NamedKey{"ESC", VK_ESCAPE},       NamedKey{"HELP", VK_HELP},
    NamedKey{"HOME", VK_HOME},      NamedKey{"INSERT", VK_INSERT},    NamedKey{"INS", VK_INSERT},
    NamedKey{"LEFT", VK_LEFT},      NamedKey{"NUMLOCK", VK_NUMLOCK},  NamedKey{"PGDN", VK_NEXT},
    NamedKey{"PGUP", VK_PRIOR},     NamedKey{"PRTSC", VK_SNAPSHOT},   NamedKey{"RIGHT", VK_RIGHT},
    NamedKey{"SCROLLLOCK", VK_SCROLL}, NamedKey{"TAB", VK_TAB},       NamedKey{"UP", VK_UP},
    NamedKey{"ADD", VK_ADD},        NamedKey{"SUBTRACT", VK_SUBTRACT}, NamedKey{"MULTIPLY", VK_MULTIPLY},
    NamedKey{"DIVIDE", VK_DIVIDE},
};

std::optional<WORD> KeyByName(const std::string& name) {
  for (const auto& key : kNamedKeys)
    if (EqualsNoCase(name, key.name)) return key.virtualKey;
  // F1 ... F16
  if (name.size() >= 2 && name.size() <= 3 && (name[0] == 'F' || name[0] == 'f')) {
    int n = 0;
    for (size_t i = 1; i < name.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
      n = n * 10 + (name[i] - '0');
    }
    if (n >= 1 && n <= 16 && name[1] != '0') return static_cast<WORD>(VK_F1 + n - 1);
  }
  return std::nullopt;
}

unsigned ModifierOf(char c) {
  switch (c) {
    case '+': return kShiftKey;
    case '^': return kControlKey;
    case '%': return kAltKey;
    default: return 0;
  }
}

bool IsExtendedKey(WORD vk) {
  switch (vk) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_NUMLOCK: case VK_DIVIDE:
    case VK_SNAPSHOT: case VK_CANCEL:
      return true;
    default:
      return false;
  }
}

INPUT VirtualKeyInput(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}

INPUT UnicodeInput(wchar_t ch, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wScan = static_cast<WORD>(ch);
  in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return in;
}

wchar_t WideOf(char c) {
  wchar_t wide = 0;
  if (MultiByteToWideChar(CP_ACP, 0, &c, 1, &wide, 1) != 1) wide = static_cast<unsigned char>(c);
  return wide;
}

}  // namespace

std::optional<std::vector<KeyStroke>> ParseKeystrokes(const std::string& Keys) {
  std::vector<KeyStroke> strokes;
  std::vector<unsigned> groups;  // modifiers held by each open parenthesis
  unsigned pending = 0;
  auto held = [&] { return (groups.empty() ? 0u : groups.back()) | pending; };
  auto emit = [&](KeyStroke stroke, unsigned count) {
    stroke.modifiers = held();
    for (unsigned i = 0; i < count; ++i) strokes.push_back(stroke);
    pending = 0;
  };

  for (size_t i = 0; i < Keys.size(); ++i) {
    const char c = Keys[i];
    if (unsigned mod = ModifierOf(c)) {
      pending |= mod;
    } else if (c == '(') {
      groups.push_back(held());
      pending = 0;
    } else if (c == ')') {
      if (groups.empty() || pending) return std::nullopt;
      groups.pop_back();
    } else if (c == '~') {
      emit({0, VK_RETURN, 0}, 1);
    } else if (c == '{') {
      // The first character inside may be a closing brace itself: {}} types "}".
      size_t close = Keys.find('}', i + 2);
      if (i + 1 >= Keys.size() || close == std::string::npos) return std::nullopt;
      std::string inside = Keys.substr(i + 1, close - i - 1);
      unsigned count = 1;
      size_t blank = inside.rfind(' ');
      if (blank != std::string::npos && blank > 0) {
        std::string digits = inside.substr(blank + 1);
        if (digits.empty() || digits.size() > 4) return std::nullopt;
        count = 0;
        for (char d : digits) {
          if (!std::isdigit(static_cast<unsigned char>(d))) return std::nullopt;
          count = count * 10 + static_cast<unsigned>(d - '0');
        }
        inside.resize(blank);
      }
      if (inside.size() == 1) {
        emit({0, 0, inside[0]}, count);
      } else if (auto vk = KeyByName(inside)) {
        emit({0, *vk, 0}, count);
      } else {
        return std::nullopt;
      }
      i = close;
    } else if (c == '}') {
      return std::nullopt;
    } else {
      emit({0, 0, c}, 1);
    }
  }
  if (pending || !groups.empty()) return std::nullopt;
  return strokes;
}

std::vector<INPUT> KeystrokeInputs(const std::vector<KeyStroke>& Strokes) {
  std::vector<INPUT> inputs;
  for (const KeyStroke& stroke : Strokes) {
    unsigned modifiers = stroke.modifiers;
    WORD vk = stroke.virtualKey;
    bool unicode = false;
    if (!vk) {
      SHORT scan = modifiers ? VkKeyScanA(stroke.character) : -1;
      if (scan == -1) {
        // No modifier, or no key for it on this layout: the character's own code.
        unicode = true;
      } else {
        vk = LOBYTE(scan);
        modifiers |= HIBYTE(scan) & (kShiftKey | kControlKey | kAltKey);
      }
    }
    constexpr std::array<std::pair<unsigned, WORD>, 3> kModifierKeys{
        {{kShiftKey, VK_SHIFT}, {kControlKey, VK_CONTROL}, {kAltKey, VK_MENU}}};
    for (auto [bit, key] : kModifierKeys)
      if (modifiers & bit) inputs.push_back(VirtualKeyInput(key, false));
    if (unicode) {
      wchar_t wide = WideOf(stroke.character);
      inputs.push_back(UnicodeInput(wide, false));
      inputs.push_back(UnicodeInput(wide, true));
    } else {
      inputs.push_back(VirtualKeyInput(vk, false));
      inputs.push_back(VirtualKeyInput(vk, true));
    }
    for (auto it = kModifierKeys.rbegin(); it != kModifierKeys.rend(); ++it)
      if (modifiers & it->first) inputs.push_back(VirtualKeyInput(it->second, true));
  }
  return inputs;
}

bool SendKeystrokes(const std::string& Keys) {
  auto strokes = ParseKeystrokes(Keys);
  if (!strokes) return false;
  std::vector<INPUT> inputs = KeystrokeInputs(*strokes);
  if (inputs.empty()) return true;
  UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  return sent == inputs.size();
}

std::string EscapeKeystrokes(const std::string& Text) {
  std::string keys;
  for (char c : Text) {
    switch (c) {
      case '+': case '^': case '%': case '~': case '(': case ')': case '{': case '}': case '[': case ']':
        keys += '{';
        keys += c;
        keys += '}';
        break;
      default:
        keys += c;
    }
  }
  return keys;
}

}  // namespace corvana
