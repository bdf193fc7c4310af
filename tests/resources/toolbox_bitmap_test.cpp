// The toolbox picture a control library registers (IDB_TOOLBOX): the toolbox's 16 x 15.
#include <windows.h>

#include <gtest/gtest.h>

#include "win/handles.h"
#include "resources/bitmap_ids.h"

namespace {

TEST(ToolboxBitmap, IsSixteenByFifteen) {
  corvana::GdiObject bitmap(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TOOLBOX), IMAGE_BITMAP, 0, 0, 0));
  ASSERT_TRUE(bitmap);
  BITMAP bm{};
  ASSERT_TRUE(GetObjectA(bitmap.get(), sizeof bm, &bm));
  EXPECT_EQ(bm.bmWidth, 16);
  EXPECT_EQ(bm.bmHeight, 15);
}

}  // namespace
