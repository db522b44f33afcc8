#!/usr/bin/env python3
"""Writes the program icon (two sheets joining into one) as res/cordwain.ico.

Usage: make_icon.py [OUTPUT]   (default: res/cordwain.ico next to this folder)
The 32 x 32 and 16 x 16 images in 16 colours are drawn here pixel by pixel; the 32-bit images with
alpha, for screens scaled above 100 %, are res/cordwain.svg rendered by rsvg-convert (Debian's
librsvg2-bin): 20 to 64 pixels as bitmaps, 256 as PNG. Otherwise the standard library only.
"""
import struct
import subprocess
import sys
import zlib
from pathlib import Path

RES = Path(__file__).resolve().parent.parent
TRUE_COLOUR_SIZES = (20, 24, 40, 48, 64, 256)
DETAIL_FROM = 32  # smaller renderings leave out the lines of class "detail"
PNG_FROM = 256    # sizes stored as PNG, as Windows Vista and later read them

# The classic 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, GREEN, NAVY, SILVER, GRAY, RED, BLUE, WHITE = 0, 2, 4, 7, 8, 9, 12, 15
CLEAR = None  # a transparent pixel


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def sheet(self, left, top, right, bottom, fold, lines, flap_edges=True):
        """A page with its top-right corner folded down; lines are (y, x0, x1, colour)."""
        corner = right - fold
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                if x > corner and y - top < x - corner:
                    continue  # cut away by the fold
                edge = x in (left, right) or y in (top, bottom)
                diagonal = x > corner and y - top == x - corner
                self.put(x, y, BLACK if edge or diagonal else WHITE)
        # The folded flap: a grey triangle under the diagonal, outlined on its inner sides.
        for y in range(top, top + fold + 1):
            for x in range(corner, right + 1):
                if y - top < x - corner:
                    continue
                inner_edge = flap_edges and (x == corner or y == top + fold)
                if y - top == x - corner or inner_edge:
                    self.put(x, y, BLACK)
                else:
                    self.put(x, y, SILVER)
        for y, x0, x1, colour in lines:
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def arrow(self, tip_x, mid_y, shaft_from, head, colour):
        """A right-pointing arrow whose head is `head` pixels long."""
        for x in range(shaft_from, tip_x - head + 1):
            self.put(x, mid_y, colour)
            self.put(x, mid_y + 1, colour)
        for step in range(head):
            x = tip_x - step
            for y in range(mid_y - step, mid_y + step + 2):
                self.put(x, y, colour)


def text_lines(rows, x0, widths, colour):
    return [(y, x0, x0 + w - 1, colour) for y, w in zip(rows, widths)]


def draw_32():
    c = Canvas(32)
    c.sheet(1, 1, 11, 13, 3, text_lines([4, 6, 8, 10], 3, [5, 7, 6, 4], BLUE))
    c.sheet(1, 17, 11, 29, 3, text_lines([20, 22, 24, 26], 3, [5, 7, 6, 4], RED))
    c.arrow(18, 14, 13, 3, GREEN)
    c.sheet(20, 3, 30, 28, 3,
            text_lines([7, 9, 11, 13], 22, [5, 7, 6, 4], BLUE)
            + text_lines([17, 19, 21, 23], 22, [5, 7, 6, 4], RED))
    return c


def draw_16():
    c = Canvas(16)
    # Too small for an outlined flap: the fold is only its diagonal.
    c.sheet(0, 0, 5, 6, 2, text_lines([3, 5], 2, [2, 2], BLUE), flap_edges=False)
    c.sheet(0, 9, 5, 15, 2, text_lines([12, 14], 2, [2, 2], RED), flap_edges=False)
    c.arrow(9, 7, 6, 2, GREEN)
    c.sheet(10, 1, 15, 14, 2, text_lines([4, 6], 12, [2, 2], BLUE) + text_lines([9, 11], 12, [2, 2], RED),
            flap_edges=False)
    return c


def row_bytes(bits_per_pixel, width):
    return ((bits_per_pixel * width + 31) // 32) * 4


def icon_image(canvas):
    """One image of the .ico: header, palette, 4-bit colour bits, 1-bit transparency mask."""
    size = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    colour_bits = bytearray()
    mask_bits = bytearray()
    for row in reversed(canvas.pixels):  # bitmaps are stored bottom-up
        packed = bytearray(row_bytes(4, size))
        mask = bytearray(row_bytes(1, size))
        for x, colour in enumerate(row):
            index = BLACK if colour is CLEAR else colour
            packed[x // 2] |= index << (0 if x % 2 else 4)
            if colour is CLEAR:
                mask[x // 8] |= 0x80 >> (x % 8)
        colour_bits += packed
        mask_bits += mask
    return header + palette + bytes(colour_bits) + bytes(mask_bits)


def render_svg(size):
    """res/cordwain.svg as an RGBA PNG of size x size pixels."""
    command = ["rsvg-convert", "-w", str(size), "-h", str(size)]
    if size < DETAIL_FROM:
        command += ["-s", "/dev/stdin"]
        style = b".detail { display: none }"
    else:
        style = b""
    return subprocess.run(command + [str(RES / "cordwain.svg")], input=style, capture_output=True,
                          check=True).stdout


def png_rows(png):
    """The rows of an 8-bit RGBA, non-interlaced PNG (as rsvg-convert writes), top first, as bytes."""
    pos, data = 8, b""
    while pos < len(png):
        length, kind = struct.unpack(">I4s", png[pos:pos + 8])
        body = png[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert (depth, colour, interlace) == (8, 6, 0), "not an 8-bit RGBA PNG"
        elif kind == b"IDAT":
            data += body
        pos += 12 + length
    raw, stride, rows = zlib.decompress(data), 4 * width, []
    previous = bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - 4] if x >= 4 else 0
            up, corner = previous[x], previous[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                estimate = left + up - corner
                pa, pb, pc = abs(estimate - left), abs(estimate - up), abs(estimate - corner)
                line[x] = (line[x] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append(bytes(line))
        previous = line
    return rows


def true_colour_image(size):
    """A 32-bit image with alpha: a PNG as it is, or a bitmap (BGRA bottom-up, then the 1-bit mask)."""
    png = render_svg(size)
    if size >= PNG_FROM:
        return png
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour_bits, mask_bits = bytearray(), bytearray()
    for row in reversed(png_rows(png)):
        mask = bytearray(row_bytes(1, size))
        for x in range(size):
            r, g, b, a = row[4 * x:4 * x + 4]
            colour_bits += bytes((b, g, r, a))
            if a == 0:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_bits += mask
    return header + bytes(colour_bits) + bytes(mask_bits)


def ico_file(canvases):
    # (size, colour count, bits per pixel, image): the design's 16-colour images first.
    images = [(c.size, 16, 4, icon_image(c)) for c in canvases]
    images += [(size, 0, 32, true_colour_image(size)) for size in TRUE_COLOUR_SIZES]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, colours, bits, image in images:
        stored = size % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", stored, stored, colours, 0, 1, bits, len(image), offset)
        offset += len(image)
    return directory + b"".join(image for _, _, _, image in images)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else RES / "cordwain.ico"
    out.write_bytes(ico_file([draw_32(), draw_16()]))


if __name__ == "__main__":
    main()
