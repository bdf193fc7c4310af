#include "avi_clip.h"

#include <cstring>

namespace corvana::test {
namespace {

uint32_t U32(std::string_view b, size_t at) {
  uint32_t v = 0;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

struct Chunk {
  std::string_view id;
  std::string_view data;      // for a LIST: after its type code
  std::string_view list_type; // empty unless a LIST
  size_t offset = 0;          // of the chunk header, from the start of the walked region
};

// The chunks of a region; false when a size runs past the region's end.
bool Walk(std::string_view region, std::vector<Chunk>& out, std::string& error) {
  size_t at = 0;
  while (at < region.size()) {
    if (region.size() - at < 8) {
      error = "a chunk header is cut off";
      return false;
    }
    Chunk c;
    c.offset = at;
    c.id = region.substr(at, 4);
    const uint32_t size = U32(region, at + 4);
    if (size > region.size() - at - 8) {
      error = "chunk " + std::string(c.id) + " runs past its parent";
      return false;
    }
    c.data = region.substr(at + 8, size);
    if (c.id == "LIST") {
      if (size < 4) {
        error = "a LIST has no type";
        return false;
      }
      c.list_type = c.data.substr(0, 4);
      c.data = c.data.substr(4);
    }
    out.push_back(c);
    at += 8 + size + (size & 1);
  }
  return true;
}

const Chunk* Find(const std::vector<Chunk>& chunks, std::string_view id, std::string_view list_type = {}) {
  for (const Chunk& c : chunks) {
    if (c.id == id && (list_type.empty() || c.list_type == list_type)) return &c;
  }
  return nullptr;
}

// Every line coded out to the full width and ended, the last one by end-of-picture: frames that
// stand on their own, whatever the previous frame left behind.
bool DecodeRle8(std::string_view in, int width, int height, std::vector<uint8_t>& out, std::string& error) {
  out.assign(static_cast<size_t>(width) * height, 0);
  int x = 0, line = 0;  // line 0 is the bottom row
  size_t at = 0;
  auto put = [&](uint8_t v) {
    if (x >= width || line >= height) return false;
    out[static_cast<size_t>(height - 1 - line) * width + x++] = v;
    return true;
  };
  while (at + 1 < in.size()) {
    const uint8_t count = static_cast<uint8_t>(in[at]), value = static_cast<uint8_t>(in[at + 1]);
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) {
        if (!put(value)) {
          error = "a run passes the end of line " + std::to_string(line);
          return false;
        }
      }
    } else if (value == 0 || value == 1) {
      if (x != width) {
        error = "line " + std::to_string(line) + " ends after " + std::to_string(x) + " pixels";
        return false;
      }
      ++line;
      x = 0;
      if (value == 1) {
        if (line != height || at != in.size()) {
          error = "end of picture after " + std::to_string(line) + " lines";
          return false;
        }
        return true;
      }
    } else if (value == 2) {
      error = "a delta: the frame is not complete on its own";
      return false;
    } else {
      if (at + value > in.size()) {
        error = "an absolute run is cut off";
        return false;
      }
      for (int i = 0; i < value; ++i) {
        if (!put(static_cast<uint8_t>(in[at + i]))) {
          error = "an absolute run passes the end of line " + std::to_string(line);
          return false;
        }
      }
      at += value + (value & 1);
    }
  }
  error = "no end of picture";
  return false;
}

}  // namespace

COLORREF AviClip::Pixel(size_t frame, int x, int y) const {
  const RGBQUAD q = palette[frames[frame][static_cast<size_t>(y) * format.biWidth + x]];
  return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

bool ReadAviClip(std::string_view bytes, AviClip& clip, std::string& error) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "AVI ") {
    error = "not a RIFF AVI file";
    return false;
  }
  if (U32(bytes, 4) != bytes.size() - 8) {
    error = "the RIFF size is not the file's";
    return false;
  }
  const size_t body_at = 12;
  std::vector<Chunk> top;
  if (!Walk(bytes.substr(body_at), top, error)) return false;
  const Chunk* hdrl = Find(top, "LIST", "hdrl");
  const Chunk* movi = Find(top, "LIST", "movi");
  const Chunk* idx1 = Find(top, "idx1");
  if (!hdrl || !movi || !idx1) {
    error = "hdrl, movi or idx1 missing";
    return false;
  }

  std::vector<Chunk> header;
  if (!Walk(hdrl->data, header, error)) return false;
  const Chunk* avih = Find(header, "avih");
  const Chunk* strl = Find(header, "LIST", "strl");
  if (!avih || avih->data.size() != 56 || !strl) {
    error = "avih or strl missing";
    return false;
  }
  clip.microseconds_per_frame = U32(avih->data, 0);
  clip.total_frames = U32(avih->data, 16);
  if (U32(avih->data, 24) != 1) {
    error = "the clip must have exactly one stream";
    return false;
  }

  std::vector<Chunk> stream;
  if (!Walk(strl->data, stream, error)) return false;
  const Chunk* strh = Find(stream, "strh");
  const Chunk* strf = Find(stream, "strf");
  if (!strh || strh->data.size() < 48 || !strf || strf->data.size() < sizeof(BITMAPINFOHEADER)) {
    error = "strh or strf missing";
    return false;
  }
  if (strh->data.substr(0, 4) != "vids") {
    error = "the stream is not video";
    return false;
  }
  clip.handler = std::string(strh->data.substr(4, 4));
  if (U32(strh->data, 32) != clip.total_frames) {
    error = "stream length and frame count differ";
    return false;
  }
  std::memcpy(&clip.format, strf->data.data(), sizeof clip.format);
  clip.palette_entries = (strf->data.size() - clip.format.biSize) / sizeof(RGBQUAD);
  clip.palette.resize(clip.palette_entries);
  std::memcpy(clip.palette.data(), strf->data.data() + clip.format.biSize, clip.palette_entries * sizeof(RGBQUAD));

  std::vector<Chunk> movie;
  if (!Walk(movi->data, movie, error)) return false;
  if (movie.size() != clip.total_frames) {
    error = "movi holds " + std::to_string(movie.size()) + " chunks for " + std::to_string(clip.total_frames) + " frames";
    return false;
  }
  // idx1 offsets count from the 'movi' type code, four bytes before its first chunk.
  const size_t movi_data_from_type = 4;
  const uint32_t keyframe = 0x10;
  if (idx1->data.size() != 16u * clip.total_frames) {
    error = "idx1 does not list every frame once";
    return false;
  }
  for (uint32_t i = 0; i < clip.total_frames; ++i) {
    const Chunk& frame = movie[i];
    if (frame.id != "00dc") {
      error = "frame " + std::to_string(i) + " is a " + std::string(frame.id) + " chunk";
      return false;
    }
    std::string_view entry = idx1->data.substr(16u * i, 16);
    if (entry.substr(0, 4) != "00dc" || !(U32(entry, 4) & keyframe) ||
        U32(entry, 8) != movi_data_from_type + frame.offset || U32(entry, 12) != frame.data.size()) {
      error = "idx1 entry " + std::to_string(i) + " does not point at its frame";
      return false;
    }
    std::vector<uint8_t> pixels;
    if (!DecodeRle8(frame.data, clip.format.biWidth, clip.format.biHeight, pixels, error)) {
      error = "frame " + std::to_string(i) + ": " + error;
      return false;
    }
    for (uint8_t v : pixels) {
      if (v >= clip.palette_entries) {
        error = "frame " + std::to_string(i) + " uses a colour beyond the palette";
        return false;
      }
    }
    clip.frames.push_back(std::move(pixels));
  }
  return true;
}

}  // namespace corvana::test
