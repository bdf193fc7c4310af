"""The two progress clips, 272 x 60: papers flying from one folder to another (copying) and papers
flying from a folder into the waste-paper bin (deleting). Both loop without a jump."""

import math

import art_icons
from raster import (BLACK, DARK_GREY, FACE, GREY, WHITE, Canvas, paint, polygon, rect)

WIDTH, HEIGHT = 272, 60
COPY_FRAMES, COPY_MICROSECONDS = 34, 100000
DELETE_FRAMES, DELETE_MICROSECONDS = 23, 83333


def _folder(c, left, top, front_only=False):
    picture = Canvas(48, 48)
    if front_only:
        art_icons.folder_open_front(picture)
    else:
        art_icons.folder_open(picture)
    c.blit(picture, left, top)


def _paper(c, cx, cy, turn, tilt, scale=1.0):
    """A sheet seen while it tumbles: turn spins it about its upright axis, tilt leans it."""
    half_w = max(1.0, 7.0 * abs(math.cos(turn))) * scale
    half_h = 9.0 * scale
    skew = 3.0 * math.sin(turn) * scale
    corners = [(-half_w - skew, -half_h), (half_w - skew, -half_h), (half_w + skew, half_h), (-half_w + skew, half_h)]
    ca, sa = math.cos(tilt), math.sin(tilt)
    pts = [(cx + x * ca - y * sa, cy + x * sa + y * ca) for (x, y) in corners]
    paint(c, polygon(pts), WHITE, outline=BLACK, scale=1)
    if half_w > 3.5 * scale:
        for k in (-4.5, -1.5, 1.5, 4.5):
            f = k / half_h * scale
            a = (-half_w + 2.5 * scale + skew * f, k * scale)
            b = (half_w - 2.5 * scale + skew * f, k * scale)
            p0 = (cx + a[0] * ca - a[1] * sa, cy + a[0] * sa + a[1] * ca)
            p1 = (cx + b[0] * ca - b[1] * sa, cy + b[0] * sa + b[1] * ca)
            c.line(p0[0], p0[1], p1[0], p1[1], DARK_GREY)


def _flight(t, start, end, height):
    """A point on a parabola from start to end that rises by height at its middle."""
    x = start[0] + (end[0] - start[0]) * t
    y = start[1] + (end[1] - start[1]) * t - 4 * height * t * (1 - t)
    return x, y


def copy_frames():
    frames = []
    for f in range(COPY_FRAMES):
        c = Canvas(WIDTH, HEIGHT, FACE)
        _folder(c, 14, 10)
        _folder(c, 210, 10)
        for k in range(2):
            t = (f / COPY_FRAMES + k / 2.0) % 1.0
            x, y = _flight(t, (38, 29), (234, 29), 17)
            _paper(c, x, y, turn=t * 3 * math.pi, tilt=math.sin(t * 2 * math.pi) * 0.35)
        # the sheets leave from behind the front of one folder and land behind the other's
        _folder(c, 14, 10, front_only=True)
        _folder(c, 210, 10, front_only=True)
        frames.append(c)
    return frames


def _bin(c, left, top, front):
    """The waste-paper bin, a grey wire basket; the back is drawn before the papers, the front after."""
    w, h = 36, 36
    body = polygon([(left, top), (left + w, top), (left + w - 5, top + h), (left + 5, top + h)])
    if not front:
        paint(c, body, (168, 168, 168), outline=BLACK, scale=1)
        return
    rim = rect(left - 2, top - 3, left + w + 2, top + 2)
    front_face = polygon([(left, top + 8), (left + w, top + 8), (left + w - 5, top + h), (left + 5, top + h)])
    paint(c, front_face, GREY, outline=BLACK, scale=1)
    for k in range(1, 6):
        x_top = left + k * w / 6.0
        x_bottom = left + 5 + k * (w - 10) / 6.0
        c.line(x_top, top + 9, x_bottom, top + h - 1, DARK_GREY)
    c.line(left + 2, top + 10, left + 6, top + h - 2, WHITE)
    paint(c, rim, GREY, outline=BLACK, scale=1)
    c.line(left - 1, top - 2, left + w + 1, top - 2, WHITE)


def delete_frames():
    frames = []
    bin_left, bin_top = 216, 22
    mouth = (bin_left + 18, 13)
    for f in range(DELETE_FRAMES):
        c = Canvas(WIDTH, HEIGHT, FACE)
        _folder(c, 14, 10)
        _bin(c, bin_left, bin_top, front=False)
        for k in range(2):
            t = (f / DELETE_FRAMES + k / 2.0) % 1.0
            # an arc to above the bin, then straight down into it
            if t < 0.75:
                x, y = _flight(t / 0.75, (38, 25), mouth, 10)
            else:
                x, y = mouth[0], mouth[1] + (t - 0.75) / 0.25 * 32
            _paper(c, x, y, turn=t * 2 * math.pi, tilt=t * 1.2, scale=0.8 - 0.2 * t)
        _folder(c, 14, 10, front_only=True)
        _bin(c, bin_left, bin_top, front=True)
        frames.append(c)
    return frames
