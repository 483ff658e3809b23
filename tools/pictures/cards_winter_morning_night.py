"""Cards 4 to 6: the snowman, the mountain at morning and the mushrooms of
the night set.  Same pencil as the first three, same light greys."""

import math

from PIL import ImageChops

from cards import _band, _cloud
from pencil import Sketch, catmull_rom, closed_curve, ellipse_points


def _round_shade(sk, cx, cy, rx, ry, pressure=0.45, light=(-0.4, -0.45), angle=40):
    """Tone on the side of a round form turned away from the light."""
    body = sk.mask()
    sk.ellipse(body, cx, cy, rx, ry)
    lit = sk.mask()
    sk.ellipse(lit, cx + light[0] * rx * 0.5, cy + light[1] * ry * 0.5, rx * 0.95, ry * 0.95)
    shade = ImageChops.subtract(body, lit)
    sk.hatch(sk.soften(shade, max(1.0, rx * 0.12)), angle, spacing=1.3, pressure=pressure,
             ragged=0.6)
    sk.hatch(sk.soften(shade, max(1.5, rx * 0.2)), angle + 70, spacing=2.0,
             pressure=pressure * 0.5, ragged=0.6)


def _flake(sk, x, y, r, pressure=0.35):
    """A falling snowflake: a small open ring, now and then with a dot of tone."""
    sk.stroke(ellipse_points(x, y, r, r * sk.r(0.85, 1.0), sk.r(0, 1), sk.r(0, 1) + 2 * math.pi),
              pressure=pressure * sk.r(0.7, 1.1), width=0.5, wobble=0.05, taper=0.1)


def card_winter(factor=1):
    """A snowman with a bucket for a hat and twig arms, in falling snow."""
    sk = Sketch(seed=404, factor=factor)
    ground = 176
    # --- the sky: a soft rubbed tone that lets the flakes show white
    sky = sk.mask()
    sk.poly(sky, [(0, 0), (200, 0), (200, 150), (0, 160)])
    sk.smudge(sky, strength=0.17, blur=10)
    sk.hatch(sk.soften(sky, 12), 70, spacing=3.2, pressure=0.07, ragged=3)
    # far hills and a snowy pine on the right, behind everything
    sk.stroke([(-2, 150), (30, 140), (70, 146), (120, 134), (160, 142), (202, 136)],
              pressure=0.35, width=0.6, wobble=0.8)
    hills = sk.mask()
    sk.poly(hills, [(0, 151), (30, 141), (70, 147), (120, 135), (160, 143), (200, 137),
                    (200, 152), (0, 160)])
    sk.hatch(sk.soften(hills, 2), 15, spacing=1.8, pressure=0.22, ragged=1.5)
    px, py = 170, 164
    sk.stroke([(px, py - 4), (px + 0.5, ground - 2)], pressure=0.6, width=1.6, wobble=0.1)
    for k, w in enumerate((24, 20, 15, 10, 5)):
        base = py - k * 15
        top = base - 22
        tier = [(px - w, base), (px - w * 0.55, base - 8), (px, top), (px + w * 0.55, base - 9),
                (px + w, base)]
        hem = [(px - w, base), (px - w * 0.5, base + 2.5), (px, base + 1), (px + w * 0.5, base + 3),
               (px + w, base)]
        shape = catmull_rom(tier, 0.6) + catmull_rom(hem[::-1], 0.6)
        whole = sk.mask()
        sk.poly(whole, shape)
        sk.erase(whole, soft=0.3)
        sk.sketchy(catmull_rom(tier, 0.6), passes=2, pressure=0.5, spread=0.35, breaks=0.3)
        sk.sketchy(catmull_rom(hem, 0.6), passes=1, pressure=0.45, spread=0.3)
        # snow lies on the upper side of each tier; the needles show beneath
        needles = sk.mask()
        sk.poly(needles, catmull_rom(hem, 0.6) + [(px + w * 0.7, base - 5), (px, base - 7),
                                                   (px - w * 0.7, base - 4)])
        sk.hatch(sk.soften(needles, 0.8), 75, spacing=1.1, pressure=0.5, ragged=0.5)
        sk.hatch(sk.soften(needles, 1.0), 20, spacing=1.8, pressure=0.3, ragged=0.5)

    # --- the snowman: a big body, a smaller head, both left of the poem
    bx, by, br = 54, 146, 31
    hx, hy, hr = 57, 98, 21
    for (x, y, r) in ((bx, by, br + 3), (hx, hy, hr + 3)):
        m = sk.mask()
        sk.ellipse(m, x, y, r - 2.5, (r - 2.5) * 0.97)
        sk.erase(m, soft=0.5)
    body = ellipse_points(bx, by, br, br * 0.96, math.radians(-60), math.radians(245))
    sk.sketchy(body, passes=2, pressure=0.7, spread=0.45, breaks=0.3)
    sk.sketchy(ellipse_points(hx, hy, hr, hr * 0.97), passes=2, pressure=0.72, spread=0.4,
               closed=True)
    _round_shade(sk, bx, by, br, br * 0.96, pressure=0.42)
    _round_shade(sk, hx, hy, hr, hr * 0.97, pressure=0.4)
    # the shadow the head throws on the body, and the body on the ground
    neck = sk.mask()
    sk.ellipse(neck, hx + 4, hy + hr + 3, hr * 0.9, 5)
    sk.hatch(sk.soften(neck, 1.5), 10, spacing=1.2, pressure=0.35, ragged=0.8)
    cast = sk.mask()
    sk.ellipse(cast, bx + 16, ground + 2, 38, 5)
    sk.hatch(sk.soften(cast, 1.5), 5, spacing=1.2, pressure=0.42, ragged=1.5)
    # a bucket pushed down over the head at a slant
    bucket = [(41, 82), (44, 62), (64, 58), (72, 77)]
    rim = [(39, 84), (56, 79), (74, 78)]
    blank = sk.mask()
    sk.poly(blank, bucket + [(56, 84)])
    sk.erase(blank, soft=0.3)
    sk.sketchy(bucket, passes=2, pressure=0.75, spread=0.3, smooth=False)
    sk.sketchy(catmull_rom(rim, 0.6), passes=2, pressure=0.7, spread=0.3)
    sk.stroke(ellipse_points(54, 60, 10, 2.6, rot=-0.2), pressure=0.55, width=0.6, wobble=0.1)
    tin = sk.mask()
    sk.poly(tin, [(56, 60), (64, 58), (72, 77), (58, 80)])
    sk.hatch(sk.soften(tin, 0.8), 80, spacing=1.1, pressure=0.55, ragged=0.4)
    sk.stroke([(44, 70), (56, 66), (62, 68)], pressure=0.35, width=0.5, wobble=0.1)
    # charcoal eyes, a mouth of pebbles and three buttons
    for (x, y, r) in [(51, 94, 1.8), (63, 93, 1.8)]:
        for _ in range(3):
            sk.stroke(ellipse_points(x, y, r, r), pressure=0.9, width=0.8, wobble=0.05, taper=0)
    for k in range(5):
        u = (k - 2) / 2
        x, y = 57 + u * 7, 106 + (u * u) * -2.5 + 1.5
        sk.stroke(ellipse_points(x, y, 0.8, 0.8), pressure=0.75, width=0.7, wobble=0, taper=0)
    sk.stroke([(56, 99), (59, 100.5), (56, 101.5)], pressure=0.55, width=0.6, wobble=0.05)
    for y in (128, 141, 154):
        x = bx + 1 + (y - 128) * 0.05
        for _ in range(2):
            sk.stroke(ellipse_points(x, y, 2.0, 1.8), pressure=0.8, width=0.7, wobble=0.05,
                      taper=0)
    # twig arms with little forks
    for arm in ([(26, 133), (14, 122), (2, 112)], [(83, 130), (96, 120), (110, 108)]):
        sk.sketchy(catmull_rom(arm, 0.6), passes=2, pressure=0.7, spread=0.25, width=0.8)
        (x0, y0), (x1, y1) = arm[1], arm[2]
        fx, fy = (x0 + x1) / 2, (y0 + y1) / 2
        side = -1 if x1 < x0 else 1
        sk.stroke([(fx, fy), (fx + side * 3, fy - 7)], pressure=0.6, width=0.6, wobble=0.1)
        sk.stroke([(x1, y1), (x1 + side * 1, y1 - 5)], pressure=0.5, width=0.55, wobble=0.1)
    # a scarf in two strokes round the neck
    sk.sketchy(catmull_rom([(38, 114), (50, 120), (66, 120), (76, 113)], 0.6), passes=2,
               pressure=0.6, spread=0.3)
    sk.sketchy(catmull_rom([(39, 119), (52, 125), (66, 124), (75, 118)], 0.6), passes=1,
               pressure=0.5, spread=0.3)
    scarf = sk.mask()
    sk.poly(scarf, [(38, 114), (50, 120), (66, 120), (76, 113), (75, 118), (66, 124), (52, 125),
                    (39, 119)])
    sk.hatch(sk.soften(scarf, 0.6), -35, spacing=1.2, pressure=0.5, ragged=0.4)
    sk.sketchy([(66, 122), (70, 136), (75, 135), (72, 121)], passes=2, pressure=0.6, spread=0.2,
               smooth=False)

    # --- the snowy ground, wavy drifts
    sk.stroke([(-2, ground), (30, ground - 1.5), (90, ground + 1), (140, ground - 1),
               (202, ground + 0.5)], pressure=0.55, width=0.7, wobble=0.6)
    sk.stroke([(10, ground + 9), (60, ground + 8), (110, ground + 10)], pressure=0.25,
              width=0.5, wobble=0.8)
    sk.stroke([(120, ground + 15), (170, ground + 13), (202, ground + 14)], pressure=0.22,
              width=0.5, wobble=0.8)

    # --- the falling snow, last, so the flakes lie over everything
    for _ in range(150):
        x, y = sk.r(0, 200), sk.r(0, 196)
        near_man = math.hypot(x - bx, y - by) < br + 2 or math.hypot(x - hx, y - hy) < hr + 2
        r = sk.r(0.8, 2.2) if sk.rng.random() < 0.8 else sk.r(2.2, 3.2)
        spot = sk.mask()
        sk.ellipse(spot, x, y, r + 0.6, r + 0.6)
        sk.erase(spot, soft=0.2)
        if not near_man or sk.rng.random() < 0.3:
            _flake(sk, x, y, r)
    return sk.finish()


def _ridge(sk, points, pressure=0.6):
    sk.sketchy(catmull_rom(points, 0.6), passes=2, pressure=pressure, spread=0.4, breaks=0.3)


def card_morning(factor=1):
    """A high mountain with a snowy top, clouds drifting across its flanks
    and a far range behind, in the thin light of morning."""
    sk = Sketch(seed=505, factor=factor)
    # --- the far range, pale
    far = [(-2, 122), (22, 108), (40, 114), (58, 100), (74, 110), (84, 106)]
    _ridge(sk, far, pressure=0.35)
    farm = sk.mask()
    sk.poly(farm, far + [(84, 140), (-2, 140)])
    sk.hatch(sk.soften(farm, 3), 75, spacing=2.2, pressure=0.18, ragged=2)
    # --- the mountain: a flat-topped cone with long, hollow slopes
    left = [(40, 176), (72, 140), (96, 104), (112, 74), (122, 54), (126, 46)]
    top = [(126, 46), (131, 44.5), (137, 46)]
    right = [(137, 46), (142, 55), (153, 76), (170, 104), (190, 128), (204, 142)]
    outline = catmull_rom(left, 0.6) + catmull_rom(top, 0.6) + catmull_rom(right, 0.6)
    body = sk.mask()
    sk.poly(body, outline + [(204, 200), (40, 200)])
    sk.erase(body, soft=0.4)
    _ridge(sk, left, pressure=0.72)
    sk.stroke(catmull_rom(top, 0.6), pressure=0.6, width=0.7, wobble=0.1)
    _ridge(sk, right, pressure=0.72)
    # the snow cap ends in ragged tongues down the gullies
    snow = [(110, 78), (114, 86), (118, 76), (122, 92), (127, 78), (132, 96), (136, 80),
            (142, 90), (147, 74), (152, 80)]
    sk.stroke(catmull_rom(snow, 0.6), pressure=0.45, width=0.6, wobble=0.3)
    # the shadowed right flank, hatched down the slope and fading into the
    # haze at the foot; a lighter tone on the left
    fade = sk.mask()
    sk.poly(fade, [(0, -60), (200, -60), (200, 120), (0, 120)])
    fade = sk.soften(fade, 30)
    snowcap = sk.mask()
    sk.poly(snowcap, catmull_rom(snow, 0.6) + [(137, 46), (126, 46)])
    shadow = sk.mask()
    sk.poly(shadow, catmull_rom(right, 0.6) + [(204, 200), (162, 200), (146, 140), (136, 96),
                                                (134, 60)])
    shadow = ImageChops.multiply(ImageChops.subtract(shadow, snowcap), fade)
    sk.hatch(sk.soften(shadow, 2), 58, spacing=1.3, pressure=0.5, ragged=0.8)
    sk.hatch(sk.soften(shadow, 3), 118, spacing=2.1, pressure=0.25, ragged=0.8)
    lit = sk.mask()
    sk.poly(lit, [(112, 80), (134, 96), (146, 140), (162, 200), (40, 200), (72, 140)])
    sk.hatch(sk.soften(ImageChops.multiply(lit, fade), 4), 120, spacing=2.8, pressure=0.15,
             ragged=1.5)
    for gully in ([(122, 92), (119, 110), (112, 130)], [(132, 96), (135, 116), (136, 136)],
                  [(142, 90), (150, 108), (158, 124)]):
        sk.stroke(catmull_rom(gully, 0.6), pressure=0.4, width=0.55, wobble=0.4)

    # --- drifting clouds: long flat-bottomed banks across the flanks
    def bank(x0, x1, base, height, seed_shift):
        lobes = []
        x = x0
        while x < x1:
            u = (x - x0) / (x1 - x0)
            r = height * (0.55 + 0.45 * math.sin(math.pi * u)) * sk.r(0.8, 1.1)
            lobes.append((x, base - r * 0.55 + sk.g(0.8), r))
            x += r * sk.r(0.9, 1.3) + seed_shift
        return lobes
    _cloud(sk, bank(70, 196, 108, 11, 0.5), ground=108, pressure=0.6, shade=0.4)
    _cloud(sk, bank(-8, 96, 146, 13, 0.8), ground=146, pressure=0.62, shade=0.42)
    _cloud(sk, bank(108, 210, 170, 9, 0.4), ground=170, pressure=0.5, shade=0.35)
    for y, x0, x1 in [(109, 74, 190), (147, -4, 92), (171, 112, 204)]:
        sk.stroke([(x0, y), ((x0 + x1) / 2, y + 0.4), (x1, y)], pressure=0.3, width=0.5,
                  wobble=0.4)
    # thin wisps, a morning sun low on the left and two birds
    for pts in [[(14, 40), (40, 37), (70, 39)], [(150, 20), (176, 18), (198, 21)],
                [(24, 58), (44, 56)]]:
        sk.stroke(pts, pressure=0.32, width=0.5, wobble=0.5)
    sk.sketchy(ellipse_points(34, 82, 9, 9, math.radians(180), math.radians(360)), passes=2,
               pressure=0.5, spread=0.3)
    for (gx, gy, gs) in [(60, 30, 3.0), (70, 24, 2.2)]:
        sk.stroke([(gx - gs, gy - gs * 0.3), (gx - gs * 0.4, gy - gs * 0.6), (gx, gy)],
                  pressure=0.5, width=0.55, wobble=0.05)
        sk.stroke([(gx, gy), (gx + gs * 0.5, gy - gs * 0.7), (gx + gs * 1.1, gy - gs * 0.4)],
                  pressure=0.5, width=0.55, wobble=0.05)
    # the foot of the mountain: a line of trees and a rubbed tone
    x = -2
    while x < 200:
        h = sk.r(5, 10)
        sk.stroke([(x, 196), (x + 2, 196 - h), (x + 4, 196)], pressure=0.45, width=0.55,
                  wobble=0.1)
        x += sk.r(3.5, 6)
    foot = sk.mask()
    sk.poly(foot, [(0, 188), (200, 186), (200, 200), (0, 200)])
    sk.hatch(sk.soften(foot, 2), 80, spacing=1.2, pressure=0.35, ragged=1.5)
    return sk.finish()


def _mushroom(sk, x, y, cap_w, cap_h, stem_h, lean=0.0, pressure=0.75, spots=False):
    """One mushroom standing at (x, y): a domed cap with gills below, a stem
    that thickens to the ground, toned away from the light on the left."""
    top_x = x + lean * stem_h
    cap_y = y - stem_h
    # stem
    stem = [(x, y), (x + lean * stem_h * 0.5, y - stem_h * 0.5), (top_x, cap_y + 2)]
    _band(sk, stem, cap_w * 0.62, cap_w * 0.44, pressure=pressure * 0.9,
                         shade_side=1, shade=0.4, grain=False)
    # cap outline: dome and a rolled rim
    dome = [(top_x - cap_w, cap_y + 1), (top_x - cap_w * 0.85, cap_y - cap_h * 0.6),
            (top_x - cap_w * 0.4, cap_y - cap_h * 0.97), (top_x, cap_y - cap_h),
            (top_x + cap_w * 0.45, cap_y - cap_h * 0.95), (top_x + cap_w * 0.88, cap_y - cap_h * 0.55),
            (top_x + cap_w, cap_y + 1)]
    under = [(top_x + cap_w, cap_y + 1), (top_x + cap_w * 0.5, cap_y + cap_h * 0.22),
             (top_x, cap_y + cap_h * 0.26), (top_x - cap_w * 0.5, cap_y + cap_h * 0.22),
             (top_x - cap_w, cap_y + 1)]
    shape = catmull_rom(dome, 0.6) + catmull_rom(under, 0.6)
    m = sk.mask()
    sk.poly(m, shape)
    sk.erase(m, soft=0.3)
    sk.sketchy(catmull_rom(dome, 0.6), passes=2, pressure=pressure, spread=0.4, breaks=0.3)
    sk.sketchy(catmull_rom(under, 0.6), passes=2, pressure=pressure * 0.9, spread=0.3)
    # gills: short strokes from the rim toward the stem
    for k in range(1, 14):
        u = -1 + 2 * k / 14
        gx = top_x + u * cap_w * 0.92
        gy = cap_y + 1 + cap_h * 0.22 * (1 - u * u) * 0.8
        sk.stroke([(gx, gy), (top_x + u * cap_w * 0.35, cap_y + cap_h * 0.2)], pressure=0.4,
                  width=0.5, wobble=0.05)
    gills = sk.mask()
    sk.poly(gills, catmull_rom(under, 0.6) + [(top_x - cap_w, cap_y), (top_x + cap_w, cap_y)])
    sk.hatch(sk.soften(gills, 0.6), 10, spacing=1.1, pressure=0.45, ragged=0.3)
    # cap tone: darker toward the rim and the far side, a highlight spared on top
    capm = sk.mask()
    sk.poly(capm, catmull_rom(dome, 0.6))
    hl = sk.mask()
    sk.ellipse(hl, top_x + cap_w * 0.25, cap_y - cap_h * 0.7, cap_w * 0.35, cap_h * 0.22)
    tone = ImageChops.subtract(sk.soften(capm, 0.4), sk.soften(hl, cap_w * 0.15))
    sk.hatch(tone, 70, spacing=1.25, pressure=0.5, ragged=0.4)
    dark = sk.mask()
    sk.ellipse(dark, top_x - cap_w * 0.5, cap_y - cap_h * 0.1, cap_w * 0.7, cap_h * 0.5)
    sk.hatch(sk.soften(ImageChops.multiply(dark, capm), 1.5), 130, spacing=1.4, pressure=0.4,
             ragged=0.4)
    if spots:
        for _ in range(int(cap_w / 2.5)):
            a = sk.r(math.radians(200), math.radians(340))
            rr = sk.r(0.25, 0.85)
            sx = top_x + math.cos(a) * cap_w * rr
            sy = cap_y - cap_h * 0.1 + math.sin(a) * cap_h * rr * 0.9
            sp = sk.mask()
            sk.ellipse(sp, sx, sy, 1.6, 1.1)
            sk.erase(sp, soft=0.2)
            sk.stroke(ellipse_points(sx, sy, 1.6, 1.1), pressure=0.45, width=0.5, wobble=0,
                      taper=0)


def card_night(factor=1):
    """A clump of mushrooms among fallen leaves, a crescent moon above."""
    sk = Sketch(seed=606, factor=factor)
    ground = 178
    # --- the moon and a hint of night sky rubbed in around it
    sky = sk.mask()
    sk.ellipse(sky, 34, 34, 36, 30)
    sk.smudge(sky, strength=0.3, blur=8)
    moon = sk.mask()
    sk.ellipse(moon, 32, 32, 12, 12)
    bite = sk.mask()
    sk.ellipse(bite, 38, 27, 11, 11)
    crescent = ImageChops.subtract(moon, bite)
    sk.erase(sk.soften(moon, 1.0), soft=0)
    sk.stroke(ellipse_points(32, 32, 12, 12, math.radians(20), math.radians(285)),
              pressure=0.6, width=0.6, wobble=0.1)
    sk.stroke(ellipse_points(38, 27, 11, 11, math.radians(112), math.radians(212)),
              pressure=0.5, width=0.55, wobble=0.1)
    sk.hatch(sk.soften(ImageChops.subtract(moon, crescent), 0.5), 30, spacing=1.6,
             pressure=0.2, ragged=0.4)
    for (x, y) in [(66, 18), (12, 70), (80, 46), (58, 64)]:
        sk.stroke([(x - 1.5, y), (x + 1.5, y)], pressure=0.45, width=0.5, wobble=0, taper=0)
        sk.stroke([(x, y - 1.5), (x, y + 1.5)], pressure=0.45, width=0.5, wobble=0, taper=0)

    # --- the mushrooms, back ones first
    _mushroom(sk, 150, ground - 1, 15, 13, 30, lean=0.18, pressure=0.6)
    _mushroom(sk, 40, ground + 1, 19, 17, 40, lean=-0.15, pressure=0.7, spots=True)
    _mushroom(sk, 100, ground + 2, 28, 23, 56, lean=0.05, pressure=0.8)
    _mushroom(sk, 68, ground + 4, 14, 12, 22, lean=-0.22, pressure=0.72)
    _mushroom(sk, 132, ground + 4, 11, 9, 15, lean=0.2, pressure=0.66)
    _mushroom(sk, 176, ground + 3, 8, 7, 9, lean=0.3, pressure=0.6)

    # --- the forest floor: moss strokes, grass blades and two fallen leaves
    sk.stroke([(-2, ground + 2), (50, ground), (120, ground + 3), (202, ground + 1)],
              pressure=0.5, width=0.6, wobble=0.8)
    floor = sk.mask()
    sk.poly(floor, [(0, ground + 1), (200, ground), (200, 200), (0, 200)])
    sk.hatch(sk.soften(floor, 2.5), 8, spacing=1.3, pressure=0.38, ragged=2)
    x = -2
    while x < 202:
        h = sk.r(3, 9)
        lean = sk.g(1.5)
        sk.stroke([(x, ground + 2), (x + lean * 0.5, ground + 2 - h * 0.6), (x + lean, ground + 2 - h)],
                  pressure=0.4 * sk.r(0.7, 1.2), width=0.5, wobble=0.05, taper=0.5)
        x += sk.r(2, 6)
    for (cx, cy, ln, a) in [(20, 190, 14, -0.3), (170, 192, 12, 0.4)]:
        c, s = math.cos(a), math.sin(a)
        mid = [(cx - c * ln, cy - s * ln), (cx, cy), (cx + c * ln, cy + s * ln)]
        outline = closed_curve([(cx - c * ln, cy - s * ln), (cx - s * ln * 0.4, cy + c * ln * 0.4),
                                (cx + c * ln, cy + s * ln), (cx + s * ln * 0.4, cy - c * ln * 0.4)])
        leaf = sk.mask()
        sk.poly(leaf, outline)
        sk.erase(leaf, soft=0.3)
        sk.sketchy(outline, passes=2, pressure=0.55, spread=0.3)
        sk.stroke(mid, pressure=0.5, width=0.55, wobble=0.1)
        sk.hatch(sk.soften(leaf, 0.8), math.degrees(a) + 60, spacing=1.5, pressure=0.3)
    return sk.finish()
