#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Ohmilka developers
# SPDX-License-Identifier: MIT

"""Draws Ohmilka's pictures: the icon, the link cursor, the about window's logo and banner.

Rerunnable; writes into the folder of this script. Needs Debian's python3-pil and
fonts-liberation (scripts/setup.sh installs both).
"""
import struct
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

HERE = Path(__file__).resolve().parent
FONT = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"

# The sixteen colours of the classic 4-bit palette.
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

BODY = (255, 255, 0)  # yellow from the 16 colours reads as a resistor's beige body
BANDS = [(128, 0, 0), (0, 0, 0), (255, 0, 0), (255, 255, 0)]  # brown, black, red, gold-ish


def draw_resistor(size):
    """The icon's design at any size: a resistor lying diagonally, with four bands."""
    s = size / 32
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(image)
    d.line([(1 * s, 16 * s), (31 * s, 16 * s)], fill=(0, 0, 0, 255), width=max(2, round(2 * s)))
    d.rounded_rectangle([6 * s, 9 * s, 26 * s, 23 * s], radius=4 * s,
                        fill=BODY + (255,), outline=(0, 0, 0, 255), width=max(1, round(s)))
    for i, colour in enumerate([(128, 0, 0), (0, 0, 0), (255, 0, 0), (192, 192, 192)]):
        x = (9 + 4 * i) * s
        d.rectangle([x, 10 * s, x + 2 * s - 1, 22 * s - 1], fill=colour + (255,))
    return image


def to_palette16(image):
    """Nearest of the sixteen colours per pixel, and the transparency mask."""
    pixels = []
    mask = []
    for r, g, b, a in image.getdata():
        if a < 128:
            pixels.append(0)
            mask.append(1)
            continue
        pixels.append(min(range(16), key=lambda i: sum((c - p) ** 2 for c, p in
                                                        zip((r, g, b), PALETTE16[i]))))
        mask.append(0)
    return pixels, mask


def write_4bit_icon(path, image, hotspot=None):
    """An .ico (or .cur with a hot spot) holding exactly one 32 x 32, 16-colour image."""
    width = height = 32
    pixels, mask = to_palette16(image)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE16)
    xor = bytearray()
    for y in reversed(range(height)):  # bottom-up rows
        row = pixels[y * width:(y + 1) * width]
        xor += bytes((row[x] << 4) | row[x + 1] for x in range(0, width, 2))
    andmask = bytearray()
    for y in reversed(range(height)):
        row = mask[y * width:(y + 1) * width]
        andmask += bytes(sum(bit << (7 - i) for i, bit in enumerate(row[x:x + 8]))
                         for x in range(0, width, 8))
    data = header + palette + bytes(xor) + bytes(andmask)
    kind, planes, bits = (1, 1, 4) if hotspot is None else (2, *hotspot)
    entry = struct.pack("<BBBBHHII", width, height, 16, 0, planes, bits, len(data), 6 + 16)
    path.write_bytes(struct.pack("<HHH", 0, kind, 1) + entry + data)


def draw_hand():
    """A pointing hand, index fingertip at (12, 1)."""
    image = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    d = ImageDraw.Draw(image)
    black, white = (0, 0, 0, 255), (255, 255, 255, 255)
    d.rounded_rectangle([10, 1, 14, 17], radius=2, fill=white, outline=black)  # index finger
    for left, top in [(14, 8), (18, 9), (22, 10)]:  # the other three fingers, bent
        d.rounded_rectangle([left, top, left + 4, 19], radius=2, fill=white, outline=black)
    d.rounded_rectangle([6, 13, 11, 20], radius=2, fill=white, outline=black)  # thumb
    d.rounded_rectangle([8, 15, 26, 29], radius=4, fill=white, outline=black)  # palm
    d.line([(11, 15), (11, 19)], fill=white)
    return image


def draw_logo():
    image = Image.new("RGB", (269, 93), (255, 255, 255))
    d = ImageDraw.Draw(image)
    for y in range(93):  # a soft blue sky fading to white
        shade = int(200 + 55 * y / 92)
        d.line([(0, y), (268, y)], fill=(shade - 60, shade - 25, 255))
    resistor = draw_resistor(80)
    image.paste(resistor, (8, 7), resistor)
    d.text((98, 14), "Ohmilka", font=ImageFont.truetype(FONT, 40), fill=(20, 30, 90))
    d.text((100, 62), "barevný kód rezistorů", font=ImageFont.truetype(FONT, 14),
           fill=(20, 30, 90))
    return image


def draw_banner():
    image = Image.new("RGB", (200, 36), (255, 255, 255))
    d = ImageDraw.Draw(image)
    d.rounded_rectangle([0, 0, 199, 35], radius=8, fill=(20, 60, 140))
    resistor = draw_resistor(28)
    image.paste(resistor, (6, 4), resistor)
    d.text((40, 9), "Ohmilka na webu", font=ImageFont.truetype(FONT, 15), fill=(255, 255, 255))
    # 255 colours for the picture, index 255 left for the transparent corners.
    picture = image.quantize(255, dither=Image.Dither.NONE)
    palette = picture.getpalette()[:255 * 3]
    palette += [0, 0, 0] * (256 - len(palette) // 3)
    picture.putpalette(palette)
    corners = Image.new("L", (200, 36), 0)
    ImageDraw.Draw(corners).rounded_rectangle([0, 0, 199, 35], radius=8, fill=255)
    picture.paste(255, mask=Image.eval(corners, lambda v: 255 - v))
    return picture


def main():
    icons = HERE / "icons"
    icons.mkdir(exist_ok=True)
    icon = draw_resistor(32)
    write_4bit_icon(HERE / "ohmilka.ico", icon)
    # The PNG at 32 px is the 16-colour image itself; the larger ones are drawn anew.
    pixels, mask = to_palette16(icon)
    icon16 = Image.new("RGBA", (32, 32))
    icon16.putdata([(0, 0, 0, 0) if m else PALETTE16[p] + (255,) for p, m in zip(pixels, mask)])
    icon16.save(icons / "ohmilka-32.png", optimize=True)
    for size in (48, 64, 128, 256):
        draw_resistor(size).save(icons / f"ohmilka-{size}.png", optimize=True)
    write_4bit_icon(HERE / "hand.cur", draw_hand(), hotspot=(12, 1))
    draw_logo().save(HERE / "logo.jpg", "JPEG", quality=90, progressive=True)
    draw_banner().save(HERE / "banner.gif", "GIF", transparency=255, optimize=False)


if __name__ == "__main__":
    main()
