// What VNCCorvana.exe carries: every picture the windows load by id at the size they ask for,
// the clips, the string table and the version record Explorer shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win/handles.h"
#include "resources/bitmap_ids.h"
#include "resources/clip_ids.h"
#include "resources/icon_ids.h"
#include "resources/string_ids.h"

namespace {

HMODULE Self() { return GetModuleHandleA(nullptr); }

// The size of the icon image that LoadImage picks for the asked size; 0 when it has none so big.
int LoadedIconSize(int id, int size) {
  HICON icon = static_cast<HICON>(LoadImageA(Self(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
  if (!icon) return -1;
  ICONINFO info{};
  int width = 0;
  if (GetIconInfo(icon, &info)) {
    BITMAP bm{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    width = bm.bmWidth;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  DestroyIcon(icon);
  return width;
}

// Every size an icon group holds, read from the group directory itself.
std::vector<int> IconGroupSizes(int id) {
  std::vector<int> sizes;
  HRSRC info = FindResourceA(Self(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
  if (!info) return sizes;
  const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(Self(), info)));
  const WORD count = *reinterpret_cast<const WORD*>(dir + 4);
  for (WORD i = 0; i < count; ++i) sizes.push_back(dir[6 + 14 * i] ? dir[6 + 14 * i] : 256);
  return sizes;
}

TEST(ProgramResources, EveryIconHoldsTheSizesItIsLoadedAt) {
  struct Case {
    int id;
    std::vector<int> sizes;
  };
  const std::vector<int> both{16, 32}, small{16}, large{32};
  std::vector<Case> cases = {
      {IDI_PROGRAM, both},      {IDI_LIST_FOLDER, both},  {IDI_LIST_CONNECTION, both}, {IDI_LIST_PCAW, both},
      {IDI_TREE_CLOSE, small},  {IDI_TREE_OPEN, small},   {IDI_HEADER_ASC, small},     {IDI_HEADER_DES, small},
  };
  for (int i = 0; i < PASSWORD_PICTURE_COUNT; ++i) cases.push_back({IDI_PASSWORD_1 + i, large});
  for (int id = IDI_TOOLBAR_NEW; id <= IDI_TOOLBAR_INFO; ++id) {
    cases.push_back({id, both});
    cases.push_back({id + IDI_TOOLBAR_DISABLED_OFFSET, both});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE("icon " + std::to_string(c.id));
    std::vector<int> held = IconGroupSizes(c.id);
    std::sort(held.begin(), held.end());
    EXPECT_EQ(held, c.sizes);
    for (int size : c.sizes) EXPECT_EQ(LoadedIconSize(c.id, size), size);
  }
}

// The visible pixels of an icon at a size, as 0x00RRGGBB.
std::vector<DWORD> VisiblePixels(int id, int size) {
  std::vector<DWORD> visible;
  HICON icon = static_cast<HICON>(LoadImageA(Self(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
  if (!icon) return visible;
  ICONINFO info{};
  if (GetIconInfo(icon, &info)) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB};
    std::vector<DWORD> color(size * size), mask(size * size);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor, 0, size, color.data(), &bi, DIB_RGB_COLORS);
    GetDIBits(dc, info.hbmMask, 0, size, mask.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    const bool alpha = std::any_of(color.begin(), color.end(), [](DWORD p) { return (p >> 24) != 0; });
    for (size_t i = 0; i < color.size(); ++i)
      if (alpha ? (color[i] >> 24) > 0x80 : (mask[i] & 0xFFFFFF) == 0) visible.push_back(color[i] & 0xFFFFFF);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  DestroyIcon(icon);
  return visible;
}

bool IsGrey(DWORD rgb) {
  const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return std::max({r, g, b}) - std::min({r, g, b}) <= 8;
}

TEST(ProgramResources, DisabledToolbarPicturesAreGreyedCopies) {
  for (int id = IDI_TOOLBAR_NEW; id <= IDI_TOOLBAR_INFO; ++id) {
    for (int size : {16, 32}) {
      SCOPED_TRACE("toolbar icon " + std::to_string(id) + " at " + std::to_string(size));
      const std::vector<DWORD> enabled = VisiblePixels(id, size);
      const std::vector<DWORD> disabled = VisiblePixels(id + IDI_TOOLBAR_DISABLED_OFFSET, size);
      ASSERT_FALSE(enabled.empty());
      // The embossed outline of the picture, without its colours.
      EXPECT_FALSE(disabled.empty());
      EXPECT_NE(disabled, enabled);
      EXPECT_TRUE(std::all_of(disabled.begin(), disabled.end(), IsGrey));
    }
  }
}

struct BitmapFacts {
  int width = 0, height = 0, bits = 0;
};

BitmapFacts BitmapHeader(int id) {
  BitmapFacts f;
  HRSRC info = FindResourceA(Self(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
  if (!info) return f;
  const auto* h = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Self(), info)));
  f.width = h->biWidth;
  f.height = h->biHeight;
  f.bits = h->biBitCount;
  return f;
}

TEST(ProgramResources, BitmapsHaveTheirSizes) {
  struct Case {
    int id, width, height;
  };
  const Case cases[] = {{IDB_SPLASH, 405, 252},    {IDB_FOLDER_INFO, 127, 56}, {IDB_MENU_FOLDER, 16, 16},
                        {IDB_MENU_VNC, 16, 16},    {IDB_MENU_PCAW, 16, 16},    {IDB_MENU_PLUGIN, 16, 16}};
  for (const Case& c : cases) {
    SCOPED_TRACE("bitmap " + std::to_string(c.id));
    const BitmapFacts f = BitmapHeader(c.id);
    EXPECT_EQ(f.width, c.width);
    EXPECT_EQ(f.height, c.height);
    corvana::GdiObject loaded(LoadImageA(Self(), MAKEINTRESOURCEA(c.id), IMAGE_BITMAP, 0, 0, 0));
    EXPECT_TRUE(loaded);
  }
  EXPECT_EQ(BitmapHeader(IDB_SPLASH).bits, 24);
  const BitmapFacts background = BitmapHeader(IDB_LIST_BACKGROUND);
  EXPECT_GT(background.width, 0);
  EXPECT_GT(background.height, 0);
}

// The menu draws pure white as transparent: a picture's border must be white, and a picture must
// still show something that is not.
TEST(ProgramResources, MenuPicturesStandOnWhite) {
  for (int id : {IDB_MENU_FOLDER, IDB_MENU_VNC, IDB_MENU_PCAW, IDB_MENU_PLUGIN}) {
    SCOPED_TRACE("bitmap " + std::to_string(id));
    corvana::GdiObject bitmap(LoadImageA(Self(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_TRUE(bitmap);
    corvana::MemoryDc dc(CreateCompatibleDC(nullptr));
    corvana::SelectedObject selected(dc.get(), bitmap.get());
    for (auto [x, y] : {std::pair{0, 0}, {15, 0}, {0, 15}, {15, 15}}) {
      EXPECT_EQ(GetPixel(dc.get(), x, y), RGB(255, 255, 255)) << x << "," << y;
    }
    int shown = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) shown += GetPixel(dc.get(), x, y) != RGB(255, 255, 255);
    }
    EXPECT_GT(shown, 40);
  }
}

TEST(ProgramResources, HoldsBothClipsAndTheStringTable) {
  for (int id : {IDR_AVI_COPY, IDR_AVI_DELETE}) {
    EXPECT_NE(FindResourceA(Self(), MAKEINTRESOURCEA(id), CORVANA_AVI_TYPE), nullptr) << id;
  }
  char text[64] = {};
  ASSERT_GT(LoadStringA(Self(), IDS_CANCEL, text, sizeof text), 0);
  EXPECT_STREQ(text, "&Abbrechen");
}

std::string VersionString(const std::vector<char>& block, const char* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\040704E4\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), &value, &length) || length == 0) return {};
  return std::string(static_cast<const char*>(value));
}

TEST(ProgramResources, VersionRecordNamesProductCompanyAndVersion) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(self, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(self, 0, size, block.data()));
  EXPECT_EQ(VersionString(block, "CompanyName"), "Ostrel Kassenwerk GmbH");
  EXPECT_EQ(VersionString(block, "ProductName"), "VNC Corvana");
  EXPECT_EQ(VersionString(block, "FileVersion"), "1.1.2");
  EXPECT_EQ(VersionString(block, "ProductVersion"), "1.1.2");
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010001u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00020000u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010001u);
}

}  // namespace
