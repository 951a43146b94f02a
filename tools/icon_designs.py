#!/usr/bin/python3
"""The program's icon designs as shapes, drawn at any size in 32-bit colour with alpha.

Every design is laid out on the 32-unit grid of its 32-pixel pixel art (one unit is one
pixel there; x to the right, y down), so that the larger images show the same picture.
Shapes are drawn eight times larger than asked and averaged down, which smooths their
edges. Straight edges of rectangles and outlines fall on whole pixels, so they stay crisp.

Needs Pillow: Debian's python3-pil, for /usr/bin/python3 (a python3 of its own, such as
pyenv's, may lack it).
"""

import math

from PIL import Image, ImageDraw

# The 16-colour palette of the pixel art, by its letter.
COLOURS = {
    "K": (0x00, 0x00, 0x00), "r": (0x80, 0x00, 0x00), "g": (0x00, 0x80, 0x00),
    "y": (0x80, 0x80, 0x00), "b": (0x00, 0x00, 0x80), "m": (0x80, 0x00, 0x80),
    "c": (0x00, 0x80, 0x80), "L": (0xC0, 0xC0, 0xC0), "D": (0x80, 0x80, 0x80),
    "R": (0xFF, 0x00, 0x00), "G": (0x00, 0xFF, 0x00), "Y": (0xFF, 0xFF, 0x00),
    "B": (0x00, 0x00, 0xFF), "M": (0xFF, 0x00, 0xFF), "C": (0x00, 0xFF, 0xFF),
    "W": (0xFF, 0xFF, 0xFF),
}
CLEAR = (0, 0, 0, 0)
SUPERSAMPLE = 8


def ink(colour):
    return CLEAR if colour is None else COLOURS[colour] + (255,)


class Canvas:
    """A square picture of `size` pixels addressed in design units."""

    def __init__(self, size):
        self.size = size
        self.scale = size / 32.0
        self.image = Image.new("RGBA", (size * SUPERSAMPLE,) * 2, CLEAR)
        self.draw = ImageDraw.Draw(self.image)
        # The pixel art's one-pixel outline: whole pixels, thicker as the picture grows.
        self.line = max(1, int(self.scale + 0.5))
        self.line_units = self.line / self.scale

    def px(self, units):
        """Units to supersampled pixels, unrounded: for curves."""
        return units * self.scale * SUPERSAMPLE

    def snap(self, units):
        """Units to supersampled pixels on a whole pixel of the result: for straight edges."""
        return int(units * self.scale + 0.5) * SUPERSAMPLE

    def points(self, pts, snap=False):
        to = self.snap if snap else self.px
        return [(to(x), to(y)) for x, y in pts]

    def box(self, x0, y0, x1, y1):
        return [self.snap(x0), self.snap(y0), self.snap(x1) - 1, self.snap(y1) - 1]

    def rect(self, x0, y0, x1, y1, fill):
        self.draw.rectangle(self.box(x0, y0, x1, y1), fill=ink(fill))

    def frame(self, x0, y0, x1, y1, colour="K"):
        """An outline inside the rectangle, one outline thick."""
        self.draw.rectangle(self.box(x0, y0, x1, y1), outline=ink(colour),
                            width=self.line * SUPERSAMPLE)

    def hline(self, x0, x1, y, colour="K"):
        """A line one outline thick whose top edge is at y."""
        top = self.snap(y)
        self.draw.rectangle([self.snap(x0), top, self.snap(x1) - 1,
                             top + self.line * SUPERSAMPLE - 1], fill=ink(colour))

    def ellipse_box(self, cx, cy, rx, ry, inset=0):
        inset *= SUPERSAMPLE
        return [self.px(cx - rx) + inset, self.px(cy - ry) + inset,
                self.px(cx + rx) - inset, self.px(cy + ry) - inset]

    def circle(self, cx, cy, r, fill, inset=0):
        """A disc; `inset` shrinks it by that many outlines."""
        self.draw.ellipse(self.ellipse_box(cx, cy, r, r, inset * self.line), fill=ink(fill))

    def pie(self, cx, cy, r, start, end, fill, inset=0):
        """A slice between two angles in degrees, clockwise from three o'clock."""
        self.draw.pieslice(self.ellipse_box(cx, cy, r, r, inset * self.line), start, end,
                           fill=ink(fill))

    def polygon(self, pts, fill=None, outline=None, snap=False):
        """Corners on whole pixels when `snap`, for shapes of mostly straight edges."""
        self.draw.polygon(self.points(pts, snap), fill=None if fill is None else ink(fill),
                          outline=None if outline is None else ink(outline),
                          width=self.line * SUPERSAMPLE)

    def stroke(self, pts, colour, width):
        """A polyline `width` units wide (at least one pixel) with rounded joints."""
        w = max(SUPERSAMPLE, int(self.px(width)))
        self.draw.line(self.points(pts), fill=ink(colour), width=w, joint="curve")

    def result(self):
        # Pillow averages RGBA with premultiplied alpha, so edges keep their colour.
        return self.image.resize((self.size, self.size), Image.BOX)


def arc_points(cx, cy, rx, ry, start, end, steps=48):
    return [(cx + rx * math.cos(math.radians(a)), cy + ry * math.sin(math.radians(a)))
            for a in (start + (end - start) * i / steps for i in range(steps + 1))]


def crescent(cx, cy, r, start, end, thickness, steps=48):
    """A band inside a circle's edge, thickest halfway and pointed at both ends."""
    outer = arc_points(cx, cy, r, r, start, end, steps)
    inner = []
    for i in range(steps, -1, -1):
        a = math.radians(start + (end - start) * i / steps)
        ri = r - thickness * math.sin(math.pi * i / steps)
        inner.append((cx + ri * math.cos(a), cy + ri * math.sin(a)))
    return outer + inner


def application(c):
    """A compact disc behind a floppy disk and a window."""
    cx, cy, r = 16, 12, 12
    # The rim: grey where the light falls (top left), black in the shade.
    c.circle(cx, cy, r, "D")
    c.pie(cx, cy, r, -45, 135, "K")
    c.circle(cx, cy, r, "L", inset=1)
    # Rainbow reflections in two opposite wedges.
    for i, colour in enumerate("WYGCBM"):
        for turn in (0, 180):
            start = 196 + turn + i * 10.2
            c.pie(cx, cy, r, start, start + 10.2, colour, inset=1)
    c.circle(cx, cy, 5, "L")
    c.circle(cx, cy, 4.2, "W")
    c.circle(cx, cy, 3, "D")
    c.circle(cx, cy, 2, None)

    # The floppy disk, its top right corner cut.
    floppy = [(1, 17), (14, 17), (15, 18), (15, 31), (1, 31)]
    c.polygon(floppy, fill="b", snap=True)
    c.rect(2, 18, 3, 30, "B")
    c.rect(4, 18, 12, 23, "L")
    c.rect(7, 19, 9, 22, "K")
    c.rect(4, 25, 12, 30, "W")
    c.rect(5, 26, 11, 27, "D")
    c.rect(5, 28, 10, 29, "D")
    c.polygon(floppy, outline="K", snap=True)

    # The window and its shadow.
    c.rect(17, 20, 32, 32, "D")
    c.rect(16, 19, 31, 31, "W")
    c.rect(16, 19, 28, 22, "b")
    c.rect(28, 19, 31, 22, "L")
    c.hline(16, 31, 22)
    c.rect(18, 24, 25, 25, "D")
    c.rect(18, 26, 27, 27, "D")
    c.rect(18, 28, 23, 29, "D")
    c.frame(16, 19, 31, 31)


def logo(c):
    """A blackbird inside a blue C."""
    cx, cy = 16, 16
    c.pie(cx, cy, 16, 45, 315, "b")
    c.pie(cx, cy, 16, 45, 315, "B", inset=1)
    w = c.line_units
    c.polygon(crescent(cx, cy, 16 - w, 186, 266, 1.7), fill="C")
    # The C's inner edge, and its open ends outlined straight along the radius.
    c.pie(cx, cy, 10 + w, 45, 315, "b")
    c.circle(cx, cy, 10, None)
    for angle, towards_body in ((45, 1), (315, -1)):
        a = math.radians(angle)
        ends = [(cx + 9.5 * math.cos(a), cy + 9.5 * math.sin(a)),
                (cx + 16.2 * math.cos(a), cy + 16.2 * math.sin(a))]
        ox, oy = -math.sin(a) * towards_body * w, math.cos(a) * towards_body * w
        c.polygon(ends + [(x + ox, y + oy) for x, y in reversed(ends)], fill="b")

    # The bird: body and tail, head, beak, eye, wing and legs.
    c.stroke([(15.5, 21.5), (15.5, 25.6)], "K", 1.1)
    c.stroke([(17.5, 21.5), (17.5, 25.6)], "K", 1.1)
    c.stroke([(14.0, 25.5), (15.6, 25.5)], "K", 1.0)
    c.stroke([(17.4, 25.5), (19.0, 25.5)], "K", 1.0)
    c.polygon([(15.5, 14.0), (21.6, 14.2), (22.0, 17.5), (21.2, 20.2), (19.0, 22.0),
               (12.5, 22.0), (9.2, 21.3), (8.3, 23.0), (6.8, 23.0), (6.9, 19.0),
               (10.0, 17.0), (13.5, 15.2)], fill="K")
    c.draw.ellipse(c.ellipse_box(18.8, 12.3, 3.2, 2.7), fill=ink("K"))
    c.polygon([(21.3, 11.8), (27.2, 13.3), (27.2, 14.1), (21.3, 13.9)], fill="D")
    c.polygon([(21.3, 13.9), (25.0, 14.1), (21.3, 15.1)], fill="K")
    c.circle(18.5, 12.4, 0.75, "W")
    c.stroke([(12.0, 18.9), (14.5, 17.9), (17.2, 17.5)], "D", 1.0)


def help_book(cover, light, mark):
    """A closed book with a question mark, in the given cover, highlight and mark colours."""
    def design(c):
        # Back cover and pages, showing below and to the right of the front cover.
        back = [(7, 4), (29, 4), (30, 5), (30, 32), (8, 32), (7, 31)]
        c.polygon(back, fill=cover, snap=True)
        c.rect(8, 5, 28, 30, "L")
        c.rect(8, 5, 27, 29, "W")
        c.polygon(back, outline="K", snap=True)
        # Front cover, lit along its top and left edge and along the spine.
        c.rect(3, 1, 26, 28, cover)
        c.rect(4, 2, 25, 3, light)
        c.rect(4, 2, 5, 27, light)
        c.rect(8, 2, 9, 27, light)
        c.rect(7, 1, 8, 28, "K")
        c.frame(3, 1, 26, 28)
        # The question mark with its shadow one unit down and right.
        curve = arc_points(16, 10, 4.5, 3.5, 180, 395) + [(16.5, 14.0), (16.5, 17.0)]
        for dx, colour in ((1, "K"), (0, mark)):
            c.stroke([(x + dx, y + dx) for x, y in curve], colour, 3)
            c.rect(15 + dx, 18 + dx, 18 + dx, 21 + dx, colour)
    return design


def guidance_bulb(c):
    """A light bulb with an exclamation mark on a blue diamond."""
    def diamond(half):
        return [(16, 16 - half), (16 + half, 16), (16, 16 + half), (16 - half, 16)]
    o = c.line_units
    c.polygon(diamond(15.5), fill="K")
    # Lit on the upper left of the diagonal through the centre, shaded below it.
    c.polygon(diamond(15.5 - o), fill="C")
    h = 15.5 - o
    c.polygon([(16 + h / 2, 16 - h / 2), (16 + h, 16), (16, 16 + h), (16 - h / 2, 16 + h / 2)],
              fill="b")
    c.polygon(diamond(14.5 - o), fill="B")
    # Rays.
    c.stroke([(6, 12.5), (9, 12.5)], "Y", 1)
    c.stroke([(23, 12.5), (26, 12.5)], "Y", 1)
    c.stroke([(9.2, 14.8), (7.0, 17.0)], "Y", 1)
    c.stroke([(22.8, 14.8), (25.0, 17.0)], "Y", 1)
    # The glass: a globe narrowing to its neck, outlined, with a white gleam.
    c.circle(16, 11, 6, "K")
    c.polygon([(10.3, 12.5), (21.7, 12.5), (19.6, 19.5), (12.4, 19.5)], fill="K")
    c.circle(16, 11, 6, "Y", inset=1)
    c.polygon([(10.3 + 1.1 * o, 12.5), (21.7 - 1.1 * o, 12.5), (19.6 - 1.1 * o, 19.5),
               (12.4 + 1.1 * o, 19.5)], fill="Y")
    c.draw.arc(c.ellipse_box(16, 11, 4.4, 4.4), 190, 238, fill=ink("W"),
               width=max(SUPERSAMPLE, int(c.px(1.1))))
    c.rect(15, 7, 17, 13, "R")
    c.rect(15, 14, 17, 16, "R")
    # The screw cap: bright and dark threads, and its tip.
    c.polygon([(12, 23.5), (20, 23.5), (18.6, 26), (13.4, 26)], fill="K")
    c.rect(12, 19, 20, 24, "K")
    for y, colour in ((20, "L"), (21, "D"), (22, "L"), (23, "D")):
        c.rect(13, y, 19, y + 1, colour)
    for y in (20, 22):
        c.rect(15, y, 16, y + 1, "W")
        c.rect(18, y, 19, y + 1, "D")
    c.hline(12, 20, 19)


def dots(c):
    """Three square dots in a row, centred on whole pixels."""
    s = max(1, int(2 * c.scale + 0.5))
    pitch = int(5 * c.scale + 0.5)
    x0 = (c.size - 2 * pitch - s) // 2
    y0 = (c.size - s) // 2
    for i in range(3):
        x = (x0 + i * pitch) * SUPERSAMPLE
        c.draw.rectangle([x, y0 * SUPERSAMPLE, x + s * SUPERSAMPLE - 1,
                          (y0 + s) * SUPERSAMPLE - 1], fill=ink("K"))


DESIGNS = {
    "application": application,
    "logo": logo,
    "help_over": help_book("m", "M", "Y"),
    # The same book greyed: purple to grey, fuchsia to silver, yellow to white.
    "help_normal": help_book("D", "L", "W"),
    "guidance_bulb": guidance_bulb,
    "dots": dots,
}


def render(picture, size):
    """The design of `picture` drawn at `size` pixels square, as an RGBA image."""
    canvas = Canvas(size)
    DESIGNS[picture](canvas)
    return canvas.result()
