"""The small pictures: program icon, list, tree, header and toolbar images, menu pictures and the
toolbox bitmaps. Each is drawn on a 16-unit grid and comes out at 16 or 32 pixels."""

import math

from raster import (BLACK, BLUE, CYAN, DARK_GREY, DEEP_BLUE, FOLDER, FOLDER_DARK, FOLDER_EDGE, GREEN,
                    GREY, LIME, MAROON, NAVY, OLIVE, PAPER, RED, TEAL, WHITE, YELLOW, Canvas, Shape, ellipse,
                    line_u, paint, polygon, rect, stroke)


def _canvas(size):
    return Canvas(size, size)


# --- building blocks ---------------------------------------------------------------------------

def folder_closed(c, du=0.0, dv=0.0):
    tab = polygon([(1, 3), (6, 3), (7, 4.5), (1, 4.5)]).moved(du, dv)
    paint(c, tab, FOLDER_DARK, outline=FOLDER_EDGE)
    body = rect(1, 4, 15, 14).moved(du, dv)
    paint(c, body, FOLDER, outline=FOLDER_EDGE)
    # a light edge inside the top and left of the body
    line_u(c, 2 + du, 5 + dv, 13.6 + du, 5 + dv, (255, 248, 200))
    line_u(c, 2 + du, 5 + dv, 2 + du, 12.6 + dv, (255, 248, 200))


def folder_open(c):
    back = polygon([(1, 3), (6, 3), (7, 4.5), (13, 4.5), (13, 14), (1, 14)])
    paint(c, back, FOLDER_DARK, outline=FOLDER_EDGE)
    paint(c, rect(3, 5.5, 12, 8), PAPER, outline=DARK_GREY)
    folder_open_front(c)


def folder_open_front(c):
    """The front flap alone: what lies in the folder is drawn before it."""
    front = polygon([(3.5, 7.5), (15.8, 7.5), (13.2, 14), (1, 14)])
    paint(c, front, FOLDER, outline=FOLDER_EDGE)


def monitor(c, screen, du=0.0, dv=0.0, width=12.0, height=9.0):
    """A grey monitor on a small foot; screen is the colour (or painter) of its glass."""
    u0, v0 = 1 + du, 1 + dv
    case = rect(u0, v0, u0 + width, v0 + height)
    paint(c, case, GREY, outline=BLACK)
    glass = rect(u0 + 1.5, v0 + 1.5, u0 + width - 1.5, v0 + height - 2)
    paint(c, glass, screen, outline=DARK_GREY)
    neck = rect(u0 + width / 2 - 1.5, v0 + height, u0 + width / 2 + 1.5, v0 + height + 1.5)
    paint(c, neck, DARK_GREY)
    foot = rect(u0 + width / 2 - 4, v0 + height + 1.5, u0 + width / 2 + 4, v0 + height + 3)
    paint(c, foot, GREY, outline=BLACK)


def page(c, u0=3.0, v0=1.0, u1=13.0, v1=15.0, fill=WHITE, lines=True):
    fold = 3.0
    body = polygon([(u0, v0), (u1 - fold, v0), (u1, v0 + fold), (u1, v1), (u0, v1)])
    paint(c, body, fill, outline=BLACK)
    corner = polygon([(u1 - fold, v0), (u1 - fold, v0 + fold), (u1, v0 + fold)])
    paint(c, corner, GREY, outline=BLACK)
    if lines:
        v = v0 + fold + 2
        while v < v1 - 1.5:
            line_u(c, u0 + 2, v, u1 - 2.1, v, DARK_GREY)
            v += 2


def screen_gradient(top, bottom, v0, v1):
    def colour(u, v):
        t = max(0.0, min(1.0, (v - v0) / (v1 - v0)))
        return tuple(int(round(top[i] + (bottom[i] - top[i]) * t)) for i in range(3))
    return colour


# --- list and tree images ----------------------------------------------------------------------

def list_folder(size):
    c = _canvas(size)
    folder_closed(c, dv=0.5)
    return c


def list_connection(size):
    c = _canvas(size)
    monitor(c, screen_gradient((0, 64, 160), (0, 128, 192), 2.5, 8), du=0.5)
    # the remote desktop on the screen: a little window
    paint(c, rect(4, 4, 9.5, 7.5), WHITE, outline=NAVY)
    paint(c, rect(4, 4, 9.5, 5), NAVY)
    # the remote mouse pointer over it
    paint(c, polygon([(8.6, 5.6), (8.6, 9.6), (9.6, 8.7), (10.6, 9.6), (11.4, 9.2), (10.4, 8.2), (11.6, 7.8)]),
          WHITE, outline=BLACK)
    return c


def list_pcaw(size):
    c = _canvas(size)
    monitor(c, screen_gradient((0, 96, 0), (0, 160, 64), 2.5, 8), du=0.5)
    # a telephone handset beside the screen: the modem road of pcAnywhere
    handset = (stroke(10.5, 10.8, 14.5, 10.8, 1.6) | ellipse(10.5, 12.2, 1.3, 1.6) | ellipse(14.5, 12.2, 1.3, 1.6))
    paint(c, handset, RED, outline=MAROON)
    line_u(c, 4, 4.5, 9.5, 4.5, LIME)
    line_u(c, 4, 6, 8, 6, LIME)
    return c


def tree_close(size):
    c = _canvas(size)
    folder_closed(c, dv=0.5)
    return c


def tree_open(size):
    c = _canvas(size)
    folder_open(c)
    return c


def header_arrow(size, up):
    """The sort mark of a column header: a small grey triangle with a 3D edge."""
    c = _canvas(size)
    s = size // 16
    cx, top, bottom = 8 * s, 5 * s, 10 * s
    half = 4 * s
    for row in range(bottom - top + 1):
        t = row / (bottom - top)
        y = top + row if up else bottom - row
        w = int(round(half * t))
        for x in range(cx - w, cx + w):
            c.set(x, y, GREY)
    # edges: light on the lit side, dark on the shaded side, as the header draws it
    if up:
        c.line(cx - 1, top, cx - half, bottom, DARK_GREY)
        c.line(cx, top, cx + half - 1, bottom, WHITE)
        c.line(cx - half, bottom, cx + half - 1, bottom, WHITE)
    else:
        c.line(cx - half, top, cx + half - 1, top, DARK_GREY)
        c.line(cx - half, top, cx - 1, bottom, DARK_GREY)
        c.line(cx, bottom, cx + half - 1, top, WHITE)
    return c


# --- toolbar ----------------------------------------------------------------------------------

def tool_new(size):
    c = _canvas(size)
    page(c, 4, 2, 14, 15)
    # a sparkle at the page's corner: one-pixel rays stay crisp at either size
    spark = (255, 176, 0)
    for (u0, v0, u1, v1) in ((3.5, 0.5, 3.5, 6.5), (0.5, 3.5, 6.5, 3.5), (1.5, 1.5, 5.5, 5.5), (5.5, 1.5, 1.5, 5.5)):
        line_u(c, u0, v0, u1, v1, spark)
    line_u(c, 3.5, 2.5, 3.5, 4.5, YELLOW)
    line_u(c, 2.5, 3.5, 4.5, 3.5, YELLOW)
    return c


def tool_delete(size):
    c = _canvas(size)
    cross = stroke(3.5, 3.5, 12.5, 12.5, 3.2) | stroke(12.5, 3.5, 3.5, 12.5, 3.2)
    paint(c, cross, RED, outline=MAROON)
    return c


def tool_edit(size):
    c = _canvas(size)
    page(c, 2, 1, 11, 14)
    pencil = polygon([(14.5, 4.5), (15.5, 5.5), (8.5, 12.5), (6, 14), (7.5, 11.5)])
    paint(c, pencil, YELLOW, outline=OLIVE)
    tip = polygon([(7.2, 11.9), (8.1, 12.8), (6, 14)])
    paint(c, tip, BLACK)
    return c


# At 16 pixels a gear only reads when drawn pixel by pixel.
GEAR_16 = [
    "................",
    "......####......",
    "..##..#ww#..##..",
    "..#w###wo###o#..",
    "..##wwoooooo##..",
    "...#wooddooo#...",
    ".###wod..#od###.",
    ".#wwod....#oood.",
    ".#wood....#oodd.",
    ".###od#..#oo###.",
    "...#ooo##ood#...",
    "..##oooooodd##..",
    "..#o###od###d#..",
    "..##..#dd#..##..",
    "......####......",
    "................",
]


def pixmap(c, rows, legend):
    for y, row in enumerate(rows):
        assert len(row) == c.width, row
        for x, key in enumerate(row):
            if legend.get(key) is not None:
                c.set(x, y, legend[key])


def tool_options(size):
    c = _canvas(size)
    if size == 16:
        pixmap(c, GEAR_16, {"#": BLACK, "o": GREY, "w": WHITE, "d": DARK_GREY})
        return c
    teeth = 8

    def gear(u, v):
        du, dv = u - 8, v - 8
        r = math.hypot(du, dv)
        a = math.atan2(dv, du)
        tooth = (math.cos(a * teeth) > 0.2)
        return r <= (6.6 if tooth else 5.2)

    shape = Shape(gear, (1, 1, 15, 15)) - ellipse(8, 8, 2.1, 2.1)
    paint(c, shape, GREY, outline=BLACK)
    paint(c, ellipse(8, 8, 3.6, 3.6) - ellipse(8, 8, 2.1, 2.1), (160, 160, 160))
    return c


def _mini_icon(c, u, v, w, h):
    paint(c, rect(u, v, u + w, v + h), (64, 128, 224), outline=NAVY)


def tool_list(size):
    c = _canvas(size)
    for col in (1, 8.5):
        for row in range(4):
            v = 1.5 + row * 3.5
            _mini_icon(c, col, v, 2.5, 2.5)
            line_u(c, col + 3.5, v + 1.2, col + 6, v + 1.2, BLACK)
    return c


def tool_largeicons(size):
    c = _canvas(size)
    for (u, v) in ((1.5, 1), (9, 1), (1.5, 8.5), (9, 8.5)):
        _mini_icon(c, u, v, 5.5, 4.5)
        line_u(c, u + 0.5, v + 5.8, u + 5, v + 5.8, BLACK)
    return c


def tool_smallicons(size):
    c = _canvas(size)
    for row in range(3):
        for col in (1, 8.5):
            v = 2 + row * 4.5
            _mini_icon(c, col, v, 2.5, 2.5)
            line_u(c, col + 3.5, v + 1.2, col + 6, v + 1.2, BLACK)
    return c


def tool_details(size):
    c = _canvas(size)
    paint(c, rect(1, 1, 15, 3.5), GREY, light=WHITE, dark=DARK_GREY)
    for row in range(4):
        v = 4.5 + row * 2.8
        _mini_icon(c, 1, v, 2.2, 2.2)
        line_u(c, 4.5, v + 1.1, 9, v + 1.1, BLACK)
        line_u(c, 10.5, v + 1.1, 14.5, v + 1.1, DARK_GREY)
    return c


def tool_import(size):
    c = _canvas(size)
    folder_closed(c, dv=1.0)
    arrow = polygon([(9, 1), (13, 1), (13, 5), (15, 5), (11, 9.5), (7, 5), (9, 5)])
    paint(c, arrow, LIME, outline=GREEN)
    return c


def tool_info(size):
    c = _canvas(size)
    paint(c, ellipse(8, 8, 7, 7), BLUE, outline=NAVY)
    paint(c, ellipse(8, 4.6, 1.2, 1.2), WHITE)
    paint(c, rect(6.6, 6.8, 9.4, 12.5), WHITE)
    paint(c, rect(5.8, 11.2, 10.2, 12.8), WHITE)
    paint(c, rect(5.8, 6.8, 7.5, 8), WHITE)
    return c


TOOLBAR = [
    ("new", tool_new),
    ("delete", tool_delete),
    ("edit", tool_edit),
    ("options", tool_options),
    ("list", tool_list),
    ("largeicons", tool_largeicons),
    ("smallicons", tool_smallicons),
    ("details", tool_details),
    ("import", tool_import),
    ("info", tool_info),
]


# --- program icon -----------------------------------------------------------------------------

def program_icon(size):
    c = _canvas(size)
    # the back monitor: the remote computer
    monitor(c, screen_gradient((0, 96, 96), (0, 160, 160), 2, 6), du=4.0, dv=0.0, width=11.0, height=7.5)
    # the front monitor: this one, with a window on its desktop
    monitor(c, screen_gradient(DEEP_BLUE, (58, 110, 165), 7, 12.5), du=-0.5, dv=4.5, width=10.0, height=8.0)
    paint(c, rect(2.5, 7.5, 7.5, 10.5), WHITE, outline=NAVY)
    paint(c, rect(2.5, 7.5, 7.5, 8.5), NAVY)
    # the link between them
    paint(c, stroke(10.8, 10.0, 13.2, 10.0, 1.4), YELLOW, outline=OLIVE)
    paint(c, stroke(13.2, 10.0, 13.2, 8.6, 1.4), YELLOW, outline=OLIVE)
    return c


# --- menu pictures (white is transparent there) -------------------------------------------------

def menu_plugin(size):
    """A puzzle piece."""
    c = _canvas(size)
    piece = (rect(2, 4, 12, 14) | ellipse(7, 3.6, 1.9, 1.9) | ellipse(12.4, 9, 1.9, 1.9)) - ellipse(2, 9, 1.7, 1.7)
    paint(c, piece, (64, 176, 64), outline=GREEN)
    return c


def on_white(canvas):
    """Menu pictures are drawn with white as their mask colour: pure white inside the picture
    would vanish, so it is nudged off white and the empty background becomes white."""
    out = canvas.copy()
    out.pixels = [WHITE if p is None else ((247, 247, 247) if p == WHITE else p) for p in out.pixels]
    return out


# --- toolbox bitmaps (16 x 15 on the toolbox button's grey) -------------------------------------

def toolbox_tray():
    c = Canvas(16, 15, GREY)
    # the notification area of the taskbar: a sunken strip with an icon and the clock
    c.fill_rect(0, 3, 15, 11, GREY)
    c.line(0, 3, 15, 3, DARK_GREY)
    c.line(0, 3, 0, 11, DARK_GREY)
    c.line(0, 11, 15, 11, WHITE)
    c.line(15, 3, 15, 11, WHITE)
    # a token of the program's icon: blue screen, yellow link
    c.fill_rect(2, 5, 7, 9, NAVY)
    c.fill_rect(3, 6, 6, 7, (58, 110, 165))
    c.set(7, 9, YELLOW)
    for x in (9, 10, 12, 13):
        c.line(x, 6, x, 8, BLACK)
    c.set(11, 6, BLACK)
    c.set(11, 8, BLACK)
    return c


def toolbox_pinglet():
    c = Canvas(16, 15, GREY)
    # two small computers with the probe's signal between them
    for x0 in (0, 10):
        c.fill_rect(x0, 2, x0 + 5, 7, BLACK)
        c.fill_rect(x0 + 1, 3, x0 + 4, 6, TEAL)
        c.fill_rect(x0 + 1, 8, x0 + 4, 9, DARK_GREY)
        c.line(x0, 10, x0 + 5, 10, BLACK)
    for x in (6, 8):
        c.set(x, 5, RED)
    c.line(2, 12, 13, 12, BLACK)
    c.line(2, 11, 2, 12, BLACK)
    c.line(13, 11, 13, 12, BLACK)
    c.set(7, 12, CYAN)
    c.set(8, 12, CYAN)
    return c
