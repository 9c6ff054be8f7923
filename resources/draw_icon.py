#!/usr/bin/env python3
"""Draws the program's icon, a small telescope on its tripod under a star, and writes it
as a Windows .ico with a 32 x 32 and a 16 x 16 image, 16 colours (4 bits per pixel) each.

    python3 resources/draw_icon.py resources/Focalix.ico

Standard library only; the output is committed, so a build needs no Python.
"""

import math
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, NAVY, SILVER, GREY, YELLOW, BLUE, AQUA, WHITE = 0, 4, 7, 8, 11, 12, 14, 15
TRANSPARENT = None


def segment_distance(px, py, ax, ay, bx, by):
    """Distance from a point to a segment, and the position along it (0 at a, 1 at b)."""
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy)), t


def draw(size):
    """Rows of palette indices (None: transparent), top row first. Geometry is laid out on
    a 32-unit grid and scaled, so both sizes show the same picture."""
    scale = size / 32.0
    pixels = [[TRANSPARENT] * size for _ in range(size)]

    for row in range(size):
        for col in range(size):
            # Centre of the pixel in 32-unit coordinates.
            x, y = (col + 0.5) / scale, (row + 0.5) / scale
            colour = TRANSPARENT

            # Tripod: three legs from the mount down to the ground.
            for foot in ((7.0, 30.5), (15.0, 31.0), (23.0, 30.5)):
                d, _ = segment_distance(x, y, 15.0, 19.0, *foot)
                if d <= 1.0 / scale * 0.75 + 0.35:
                    colour = GREY

            # Tube: from the eyepiece (lower left) to the objective (upper right), widening.
            d, t = segment_distance(x, y, 5.0, 22.0, 25.0, 8.0)
            half_width = 2.6 + 1.4 * t
            if d <= half_width + 1.0:
                colour = BLACK  # outline
            if d <= half_width:
                colour = BLUE if t > 0.08 else NAVY
                # Light catching the upper edge of the tube.
                ux, uy = 20.0 / math.hypot(20.0, 14.0), -14.0 / math.hypot(20.0, 14.0)
                side = (x - 5.0) * uy - (y - 22.0) * ux  # > 0 on the upper side
                if side > half_width * 0.4:
                    colour = AQUA
            # Dew shield ring near the objective.
            if 0.78 <= t <= 0.84 and d <= half_width:
                colour = SILVER
            # The objective lens, seen edge on.
            _, t_end = segment_distance(x, y, 5.0, 22.0, 25.0, 8.0)
            if t_end >= 1.0 and d <= half_width + 1.0:
                colour = WHITE if d <= half_width else BLACK

            # A star above the objective: a small cross with a bright core.
            sx, sy = 28.5, 3.5
            arm = 3.0
            if (abs(x - sx) <= 0.6 / scale and abs(y - sy) <= arm) or (
                abs(y - sy) <= 0.6 / scale and abs(x - sx) <= arm
            ):
                colour = YELLOW
            if abs(x - sx) <= 0.6 / scale and abs(y - sy) <= 0.6 / scale:
                colour = WHITE

            pixels[row][col] = colour
    return pixels


def row_padded(data):
    return data + b"\0" * (-len(data) % 4)


def encode_image(pixels):
    """A 4-bpp DIB with its AND mask, as an .ico image entry holds it."""
    size = len(pixels)
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0
    )  # height counts the colour bits and the mask
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    colour_rows, mask_rows = [], []
    for row in reversed(pixels):  # bottom-up
        nibbles = [BLACK if p is None else p for p in row]
        colour_rows.append(
            row_padded(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2)))
        )
        mask = bytearray((size + 7) // 8)
        for i, p in enumerate(row):
            if p is None:
                mask[i // 8] |= 0x80 >> (i % 8)
        mask_rows.append(row_padded(bytes(mask)))
    return header + palette + b"".join(colour_rows) + b"".join(mask_rows)


def encode_icon(sizes):
    images = [(size, encode_image(draw(size))) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: draw_icon.py OUTPUT.ico")
    with open(sys.argv[1], "wb") as f:
        f.write(encode_icon((32, 16)))


if __name__ == "__main__":
    main()
