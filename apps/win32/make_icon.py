#!/usr/bin/env python3
"""Draws the program's icon, 32 x 32 pixels in the 16 standard colours, and writes it as
an ICO file: three DF stations on a round map, their bearing lines crossing at the fix.

usage: make_icon.py OUTPUT.ico
"""
import math
import struct
import sys

SIZE = 32
PALETTE = [  # the 16 colours of the standard VGA palette, (red, green, blue)
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, GREEN, NAVY, TEAL, SILVER, RED, YELLOW, BLUE, WHITE = 0, 2, 4, 6, 7, 9, 11, 12, 15
TRANSPARENT = None

CENTRE = 15.5
RADIUS = 15.5
FIX = (19, 13)
STATIONS = [(7, 23), (25, 23), (9, 7)]


def draw():
    pixels = [[TRANSPARENT] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            distance = math.hypot(x - CENTRE, y - CENTRE)
            if distance <= RADIUS - 1.2:
                pixels[y][x] = SILVER if x % 8 == 4 or y % 8 == 4 else WHITE
            elif distance <= RADIUS:
                pixels[y][x] = NAVY
    for station in STATIONS:
        line(pixels, station, beyond(station, FIX), BLACK)
    for station in STATIONS:
        square(pixels, station, 1, BLUE)
    for dy in range(-2, 3):
        for dx in range(-2, 3):
            if 1.5 <= math.hypot(dx, dy) <= 2.5:
                pixels[FIX[1] + dy][FIX[0] + dx] = RED
    pixels[FIX[1]][FIX[0]] = YELLOW
    return pixels


def beyond(start, through):
    """A point past `through` on the line from `start`, so that the bearing line crosses the fix."""
    dx, dy = through[0] - start[0], through[1] - start[1]
    length = math.hypot(dx, dy)
    return (round(through[0] + 5 * dx / length), round(through[1] + 5 * dy / length))


def line(pixels, start, end, colour):
    steps = max(abs(end[0] - start[0]), abs(end[1] - start[1]))
    for i in range(steps + 1):
        x = round(start[0] + (end[0] - start[0]) * i / steps)
        y = round(start[1] + (end[1] - start[1]) * i / steps)
        if pixels[y][x] is not TRANSPARENT:
            pixels[y][x] = colour


def square(pixels, centre, half, colour):
    for y in range(centre[1] - half, centre[1] + half + 1):
        for x in range(centre[0] - half, centre[0] + half + 1):
            pixels[y][x] = colour


def ico(pixels):
    colour_rows = b""
    mask_rows = b""
    for row in reversed(pixels):  # bottom-up
        colours = [0 if p is TRANSPARENT else p for p in row]
        colour_rows += bytes((colours[i] << 4) | colours[i + 1] for i in range(0, SIZE, 2))
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is TRANSPARENT else 0)
        mask_rows += struct.pack(">I", bits)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(colour_rows) + len(mask_rows), 0, 0,
                         16, 0)
    image = header + palette + colour_rows + mask_rows
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 22)
    return directory + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as output:
        output.write(ico(draw()))
