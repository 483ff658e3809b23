"""The program icon, a small poem card with a brush stroke and a seal, drawn
afresh at each size the desktop asks for, so small sizes stay crisp instead of
being shrunk from one large picture.

    /usr/bin/python3 tools/pictures/program_icon.py assets
"""

import os
import sys

from PIL import Image, ImageDraw

VERMILION = (196, 48, 36)
# The name the desktop finds the icon by: the program's AppStream id.
ICON_NAME = "jp.gieicho.gieicho"
DESKTOP_SIZES = (16, 24, 32, 48, 64, 128, 256)
OVERSAMPLING = 4


def card_icon(size, ground=(0, 0, 0, 0)):
    """size x size RGBA: the card on the given ground, clear unless named. The shapes are laid out on
    a 32-unit grid and drawn at four times the size, then brought down, which
    smooths their edges."""
    unit = size * OVERSAMPLING / 32

    def box(left, top, right, bottom):
        return (left * unit, top * unit, right * unit - 1, bottom * unit - 1)

    def stroke(points, width):
        return [(x * unit, y * unit) for x, y in points], max(1, round(width * unit))

    img = Image.new("RGBA", (size * OVERSAMPLING,) * 2, ground)
    d = ImageDraw.Draw(img)
    d.rectangle(box(3.5, 1.5, 28.5, 30.5), fill=(120, 96, 60, 255))
    d.rectangle(box(5, 3, 27, 29), fill=(246, 238, 220, 255))
    points, width = stroke([(17.5, 6), (16.5, 13), (17.5, 20), (15.5, 25)], 3)
    d.line(points, fill=(30, 26, 24, 255), width=width)
    points, width = stroke([(11.5, 7.5), (11, 15.5)], 2)
    d.line(points, fill=(30, 26, 24, 255), width=width)
    d.rectangle(box(8.5, 21, 13.75, 26.25), fill=VERMILION + (255,))
    return img.resize((size, size), Image.LANCZOS)


def write_desktop_icons(folder):
    """One PNG per size, laid out as the hicolor theme is: NxN/apps/NAME.png."""
    for size in DESKTOP_SIZES:
        target = f"{folder}/hicolor/{size}x{size}/apps"
        os.makedirs(target, exist_ok=True)
        card_icon(size).save(f"{target}/{ICON_NAME}.png")


if __name__ == "__main__":
    write_desktop_icons(sys.argv[1] if len(sys.argv) > 1 else "assets")
