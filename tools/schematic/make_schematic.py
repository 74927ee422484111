#!/usr/bin/env python3
"""Draws the schematic of the result summary screen, data/tbx2Jxyz.bmp.

A cross-flow bundle in oblique view: the casing with its front face showing
the staggered finned tubes end-on, the shell gas crossing it from left to
right (wide arrows), the tube fluid entering a front nozzle and leaving a
back nozzle, and the dimension lines of the height H, the width W (along the
gas) and the tube length TL. The screen writes the values around it; every
coordinate below is in the screen's layout units (the window scales them),
and the anchors name the boxes of FORM2 they aim at.

Standard library only; the anti-aliased drawing is rendered at SUPERSAMPLE
times the size and averaged down, then written as an uncompressed 24-bit
BMP.

    python3 tools/schematic/make_schematic.py [OUTPUT]   (default data/tbx2Jxyz.bmp)
"""

import math
import os
import struct
import sys

# Picture size: the full width of FORM2, down to just above the frame of the
# result table (y 226).
WIDTH, HEIGHT = 720, 222
SUPERSAMPLE = 4

# Colours (R, G, B).
WHITE = (255, 255, 255)
LINE = (64, 64, 64)             # outlines and tubes
THIN = (96, 96, 96)             # dimension and extension lines, fins
SHEET = (200, 200, 200)         # border of the drawing
FACE_FRONT = (246, 246, 246)
FACE_TOP = (232, 232, 232)
FACE_SIDE = (218, 218, 218)
FIN_DISC = (236, 236, 236)
GAS = (204, 92, 36)             # shell gas accent
GAS_TINT = (246, 204, 176)
FLUID = (38, 104, 176)          # tube fluid accent
FLUID_TINT = (190, 214, 240)

# Stream boxes of FORM2 (x, y, w, h).
TUBE_INLET_BOX = (8, 8, 204, 70)       # GROUP14
SHELL_INLET_BOX = (8, 96, 204, 70)     # GROUP13
TUBE_OUTLET_BOX = (508, 8, 204, 92)    # GROUP15
SHELL_OUTLET_BOX = (508, 108, 204, 92)  # GROUP16
# Dimension boxes: field and its " mm" label together.
HEIGHT_BOX = (232, 96, 86, 18)         # EDIT43, TEXT76
LENGTH_BOX = (410, 40, 86, 18)         # EDIT55, TEXT78
WIDTH_BOX = (330, 196, 86, 18)         # EDIT60, TEXT77

# Casing: front face and the oblique offset of the back face (tube length).
FRONT_X0, FRONT_X1 = 330, 410          # W across the front face
FRONT_Y0, FRONT_Y1 = 88, 180           # H
DEPTH_DX, DEPTH_DY = 30, -24           # back top edge at y 64, under the TL box

# Tubes: columns along the gas flow, every other column shifted half a pitch.
TUBE_COLUMNS = 4
TUBE_PITCH_X = 20.0                    # column pitch, along the gas
TUBE_PITCH_Y = 18.0                    # row pitch, across the gas
TUBE_RADIUS = 3.8
FIN_RADIUS = 7.5

# Shell gas arrows: one centre line through both stream boxes' spans.
GAS_Y = 142
GAS_SHAFT = 24                         # shaft height
GAS_HEAD = 40                          # head height
GAS_HEAD_LENGTH = 22
GAS_IN_TIP = FRONT_X0 - 14             # stops short of the H dimension line
GAS_OUT_TAIL = FRONT_X1 + DEPTH_DX + 6

# Tube fluid: inlet nozzle on the front header, outlet on the back header.
TUBE_IN_X = 350
TUBE_IN_Y = 44                         # line from the tube-inlet box
TUBE_OUT_X = 396
TUBE_OUT_Y = 30                        # line into the tube-outlet box, above the TL box
NOZZLE_HALF = 5
FLANGE_HALF = 9


class Canvas:
    """A supersampled RGB raster; coordinates are layout units."""

    def __init__(self, width, height, scale, background):
        self.scale = scale
        self.w = width * scale
        self.h = height * scale
        self.rows = [bytearray(bytes(background) * self.w) for _ in range(self.h)]

    def _span(self, y, xa, xb, colour):
        """Fills samples of row y whose centres lie in [xa, xb)."""
        i0 = max(0, math.ceil(xa - 0.5))
        i1 = min(self.w, math.ceil(xb - 0.5))
        if i1 > i0:
            self.rows[y][3 * i0:3 * i1] = bytes(colour) * (i1 - i0)

    def polygon(self, points, colour):
        """Even-odd fill of a closed polygon."""
        s = self.scale
        pts = [(x * s, y * s) for x, y in points]
        ys = [p[1] for p in pts]
        y0 = max(0, math.floor(min(ys)))
        y1 = min(self.h, math.ceil(max(ys)) + 1)
        n = len(pts)
        for row in range(y0, y1):
            yc = row + 0.5
            xs = []
            for k in range(n):
                (xa, ya), (xb, yb) = pts[k], pts[(k + 1) % n]
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                self._span(row, a, b, colour)

    def disc(self, cx, cy, r, colour, inner=0.0):
        """A filled circle, or a ring when inner > 0."""
        s = self.scale
        cx, cy, r, inner = cx * s, cy * s, r * s, inner * s
        for row in range(max(0, math.floor(cy - r)), min(self.h, math.ceil(cy + r) + 1)):
            dy = row + 0.5 - cy
            if abs(dy) >= r:
                continue
            half = math.sqrt(r * r - dy * dy)
            if abs(dy) < inner:
                hole = math.sqrt(inner * inner - dy * dy)
                self._span(row, cx - half, cx - hole, colour)
                self._span(row, cx + hole, cx + half, colour)
            else:
                self._span(row, cx - half, cx + half, colour)

    def line(self, a, b, width, colour, round_ends=False):
        (xa, ya), (xb, yb) = a, b
        length = math.hypot(xb - xa, yb - ya)
        if length == 0:
            return
        nx, ny = -(yb - ya) / length * width / 2, (xb - xa) / length * width / 2
        self.polygon([(xa + nx, ya + ny), (xb + nx, yb + ny), (xb - nx, yb - ny), (xa - nx, ya - ny)], colour)
        if round_ends:
            self.disc(xa, ya, width / 2, colour)
            self.disc(xb, yb, width / 2, colour)

    def polyline(self, points, width, colour):
        for a, b in zip(points, points[1:]):
            self.line(a, b, width, colour)
        for p in points[1:-1]:
            self.disc(p[0], p[1], width / 2, colour)

    def outline(self, points, width, colour):
        self.polyline(list(points) + [points[0]], width, colour)

    def arrowhead(self, tip, towards, length, half_width, colour):
        """A filled head with its tip at `tip`, coming from `towards`."""
        (tx, ty), (fx, fy) = tip, towards
        d = math.hypot(tx - fx, ty - fy)
        ux, uy = (tx - fx) / d, (ty - fy) / d
        bx, by = tx - ux * length, ty - uy * length
        self.polygon([(tx, ty), (bx - uy * half_width, by + ux * half_width),
                      (bx + uy * half_width, by - ux * half_width)], colour)

    def pixels(self):
        """Averages the samples down: rows of (R, G, B) bytes, top first."""
        s = self.scale
        out = []
        area = s * s
        for row0 in range(0, self.h, s):
            acc = [0] * (3 * (self.w // s))
            for row in self.rows[row0:row0 + s]:
                for ch in range(3):
                    samples = row[ch::3]
                    sums = [sum(samples[i:i + s]) for i in range(0, len(samples), s)]
                    acc[ch::3] = [a + b for a, b in zip(acc[ch::3], sums)]
            out.append(bytes((v + area // 2) // area for v in acc))
        return out


def write_bmp(path, width, height, rows):
    """Uncompressed 24-bit BMP, bottom-up rows in B, G, R order."""
    stride = (3 * width + 3) & ~3
    image = bytearray()
    for rgb in reversed(rows):
        bgr = bytearray(len(rgb))
        bgr[0::3], bgr[1::3], bgr[2::3] = rgb[2::3], rgb[1::3], rgb[0::3]
        image += bgr + bytes(stride - len(bgr))
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(image), 0, 0, 14 + 40)
    # 2835 pixels per metre: 72 dpi.
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + image)


def right(box):
    return box[0] + box[2]


def dimension(c, a, b, tick=4.0):
    """A dimension line from a to b with a closed arrowhead at each end."""
    c.line(a, b, 0.8, THIN)
    c.arrowhead(a, b, tick, 1.7, THIN)
    c.arrowhead(b, a, tick, 1.7, THIN)


def draw_casing(c):
    x0, x1, y0, y1 = FRONT_X0, FRONT_X1, FRONT_Y0, FRONT_Y1
    dx, dy = DEPTH_DX, DEPTH_DY
    front = [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]
    top = [(x0, y0), (x0 + dx, y0 + dy), (x1 + dx, y0 + dy), (x1, y0)]
    side = [(x1, y0), (x1 + dx, y0 + dy), (x1 + dx, y1 + dy), (x1, y1)]
    c.polygon(top, FACE_TOP)
    c.polygon(side, FACE_SIDE)
    c.polygon(front, FACE_FRONT)
    # Tube rows seen through the side face: faint lines along the tubes'
    # length from the end of each tube of the last column.
    for y in tube_rows(TUBE_COLUMNS - 1):
        c.line((x1, y), (x1 + dx, y + dy), 0.5, (190, 190, 190))
    c.outline(top, 1.2, LINE)
    c.outline(side, 1.2, LINE)
    c.outline(front, 1.4, LINE)


def tube_rows(column):
    """Centre heights of the tubes of one column, staggered by half a pitch."""
    first = FRONT_Y0 + 10 + (TUBE_PITCH_Y / 2 if column % 2 else 0)
    ys = []
    y = first
    while y <= FRONT_Y1 - 10 + 1e-9:
        ys.append(y)
        y += TUBE_PITCH_Y
    return ys


def draw_tubes(c):
    for col in range(TUBE_COLUMNS):
        x = FRONT_X0 + 10 + col * TUBE_PITCH_X
        for y in tube_rows(col):
            c.disc(x, y, FIN_RADIUS, FIN_DISC)
            c.disc(x, y, FIN_RADIUS, THIN, inner=FIN_RADIUS - 0.6)
            # Short radial ticks round the ring suggest the fins.
            for k in range(12):
                a = k * math.pi / 6
                ca, sa = math.cos(a), math.sin(a)
                c.line((x + ca * (TUBE_RADIUS + 1.2), y + sa * (TUBE_RADIUS + 1.2)),
                       (x + ca * (FIN_RADIUS - 0.6), y + sa * (FIN_RADIUS - 0.6)), 0.35, THIN)
            c.disc(x, y, TUBE_RADIUS, LINE)
            c.disc(x, y, TUBE_RADIUS - 1.1, FLUID_TINT)


def wide_arrow(c, x_tail, x_tip, y):
    head = x_tip - GAS_HEAD_LENGTH
    pts = [(x_tail, y - GAS_SHAFT / 2), (head, y - GAS_SHAFT / 2), (head, y - GAS_HEAD / 2), (x_tip, y),
           (head, y + GAS_HEAD / 2), (head, y + GAS_SHAFT / 2), (x_tail, y + GAS_SHAFT / 2)]
    c.polygon(pts, GAS_TINT)
    c.outline(pts, 1.3, GAS)


def draw_gas(c):
    # In from the shell-inlet box, out into the shell-outlet box.
    wide_arrow(c, right(SHELL_INLET_BOX) + 4, GAS_IN_TIP, GAS_Y)
    wide_arrow(c, GAS_OUT_TAIL, SHELL_OUTLET_BOX[0] - 4, GAS_Y)


def nozzle(c, x, y_base, height):
    """A pipe stub standing on y_base with its flange on top."""
    top = y_base - height
    c.polygon([(x - NOZZLE_HALF, top), (x + NOZZLE_HALF, top), (x + NOZZLE_HALF, y_base),
               (x - NOZZLE_HALF, y_base)], FLUID_TINT)
    c.line((x - NOZZLE_HALF, top), (x - NOZZLE_HALF, y_base), 1.1, LINE)
    c.line((x + NOZZLE_HALF, top), (x + NOZZLE_HALF, y_base), 1.1, LINE)
    flange = [(x - FLANGE_HALF, top - 3), (x + FLANGE_HALF, top - 3), (x + FLANGE_HALF, top),
              (x - FLANGE_HALF, top)]
    c.polygon(flange, FACE_TOP)
    c.outline(flange, 1.0, LINE)
    return top - 3


def draw_tube_fluid(c):
    # Inlet: a nozzle on the front header at the casing's front top edge;
    # the line comes from the tube-inlet box and turns down into it.
    top_in = nozzle(c, TUBE_IN_X, FRONT_Y0, 20)
    start = (right(TUBE_INLET_BOX) + 4, TUBE_IN_Y)
    corner = (TUBE_IN_X, TUBE_IN_Y)
    end = (TUBE_IN_X, top_in - 1)
    c.polyline([start, corner, (end[0], end[1] - 6)], 2.0, FLUID)
    c.arrowhead(end, (end[0], end[1] - 10), 8, 4, FLUID)
    # Outlet: a nozzle on the back header at the back top edge; the line
    # rises and runs into the tube-outlet box above the TL box.
    back_y = FRONT_Y0 + DEPTH_DY
    top_out = nozzle(c, TUBE_OUT_X, back_y + 0.6, 10)
    tip = (TUBE_OUTLET_BOX[0] - 4, TUBE_OUT_Y)
    c.polyline([(TUBE_OUT_X, top_out - 1), (TUBE_OUT_X, TUBE_OUT_Y), (tip[0] - 6, TUBE_OUT_Y)], 2.0, FLUID)
    c.arrowhead(tip, (tip[0] - 10, tip[1]), 8, 4, FLUID)


def draw_dimensions(c):
    x0, x1, y0, y1 = FRONT_X0, FRONT_X1, FRONT_Y0, FRONT_Y1
    # H: left of the front face, the value box against it on its left.
    xh = right(HEIGHT_BOX) + 4
    for y in (y0, y1):
        c.line((x0 - 2, y), (xh - 3, y), 0.7, THIN)
    dimension(c, (xh, y0), (xh, y1))
    # W: under the front face, the value box below it.
    yw = y1 + 10
    for x in (x0, x1):
        c.line((x, y1 + 2), (x, yw + 3), 0.7, THIN)
    dimension(c, (x0, yw), (x1, yw))
    # TL: along the top face beside its right edge, from the front edge to
    # the back edge; the value box stands over its back end.
    inset = 16
    dimension(c, (x1 - inset, y0), (x1 - inset + DEPTH_DX, y0 + DEPTH_DY))


def draw():
    c = Canvas(WIDTH, HEIGHT, SUPERSAMPLE, WHITE)
    c.outline([(1.5, 1.5), (WIDTH - 1.5, 1.5), (WIDTH - 1.5, HEIGHT - 1.5), (1.5, HEIGHT - 1.5)], 0.8, SHEET)
    draw_gas(c)
    draw_casing(c)
    draw_tubes(c)
    draw_dimensions(c)
    draw_tube_fluid(c)
    return c.pixels()


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, '..', '..', 'data', 'tbx2Jxyz.bmp')
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    write_bmp(out, WIDTH, HEIGHT, draw())
    print(os.path.normpath(out))


if __name__ == '__main__':
    main(sys.argv)
