#include "core/keystrokes.h"

#include <gmock/gmock.h>

#include "core/foreign_window.h"
#include "core/process_start.h"
#include "support/own_desktop/stand_in_control.h"

using namespace corvana;
using namespace corvana::test;

namespace {

KeyStroke Char(char c, unsigned modifiers = 0) { return {modifiers, 0, c}; }
KeyStroke Key(WORD vk, unsigned modifiers = 0) { return {modifiers, vk, 0}; }

struct ParseCase {
  const char* keys;
  std::vector<KeyStroke> strokes;
};

class KeystrokeParsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(KeystrokeParsing, ReadsTheNotation) {
  auto strokes = ParseKeystrokes(GetParam().keys);
  ASSERT_TRUE(strokes) << GetParam().keys;
  EXPECT_EQ(*strokes, GetParam().strokes) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeystrokeParsing,
    ::testing::Values(
        ParseCase{"", {}}, ParseCase{"ab", {Char('a'), Char('b')}},
        ParseCase{"~", {Key(VK_RETURN)}}, ParseCase{"{ENTER}", {Key(VK_RETURN)}},
        ParseCase{"{enter}{Tab}{F1}{F12}{BS}", {Key(VK_RETURN), Key(VK_TAB), Key(VK_F1), Key(VK_F12), Key(VK_BACK)}},
        ParseCase{"+a^b%c", {Char('a', kShiftKey), Char('b', kControlKey), Char('c', kAltKey)}},
        ParseCase{"+^{DEL}", {Key(VK_DELETE, kShiftKey | kControlKey)}},
        ParseCase{"+(ab)c", {Char('a', kShiftKey), Char('b', kShiftKey), Char('c')}},
        ParseCase{"^(a%(b))", {Char('a', kControlKey), Char('b', kControlKey | kAltKey)}},
        ParseCase{"{x 3}{TAB 2}{a 0}", {Char('x'), Char('x'), Char('x'), Key(VK_TAB), Key(VK_TAB)}},
        ParseCase{"{+}{^}{%}{~}{(}{)}{{}{}}{[}{]}",
                  {Char('+'), Char('^'), Char('%'), Char('~'), Char('('), Char(')'), Char('{'), Char('}'), Char('['),
                   Char(']')}},
        ParseCase{"{} 2}{  2}", {Char('}'), Char('}'), Char(' '), Char(' ')}},
        ParseCase{"[x]", {Char('['), Char('x'), Char(']')}}));

TEST(KeystrokeParsing, RefusesWhatIsNotWellFormed) {
  for (const char* keys : {"{", "}", "{ENTER", "{NOSUCHKEY}", "{F0}", "{F17}", "{}", "(a", "a)", "+", "a^",
                           "(+)", "{x y}", "{x -1}", "{TAB }"})
    EXPECT_FALSE(ParseKeystrokes(keys)) << keys;
}

TEST(KeystrokeEscaping, AnyTextReadsBackAsItsOwnCharacters) {
  for (std::string text : {std::string("plain"), std::string("+^%~(){}[]"), std::string("{ENTER}"),
                           std::string("a b\tc"), std::string("\xE4\xF6\xFC\xDF"), std::string("}{)(")}) {
    auto strokes = ParseKeystrokes(EscapeKeystrokes(text));
    ASSERT_TRUE(strokes) << text;
    std::vector<KeyStroke> expected;
    for (char c : text) expected.push_back(Char(c));
    EXPECT_EQ(*strokes, expected) << text;
  }
}

TEST(KeystrokeInputs, CharactersGoAsUnicodeModifiedOnesAndNamedKeysAsVirtualKeys) {
  auto inputs = KeystrokeInputs({Char('\xE4'), Char('c', kControlKey), Key(VK_RETURN)});
  ASSERT_EQ(inputs.size(), 8u);
  EXPECT_EQ(inputs[0].ki.dwFlags, static_cast<DWORD>(KEYEVENTF_UNICODE));
  EXPECT_EQ(inputs[0].ki.wScan, 0xE4);
  EXPECT_EQ(inputs[1].ki.dwFlags, static_cast<DWORD>(KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  EXPECT_EQ(inputs[2].ki.wVk, VK_CONTROL);
  EXPECT_EQ(inputs[3].ki.wVk, 'C');
  EXPECT_EQ(inputs[4].ki.wVk, 'C');
  EXPECT_TRUE(inputs[4].ki.dwFlags & KEYEVENTF_KEYUP);
  EXPECT_EQ(inputs[5].ki.wVk, VK_CONTROL);
  EXPECT_TRUE(inputs[5].ki.dwFlags & KEYEVENTF_KEYUP);
  EXPECT_EQ(inputs[6].ki.wVk, VK_RETURN);
  EXPECT_EQ(inputs[7].ki.wVk, VK_RETURN);
}

TEST(SendKeystrokes, MalformedNotationTypesNothing) { EXPECT_FALSE(SendKeystrokes("abc{NOSUCHKEY}")); }

// The service types into another program's focused window.
TEST(SendKeystrokes, TypesIntoTheFocusedWindowOfAnotherProgram) {
  const char* caption = "Corvana Keystroke Target";
  std::string record = FreshRecordBase();
  {
    StandInSettings settings(record, caption);
    ASSERT_TRUE(StartCommandLine(StandInViewerPath()).started);
  }
  HWND dialog = WaitForDialog(caption);
  ASSERT_TRUE(dialog);
  BringForeignWindowToTop(dialog);
  FocusForeignWindow(dialog);
  EXPECT_TRUE(SendKeystrokes("ab{BS}c+d{x 3}(){(}{)}{+}\xFC{ENTER}"));
  auto typed = WaitForTyped(record);
  if (!typed) CloseStandIn(dialog);
  ASSERT_TRUE(typed);
  EXPECT_TRUE(typed->enter);
  EXPECT_EQ(typed->text, "acDxxx()+\xFC");
}

}  // namespace
