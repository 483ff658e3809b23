"""The six poem-card pictures: light pencil sketches, 200 x 200 RGB."""

import math

from PIL import ImageChops

from pencil import Sketch, catmull_rom, closed_curve, ellipse_points, offset_path


def _band(sk, centre, w0, w1, pressure=0.7, shade_side=1, shade=0.45, hatch_angle=None,
          grain=True):
    """A branch or stalk: a smooth centre line drawn as two uneven edges,
    toned lightly all over, darker along one side, with lines of bark grain."""
    path = catmull_rom(centre, 1.0)
    left, right = offset_path(path, lambda u: w0 + (w1 - w0) * u)
    whole = sk.mask()
    sk.poly(whole, left + right[::-1])
    sk.erase(whole)
    sk.sketchy(left, passes=2, pressure=pressure * 0.85, spread=0.5)
    sk.sketchy(right, passes=2, pressure=pressure, spread=0.5)
    m = sk.mask()
    shade_edge = right if shade_side > 0 else left
    far = left if shade_side > 0 else right
    mid = [(a[0] * 0.45 + b[0] * 0.55, a[1] * 0.45 + b[1] * 0.55) for a, b in zip(far, shade_edge)]
    sk.poly(m, shade_edge + mid[::-1])
    if hatch_angle is None:
        (x0, y0), (x1, y1) = path[0], path[-1]
        hatch_angle = math.degrees(math.atan2(y1 - y0, x1 - x0)) + 65
    sk.hatch(sk.soften(whole, 0.3), hatch_angle, spacing=2.0, pressure=shade * 0.35, ragged=0.4)
    sk.hatch(sk.soften(m, 0.5), hatch_angle, spacing=1.1, pressure=shade, ragged=0.5)
    sk.hatch(sk.soften(m, 0.5), hatch_angle + 55, spacing=1.8, pressure=shade * 0.6, ragged=0.5)
    if grain:
        # bark: broken lines running along the wood
        n = len(path)
        for _ in range(int(n / 5)):
            a = sk.rng.randrange(0, max(1, n - 6))
            b = min(n - 1, a + sk.rng.randint(4, 14))
            f = sk.r(0.2, 0.85)
            seg = [(l[0] * (1 - f) + r[0] * f, l[1] * (1 - f) + r[1] * f)
                   for l, r in zip(left[a:b + 1], right[a:b + 1])]
            if len(seg) > 1:
                sk.stroke(seg, pressure=pressure * sk.r(0.35, 0.6), width=0.55, wobble=0.2)
    return path, left, right


def _plum(sk, cx, cy, r, rot, squash=1.0, pressure=0.6, open_=1.0):
    """A five-petalled plum blossom: round petals, a centre and stamens."""
    petals = []
    for k in range(5):
        a = rot + k * 2 * math.pi / 5
        px = cx + math.cos(a) * r * 0.55
        py = cy + math.sin(a) * r * 0.55 * squash
        petals.append((a, px, py))
    pr = r * 0.52
    disk = sk.mask()
    for a, px, py in petals:
        sk.ellipse(disk, px, py, pr, pr * squash)
    sk.erase(disk)
    for a, px, py in petals:
        # the outer rim of the petal (inner parts hide behind the neighbours)
        span = math.radians(sk.r(100, 125))
        pts = ellipse_points(px, py, pr * sk.r(0.95, 1.08), pr * squash * sk.r(0.95, 1.05),
                             a - span, a + span)
        # a small notch at the tip, as plum petals have
        notch_i = len(pts) // 2
        nx, ny = math.cos(a), math.sin(a) * squash
        pts[notch_i] = (pts[notch_i][0] - nx * pr * 0.12, pts[notch_i][1] - ny * pr * 0.12)
        sk.sketchy(pts, passes=2, pressure=pressure * sk.r(0.8, 1.05), width=0.7, wobble=0.25, spread=0.3, breaks=0.2)
        # a couple of veins
        for _ in range(2):
            b = a + sk.g(0.35)
            sk.stroke([(cx + math.cos(b) * r * 0.3, cy + math.sin(b) * r * 0.3 * squash),
                       (cx + math.cos(b) * r * 0.75, cy + math.sin(b) * r * 0.75 * squash)],
                      pressure=0.22, width=0.5, wobble=0.1)
    # a soft tone at the heart of the flower
    m = sk.mask()
    sk.ellipse(m, cx, cy, r * 0.45, r * 0.45 * squash)
    sk.hatch(sk.soften(m, r * 0.15), sk.r(30, 60), spacing=1.5, pressure=0.16, ragged=0.4)
    # stamens
    for k in range(int(7 * open_)):
        a = sk.r(0, 2 * math.pi)
        ln = r * sk.r(0.35, 0.62)
        ex, ey = cx + math.cos(a) * ln, cy + math.sin(a) * ln * squash
        sk.stroke([(cx + math.cos(a) * 1.0, cy + math.sin(a) * 1.0), (ex, ey)],
                  pressure=0.45, width=0.45, wobble=0.1)
        sk.stroke(ellipse_points(ex, ey, 0.45, 0.45), pressure=0.55, width=0.55, wobble=0.05, taper=0)
    sk.stroke(ellipse_points(cx, cy, 1.4, 1.4 * squash), pressure=0.6, width=0.6, wobble=0.1)


def _bud(sk, x, y, r, pressure=0.6):
    sk.sketchy(closed_curve([(x - r, y), (x, y - r * 1.15), (x + r, y), (x, y + r * 0.9)]),
               passes=2, pressure=pressure, width=0.7, spread=0.3, wobble=0.2)
    m = sk.mask()
    sk.ellipse(m, x + r * 0.35, y + r * 0.3, r * 0.7, r * 0.6)
    sk.hatch(m, 60, spacing=1.3, pressure=0.35, ragged=0.3)
    # the calyx holding the bud
    sk.stroke([(x - r * 0.8, y + r * 0.5), (x, y + r * 1.2), (x + r * 0.8, y + r * 0.5)],
              pressure=0.6, width=0.7, wobble=0.1)


def card_spring():
    """A plum branch in bloom with a mejiro (white-eye) perched on it."""
    sk = Sketch(seed=101)
    # --- the branch, coming in from the lower left, angular as plum wood is
    main = [(-6, 178), (14, 166), (34, 152), (52, 142), (70, 133), (86, 126),
            (104, 113), (122, 104), (140, 90), (154, 78)]
    _band(sk, [(36, 155), (30, 130), (36, 110), (33, 92)], 4.5, 1.2, pressure=0.7, shade=0.5)
    _band(sk, [(106, 116), (114, 96), (113, 80), (122, 66)], 3.5, 1.0, pressure=0.65, shade=0.45)
    _band(sk, [(122, 106), (140, 108), (158, 104)], 2.5, 0.8, pressure=0.6, shade=0.4)
    _band(sk, [(16, 168), (6, 150), (8, 136)], 4.0, 1.2, pressure=0.7, shade=0.5)
    _band(sk, main, 13, 1.6, pressure=0.85, shade=0.85)
    # knots
    for (x, y) in [(22, 161), (62, 138), (94, 120)]:
        sk.stroke(ellipse_points(x, y, 1.8, 1.1, 0.4, 6.0, rot=-0.5), pressure=0.6, width=0.6,
                  wobble=0.1)

    # --- blossoms and buds
    for (x, y, r, rot, sq) in [(32, 86, 12, 0.3, 0.95), (42, 124, 10, 1.1, 0.85),
                               (9, 128, 10, 0.7, 0.9), (114, 74, 11, 0.2, 0.9),
                               (136, 84, 8, 1.4, 0.8), (162, 100, 7.5, 0.6, 1.0),
                               (58, 158, 11, 0.5, 0.9), (20, 188, 9, 1.0, 0.8)]:
        _plum(sk, x, y, r, rot, sq)
    for (x, y, r) in [(123, 62, 3.2), (152, 74, 2.8), (39, 106, 2.6), (24, 145, 3.0),
                      (74, 147, 2.6), (140, 109, 2.4)]:
        _bud(sk, x, y, r)

    # --- the mejiro, perched on the branch facing left, tail down to the right
    outline = [(47, 103), (50, 98.5), (56, 95.5), (63, 96.5), (72, 100.5), (82, 106.5),
               (90, 113.5), (98, 119.5), (105, 125.5), (103.5, 129), (96, 125.5),
               (88, 121.5), (80, 125), (68, 127.5), (58, 124.5), (50.5, 117.5),
               (46.5, 111), (45.8, 106.5)]
    silhouette = sk.mask()
    sk.poly(silhouette, outline + [(38.6, 105.4)])
    sk.erase(silhouette)
    sk.sketchy(catmull_rom(outline, 0.6), passes=2, pressure=0.8, spread=0.45, breaks=0.5)
    # beak
    sk.stroke([(47.2, 103.2), (42, 104.2), (38.6, 105.4)], pressure=0.85, width=0.75, wobble=0.05)
    sk.stroke([(38.6, 105.4), (42.5, 106.3), (46, 106.6)], pressure=0.8, width=0.7, wobble=0.05)
    # wing, with its feather edges
    wing_top = [(58, 104), (66, 103.5), (76, 106), (86, 112), (95, 120)]
    wing_low = [(58, 104), (61, 111), (69, 116.5), (80, 119), (95, 120)]
    sk.sketchy(catmull_rom(wing_top, 0.6), passes=1, pressure=0.55, spread=0.3)
    sk.sketchy(catmull_rom(wing_low, 0.6), passes=2, pressure=0.7, spread=0.35)
    for k in range(5):
        x = 70 + k * 4.5
        y = 108 + k * 2.4
        sk.stroke([(x, y), (x + 3.5, y + 5.5), (x + 6.5, y + 8.5)], pressure=0.5, width=0.55,
                  wobble=0.1)
    # tail feather line
    sk.stroke([(90, 118), (98, 123.5), (104, 127.5)], pressure=0.45, width=0.55, wobble=0.1)
    # eye, its white ring left bare, and the dark lore line to the beak
    ex, ey = 52.5, 102.5
    sk.stroke(ellipse_points(ex, ey, 3.0, 2.8), pressure=0.5, width=0.5, wobble=0.1, taper=0.05)
    for _ in range(3):
        sk.stroke(ellipse_points(ex, ey, 1.1, 1.1), pressure=1.0, width=0.8, wobble=0.05, taper=0)
    sk.stroke([(49.5, 103.4), (47.5, 104.3)], pressure=0.7, width=0.7, wobble=0.05)
    # tone: crown, back and wing olive-dark; throat and belly pale
    back = sk.mask()
    sk.poly(back, [(47, 104), (50, 98.5), (56, 95.5), (63, 96.5), (72, 100.5), (82, 106.5),
                   (90, 113.5), (105, 125.5), (96, 122), (80, 119), (69, 116.5), (61, 111),
                   (57, 106), (54, 107), (48, 106.5)])
    eye = sk.mask()
    sk.ellipse(eye, ex, ey, 3.8, 3.5)
    back = ImageChops.subtract(back, eye)
    sk.hatch(sk.soften(back, 0.8), 28, spacing=1.15, pressure=0.6, ragged=0.5)
    sk.hatch(sk.soften(back, 1.5), 118, spacing=1.6, pressure=0.4, ragged=0.5)
    wingm = sk.mask()
    sk.poly(wingm, wing_top + wing_low[::-1])
    sk.hatch(sk.soften(wingm, 0.8), 60, spacing=1.4, pressure=0.4, ragged=0.5)
    belly = sk.mask()
    sk.poly(belly, [(60, 118), (72, 121), (86, 121), (80, 126), (64, 127)])
    sk.hatch(sk.soften(belly, 1.8), 160, spacing=1.9, pressure=0.3, ragged=0.6)
    # feet gripping the branch
    for fx in (66, 74):
        sk.stroke([(fx, 126), (fx - 0.5, 130.5), (fx - 3, 132.5)], pressure=0.75, width=0.6)
        sk.stroke([(fx - 0.5, 130.5), (fx + 2.5, 132)], pressure=0.65, width=0.55)
    # a few fallen petals drifting
    for (x, y, a) in [(30, 186, 0.3), (96, 172, 1.2), (150, 150, 2.0), (74, 190, 0.8)]:
        sk.stroke(ellipse_points(x, y, 2.6, 1.6, 0.3, 2 * math.pi + 0.1, rot=a),
                  pressure=0.4, width=0.55, wobble=0.1)
    # loose construction strokes and a rubbed tone low on the left
    for pts in [[(0, 150), (40, 128), (90, 104)], [(20, 196), (60, 176), (110, 160)]]:
        sk.stroke(pts, pressure=0.18, width=0.5, wobble=1.2)
    tone = sk.mask()
    sk.ellipse(tone, 20, 190, 60, 40)
    sk.smudge(tone, strength=0.22, blur=12)
    return sk.finish()


def _lobes(sk, lobes, light=(-0.45, -0.55), shade=0.45, arc=(140, 400), pressure=0.7,
           clip=None):
    """Billowing cloud: circles drawn back to front, each hiding what is behind
    it, each shaded on the side away from the light."""
    for (cx, cy, r) in lobes:
        disk = sk.mask()
        sk.ellipse(disk, cx, cy, r, r)
        if clip is not None:
            disk = ImageChops.multiply(disk, clip)
        sk.erase(disk, soft=0.3)
        a0 = math.radians(arc[0] + sk.r(-15, 15))
        a1 = math.radians(arc[1] + sk.r(-15, 15))
        pts = ellipse_points(cx, cy, r * sk.r(0.97, 1.03), r * sk.r(0.95, 1.02), a0, a1)
        if clip is not None:
            cp = clip.load()
            keep = []
            for p in pts:
                X, Y = int(p[0] * 4), int(p[1] * 4)
                inside = 0 <= X < sk.big and 0 <= Y < sk.big and cp[X, Y] > 128
                if inside:
                    keep.append(p)
                elif len(keep) > 1:
                    sk.sketchy(keep, passes=2, pressure=pressure, spread=0.45, breaks=0.3)
                    keep = []
                else:
                    keep = []
            if len(keep) > 1:
                sk.sketchy(keep, passes=2, pressure=pressure, spread=0.45, breaks=0.3)
        else:
            sk.sketchy(pts, passes=2, pressure=pressure, spread=0.45, breaks=0.3)
        lit = sk.mask()
        sk.ellipse(lit, cx + light[0] * r, cy + light[1] * r, r * 1.05, r * 1.05)
        sh = ImageChops.subtract(disk, lit)
        sk.hatch(sk.soften(sh, r * 0.12), sk.r(35, 55), spacing=1.5, pressure=shade,
                 ragged=0.6)
        if r > 10:
            core = sk.mask()
            sk.ellipse(core, cx + 0.35 * r, cy + 0.45 * r, r * 0.55, r * 0.45)
            core = ImageChops.multiply(core, disk)
            sk.hatch(sk.soften(core, r * 0.15), sk.r(-60, -40), spacing=1.9,
                     pressure=shade * 0.6, ragged=0.6)


def card_summer():
    """The summer sun and a towering cumulonimbus over the sea."""
    sk = Sketch(seed=202)
    horizon = 143
    # --- the sun, high on the left, with rays
    sx, sy, sr = 30, 34, 13
    sk.sketchy(ellipse_points(sx, sy, sr, sr), passes=3, pressure=0.75, spread=0.5, closed=False)
    for k in range(16):
        a = k * 2 * math.pi / 16 + sk.g(0.04)
        r0 = sr + 3.5
        r1 = sr + (11 if k % 2 == 0 else 6.5) * sk.r(0.85, 1.15)
        sk.stroke([(sx + math.cos(a) * r0, sy + math.sin(a) * r0),
                   (sx + math.cos(a) * r1, sy + math.sin(a) * r1)],
                  pressure=0.6, width=0.7, wobble=0.15)
    glow = sk.mask()
    sk.ellipse(glow, sx, sy, sr, sr)
    inner = sk.mask()
    sk.ellipse(inner, sx - 3, sy - 3, sr * 0.9, sr * 0.9)
    sk.hatch(sk.soften(ImageChops.subtract(glow, inner), 1.5), 40, spacing=1.6, pressure=0.3)

    # --- the cumulonimbus: towering heads, a broad base sitting on the horizon
    above = sk.mask()
    sk.poly(above, [(0, 0), (200, 0), (200, horizon), (0, horizon)])
    lobes = [
        # the highest heads (behind)
        (84, 40, 13), (100, 44, 11), (70, 50, 12),
        (92, 58, 15), (112, 62, 12), (64, 66, 13),
        (80, 76, 16), (104, 80, 15), (56, 86, 13), (122, 84, 11),
        (70, 98, 17), (96, 100, 18), (46, 104, 13), (126, 102, 14),
        (32, 120, 14), (58, 118, 18), (88, 120, 19), (118, 118, 17), (144, 122, 12),
        (18, 134, 11), (44, 136, 15), (74, 138, 17), (104, 137, 17), (134, 136, 15),
        (160, 137, 10),
    ]
    _lobes(sk, lobes, shade=0.5, clip=above)
    # darker underside along the base
    base = sk.mask()
    sk.poly(base, [(8, horizon - 8), (170, horizon - 8), (170, horizon), (8, horizon)])
    sk.hatch(sk.soften(base, 2.5), 10, spacing=1.4, pressure=0.35, ragged=1.5)

    # --- the sea
    sk.stroke([(-2, horizon), (60, horizon - 0.3), (130, horizon + 0.2), (202, horizon - 0.2)],
              pressure=0.75, width=0.8, wobble=0.25)
    sk.stroke([(-2, horizon + 0.8), (90, horizon + 0.6), (202, horizon + 1.0)],
              pressure=0.4, width=0.6, wobble=0.3)
    y = horizon + 3.0
    gap = 2.6
    while y < 203:
        x = sk.r(-20, 0)
        while x < 200:
            ln = sk.r(8, 26) * (1 + (y - horizon) / 40)
            # more waves on the left, fewer under the text
            if sk.rng.random() < 1.05 - x / 260:
                pts = []
                for k in range(6):
                    u = k / 5
                    pts.append((x + ln * u, y + math.sin(u * math.pi * 2 + sk.r(0, 1)) * 0.6
                                * (1 + (y - horizon) / 30)))
                sk.stroke(pts, pressure=0.5 * sk.r(0.7, 1.1), width=0.6, wobble=0.2)
            x += ln + sk.r(4, 16)
        y += gap
        gap *= 1.22
    # glitter under the sun
    for k in range(9):
        yy = horizon + 4 + k * 2.6 + sk.g(0.4)
        xx = sx + sk.g(5)
        w = sk.r(4, 9)
        sk.stroke([(xx - w / 2, yy), (xx + w / 2, yy + sk.g(0.2))], pressure=0.3, width=0.55)
    # a soft tone on the water, low on the left
    water = sk.mask()
    sk.poly(water, [(0, horizon + 2), (120, horizon + 2), (60, 200), (0, 200)])
    sk.hatch(sk.soften(water, 8), 4, spacing=2.4, pressure=0.22, ragged=3, curve=0.3)
    # two far gulls
    for (gx, gy, gs) in [(150, 52, 3.2), (162, 64, 2.4)]:
        sk.stroke([(gx - gs, gy - gs * 0.3), (gx - gs * 0.4, gy - gs * 0.6), (gx, gy)],
                  pressure=0.55, width=0.6, wobble=0.05)
        sk.stroke([(gx, gy), (gx + gs * 0.5, gy - gs * 0.7), (gx + gs * 1.1, gy - gs * 0.4)],
                  pressure=0.55, width=0.6, wobble=0.05)
    return sk.finish()


CARDS = {
    1: card_spring,
    2: card_summer,
}
