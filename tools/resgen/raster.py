"""A small raster: RGB pixels (None = transparent) and the drawing the pictures need.

Shapes are described in a design grid (16 units for an icon) and rendered at any pixel size by
sampling pixel centres, so a 16 and a 32 pixel picture come from one description while their
outlines stay one pixel wide.
"""

import math

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (192, 192, 192)
DARK_GREY = (128, 128, 128)
FACE = (212, 208, 200)
NAVY = (0, 0, 128)
BLUE = (0, 0, 255)
TEAL = (0, 128, 128)
CYAN = (0, 255, 255)
MAROON = (128, 0, 0)
RED = (255, 0, 0)
OLIVE = (128, 128, 0)
YELLOW = (255, 255, 0)
GREEN = (0, 128, 0)
LIME = (0, 255, 0)
PURPLE = (128, 0, 128)
MAGENTA = (255, 0, 255)
# A few in-between tones the 16-colour palette lacks; used sparingly.
FOLDER = (255, 224, 120)
FOLDER_DARK = (208, 160, 48)
FOLDER_EDGE = (128, 96, 0)
PAPER = (248, 248, 248)
SKY = (166, 202, 240)
DEEP_BLUE = (10, 36, 106)


class Canvas:
    def __init__(self, width, height, fill=None):
        self.width = width
        self.height = height
        self.pixels = [fill] * (width * height)

    def get(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            return self.pixels[y * self.width + x]
        return None

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def copy(self):
        other = Canvas(self.width, self.height)
        other.pixels = list(self.pixels)
        return other

    def fill_rect(self, x0, y0, x1, y1, colour):
        """Inclusive pixel corners."""
        for y in range(max(0, y0), min(self.height, y1 + 1)):
            row = y * self.width
            for x in range(max(0, x0), min(self.width, x1 + 1)):
                self.pixels[row + x] = colour

    def frame(self, x0, y0, x1, y1, colour):
        self.line(x0, y0, x1, y0, colour)
        self.line(x0, y1, x1, y1, colour)
        self.line(x0, y0, x0, y1, colour)
        self.line(x1, y0, x1, y1, colour)

    def line(self, x0, y0, x1, y1, colour):
        x0, y0, x1, y1 = int(round(x0)), int(round(y0)), int(round(x1)), int(round(y1))
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def bevel(self, x0, y0, x1, y1, sunken=False):
        """The two-pixel 3D edge of a Windows 2000 control."""
        outer_tl, outer_br = (DARK_GREY, WHITE) if sunken else (WHITE, BLACK)
        inner_tl, inner_br = (BLACK, GREY) if sunken else (GREY, DARK_GREY)
        for d, tl, br in ((0, outer_tl, outer_br), (1, inner_tl, inner_br)):
            self.line(x0 + d, y1 - d, x0 + d, y0 + d, tl)
            self.line(x0 + d, y0 + d, x1 - d, y0 + d, tl)
            self.line(x1 - d, y0 + d, x1 - d, y1 - d, br)
            self.line(x0 + d, y1 - d, x1 - d, y1 - d, br)

    def blit(self, other, dx, dy):
        for y in range(other.height):
            for x in range(other.width):
                c = other.pixels[y * other.width + x]
                if c is not None:
                    self.set(x + dx, y + dy, c)

    def colours(self):
        return sorted({c for c in self.pixels if c is not None})


# --- shapes in design units -------------------------------------------------------------------

class Shape:
    def __init__(self, inside, box):
        self.inside = inside
        self.box = box  # (u0, v0, u1, v1) that holds the shape

    def __or__(self, other):
        return Shape(lambda u, v: self.inside(u, v) or other.inside(u, v), _union_box(self.box, other.box))

    def __sub__(self, other):
        return Shape(lambda u, v: self.inside(u, v) and not other.inside(u, v), self.box)

    def __and__(self, other):
        return Shape(lambda u, v: self.inside(u, v) and other.inside(u, v), self.box)

    def moved(self, du, dv):
        b = self.box
        return Shape(lambda u, v: self.inside(u - du, v - dv), (b[0] + du, b[1] + dv, b[2] + du, b[3] + dv))


def _union_box(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def rect(u0, v0, u1, v1):
    return Shape(lambda u, v: u0 <= u < u1 and v0 <= v < v1, (u0, v0, u1, v1))


def ellipse(cu, cv, ru, rv):
    return Shape(lambda u, v: ((u - cu) / ru) ** 2 + ((v - cv) / rv) ** 2 <= 1.0,
                 (cu - ru, cv - rv, cu + ru, cv + rv))


def polygon(points):
    pts = list(points)

    def inside(u, v):
        hit = False
        j = len(pts) - 1
        for i in range(len(pts)):
            (ui, vi), (uj, vj) = pts[i], pts[j]
            if (vi > v) != (vj > v) and u < (uj - ui) * (v - vi) / (vj - vi) + ui:
                hit = not hit
            j = i
        return hit

    us, vs = [p[0] for p in pts], [p[1] for p in pts]
    return Shape(inside, (min(us), min(vs), max(us), max(vs)))


def stroke(u0, v0, u1, v1, width):
    """A straight bar with round ends."""
    r = width / 2.0

    def inside(u, v):
        return _segment_distance(u, v, u0, v0, u1, v1) <= r

    return Shape(inside, (min(u0, u1) - r, min(v0, v1) - r, max(u0, u1) + r, max(v0, v1) + r))


def _segment_distance(u, v, u0, v0, u1, v1):
    du, dv = u1 - u0, v1 - v0
    length2 = du * du + dv * dv
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((u - u0) * du + (v - v0) * dv) / length2))
    pu, pv = u0 + t * du - u, v0 + t * dv - v
    return math.sqrt(pu * pu + pv * pv)


def paint(canvas, shape, fill, outline=None, light=None, dark=None, scale=None, origin=(0, 0)):
    """Fills the shape; its boundary pixels take the outline colour, or light on the upper left
    and dark on the lower right. fill may be a colour or a function (u, v) -> colour."""
    s = scale if scale is not None else canvas.width / 16.0
    ox, oy = origin
    u0, v0, u1, v1 = shape.box
    px0, py0 = max(0, int(math.floor(u0 * s + ox)) - 1), max(0, int(math.floor(v0 * s + oy)) - 1)
    px1, py1 = min(canvas.width - 1, int(math.ceil(u1 * s + ox)) + 1), min(canvas.height - 1, int(math.ceil(v1 * s + oy)) + 1)
    w, h = px1 - px0 + 1, py1 - py0 + 1
    if w <= 0 or h <= 0:
        return
    mask = [[shape.inside((px0 + x + 0.5 - ox) / s, (py0 + y + 0.5 - oy) / s) for x in range(w)] for y in range(h)]

    def on(x, y):
        return 0 <= x < w and 0 <= y < h and mask[y][x]

    for y in range(h):
        for x in range(w):
            if not mask[y][x]:
                continue
            colour = fill(((px0 + x + 0.5 - ox) / s), ((py0 + y + 0.5 - oy) / s)) if callable(fill) else fill
            top_left_open = not on(x - 1, y) or not on(x, y - 1)
            bottom_right_open = not on(x + 1, y) or not on(x, y + 1)
            if outline is not None and (top_left_open or bottom_right_open):
                colour = outline
            elif dark is not None and bottom_right_open:
                colour = dark
            elif light is not None and top_left_open:
                colour = light
            canvas.set(px0 + x, py0 + y, colour)


def line_u(canvas, u0, v0, u1, v1, colour, scale=None, origin=(0, 0)):
    """A one-pixel line between two points of the design grid (cell centres at .5)."""
    s = scale if scale is not None else canvas.width / 16.0
    ox, oy = origin

    def px(t):
        return math.floor(t * s - 0.5 + 0.5)

    canvas.line(px(u0) + ox, px(v0) + oy, px(u1) + ox, px(v1) + oy, colour)


def luminance(c):
    return (c[0] * 299 + c[1] * 587 + c[2] * 114) // 1000


def disabled(canvas):
    """The embossed grey look Windows gives a disabled toolbar picture: every dark pixel becomes
    grey, with a white copy one pixel down and to the right."""
    dark = {(x, y) for y in range(canvas.height) for x in range(canvas.width)
            if canvas.get(x, y) is not None and luminance(canvas.get(x, y)) < 180}
    out = Canvas(canvas.width, canvas.height)
    for (x, y) in dark:
        if (x + 1, y + 1) not in dark:
            out.set(x + 1, y + 1, WHITE)
    for (x, y) in dark:
        out.set(x, y, DARK_GREY)
    return out


def antialiased_strokes(canvas, segments, width, colour, samples=4):
    """Round-ended strokes in pixel coordinates, blended over what the canvas holds."""
    r = width / 2.0
    coverage = {}
    n = samples * samples
    offsets = [((i + 0.5) / samples, (j + 0.5) / samples) for j in range(samples) for i in range(samples)]
    for (x0, y0, x1, y1) in segments:
        bx0, by0 = int(math.floor(min(x0, x1) - r)), int(math.floor(min(y0, y1) - r))
        bx1, by1 = int(math.ceil(max(x0, x1) + r)), int(math.ceil(max(y0, y1) + r))
        for py in range(max(0, by0), min(canvas.height, by1 + 1)):
            for px in range(max(0, bx0), min(canvas.width, bx1 + 1)):
                bits = coverage.get((px, py), 0)
                if bits == (1 << n) - 1:
                    continue
                for k, (ou, ov) in enumerate(offsets):
                    if not bits >> k & 1 and _segment_distance(px + ou, py + ov, x0, y0, x1, y1) <= r:
                        bits |= 1 << k
                coverage[(px, py)] = bits
    for (px, py), bits in coverage.items():
        a = bin(bits).count("1") / n
        if a > 0:
            base = canvas.get(px, py) or WHITE
            canvas.set(px, py, tuple(int(round(base[i] * (1 - a) + colour[i] * a)) for i in range(3)))


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))
