// The program's German texts reach it only through the string table, so every text with a
// fixed wording must come back from LoadStringA exactly, in the bytes of code page 1252:
// a lost blank, accelerator or umlaut here shows up in every window and message.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "resources/string_ids.h"

namespace {

struct ExpectedString {
    UINT id;
    std::string_view text;
};

constexpr ExpectedString kExpectedStrings[] = {
#include "expected_strings.inc"
};

// Umlauts and blanks are invisible in a plain diff; the bytes make a mismatch readable.
std::string HexBytes(std::string_view text) {
    std::string hex;
    for (unsigned char byte : text) {
        std::array<char, 4> digits{};
        std::snprintf(digits.data(), digits.size(), "%02X ", byte);
        hex += digits.data();
    }
    if (!hex.empty()) {
        hex.pop_back();
    }
    return hex;
}

TEST(StringTable, EveryFixedTextLoadsByteForByte) {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    for (const ExpectedString& expected : kExpectedStrings) {
        std::array<char, 4096> buffer{};
        const int length =
            LoadStringA(module, expected.id, buffer.data(), static_cast<int>(buffer.size()));
        if (length <= 0) {
            ADD_FAILURE() << "id " << expected.id << " is missing from the string table";
            continue;
        }
        const std::string_view actual(buffer.data(), static_cast<size_t>(length));
        if (actual != expected.text) {
            ADD_FAILURE() << "id " << expected.id << "\n  loaded:   \"" << actual << "\" ["
                          << HexBytes(actual) << "]\n  expected: \"" << expected.text << "\" ["
                          << HexBytes(expected.text) << "]";
        }
    }
}

// Texts with no fixed wording that the program still shows: the splash's disclaimer, read as one
// paragraph because its third part brings its own leading blank, and the home-page address the
// About box opens in the browser.
TEST(StringTable, TheDisclaimerAndTheHomePageAreThere) {
    const HINSTANCE module = GetModuleHandleA(nullptr);
    auto text = [&](UINT id) {
        std::array<char, 4096> buffer{};
        const int length = LoadStringA(module, id, buffer.data(), static_cast<int>(buffer.size()));
        return std::string(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
    };
    for (UINT id : {IDS_DISCLAIMER_WARNING, IDS_DISCLAIMER_COPYRIGHT, IDS_DISCLAIMER_COPYRIGHT_END,
                    IDS_DISCLAIMER_LIABILITY, IDS_DISCLAIMER_COPYING})
        EXPECT_FALSE(text(id).empty()) << id;
    EXPECT_EQ(text(IDS_DISCLAIMER_COPYRIGHT_END).substr(0, 1), " ");
    EXPECT_NE(text(IDS_DISCLAIMER_COPYRIGHT).back(), ' ') << "the blank before the third part is its own";
    const std::string home = text(IDS_HOMEPAGE_ADDRESS);
    EXPECT_TRUE(home.rfind("http://", 0) == 0 || home.rfind("https://", 0) == 0) << home;
    EXPECT_EQ(home.find(' '), std::string::npos) << home;
}

}  // namespace
