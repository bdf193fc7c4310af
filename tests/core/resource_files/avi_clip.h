#pragma once
// An independent reader of the clips' AVI files: the chunks the animation control walks, and a
// strict RLE8 decoder, so a clip that only a lenient player would accept fails here.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvana::test {

struct AviClip {
  uint32_t microseconds_per_frame = 0;
  uint32_t total_frames = 0;
  std::string handler;  // fccHandler of the video stream
  BITMAPINFOHEADER format{};
  uint32_t palette_entries = 0;
  std::vector<RGBQUAD> palette;
  // Decoded frames: palette indices, top row first, width * height each.
  std::vector<std::vector<uint8_t>> frames;

  COLORREF Pixel(size_t frame, int x, int y) const;
};

// Reads the whole file; on a fault returns false and says what is wrong in error.
bool ReadAviClip(std::string_view bytes, AviClip& clip, std::string& error);

}  // namespace corvana::test
