#!/usr/bin/env python3
"""Draws the program icon (a yacht under sail over a wake) as a .ico file."""
import struct
import sys


def pixel(x, y, size):
    s = size / 32.0
    u, v = x / s, y / s
    # water and wake
    if v >= 24:
        if 24 <= v < 26 and 4 <= u < 28 and int(u) % 6 < 3:
            return (255, 255, 255, 255)
        return (30, 90, 170, 255)
    # hull
    if 20 <= v < 24 and 6 + (v - 20) <= u < 26 - (v - 20):
        return (150, 30, 30, 255)
    # mast
    if 15.5 <= u < 17 and 3 <= v < 20:
        return (60, 40, 20, 255)
    # main sail (triangle left of the mast)
    if 4 <= v < 19 and 17 - (v - 4) * 0.75 <= u < 15.5:
        return (250, 250, 245, 255)
    # jib (triangle right of the mast)
    if 6 <= v < 19 and 17 <= u < 17 + (v - 6) * 0.6:
        return (235, 235, 225, 255)
    # sky (transparent)
    return (0, 0, 0, 0)


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        row = b"".join(struct.pack("BBBB", b, g, r, a)
                       for (r, g, b, a) in (pixel(x, y, size) for x in range(size)))
        rows.append(row)
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    andmask = b"\x00" * (mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(andmask), 0, 0, 0, 0)
    return header + xor + andmask


def main(path):
    sizes = [32, 16]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1])
