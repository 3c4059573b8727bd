#!/usr/bin/env python3
"""Turns the text pixel art of vanterel_icon.txt into a Windows .ico file.

Usage: make_ico.py SOURCE OUTPUT

The source holds images one after another. Each starts with a line
"image WIDTHxHEIGHT COLOURS" (COLOURS 2 or 16), followed by HEIGHT rows of
WIDTH characters, top row first. "." is a transparent pixel; any other
character is a hexadecimal index into the image's palette: black and white
for 2 colours, the standard Windows 16-colour palette for 16. Lines starting
with "#" and blank lines are ignored.
"""

import struct
import sys

PALETTES = {
    2: [(0, 0, 0), (255, 255, 255)],
    16: [
        (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
        (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
        (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
        (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
    ],
}
BITS_PER_PIXEL = {2: 1, 16: 4}
TRANSPARENT = "."


class SourceError(Exception):
    pass


def parse(text):
    images = []
    current = None
    for number, line in enumerate(text.splitlines(), start=1):
        line = line.rstrip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("image "):
            current = start_image(line, number)
            images.append(current)
            continue
        if current is None:
            raise SourceError(f"line {number}: pixels before the first image line")
        check_row(current, line, number)
        current["rows"].append(line)
    for image in images:
        if len(image["rows"]) != image["height"]:
            raise SourceError(
                f"line {image['line']}: {len(image['rows'])} rows, expected {image['height']}")
    if not images:
        raise SourceError("no images")
    return images


def start_image(line, number):
    try:
        _, size, colours = line.split()
        width, height = (int(part) for part in size.split("x"))
        colours = int(colours)
    except ValueError:
        raise SourceError(f"line {number}: expected 'image WIDTHxHEIGHT COLOURS'") from None
    if colours not in PALETTES:
        raise SourceError(f"line {number}: {colours} colours; only 2 or 16 are supported")
    if not (0 < width <= 256 and 0 < height <= 256):
        raise SourceError(f"line {number}: size {width}x{height} out of range")
    return {"width": width, "height": height, "colours": colours, "rows": [], "line": number}


def check_row(image, row, number):
    if len(image["rows"]) == image["height"]:
        raise SourceError(f"line {number}: more than {image['height']} rows")
    if len(row) != image["width"]:
        raise SourceError(f"line {number}: {len(row)} pixels, expected {image['width']}")
    for pixel in row:
        if pixel != TRANSPARENT and int_or_none(pixel) not in range(image["colours"]):
            raise SourceError(f"line {number}: '{pixel}' is no colour of a "
                              f"{image['colours']}-colour image")


def int_or_none(pixel):
    try:
        return int(pixel, 16)
    except ValueError:
        return None


def packed_rows(rows, bits, value):
    """Rows bottom first, each packed at `bits` per pixel and padded to 32 bits."""
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        accumulator = 0
        filled = 0
        for pixel in row:
            accumulator = (accumulator << bits) | value(pixel)
            filled += bits
            if filled == 8:
                line.append(accumulator)
                accumulator = 0
                filled = 0
        if filled:
            line.append(accumulator << (8 - filled))
        line.extend(b"\0" * (-len(line) % 4))
        data.extend(line)
    return bytes(data)


def image_data(image):
    bits = BITS_PER_PIXEL[image["colours"]]
    width, height = image["width"], image["height"]
    # A transparent pixel is colour 0 under a set mask bit: the screen shows through.
    colour = packed_rows(image["rows"], bits,
                         lambda p: 0 if p == TRANSPARENT else int(p, 16))
    mask = packed_rows(image["rows"], 1, lambda p: 1 if p == TRANSPARENT else 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0)
                       for r, g, b in PALETTES[image["colours"]])
    # The height counts the colour bitmap and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0,
                         len(colour) + len(mask), 0, 0, image["colours"], 0)
    return header + palette + colour + mask


def ico(images):
    datas = [image_data(image) for image in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for image, data in zip(images, datas):
        out += struct.pack("<BBBBHHII", image["width"] % 256, image["height"] % 256,
                           image["colours"] % 256, 0, 1, BITS_PER_PIXEL[image["colours"]],
                           len(data), offset)
        offset += len(data)
    for data in datas:
        out += data
    return bytes(out)


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    try:
        with open(argv[1], encoding="ascii") as source:
            images = parse(source.read())
    except (SourceError, UnicodeDecodeError) as error:
        print(f"{argv[1]}: {error}", file=sys.stderr)
        return 1
    with open(argv[2], "wb") as output:
        output.write(ico(images))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
