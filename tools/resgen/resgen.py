#!/usr/bin/env python3
"""Draws the program's binary resources (icons, bitmaps, AVI clips) into a folder.

    resgen.py --list              names of the files it writes, one a line
    resgen.py --out DIR           writes them into DIR
    resgen.py --preview DIR       writes PNG copies (enlarged) and a few clip frames, to look at
"""

import argparse
import os
import sys

# Nothing of the build lands in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import art_clips  # noqa: E402
import art_icons  # noqa: E402
import art_pictures  # noqa: E402
import formats  # noqa: E402
from raster import Canvas, disabled  # noqa: E402


def _icon(*canvases):
    return ("ico", list(canvases))


def _sizes(draw, sizes=(16, 32)):
    return _icon(*[draw(s) for s in sizes])


def pictures():
    """file name -> (kind, content); kinds: ico (list of canvases), bmp, bmp24, avi (frames, us)."""
    out = {
        "program.ico": _icon(art_icons.program_icon(32), art_icons.program_icon(16)),
        "list_folder.ico": _sizes(art_icons.list_folder),
        "list_connection.ico": _sizes(art_icons.list_connection),
        "list_pcaw.ico": _sizes(art_icons.list_pcaw),
        "tree_close.ico": _sizes(art_icons.tree_close, (16,)),
        "tree_open.ico": _sizes(art_icons.tree_open, (16,)),
        "header_asc.ico": _icon(art_icons.header_arrow(16, True)),
        "header_des.ico": _icon(art_icons.header_arrow(16, False)),
        "menu_folder.bmp": ("bmp", art_icons.on_white(art_icons.list_folder(16))),
        "menu_vnc.bmp": ("bmp", art_icons.on_white(art_icons.list_connection(16))),
        "menu_pcaw.bmp": ("bmp", art_icons.on_white(art_icons.list_pcaw(16))),
        "menu_plugin.bmp": ("bmp", art_icons.on_white(art_icons.menu_plugin(16))),
        "splash.bmp": ("bmp24", art_pictures.splash()),
        "folder_info.bmp": ("bmp24", art_pictures.folder_info()),
        "list_background.bmp": ("bmp", art_pictures.list_background()),
        "toolbox_kw_trayicon.bmp": ("bmp", art_icons.toolbox_tray()),
        "toolbox_pinglet.bmp": ("bmp", art_icons.toolbox_pinglet()),
        "copy.avi": ("avi", (art_clips.copy_frames, art_clips.COPY_MICROSECONDS)),
        "delete.avi": ("avi", (art_clips.delete_frames, art_clips.DELETE_MICROSECONDS)),
    }
    for n, draw in enumerate(art_pictures.PASSWORD_PICTURES, start=1):
        out["password_%d.ico" % n] = _icon(draw())
    for key, draw in art_icons.TOOLBAR:
        small, big = draw(16), draw(32)
        out["toolbar_%s.ico" % key] = _icon(small, big)
        out["toolbar_%s_disabled.ico" % key] = _icon(disabled(small), disabled(big))
    return out


# Cheap to list without drawing anything.
def file_names():
    names = ["program.ico", "list_folder.ico", "list_connection.ico", "list_pcaw.ico", "tree_close.ico",
             "tree_open.ico", "header_asc.ico", "header_des.ico", "menu_folder.bmp", "menu_vnc.bmp",
             "menu_pcaw.bmp", "menu_plugin.bmp", "splash.bmp", "folder_info.bmp", "list_background.bmp",
             "toolbox_kw_trayicon.bmp", "toolbox_pinglet.bmp", "copy.avi", "delete.avi"]
    names += ["password_%d.ico" % n for n in range(1, len(art_pictures.PASSWORD_PICTURES) + 1)]
    for key, _ in art_icons.TOOLBAR:
        names += ["toolbar_%s.ico" % key, "toolbar_%s_disabled.ico" % key]
    return names


def encode(kind, content):
    if kind == "ico":
        return formats.ico(content)
    if kind == "bmp":
        return formats.bmp(content)
    if kind == "bmp24":
        return formats.bmp(content, bpp=24)
    if kind == "avi":
        make_frames, microseconds = content
        return formats.avi(make_frames(), microseconds)
    raise ValueError(kind)


def write_file(path, data):
    with open(path + ".tmp", "wb") as f:
        f.write(data)
    os.replace(path + ".tmp", path)


def _sheet(tiles, columns, zoom, gap=4):
    """One picture of many, for looking at them side by side."""
    cell_w = max(t.width for t in tiles) * zoom + gap
    cell_h = max(t.height for t in tiles) * zoom + gap
    rows = (len(tiles) + columns - 1) // columns
    sheet = Canvas(columns * cell_w + gap, rows * cell_h + gap, (128, 128, 128))
    for i, tile in enumerate(tiles):
        x0, y0 = gap + (i % columns) * cell_w, gap + (i // columns) * cell_h
        for y in range(tile.height * zoom):
            for x in range(tile.width * zoom):
                c = tile.get(x // zoom, y // zoom)
                if c is None:
                    c = (200, 200, 255) if (x // 4 + y // 4) % 2 else (255, 255, 255)
                sheet.set(x0 + x, y0 + y, c)
    return sheet


def preview(directory, items):
    os.makedirs(directory, exist_ok=True)
    small, large = [], []
    for name, (kind, content) in sorted(items.items()):
        base = os.path.join(directory, os.path.splitext(name)[0])
        if kind == "ico":
            for canvas in content:
                (small if canvas.width <= 16 else large).append(canvas)
        elif kind in ("bmp", "bmp24"):
            if name == "list_background.bmp":
                tiled = Canvas(content.width * 4, content.height * 3)
                for ty in range(3):
                    for tx in range(4):
                        tiled.blit(content, tx * content.width, ty * content.height)
                write_file(base + ".png", formats.png(tiled, 1, checker=False))
            elif content.width > 64:
                write_file(base + ".png", formats.png(content, 2 if content.width < 300 else 1, checker=False))
            else:
                small.append(content) if content.width <= 16 else large.append(content)
        elif kind == "avi":
            make_frames, _ = content
            frames = make_frames()
            write_file(base + ".png", formats.png(_sheet(frames, 3, 1), 2, checker=False))
    write_file(os.path.join(directory, "small.png"), formats.png(_sheet(small, 10, 6), 1))
    write_file(os.path.join(directory, "large.png"), formats.png(_sheet(large, 8, 4), 1))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--out")
    parser.add_argument("--preview")
    args = parser.parse_args()
    if args.list:
        print("\n".join(file_names()))
        return 0
    items = pictures()
    if sorted(items) != sorted(file_names()):
        raise SystemExit("resgen: the file list and the pictures disagree")
    if args.out:
        os.makedirs(args.out, exist_ok=True)
        for name, (kind, content) in items.items():
            write_file(os.path.join(args.out, name), encode(kind, content))
    if args.preview:
        preview(args.preview, items)
    return 0


if __name__ == "__main__":
    sys.exit(main())
