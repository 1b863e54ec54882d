#!/usr/bin/env python3
"""Draws the program icon as 16- and 32-pixel XPM images in the 16 standard colours, and
both images once more as the Windows icon file wrenlink3config.ico.

A tracker box with a status light, an antenna and two radio waves, the waves whole within
the picture. The desktop's SVG, wrenlink3config.svg beside this script, shows the same
picture; keep them alike.
Run from this folder: ./draw_icons.py
"""

import math
import struct

PALETTE = {
    ".": "None",
    "k": "#000000",  # black
    "n": "#000080",  # navy
    "b": "#0000FF",  # blue
    "g": "#00FF00",  # lime
    "y": "#FFFF00",  # yellow
    "o": "#808000",  # olive
    "s": "#C0C0C0",  # silver
    "d": "#808080",  # grey
    "r": "#FF0000",  # red
    "w": "#FFFFFF",  # white
}


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [["."] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def box(self, x0, y0, x1, y1, outline, inside):
        self.fill(x0, y0, x1, y1, outline)
        self.fill(x0 + 1, y0 + 1, x1 - 1, y1 - 1, inside)
        for x, y in ((x0, y0), (x1, y0), (x0, y1), (x1, y1)):
            self.put(x, y, ".")

    def waves(self, cx, cy, radius, colour, width=1.0):
        """Arcs of a circle left and right of its centre, 50 degrees either side."""
        for y in range(self.size):
            for x in range(self.size):
                dx, dy = x + 0.5 - cx, y + 0.5 - cy
                angle = abs(math.degrees(math.atan2(dy, dx)))
                sideways = angle <= 50 or angle >= 130
                if sideways and abs(math.hypot(dx, dy) - radius) <= width / 2:
                    self.put(x, y, colour)

    def ico_image(self):
        """The image as an icon file holds it: a 4-bit bitmap of twice the height (colours,
        then a 1-bit mask where transparent), rows bottom up, each padded to four bytes."""
        colours = []
        for c in "kndrwbgyos":
            if PALETTE[c] not in colours:
                colours.append(PALETTE[c])
        colours += ["#000000"] * (16 - len(colours))
        index = {c: colours.index(PALETTE[c]) for c in PALETTE if c != "."}
        header = struct.pack("<IiiHHIIiiII", 40, self.size, 2 * self.size, 1, 4, 0, 0, 0, 0,
                             16, 0)
        palette = b"".join(bytes((int(c[5:7], 16), int(c[3:5], 16), int(c[1:3], 16), 0))
                           for c in colours)
        xor, mask = b"", b""
        for row in reversed(self.pixels):
            nibbles = [0 if c == "." else index[c] for c in row]
            line = bytes(a << 4 | b for a, b in zip(nibbles[::2], nibbles[1::2]))
            xor += line.ljust((len(line) + 3) // 4 * 4, b"\0")
            bits = int("".join("1" if c == "." else "0" for c in row), 2)
            line = bits.to_bytes(self.size // 8, "big")
            mask += line.ljust((len(line) + 3) // 4 * 4, b"\0")
        return header + palette + xor + mask

    def xpm(self, name):
        used = sorted({c for row in self.pixels for c in row})
        lines = [f'"{self.size} {self.size} {len(used)} 1",']
        lines += [f'"{c} c {PALETTE[c]}",' for c in used]
        lines += [f'"{"".join(row)}",' for row in self.pixels]
        lines[-1] = lines[-1].rstrip(",")
        body = "\n".join(lines)
        return f"/* XPM */\nstatic const char* const {name}[] = {{\n{body}\n}};\n"


def draw32():
    c = Canvas(32)
    c.waves(16, 8, 4.5, "y", 1.6)
    c.waves(16, 8, 8, "y", 1.6)
    c.fill(15, 9, 16, 16, "d")
    c.fill(14, 7, 17, 9, "r")
    c.box(5, 15, 26, 29, "k", "n")
    c.fill(7, 17, 24, 17, "b")
    c.fill(8, 20, 10, 22, "g")
    c.fill(13, 20, 23, 20, "s")
    c.fill(13, 23, 23, 23, "s")
    c.fill(13, 26, 23, 26, "s")
    c.fill(8, 26, 10, 26, "o")
    return c


def draw16():
    c = Canvas(16)
    c.waves(7.5, 4.5, 3, "y", 1.0)
    c.waves(7.5, 4.5, 5, "y", 1.0)
    c.fill(7, 5, 7, 8, "d")
    c.fill(6, 3, 8, 4, "r")
    c.box(1, 8, 13, 15, "k", "n")
    c.fill(3, 10, 4, 11, "g")
    c.fill(6, 10, 11, 10, "s")
    c.fill(6, 12, 11, 12, "s")
    return c


def ico(canvases):
    images = [c.ico_image() for c in canvases]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for canvas, image in zip(canvases, images):
        directory += struct.pack("<BBBBHHII", canvas.size, canvas.size, 16, 0, 1, 4, len(image),
                                 offset)
        offset += len(image)
    return directory + b"".join(images)


if __name__ == "__main__":
    canvases = (draw32(), draw16())
    for canvas in canvases:
        with open(f"wrenlink3config-{canvas.size}.xpm", "w", encoding="ascii") as out:
            out.write(canvas.xpm(f"wrenlink3config_{canvas.size}"))
    with open("wrenlink3config.ico", "wb") as out:
        out.write(ico(canvases))
