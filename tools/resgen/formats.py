"""Writers for the Windows file formats of the resources: BMP, ICO and RLE8 AVI (and PNG, only
for looking at the pictures on the build host)."""

import struct
import zlib

BI_RGB = 0
BI_RLE8 = 1


def _palette_for(colours):
    """Smallest Windows bit depth that holds the colours, and its colour table."""
    if len(colours) <= 2:
        return 1, colours
    if len(colours) <= 16:
        return 4, colours
    if len(colours) <= 256:
        return 8, colours
    return 24, []


def _info_header(width, height, bpp, compression=BI_RGB, image_size=0, colours_used=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, compression, image_size,
                       2835, 2835, colours_used, 0)


def _colour_table(colours, entries):
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)
    return table + b"\0" * (4 * entries - len(table))


def _pixel_rows(canvas, bpp, index, transparent):
    """Bottom-up rows, each padded to four bytes."""
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        line = [canvas.get(x, y) for x in range(canvas.width)]
        line = [transparent if c is None else c for c in line]
        if bpp == 24:
            data = b"".join(struct.pack("<BBB", c[2], c[1], c[0]) for c in line)
        else:
            values = [index[c] for c in line]
            per_byte = 8 // bpp
            data = bytearray()
            for i in range(0, len(values), per_byte):
                byte = 0
                for j in range(per_byte):
                    v = values[i + j] if i + j < len(values) else 0
                    byte |= v << (8 - bpp * (j + 1))
                data.append(byte)
            data = bytes(data)
        rows.append(data + b"\0" * (-len(data) % 4))
    return b"".join(rows)


def bmp(canvas, transparent=(255, 255, 255), min_bpp=1, bpp=None):
    """A .bmp file; transparent pixels become the given colour."""
    colours = sorted({transparent if c is None else c for c in canvas.pixels})
    depth, table = _palette_for(colours)
    depth = bpp or max(depth, min_bpp)
    if depth == 24:
        table = []
    entries = 1 << depth if depth <= 8 else 0
    index = {c: i for i, c in enumerate(table)}
    bits = _pixel_rows(canvas, depth, index, transparent)
    header = _info_header(canvas.width, canvas.height, depth, image_size=len(bits), colours_used=entries)
    palette = _colour_table(table, entries)
    offset = 14 + len(header) + len(palette)
    return struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset) + header + palette + bits


def ico(images):
    """An .ico file holding every canvas as one image; None pixels are transparent."""
    blobs = []
    for canvas in images:
        colours = sorted({(0, 0, 0)} | {c for c in canvas.pixels if c is not None})
        depth, table = _palette_for(colours)
        depth = max(depth, 4)
        entries = 1 << depth if depth <= 8 else 0
        index = {c: i for i, c in enumerate(table)}
        xor = _pixel_rows(canvas, depth, index, (0, 0, 0))
        mask = bytearray()
        for y in range(canvas.height - 1, -1, -1):
            row = bytearray((canvas.width + 7) // 8)
            for x in range(canvas.width):
                if canvas.get(x, y) is None:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row + b"\0" * (-len(row) % 4)
        header = _info_header(canvas.width, canvas.height * 2, depth, image_size=len(xor) + len(mask))
        blobs.append((canvas, depth, entries, header + _colour_table(table, entries) + xor + bytes(mask)))
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for canvas, depth, entries, blob in blobs:
        out += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, entries % 256, 0, 1,
                           depth, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blob for *_, blob in blobs)


def rle8_frame(canvas, index):
    """One complete RLE8 picture: every line coded, ending with end-of-line, the last with
    end-of-picture, so each frame stands on its own."""
    out = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        values = [index[canvas.get(x, y)] for x in range(canvas.width)]
        x = 0
        literal = []

        def flush_literal():
            # Absolute mode needs at least three pixels; shorter stretches go as runs of one.
            if len(literal) >= 3:
                out.extend((0, len(literal)))
                out.extend(literal)
                if len(literal) % 2:
                    out.append(0)
            else:
                for v in literal:
                    out.extend((1, v))
            literal.clear()

        while x < len(values):
            run = 1
            while x + run < len(values) and run < 255 and values[x + run] == values[x]:
                run += 1
            if run >= 3:
                flush_literal()
                out.extend((run, values[x]))
            else:
                literal.extend(values[x:x + run])
                if len(literal) >= 250:
                    flush_literal()
            x += run
        flush_literal()
        out.extend((0, 1) if y == 0 else (0, 0))
    return bytes(out)


def _chunk(fourcc, data):
    return fourcc + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")


def _list(fourcc, data):
    return b"LIST" + struct.pack("<I", len(data) + 4) + fourcc + data


def avi(frames, microseconds_per_frame):
    """An uncompressed-audio-free AVI of 8-bit RLE frames with a 256-entry palette, the kind the
    common animation control plays."""
    width, height = frames[0].width, frames[0].height
    colours = sorted({c for f in frames for c in f.pixels})
    if len(colours) > 256:
        raise ValueError("a clip may use 256 colours at most")
    index = {c: i for i, c in enumerate(colours)}
    coded = [rle8_frame(f, index) for f in frames]
    biggest = max(len(c) for c in coded)
    rate_scale = (1000000, microseconds_per_frame)  # dwRate / dwScale = frames per second
    frames_per_second = 1000000.0 / microseconds_per_frame

    avih = struct.pack("<IIIIIIIIII4I", microseconds_per_frame,
                       int(biggest * frames_per_second + 0.5), 0, 0x10, len(frames), 0, 1, biggest,
                       width, height, 0, 0, 0, 0)
    strh = struct.pack("<4s4sIHHIIIIIIIIhhhh", b"vids", b"RLE ", 0, 0, 0, 0, rate_scale[1], rate_scale[0],
                       0, len(frames), biggest, 0xFFFFFFFF, 0, 0, 0, width, height)
    strf = _info_header(width, height, 8, BI_RLE8, biggest, 256) + _colour_table(colours, 256)
    hdrl = _list(b"hdrl", _chunk(b"avih", avih) + _list(b"strl", _chunk(b"strh", strh) + _chunk(b"strf", strf)))

    movi_data = b""
    index_entries = b""
    for c in coded:
        offset = 4 + len(movi_data)  # from the 'movi' type code
        index_entries += struct.pack("<4sIII", b"00dc", 0x10, offset, len(c))
        movi_data += _chunk(b"00dc", c)
    body = b"AVI " + hdrl + _list(b"movi", movi_data) + _chunk(b"idx1", index_entries)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def png(canvas, zoom=1, checker=True):
    """A PNG for looking at a picture; transparency shows as a chequer board."""
    rows = []
    for y in range(canvas.height * zoom):
        row = bytearray([0])
        for x in range(canvas.width * zoom):
            c = canvas.get(x // zoom, y // zoom)
            if c is None:
                c = (200, 200, 255) if checker and ((x // 4 + y // 4) % 2) else (255, 255, 255)
            row.extend(c)
        rows.append(bytes(row))
    raw = zlib.compress(b"".join(rows), 9)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", canvas.width * zoom, canvas.height * zoom, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", raw) + chunk(b"IEND", b"")
