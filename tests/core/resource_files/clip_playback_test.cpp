// The two clips as the progress windows use them: written to a temporary file, opened by a real
// animation control and played. A clip the control refuses leaves the window without animation.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "avi_clip.h"
#include "core/resource_files.h"
#include "win/handles.h"
#include "resources/clip_ids.h"
#include "scratch_folder.h"

namespace {

using corvana::WindowHandle;
using corvana::test::AviClip;
using corvana::test::ReadAviClip;
using corvana::test::ReadWholeFile;
using corvana::test::ScratchFolder;

struct ClipCase {
  int id;
  uint32_t frames;
  uint32_t microseconds_per_frame;
};

// Copying: 34 frames of 100 ms; deleting: 23 frames of 83.333 ms.
constexpr ClipCase kClips[] = {{IDR_AVI_COPY, 34, 100000}, {IDR_AVI_DELETE, 23, 83333}};

std::string ResourceBytes(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), CORVANA_AVI_TYPE);
  if (!info) return {};
  const void* data = LockResource(LoadResource(module, info));
  return std::string(static_cast<const char*>(data), SizeofResource(module, info));
}

TEST(Clips, AreCompleteRle8AvisAtTheirPace) {
  for (const ClipCase& c : kClips) {
    SCOPED_TRACE("clip " + std::to_string(c.id));
    AviClip clip;
    std::string error;
    ASSERT_TRUE(ReadAviClip(ResourceBytes(c.id), clip, error)) << error;
    EXPECT_EQ(clip.total_frames, c.frames);
    EXPECT_EQ(clip.microseconds_per_frame, c.microseconds_per_frame);
    // The control plays RLE8 itself only when the stream names no other codec.
    EXPECT_EQ(clip.handler, "RLE ");
    EXPECT_EQ(clip.format.biWidth, 272);
    EXPECT_EQ(clip.format.biHeight, 60);
    EXPECT_EQ(clip.format.biBitCount, 8);
    EXPECT_EQ(clip.format.biCompression, static_cast<DWORD>(BI_RLE8));
    EXPECT_EQ(clip.palette_entries, 256u);
    // Something moves: no two neighbouring frames are the same, the last one leading to the first.
    for (size_t i = 0; i < clip.frames.size(); ++i) {
      EXPECT_NE(clip.frames[i], clip.frames[(i + 1) % clip.frames.size()]) << "frames " << i << " and next";
    }
    // A transparent animation control takes the top left pixel of the first frame as the
    // colour to leave out: it must be the background, in every corner of every frame.
    const COLORREF background = clip.Pixel(0, 0, 0);
    for (size_t i = 0; i < clip.frames.size(); ++i) {
      for (auto [x, y] : {std::pair{0, 0}, {271, 0}, {0, 59}, {271, 59}}) {
        EXPECT_EQ(clip.Pixel(i, x, y), background) << "frame " << i << " at " << x << "," << y;
      }
    }
  }
}

// The window that hosts the control, counting the control's start notifications.
struct Host {
  int starts = 0;

  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && HIWORD(wp) == ACN_START) {
      reinterpret_cast<Host*>(GetWindowLongPtrA(wnd, GWLP_USERDATA))->starts++;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
  }
};

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

class ClipPlayback : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_ANIMATE_CLASS};
    ASSERT_TRUE(InitCommonControlsEx(&init));
    WNDCLASSA wc{};
    wc.lpfnWndProc = Host::Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "CorvanaClipHost";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&wc);
    host_.reset(CreateWindowExA(0, wc.lpszClassName, "clip", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr,
                                nullptr, wc.hInstance, nullptr));
    ASSERT_TRUE(host_);
    SetWindowLongPtrA(host_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state_));
    anim_ = CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 272, 60, host_.get(),
                            reinterpret_cast<HMENU>(1), wc.hInstance, nullptr);
    ASSERT_NE(anim_, nullptr);
    UpdateWindow(host_.get());
    PumpMessages();
  }

  WindowHandle host_;
  HWND anim_ = nullptr;  // destroyed with its parent
  Host state_;
};

TEST_F(ClipPlayback, TheControlOpensDrawsAndPlaysEachClip) {
  ScratchFolder scratch;
  corvana::test::TempFolderOverride temp(scratch.path());
  for (const ClipCase& c : kClips) {
    SCOPED_TRACE("clip " + std::to_string(c.id));
    const std::string file = corvana::MakeTempFileName();
    ASSERT_TRUE(corvana::SaveAviResourceToFile(file, c.id));
    AviClip clip;
    std::string error;
    ASSERT_TRUE(ReadAviClip(ReadWholeFile(file), clip, error)) << error;

    ASSERT_NE(SendMessageA(anim_, ACM_OPENA, 0, reinterpret_cast<LPARAM>(file.c_str())), 0);

    // A play of one frame draws that frame at once: what the control shows must be the frame
    // as decoded here, palette and all.
    for (uint32_t frame : {0u, c.frames / 2, c.frames - 1}) {
      SCOPED_TRACE("frame " + std::to_string(frame));
      ASSERT_NE(SendMessageA(anim_, ACM_PLAY, 1, MAKELPARAM(frame, frame)), 0);
      corvana::WindowDc dc(anim_);
      int differing = 0;
      for (int y = 0; y < 60; y += 3) {
        for (int x = 0; x < 272; x += 4) {
          if (GetPixel(dc.get(), x, y) != clip.Pixel(frame, x, y)) ++differing;
        }
      }
      EXPECT_EQ(differing, 0) << "pixels that differ from the decoded frame";
    }

    const int starts_before = state_.starts;
    ASSERT_NE(SendMessageA(anim_, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF)), 0);
    const DWORD deadline = GetTickCount() + 5000;
    while (state_.starts == starts_before && GetTickCount() < deadline) {
      PumpMessages();
      Sleep(10);
    }
    EXPECT_GT(state_.starts, starts_before) << "the control reported no start";
    EXPECT_NE(SendMessageA(anim_, ACM_STOP, 0, 0), 0);

    // Closing the clip frees the file, so the window can delete it when it unloads.
    SendMessageA(anim_, ACM_OPENA, 0, 0);
    EXPECT_TRUE(DeleteFileA(file.c_str()));
  }
}

}  // namespace
