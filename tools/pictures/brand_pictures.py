"""The title picture, the program icon and the maker's splash pictures.

Run through tools/pictures/make_pictures.py; every picture comes from fixed
seeds, so the output is the same on every run.
"""

import math
import sys
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

import program_icon

BRUSH_FONT = "/usr/share/fonts/truetype/aoyagi-kouzan-t/AoyagiKouzanT.ttf"
MINCHO_FONT = "/usr/share/fonts/opentype/ipaexfont-mincho/ipaexm.ttf"
GOTHIC_FONT = "/usr/share/fonts/opentype/ipaexfont-gothic/ipaexg.ttf"

VERMILION = (196, 48, 36)
GOLD = (232, 176, 64)


def washi(size, rng, factor=1):
    """Warm off-white paper with long pale fibres and a faint mottle, `factor`
    times as large as `size` with the same fibres."""
    w, h = size
    out = (w * factor, h * factor)
    paper = Image.new("RGB", out, (243, 236, 220))
    mottle = Image.frombytes("L", (w // 6 + 1, h // 6 + 1), rng.randbytes((w // 6 + 1) * (h // 6 + 1)))
    mottle = mottle.resize(out, Image.BICUBIC).filter(ImageFilter.GaussianBlur(6 * factor))
    paper = Image.composite(Image.new("RGB", out, (232, 222, 200)), paper, mottle.point(lambda v: v // 3))
    fibres = ImageDraw.Draw(paper, "RGBA")
    for _ in range(260):
        x, y = rng.uniform(0, w), rng.uniform(0, h)
        angle = rng.uniform(0, math.pi)
        points = []
        for _step in range(rng.randint(6, 18)):
            points.append((x * factor, y * factor))
            angle += rng.uniform(-0.5, 0.5)
            x += math.cos(angle) * 2.5
            y += math.sin(angle) * 2.5
        shade = rng.choice([(255, 252, 240, 120), (214, 200, 170, 70)])
        fibres.line(points, fill=shade, width=factor)
    return paper


def ink_mask(size, draw_text, rng, bleed=1.2, factor=1):
    """Brush lettering as a mask: a soft bleed around the strokes, dry-brush
    streaks cut into them; `factor` times as large as `size`."""
    scale = 3 * factor
    big = Image.new("L", (size[0] * scale, size[1] * scale), 0)
    draw_text(ImageDraw.Draw(big), scale)
    # A loaded brush: the face's thin strokes made fuller.
    big = big.filter(ImageFilter.MaxFilter(6 * factor + 1))
    streaks = Image.new("L", big.size, 255)
    sd = ImageDraw.Draw(streaks)
    for _ in range(900):
        x, y = rng.uniform(0, big.width), rng.uniform(0, big.height)
        length = rng.uniform(10, 40) * factor
        sd.line([(x, y), (x + length * 0.3, y + length)], fill=rng.randint(60, 200), width=factor)
    dry = ImageChops.multiply(big, streaks.filter(ImageFilter.GaussianBlur(0.8 * factor)))
    mask = dry.resize((size[0] * factor, size[1] * factor), Image.LANCZOS)
    halo = mask.filter(ImageFilter.GaussianBlur(bleed * factor)).point(lambda v: int(v * 0.55))
    return ImageChops.lighter(mask, halo)


def seal(size, text, rng):
    """A square vermilion seal with the character cut out in white, its edge
    worn the way a stamped impression is."""
    s = size * 4
    stamp = Image.new("L", (s, s), 0)
    d = ImageDraw.Draw(stamp)
    d.rounded_rectangle((2, 2, s - 3, s - 3), radius=s // 10, fill=255)
    font = ImageFont.truetype(MINCHO_FONT, int(s * 0.78))
    box = d.textbbox((0, 0), text, font=font)
    d.text(((s - (box[2] - box[0])) / 2 - box[0], (s - (box[3] - box[1])) / 2 - box[1]), text, font=font, fill=0)
    d.rectangle((s * 0.08, s * 0.08, s * 0.92, s * 0.92), outline=0, width=max(2, s // 40))
    wear = Image.frombytes("L", (s, s), rng.randbytes(s * s)).filter(ImageFilter.GaussianBlur(2))
    wear = wear.point(lambda v: 0 if v < 112 else 255)
    stamp = ImageChops.multiply(stamp, wear)
    return stamp.resize((size, size), Image.LANCZOS)


def title_picture(factor=1):
    """300 x 300 (times `factor`): 戯詠帖 brushed down the middle of washi, with a red seal."""
    rng = random.Random(1201)
    size = (300, 300)
    paper = washi(size, rng, factor)
    font_px = 98

    def lettering(d, scale):
        font = ImageFont.truetype(BRUSH_FONT, font_px * scale)
        x = 96 * scale
        for i, ch in enumerate("戯詠帖"):
            box = d.textbbox((0, 0), ch, font=font)
            jitter = rng.uniform(-3, 3) * scale
            d.text((x + (font_px * scale - (box[2] - box[0])) / 2 - box[0] + jitter,
                    (8 + i * 92) * scale - box[1]), ch, font=font, fill=255)

    ink = ink_mask(size, lettering, rng, factor=factor)
    picture = Image.composite(Image.new("RGB", paper.size, (28, 24, 22)), paper, ink)
    stamp = seal(46 * factor, "戯", rng)
    picture.paste(Image.new("RGB", stamp.size, VERMILION), (222 * factor, 226 * factor),
                  stamp.point(lambda v: int(v * 0.92)))
    return picture


def icon_picture():
    """32 x 32 in 16 colours on black: the windows' icon."""
    card = program_icon.card_icon(32, ground=(0, 0, 0, 255)).convert("RGB")
    return card.quantize(colors=16, method=Image.MEDIANCUT, dither=Image.NONE)


def kite_emblem(size, opened=0.0):
    """The kite (鳶) emblem: a bird with wide wings inside a ring. With
    `opened` above 0 the left and right halves stand apart by that share of
    the size, like a door opening."""
    s = size * 4
    whole = Image.new("L", (s, s), 0)
    d = ImageDraw.Draw(whole)
    c = s / 2
    ring = s * 0.46
    d.ellipse((c - ring, c - ring, c + ring, c + ring), outline=255, width=max(3, s // 22))
    # Wings: two swept curves meeting at the body, tips rising.
    for side in (-1, 1):
        wing = [(c, c - s * 0.02), (c + side * s * 0.12, c - s * 0.10), (c + side * s * 0.26, c - s * 0.14),
                (c + side * s * 0.38, c - s * 0.20), (c + side * s * 0.34, c - s * 0.08),
                (c + side * s * 0.22, c - s * 0.02), (c + side * s * 0.30, c + s * 0.02),
                (c + side * s * 0.12, c + s * 0.04), (c, c + s * 0.06)]
        d.polygon(wing, fill=255)
    d.ellipse((c - s * 0.05, c - s * 0.16, c + s * 0.05, c - s * 0.06), fill=255)   # head
    d.polygon([(c - s * 0.05, c + s * 0.02), (c + s * 0.05, c + s * 0.02),
               (c + s * 0.09, c + s * 0.30), (c, c + s * 0.24), (c - s * 0.09, c + s * 0.30)], fill=255)  # tail
    if opened:
        shift = int(s * opened / 2)
        left = whole.crop((0, 0, s // 2, s))
        right = whole.crop((s // 2, 0, s, s))
        whole = Image.new("L", (s, s), 0)
        whole.paste(left, (-shift, 0))
        whole.paste(right, (s // 2 + shift, 0))
    return whole.resize((size, size), Image.LANCZOS)


def on_black(mask, colour):
    """A coloured picture on black, as an 8-bit picture with a 256-entry palette."""
    picture = Image.composite(Image.new("RGB", mask.size, colour), Image.new("RGB", mask.size, (0, 0, 0)), mask)
    palette = [0, 0, 0]
    for i in range(1, 256):
        t = i / 255
        palette += [int(colour[0] * t), int(colour[1] * t), int(colour[2] * t)]
    ladder = Image.new("P", (1, 1))
    ladder.putpalette(palette)
    return picture.quantize(palette=ladder, dither=Image.NONE)


def wordmark_picture(factor=1):
    """193 x 73 (times `factor`): 鳶工房 in gold with TOBI KOBO beneath, the
    lower-right corner left black for the small emblem."""
    w, h = 193, 73
    scale = 4 * factor
    mask = Image.new("L", (w * scale, h * scale), 0)
    d = ImageDraw.Draw(mask)
    name = ImageFont.truetype(BRUSH_FONT, 46 * scale)
    d.text((8 * scale, 2 * scale), "鳶工房", font=name, fill=255)
    latin = ImageFont.truetype(GOTHIC_FONT, 12 * scale)
    d.text((12 * scale, 56 * scale), "T O B I   K O B O", font=latin, fill=255)
    d.rectangle(((w - 36) * scale, (h - 36) * scale, w * scale, h * scale), fill=0)
    return mask.resize((w * factor, h * factor), Image.LANCZOS)


def variant_name(name, factor):
    """"title.png" for the 1x drawing, "title@2x.png" for the 2x one."""
    if factor == 1:
        return name
    stem, dot, suffix = name.rpartition(".")
    return f"{stem}@{factor}x{dot}{suffix}"


def write_all(assets):
    icon_picture().save(f"{assets}/icon.png")
    # The title and splash pictures at 1x, and the same drawings at 2x and 3x
    # for high-density screens.
    for factor in (1, 2, 3):
        title_picture(factor).save(f"{assets}/{variant_name('title.png', factor)}", optimize=factor > 1)
        on_black(kite_emblem(96 * factor), GOLD).save(f"{assets}/{variant_name('emblem_whole.bmp', factor)}")
        on_black(kite_emblem(96 * factor, opened=0.22), GOLD).save(
            f"{assets}/{variant_name('emblem_open.bmp', factor)}")
        on_black(kite_emblem(32 * factor), GOLD).save(f"{assets}/{variant_name('emblem_small.bmp', factor)}")
        on_black(wordmark_picture(factor), GOLD).save(f"{assets}/{variant_name('wordmark.bmp', factor)}")


if __name__ == "__main__":
    write_all(sys.argv[1] if len(sys.argv) > 1 else "assets")
