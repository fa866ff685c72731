#!/usr/bin/env python3
"""Draws the installer's icon (a light-blue box with a dark arrow pointing into it) at 48, 32
and 16 pixels and writes them as one .ico file of 32-bit images."""
import struct
import sys

BLUE = (255, 198, 139)  # B, G, R: the language chooser's light blue
NAVY = (96, 48, 16)
EDGE = (160, 110, 40)


def pixel(x, y, n):
    """The colour (B, G, R, A) at pixel x, y of an n-pixel image, y counted from the top."""
    u, v = (x + 0.5) / n, (y + 0.5) / n
    in_box = 0.12 <= u <= 0.88 and 0.40 <= v <= 0.92
    on_edge = in_box and (u < 0.12 + 1.5 / n or u > 0.88 - 1.5 / n or v > 0.92 - 1.5 / n)
    shaft = abs(u - 0.5) <= 0.09 and 0.06 <= v <= 0.52
    head = 0.46 <= v <= 0.74 and abs(u - 0.5) <= (0.74 - v) * 0.95
    if shaft or head:
        return NAVY + (255,)
    if on_edge:
        return EDGE + (255,)
    if in_box:
        return BLUE + (255,)
    return (0, 0, 0, 0)


def image(n):
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(n)):  # bottom-up
        rows.append(b"".join(bytes(pixel(x, y, n)) for x in range(n)))
    mask_row = ((n + 31) // 32) * 4
    return header + b"".join(rows) + bytes(mask_row * n)


def main(path):
    sizes = [48, 32, 16]
    images = [image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Setup.ico")
