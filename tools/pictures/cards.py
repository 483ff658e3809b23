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


def card_spring(factor=1):
    """A plum branch in bloom with a mejiro (white-eye) perched on it."""
    sk = Sketch(seed=101, factor=factor)
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


def _cloud(sk, lobes, ground=None, pressure=0.72, inner=0.45, shade=0.42,
           light=(-0.5, -0.6)):
    """A billowing cloud from overlapping round lobes: the outer edge is the
    scalloped rim of their union, each lobe shows a short top arc where it
    bulges in front of those behind it, and the lower side of every bulge and
    of the whole cloud is hatched."""
    lobes = sorted(lobes, key=lambda l: l[1])          # higher lobes lie behind

    def inside(p, j, slack=0.4):
        cx, cy, r = lobes[j]
        return math.hypot(p[0] - cx, p[1] - cy) < r - slack

    def visible(p):
        return ground is None or p[1] < ground - 0.3

    runs_outer, runs_inner = [], []
    for i, (cx, cy, r) in enumerate(lobes):
        pts = ellipse_points(cx, cy, r, r)
        outer, inn = [], []
        for k, p in enumerate(pts):
            a = (math.degrees(math.atan2(p[1] - cy, p[0] - cx)) + 360) % 360
            covered_front = any(inside(p, j) for j in range(i + 1, len(lobes)))
            covered_any = covered_front or any(inside(p, j) for j in range(i))
            on_rim = not covered_any and visible(p)
            is_inner = (not covered_front and covered_any and 195 < a < 335 and visible(p))
            for flag, lst, runs in ((on_rim, outer, runs_outer), (is_inner, inn, runs_inner)):
                if flag:
                    lst.append(p)
                elif lst:
                    if len(lst) > 2:
                        runs.append(list(lst))
                    lst.clear()
        for lst, runs in ((outer, runs_outer), (inn, runs_inner)):
            if len(lst) > 2:
                runs.append(list(lst))
    union = sk.mask()
    for (cx, cy, r) in lobes:
        sk.ellipse(union, cx, cy, r, r)
    if ground is not None:
        sk.poly(union, [(0, ground), (200, ground), (200, 200), (0, 200)], fill=0)
    sk.erase(union, soft=0.3)
    # the lower side of every bulge
    for i, (cx, cy, r) in enumerate(lobes):
        vis = sk.mask()
        sk.ellipse(vis, cx, cy, r, r)
        for j in range(i + 1, len(lobes)):
            x, y, rr = lobes[j]
            sk.ellipse(vis, x, y, rr, rr, fill=0)
        lit = sk.mask()
        sk.ellipse(lit, cx + light[0] * r * 0.5, cy + light[1] * r * 0.5, r * 0.98, r * 0.98)
        sh = ImageChops.subtract(vis, lit)
        sh = ImageChops.multiply(sh, union)
        sk.hatch(sk.soften(sh, max(1.0, r * 0.15)), sk.r(38, 52), spacing=1.45,
                 pressure=shade * sk.r(0.8, 1.1), ragged=0.8)
    # a broad shadow over the lower right of the whole mass
    lit = sk.mask()
    for (cx, cy, r) in lobes:
        sk.ellipse(lit, cx - 7, cy - 9, r, r)
    body = ImageChops.subtract(union, lit)
    sk.hatch(sk.soften(body, 4), -48, spacing=1.6, pressure=shade * 0.9, ragged=1.2)
    sk.hatch(sk.soften(body, 6), 42, spacing=2.2, pressure=shade * 0.5, ragged=1.2)
    for run in runs_outer:
        sk.sketchy(run, passes=2, pressure=pressure, spread=0.4, breaks=0.25)
    for run in runs_inner:
        if len(run) > 8 and sk.rng.random() < 0.6:
            cut = sk.rng.randint(0, len(run) // 3)
            end = len(run) - sk.rng.randint(0, len(run) // 3)
            sk.stroke(run[cut:end], pressure=inner * sk.r(0.7, 1.1), width=0.6, wobble=0.3)
    return union


def _tower_lobes(sk, base_y, x_left, x_right, top_y, top_x):
    """Lobes for a towering cumulonimbus: wide at the base, narrowing upward."""
    lobes = []
    y = base_y - 6
    while y > top_y + 8:
        u = (base_y - y) / (base_y - top_y)          # 0 at base, 1 at top
        prof = [(0.0, 1.0), (0.18, 0.72), (0.4, 0.5), (0.62, 0.44), (0.8, 0.5), (1.0, 0.3)]
        for (ua, ha), (ub, hb) in zip(prof, prof[1:]):
            if ua <= u <= ub:
                fr = (hb - ha) * (u - ua) / (ub - ua) + ha
        half = (x_right - x_left) / 2 * fr
        mid = (x_left + x_right) / 2 * (1 - u) + top_x * u
        # rim lobes on both sides, smaller ones near the edge
        for side in (-1, 1):
            r = sk.r(9, 14) * (1 - 0.2 * u)
            lobes.append((mid + side * (half - r * 0.8) + sk.g(2), y + sk.g(2), r))
        # inner lobes
        n = max(1, int(half * 2 / 18))
        for k in range(n):
            f = (k + 0.5) / n
            r = sk.r(13, 18) * (1 - 0.3 * u)
            lobes.append((mid - half * 0.7 + half * 1.4 * f + sk.g(3), y + sk.g(3), r))
        lobes.append((mid + sk.g(3), y + sk.g(2), sk.r(12, 16)))
        y -= sk.r(12, 16)
    # the crown
    for (dx, dy, r) in [(0, 2, 15), (-15, 8, 12), (15, 7, 12), (-4, -6, 10)]:
        lobes.append((top_x + dx + sk.g(1), top_y + 12 + dy, r))
    return lobes


def card_summer(factor=1):
    """The summer sun and a towering cumulonimbus over the sea."""
    sk = Sketch(seed=202, factor=factor)
    horizon = 143
    # --- the sun, high on the left, with rays
    sx, sy, sr = 26, 30, 12
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
    lobes = _tower_lobes(sk, horizon, 12, 172, 22, 92)
    _cloud(sk, lobes, ground=horizon, shade=0.65)
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


def _chestnut_outline(cx, cy, s, rot=0.0, squat=1.0):
    shape = [(0, -1.0), (0.42, -0.58), (0.76, -0.02), (0.74, 0.48), (0.42, 0.74), (0, 0.79),
             (-0.42, 0.74), (-0.74, 0.48), (-0.76, -0.02), (-0.42, -0.58)]
    c, si = math.cos(rot), math.sin(rot)
    pts = []
    for x, y in shape:
        x, y = x * s, y * s * squat
        pts.append((cx + x * c - y * si, cy + x * si + y * c))
    return pts


def _chestnut(sk, cx, cy, s, rot=0.0, squat=1.0, pressure=0.75):
    """A glossy chestnut: pointed tip with a tuft, a pale matte base, stripes
    running to the tip, dark hatching with a bright highlight."""
    c, si = math.cos(rot), math.sin(rot)

    def at(x, y):
        x, y = x * s, y * s * squat
        return (cx + x * c - y * si, cy + x * si + y * c)

    outline = _chestnut_outline(cx, cy, s, rot, squat)
    body = sk.mask()
    sk.poly(body, closed_curve(outline))
    sk.erase(body, soft=0.3)
    sk.sketchy(closed_curve(outline), passes=2, pressure=pressure, spread=0.45, breaks=0.3)
    # base (hilum) boundary and its speckled texture
    base_line = [at(-0.72, 0.36), at(-0.3, 0.48), at(0.3, 0.48), at(0.72, 0.36)]
    sk.sketchy(catmull_rom(base_line, 0.6), passes=2, pressure=pressure * 0.8, spread=0.3)
    for _ in range(int(s * 2.2)):
        u, v = sk.r(-0.6, 0.6), sk.r(0.52, 0.72)
        if abs(u) > 0.7 - (v - 0.5):
            continue
        x, y = at(u, v)
        sk.stroke([(x, y), (x + sk.r(0.4, 1.0), y + sk.g(0.3))], pressure=0.45, width=0.5,
                  wobble=0, taper=0)
    # the glossy shell: dark hatching following the form, a highlight spared
    shell = sk.mask()
    sk.poly(shell, closed_curve(outline))
    sk.poly(shell, [at(-0.9, 0.38), at(-0.3, 0.5), at(0.3, 0.5), at(0.9, 0.38), at(0.9, 1.0),
                    at(-0.9, 1.0)], fill=0)
    hl = sk.mask()
    hx, hy = at(-0.3, -0.12)
    sk.ellipse(hl, hx, hy, s * 0.2, s * 0.34 * squat)
    tone = ImageChops.subtract(sk.soften(shell, 0.3), sk.soften(hl, s * 0.12))
    sk.hatch(tone, math.degrees(rot) + 72, spacing=1.1, pressure=0.62, ragged=0.4)
    sk.hatch(tone, math.degrees(rot) + 118, spacing=1.6, pressure=0.42, ragged=0.4)
    rim = sk.mask()
    sk.poly(rim, closed_curve(outline))
    sub = sk.mask()
    sk.poly(sub, closed_curve(_chestnut_outline(cx - s * 0.12, cy - s * 0.12, s * 0.92, rot, squat)))
    sk.hatch(sk.soften(ImageChops.subtract(rim, sub), 0.6), math.degrees(rot) + 30,
             spacing=1.1, pressure=0.5, ragged=0.4)
    # stripes converging on the tip
    for u in (-0.45, -0.15, 0.18, 0.5):
        sk.stroke(catmull_rom([at(u * 1.2, 0.4), at(u * 0.9, -0.1), at(u * 0.3, -0.7)], 0.6),
                  pressure=0.35, width=0.5, wobble=0.2)
    # the tuft at the tip
    tx, ty = at(0, -1.0)
    for k in range(5):
        a = rot - math.pi / 2 + (k - 2) * 0.28 + sk.g(0.08)
        ln = s * sk.r(0.12, 0.22)
        sk.stroke([(tx, ty), (tx + math.cos(a) * ln, ty + math.sin(a) * ln)], pressure=0.6,
                  width=0.5, wobble=0.05)


def _spikes(sk, cx, cy, r, keep, count=260, length=7.5, pressure=0.55, light=(-0.6, -0.6, 0.5)):
    """Spines on a sphere seen from the front: points over the visible half,
    spines foreshortened towards the middle, grouped in little bundles."""
    ln_l = math.sqrt(sum(v * v for v in light))
    lx, ly, lz = (v / ln_l for v in light)
    for _ in range(count):
        # uniform point on the front hemisphere
        z = sk.r(0.0, 1.0)
        a = sk.r(0, 2 * math.pi)
        q = math.sqrt(1 - z * z)
        nx, ny, nz = q * math.cos(a), q * math.sin(a), z
        if not keep(nx, ny, nz):
            continue
        bx, by = cx + nx * r, cy + ny * r
        lit = max(0.0, nx * lx + ny * ly + nz * lz)
        p = pressure * (1.15 - 0.6 * lit)
        f = max(q, 0.4) / (q or 1.0)
        for _k in range(sk.rng.randint(2, 4)):
            dx = nx * f + sk.g(0.3)
            dy = ny * f + sk.g(0.3)
            ln = length * sk.r(0.7, 1.2)
            ex, ey = bx + dx * ln, by + dy * ln
            sk.stroke([(bx + sk.g(0.4), by + sk.g(0.4)), (ex, ey)], pressure=p * sk.r(0.7, 1.1),
                      width=0.5, wobble=0.05, taper=0.6, jitter=0.02)


def _closed_burr(sk, cx, cy, r):
    m = sk.mask()
    sk.ellipse(m, cx, cy, r + 3, r + 3)
    sk.erase(m)
    # a soft body tone, darker on the shadow side
    body = sk.mask()
    sk.ellipse(body, cx, cy, r, r)
    lit = sk.mask()
    sk.ellipse(lit, cx - r * 0.35, cy - r * 0.35, r * 0.9, r * 0.9)
    sk.hatch(sk.soften(ImageChops.subtract(body, lit), 2), 50, spacing=1.5, pressure=0.4)
    sk.hatch(sk.soften(body, 2), -40, spacing=2.4, pressure=0.22)
    _spikes(sk, cx, cy, r, lambda x, y, z: True, count=int(r * 9), length=r * 0.42)


def card_autumn(factor=1):
    """Chestnuts and spiky chestnut burrs, one burr split open."""
    sk = Sketch(seed=303, factor=factor)
    # --- a chestnut leaf behind, reaching up to the left
    mid = catmull_rom([(76, 128), (54, 100), (32, 76), (8, 52)], 0.8)
    n = len(mid)
    left, right = [], []
    for i, (x, y) in enumerate(mid):
        u = i / (n - 1)
        w = 17 * math.sin(math.pi * min(1, u * 1.08)) ** 0.8 + 0.3
        j, k = max(0, i - 1), min(n - 1, i + 1)
        dx, dy = mid[k][0] - mid[j][0], mid[k][1] - mid[j][1]
        ln = math.hypot(dx, dy) or 1
        nx, ny = -dy / ln, dx / ln
        tooth = ((i % 8) / 8) * 1.8                     # saw-toothed edge
        left.append((x + nx * (w + tooth), y + ny * (w + tooth)))
        right.append((x - nx * (w + tooth), y - ny * (w + tooth)))
    sk.sketchy(left, passes=2, pressure=0.55, spread=0.4, smooth=False)
    sk.sketchy(right, passes=2, pressure=0.55, spread=0.4, smooth=False)
    sk.stroke(mid, pressure=0.6, width=0.65, wobble=0.3)
    for i in range(8, n - 10, 8):
        x, y = mid[i]
        for side, edge in ((1, left), (-1, right)):
            ex, ey = edge[min(n - 1, i + 12)]
            sk.stroke([(x, y), ((x + ex) / 2, (y + ey) / 2), (ex * 0.92 + x * 0.08,
                      ey * 0.92 + y * 0.08)], pressure=0.38, width=0.5, wobble=0.1)
    leafm = sk.mask()
    sk.poly(leafm, mid + right[::-1])
    sk.hatch(sk.soften(leafm, 1.5), 20, spacing=1.6, pressure=0.35)
    leafl = sk.mask()
    sk.poly(leafl, mid + left[::-1])
    sk.hatch(sk.soften(leafl, 3), 20, spacing=2.6, pressure=0.18)

    # --- a closed burr at the back left
    _closed_burr(sk, 24, 124, 24)

    # --- the open burr: three nuts sitting in the split shell
    bx, by, br = 66, 156, 34
    cover = sk.mask()
    sk.ellipse(cover, bx, by, br + 7, br + 7)
    sk.erase(cover)
    # back spines (above the opening)
    _spikes(sk, bx, by, br, lambda x, y, z: y < -0.4 and z < 0.55, count=160, length=10)
    # the pale inner wall of the shell behind the nuts
    inner = sk.mask()
    sk.ellipse(inner, bx, by - 7, br * 0.95, br * 0.45)
    sk.hatch(sk.soften(inner, 1.5), 80, spacing=1.5, pressure=0.4)
    sk.sketchy(ellipse_points(bx, by - 7, br * 0.95, br * 0.45, math.radians(175),
                              math.radians(365)), passes=2, pressure=0.65, spread=0.4)
    _chestnut(sk, bx - 18, by - 19, 17, rot=-0.42)
    _chestnut(sk, bx + 19, by - 18, 16.5, rot=0.45)
    _chestnut(sk, bx + 1, by - 24, 18.5, rot=0.02)
    # the front half of the shell, its lip, and the front spines
    lip_c, lip_rx, lip_ry = by - 5, br * 0.97, br * 0.42
    lip = ellipse_points(bx, lip_c, lip_rx, lip_ry, math.radians(-10), math.radians(190))
    body = sk.mask()
    sk.ellipse(body, bx, by, br, br)
    sk.poly(body, [(0, 0), (200, 0), (200, lip_c), (0, lip_c)], fill=0)
    sk.ellipse(body, bx, lip_c, lip_rx, lip_ry, fill=0)
    sk.erase(body, soft=0.3)
    sk.sketchy(lip, passes=2, pressure=0.75, spread=0.4)
    lit = sk.mask()
    sk.ellipse(lit, bx - br * 0.35, by - br * 0.4, br * 0.95, br * 0.95)
    sk.hatch(sk.soften(ImageChops.subtract(body, lit), 2.5), 45, spacing=1.3, pressure=0.5)
    sk.hatch(sk.soften(body, 2), -45, spacing=2.2, pressure=0.25)

    def below_lip(x, y, z):
        px = x * br
        py = y * br + by
        if abs(px) >= lip_rx:
            return py > lip_c
        return py > lip_c + lip_ry * math.sqrt(1 - (px / lip_rx) ** 2) - 1.5
    _spikes(sk, bx, by, br, below_lip, count=520, length=10)

    # --- loose chestnuts on the ground
    _chestnut(sk, 128, 178, 15.5, rot=0.25, squat=0.92)
    _chestnut(sk, 160, 188, 12.5, rot=-0.5, squat=0.9)
    # the ground: a few strokes and cast shadows
    for (x, y, w) in [(128, 193, 18), (160, 198, 14)]:
        m = sk.mask()
        sk.ellipse(m, x + 3, y, w, 3.0)
        sk.hatch(sk.soften(m, 1.2), 8, spacing=1.3, pressure=0.4, ragged=1.2)
    for pts in [[(0, 196), (40, 195), (100, 197)], [(104, 199), (150, 200), (196, 199)]]:
        sk.stroke(pts, pressure=0.3, width=0.55, wobble=0.8)
    return sk.finish()
