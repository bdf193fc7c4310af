"""The larger pictures: the splash, the folder-info banner, the list's default background and the
password prompt's five pictures."""

import math

import art_icons
import lettering
from raster import (BLACK, DARK_GREY, DEEP_BLUE, FACE, FOLDER_DARK, FOLDER_EDGE, GREY, NAVY, OLIVE, RED, SKY,
                    WHITE, Canvas, antialiased_strokes, ellipse, mix, paint, polygon, rect, stroke)

SPLASH_WIDTH, SPLASH_HEIGHT = 405, 252
BANNER_HEIGHT = 92


def _title_bar(c, height):
    """The top rows in the title-bar gradient of Windows 2000."""
    for x in range(c.width):
        c.fill_rect(x, 0, x, height - 1, mix(DEEP_BLUE, SKY, x / (c.width - 1)))


def _title_letters(c, text, left, top, unit, width, shadow, spacing=1.3):
    """White lettering with a dark shadow down and to the right."""
    strokes, _ = lettering.segments(text, left, top, unit, spacing=spacing)
    antialiased_strokes(c, [(a + shadow, b + shadow, x + shadow, y + shadow) for (a, b, x, y) in strokes],
                        width, (0, 0, 60))
    antialiased_strokes(c, strokes, width, WHITE)


def _raised_frame(c):
    """A thin frame round the whole picture, as a raised panel."""
    w, h = c.width, c.height
    c.line(0, 0, w - 1, 0, WHITE)
    c.line(0, 0, 0, h - 1, WHITE)
    c.line(w - 1, 0, w - 1, h - 1, DARK_GREY)
    c.line(0, h - 1, w - 1, h - 1, DARK_GREY)


def splash():
    c = Canvas(SPLASH_WIDTH, SPLASH_HEIGHT)
    _title_bar(c, BANNER_HEIGHT)
    # the body stays calm for the labels the window writes on it
    for y in range(BANNER_HEIGHT, SPLASH_HEIGHT):
        colour = mix(WHITE, FACE, (y - BANNER_HEIGHT) / (SPLASH_HEIGHT - BANNER_HEIGHT - 1))
        c.fill_rect(0, y, SPLASH_WIDTH - 1, y, colour)
    c.line(0, BANNER_HEIGHT, SPLASH_WIDTH - 1, BANNER_HEIGHT, DARK_GREY)
    c.line(0, BANNER_HEIGHT + 1, SPLASH_WIDTH - 1, BANNER_HEIGHT + 1, WHITE)

    left, top = 22, 24
    _title_letters(c, "VNC Corvana", left, top, 4.4, 3.8, 2)
    company, _ = lettering.segments("Ostrel Kassenwerk GmbH", left + 1, top + 38, 1.75, spacing=1.1)
    antialiased_strokes(c, company, 1.3, (220, 232, 248))

    # the picture at the right of the banner: two computers, linked
    icon = art_icons.program_icon(64)
    for y in range(icon.height):
        for x in range(icon.width):
            p = icon.get(x, y)
            if p is not None:
                c.set(SPLASH_WIDTH - 84 + x, 14 + y, p)

    _raised_frame(c)
    return c


FOLDER_INFO_WIDTH, FOLDER_INFO_HEIGHT = 127, 56


def _folder_with_monitor(size):
    """An open folder holding a monitor whose screen shows a remote window."""
    c = Canvas(size, size)
    back = polygon([(1, 3), (6, 3), (7, 4.5), (13, 4.5), (13, 14), (1, 14)])
    paint(c, back, FOLDER_DARK, outline=FOLDER_EDGE)
    art_icons.monitor(c, art_icons.screen_gradient((0, 64, 160), (0, 128, 192), 2, 6.5),
                      du=1.5, dv=0.2, width=10.0, height=7.5)
    paint(c, rect(4.5, 3.2, 8.8, 5.6), WHITE, outline=NAVY)
    paint(c, rect(4.5, 3.2, 8.8, 4.0), NAVY)
    art_icons.folder_open_front(c)
    return c


def folder_info():
    """The banner at the top left of the folder-info panel: the splash's title bar in small."""
    c = Canvas(FOLDER_INFO_WIDTH, FOLDER_INFO_HEIGHT)
    _title_bar(c, c.height)
    c.blit(_folder_with_monitor(48), 3, 4)
    _title_letters(c, "VNC", 57, 10, 2.6, 2.2, 1)
    _title_letters(c, "Corvana", 57, 32, 2.0, 1.6, 1, spacing=1.1)
    _raised_frame(c)
    return c


def list_background():
    """Tiled behind the connection list, so it must be faint and seamless: a pale weave."""
    size = 64
    c = Canvas(size, size, WHITE)
    faint = (241, 244, 250)
    fainter = (247, 249, 252)
    for i in range(size):
        c.set(i, i, faint)
        c.set(i, (i + size // 2) % size, fainter)
        c.set((size - 1 - i), i, fainter)
    for i in range(0, size, 8):
        c.set(i, 0, faint)
    return c


# --- the password prompt: five pictures, one chosen at random on each key -----------------------

PASSWORD_SIZE = 32


def _padlock(c, shackle_open):
    body = rect(3, 7, 13, 15)
    lift = 1.5 if shackle_open else 0.0
    shackle = (ellipse(8, 6 - lift, 4, 4.5) - ellipse(8, 6 - lift, 2.4, 3.0)) & rect(0, 0, 16, 7.2 - lift)
    legs = rect(4, 5.8 - lift, 5.6, 7.5 - lift) | rect(10.4, 5.8 - (3 if shackle_open else 0), 12, 7.5)
    paint(c, shackle | legs, GREY, outline=BLACK)
    paint(c, body, (232, 184, 40), outline=OLIVE, light=(255, 230, 140))
    paint(c, ellipse(8, 10.2, 1.3, 1.3) | rect(7.4, 10.5, 8.6, 13), BLACK)


def password_lock_closed():
    c = Canvas(PASSWORD_SIZE, PASSWORD_SIZE)
    _padlock(c, False)
    return c


def password_lock_open():
    c = Canvas(PASSWORD_SIZE, PASSWORD_SIZE)
    _padlock(c, True)
    return c


def password_key():
    c = Canvas(PASSWORD_SIZE, PASSWORD_SIZE)
    bow = ellipse(4.5, 11.5, 3.2, 3.2) - ellipse(4.0, 12.0, 1.1, 1.1)
    shaft = stroke(6.5, 9.5, 14, 2, 1.8)
    bits = polygon([(11.2, 4.8), (12.4, 3.6), (14.2, 5.4), (13.0, 6.6)]) | polygon([(9.3, 6.7), (10.5, 5.5), (11.8, 6.8), (10.6, 8.0)])
    paint(c, shaft | bits | bow, (232, 184, 40), outline=OLIVE)
    return c


def password_shield():
    c = Canvas(PASSWORD_SIZE, PASSWORD_SIZE)
    shield = polygon([(2.5, 2.5), (8, 1), (13.5, 2.5), (13.5, 7.5), (11.5, 12), (8, 15), (4.5, 12), (2.5, 7.5)])
    paint(c, shield, (40, 96, 200), outline=NAVY, light=(120, 160, 230))
    tick = stroke(5, 8, 7.3, 10.5, 1.8) | stroke(7.3, 10.5, 11.5, 5, 1.8)
    paint(c, tick, WHITE)
    return c


def password_stars():
    c = Canvas(PASSWORD_SIZE, PASSWORD_SIZE)
    paint(c, rect(0.5, 4.5, 15.5, 11.5), WHITE)
    c.bevel(1, 9, 30, 22, sunken=True)
    for k in range(3):
        cu = 4 + 4 * k
        star = polygon([(cu + 1.9 * math.cos(math.radians(90 + 36 * i)) * (1 if i % 2 == 0 else 0.45),
                         8 - 1.9 * math.sin(math.radians(90 + 36 * i)) * (1 if i % 2 == 0 else 0.45))
                        for i in range(10)])
        paint(c, star, RED if k == 1 else BLACK)
    return c


PASSWORD_PICTURES = [password_lock_closed, password_key, password_shield, password_stars, password_lock_open]

