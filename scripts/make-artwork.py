#!/usr/bin/env python3
"""Draws the framework bundle's images from code and writes them as PNGs at 1x, 2x and 3x.

Every picture is simple original artwork made of geometric shapes (strokes, circles, rounded
rectangles, polygons) described in points and rasterised with anti-aliasing from signed distance
fields. Network logos are neutral coloured badges with abstract marks; no real logo is copied.

Only the standard library is used. Output is deterministic, so re-running the script leaves the
tree unchanged unless a drawing changed.

Usage: scripts/make-artwork.py [bundle directory]
       (default: TavroMerchantSDK/resources/TavroMerchantSDK.bundle next to this script's repository)
"""

import math
import os
import struct
import sys
import zlib

SCALES = (1, 2, 3)

# Colours (RGB 0-255).
NAVY = (0x1D, 0x2A, 0x59)
DEEP_NAVY = (0x15, 0x19, 0x5A)
ACTION_BLUE = (0x00, 0x3E, 0xA9)
ACCENT_GOLD = (0xF7, 0xB6, 0x00)
ERROR_RED = (0xDD, 0x34, 0x58)
WHITE = (0xFF, 0xFF, 0xFF)
SLATE = (0x5A, 0x5F, 0x73)
TEAL = (0x1F, 0x6F, 0x78)
PLACEHOLDER_GREY = (0xC9, 0xCD, 0xD6)
STRIPE_GREY = (0x8B, 0x8C, 0x9C)


# --- signed distance fields (points; negative inside) ---------------------------------------

def sd_circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def sd_ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def sd_round_rect(x0, y0, w, h, radius):
    cx, cy, hw, hh = x0 + w / 2, y0 + h / 2, w / 2, h / 2

    def field(x, y):
        qx = abs(x - cx) - hw + radius
        qy = abs(y - cy) - hh + radius
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return field


def sd_segment(ax, ay, bx, by, width):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def field(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - width / 2
    return field


def sd_polyline(points, width):
    segments = [sd_segment(*points[i], *points[i + 1], width) for i in range(len(points) - 1)]
    return lambda x, y: min(s(x, y) for s in segments)


def sd_polygon(points):
    n = len(points)

    def field(x, y):
        d = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            d = min(d, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                inside = not inside
        return -d if inside else d
    return field


def sd_union(*fields):
    return lambda x, y: min(f(x, y) for f in fields)


def sd_subtract(field, hole):
    return lambda x, y: max(field(x, y), -hole(x, y))


def sd_intersect(*fields):
    return lambda x, y: max(f(x, y) for f in fields)


# --- canvas --------------------------------------------------------------------------------

class Canvas:
    """An RGBA bitmap (straight alpha) of a size in points at a scale."""

    def __init__(self, width_pt, height_pt, scale):
        self.scale = scale
        self.width = int(round(width_pt * scale))
        self.height = int(round(height_pt * scale))
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(self.width * self.height)]

    def fill(self, field, color, alpha=1.0, bounds=None):
        """Composites `color` over the pixels inside `field` (anti-aliased over one pixel)."""
        s = self.scale
        x0, y0, x1, y1 = 0, 0, self.width, self.height
        if bounds is not None:
            bx0, by0, bx1, by1 = bounds
            x0, y0 = max(0, int(math.floor(bx0 * s)) - 1), max(0, int(math.floor(by0 * s)) - 1)
            x1, y1 = min(self.width, int(math.ceil(bx1 * s)) + 1), min(self.height, int(math.ceil(by1 * s)) + 1)
        r, g, b = (c / 255.0 for c in color)
        for py in range(y0, y1):
            y = (py + 0.5) / s
            row = py * self.width
            for px in range(x0, x1):
                coverage = 0.5 - field((px + 0.5) / s, y) * s
                if coverage <= 0:
                    continue
                a = alpha * min(1.0, coverage)
                dst = self.pixels[row + px]
                out_a = a + dst[3] * (1 - a)
                if out_a <= 0:
                    continue
                keep = dst[3] * (1 - a)
                dst[0] = (r * a + dst[0] * keep) / out_a
                dst[1] = (g * a + dst[1] * keep) / out_a
                dst[2] = (b * a + dst[2] * keep) / out_a
                dst[3] = out_a

    def png(self):
        raw = []
        for py in range(self.height):
            row = bytearray()
            for p in self.pixels[py * self.width:(py + 1) * self.width]:
                if p[3] <= 0:
                    row += b"\0\0\0\0"
                else:
                    row += bytes(int(round(max(0.0, min(1.0, c)) * 255)) for c in p)
            raw.append(bytes(row))
        return encode_png(self.width, self.height, raw)


# --- PNG writer ----------------------------------------------------------------------------

def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def _filtered(kind, row, previous, bpp=4):
    out = bytearray(len(row))
    for i, value in enumerate(row):
        left = row[i - bpp] if i >= bpp else 0
        up = previous[i]
        corner = previous[i - bpp] if i >= bpp else 0
        if kind == 0:
            predictor = 0
        elif kind == 1:
            predictor = left
        elif kind == 2:
            predictor = up
        elif kind == 3:
            predictor = (left + up) // 2
        else:
            predictor = _paeth(left, up, corner)
        out[i] = (value - predictor) & 0xFF
    return out


def encode_png(width, height, rows):
    """8-bit RGBA PNG; each row takes the filter with the smallest sum of signed residuals."""
    data = bytearray()
    previous = bytes(width * 4)
    for row in rows:
        best = None
        for kind in range(5):
            candidate = _filtered(kind, row, previous)
            cost = sum(v if v < 128 else 256 - v for v in candidate)
            if best is None or cost < best[0]:
                best = (cost, kind, candidate)
        data.append(best[1])
        data += best[2]
        previous = row

    def chunk(tag, payload):
        body = tag + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(data), 9)) + chunk(b"IEND", b""))


# --- the pictures (sizes in points) ----------------------------------------------------------

STROKE = 2.2


def icon_left_arrow(c):
    c.fill(sd_union(sd_segment(6, 12, 19, 12, STROKE), sd_polyline([(12, 5.5), (5.5, 12), (12, 18.5)], STROKE)),
           WHITE, bounds=(3, 3, 21, 21))


def icon_share(c):
    tray = sd_polyline([(8.5, 10), (5, 10), (5, 20), (19, 20), (19, 10), (15.5, 10)], 2.0)
    arrow = sd_union(sd_segment(12, 3.5, 12, 14.5, 2.0), sd_polyline([(8, 7.5), (12, 3.5), (16, 7.5)], 2.0))
    c.fill(sd_union(tray, arrow), WHITE, bounds=(3, 2, 21, 22))


def icon_close(c):
    # Dark, so it shows as drawn on the white editor; tinted where it sits on a dark band.
    c.fill(sd_union(sd_segment(6, 6, 18, 18, STROKE), sd_segment(18, 6, 6, 18, STROKE)), DEEP_NAVY, bounds=(4, 4, 20, 20))


def icon_add_small(c):
    plus = sd_union(sd_segment(12, 7.5, 12, 16.5, 2.0), sd_segment(7.5, 12, 16.5, 12, 2.0))
    c.fill(sd_union(sd_ring(12, 12, 9.5, 1.6), plus), ACTION_BLUE, bounds=(1, 1, 23, 23))


def icon_more(c):
    dots = sd_union(sd_circle(5.5, 12, 2.2), sd_circle(12, 12, 2.2), sd_circle(18.5, 12, 2.2))
    c.fill(dots, NAVY, bounds=(2, 8, 22, 16))


def icon_warning(c):
    triangle = sd_polygon([(12, 3), (22, 20.5), (2, 20.5)])
    rounded = lambda x, y: triangle(x, y) - 0.8
    mark = sd_union(sd_segment(12, 9, 12, 14.2, 2.0), sd_circle(12, 17.4, 1.2))
    c.fill(sd_subtract(rounded, mark), ERROR_RED, bounds=(0, 1, 24, 22))


def icon_star(c):
    points = []
    for i in range(10):
        radius = 10 if i % 2 == 0 else 4.2
        angle = -math.pi / 2 + i * math.pi / 5
        points.append((12 + radius * math.cos(angle), 12.8 + radius * math.sin(angle)))
    c.fill(sd_polygon(points), ACCENT_GOLD, bounds=(1, 1, 23, 23))


def icon_chevron_right(c):
    c.fill(sd_polyline([(9, 5.5), (15.5, 12), (9, 18.5)], STROKE), NAVY, bounds=(6, 3, 18, 21))


def icon_chevron_down(c):
    c.fill(sd_polyline([(5.5, 9), (12, 15.5), (18.5, 9)], STROKE), NAVY, bounds=(3, 6, 21, 18))


def icon_chevron_up(c):
    c.fill(sd_polyline([(5.5, 15), (12, 8.5), (18.5, 15)], STROKE), NAVY, bounds=(3, 6, 21, 18))


def badge(c, width, height, color):
    c.fill(sd_round_rect(0.5, 0.5, width - 1, height - 1, min(5.0, height / 5)), color, bounds=(0, 0, width, height))


def network_tavro(c, width, height):
    """The framework's own network: a gold ring around a white diamond on a deep navy badge."""
    badge(c, width, height, DEEP_NAVY)
    cx, cy, r = width / 2, height / 2, height * 0.28
    c.fill(sd_ring(cx, cy, r, height * 0.08), ACCENT_GOLD, bounds=(0, 0, width, height))
    d = r * 0.55
    c.fill(sd_polygon([(cx, cy - d), (cx + d, cy), (cx, cy + d), (cx - d, cy)]), WHITE,
           bounds=(0, 0, width, height))


def network_bars(c, width, height, color):
    """A neutral badge with three white bars of rising height."""
    badge(c, width, height, color)
    bar = width * 0.09
    base = height * 0.74
    for i, top in enumerate((0.52, 0.38, 0.24)):
        x = width / 2 + (i - 1) * bar * 1.9
        c.fill(sd_segment(x, base, x, height * top, bar), WHITE, bounds=(0, 0, width, height))


def network_tiles(c, width, height, color):
    """A neutral badge with a two-by-two grid of white tiles, one of them gold."""
    badge(c, width, height, color)
    side = height * 0.2
    gap = height * 0.07
    x0 = width / 2 - side - gap / 2
    y0 = height / 2 - side - gap / 2
    for row in range(2):
        for col in range(2):
            tile = sd_round_rect(x0 + col * (side + gap), y0 + row * (side + gap), side, side, side * 0.2)
            c.fill(tile, ACCENT_GOLD if (row, col) == (1, 1) else WHITE, bounds=(0, 0, width, height))


def card_placeholder(c):
    width, height = 40, 26
    c.fill(sd_round_rect(0.5, 0.5, width - 1, height - 1, 3), PLACEHOLDER_GREY, bounds=(0, 0, width, height))
    c.fill(sd_round_rect(0.5, 5, width - 1, 4, 0), STRIPE_GREY, bounds=(0, 4, width, 10))
    c.fill(sd_round_rect(5, 13, 7, 5.5, 1.2), ACCENT_GOLD, bounds=(4, 12, 13, 19))
    c.fill(sd_segment(16, 20.5, 34, 20.5, 1.4), STRIPE_GREY, bounds=(14, 18, 36, 23))


def cardart_texture(c):
    """Soft white arcs over transparency, laid over the card's own colour."""
    width, height = 160, 100
    period, band = 16.0, 5.0
    cx, cy = width * 1.05, height * 1.15

    def arcs(x, y):
        distance = math.hypot(x - cx, y - cy)
        phase = distance % period
        return abs(phase - period / 2) - band / 2
    c.fill(arcs, WHITE, alpha=0.07)


def kora_logo(c):
    """The brand mark: a ring around a K drawn with three strokes, in white."""
    width, height = 48, 30
    cy = height / 2
    c.fill(sd_ring(15, cy, 11, 2.0), WHITE, bounds=(2, 2, 28, 28))
    k = sd_union(sd_segment(11.5, cy - 6, 11.5, cy + 6, 2.4),
                 sd_segment(12.5, cy + 0.5, 19, cy - 6, 2.4),
                 sd_segment(14.5, cy - 1, 19, cy + 6, 2.4))
    c.fill(k, WHITE, bounds=(8, 7, 22, 23))
    for i in range(3):
        x = 31 + i * 5.5
        c.fill(sd_circle(x, cy, 1.9), WHITE, bounds=(x - 3, cy - 3, x + 3, cy + 3))


def sized(width, height, draw):
    return (width, height, draw)


FRAMEWORK_IMAGES = {
    "icon_left_arrow": sized(24, 24, icon_left_arrow),
    "icon_share": sized(24, 24, icon_share),
    "icon_close": sized(24, 24, icon_close),
    "icon_add_small": sized(24, 24, icon_add_small),
    "icon_more": sized(24, 24, icon_more),
    "icon_warning": sized(24, 24, icon_warning),
    "icon_star": sized(24, 24, icon_star),
    "icon_chevron_right": sized(24, 24, icon_chevron_right),
    "tavro_sdk_icon_chevron_down": sized(24, 24, icon_chevron_down),
    "tavro_sdk_icon_chevron_up": sized(24, 24, icon_chevron_up),
    "network_logo_tavro": sized(48, 30, lambda c: network_tavro(c, 48, 30)),
    "network_logo_mastercard": sized(48, 30, lambda c: network_bars(c, 48, 30, SLATE)),
    "network_logo_rupay": sized(48, 30, lambda c: network_tiles(c, 48, 30, TEAL)),
    "card_network_logo_mastercard": sized(40, 25, lambda c: network_bars(c, 40, 25, SLATE)),
    "card_network_logo_rupay": sized(40, 25, lambda c: network_tiles(c, 40, 25, TEAL)),
    "card_placeholder": sized(40, 26, card_placeholder),
    "img_cardart_texture": sized(160, 100, cardart_texture),
    "img_card_logo_kora_white": sized(48, 30, kora_logo),
}

UI_CONTROLS_IMAGES = {
    "img_card_logo_kora_white": FRAMEWORK_IMAGES["img_card_logo_kora_white"],
}


def write_images(directory, images):
    os.makedirs(directory, exist_ok=True)
    for name, (width, height, draw) in sorted(images.items()):
        for scale in SCALES:
            canvas = Canvas(width, height, scale)
            draw(canvas)
            suffix = "" if scale == 1 else "@%dx" % scale
            path = os.path.join(directory, name + suffix + ".png")
            with open(path, "wb") as out:
                out.write(canvas.png())
            print(path)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    bundle = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        root, "TavroMerchantSDK", "resources", "TavroMerchantSDK.bundle")
    write_images(bundle, FRAMEWORK_IMAGES)
    write_images(os.path.join(bundle, "UIControlsResources.bundle"), UI_CONTROLS_IMAGES)


if __name__ == "__main__":
    main()
