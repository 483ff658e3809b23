"""A small graphite-pencil simulator built on PIL alone.

Coordinates handed to a Sketch are in the 1x picture's pixels; the sketch
draws at SCALE times that size and scales down with LANCZOS at the end, which
gives soft graphite lines.  A sketch made with factor 2 or 3 draws the very
same strokes (the same random draws, the same shapes) for a picture two or
three times as large, for high-density screens.  Darkness accumulates stroke by stroke (as graphite
does), is roughened by a paper-tooth texture, and is finally mapped to light
greys so the drawing never fights text laid over it.
"""

import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

SCALE = 4


def noise_image(rng, w, h):
    """Uniform white noise as an "L" image, reproducible through rng."""
    return Image.frombytes("L", (w, h), rng.randbytes(w * h))


def catmull_rom(points, step=0.6):
    """A smooth curve through the control points, sampled about every `step` px."""
    if len(points) < 3:
        return _resample(points, step)
    pts = [points[0]] + list(points) + [points[-1]]
    out = []
    for i in range(1, len(pts) - 2):
        p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
        seg = math.dist(p1, p2)
        n = max(2, int(seg / step))
        for k in range(n):
            t = k / n
            t2, t3 = t * t, t * t * t
            x = 0.5 * ((2 * p1[0]) + (-p0[0] + p2[0]) * t
                       + (2 * p0[0] - 5 * p1[0] + 4 * p2[0] - p3[0]) * t2
                       + (-p0[0] + 3 * p1[0] - 3 * p2[0] + p3[0]) * t3)
            y = 0.5 * ((2 * p1[1]) + (-p0[1] + p2[1]) * t
                       + (2 * p0[1] - 5 * p1[1] + 4 * p2[1] - p3[1]) * t2
                       + (-p0[1] + 3 * p1[1] - 3 * p2[1] + p3[1]) * t3)
            out.append((x, y))
    out.append(points[-1])
    return out


def _resample(points, step):
    out = [points[0]]
    for a, b in zip(points, points[1:]):
        seg = math.dist(a, b)
        n = max(1, int(seg / step))
        for k in range(1, n + 1):
            t = k / n
            out.append((a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t))
    return out


def ellipse_points(cx, cy, rx, ry, a0=0.0, a1=2 * math.pi, rot=0.0, n=None):
    if n is None:
        n = max(8, int(abs(a1 - a0) * max(rx, ry) / 0.6))
    cr, sr = math.cos(rot), math.sin(rot)
    pts = []
    for k in range(n + 1):
        a = a0 + (a1 - a0) * k / n
        x, y = rx * math.cos(a), ry * math.sin(a)
        pts.append((cx + x * cr - y * sr, cy + x * sr + y * cr))
    return pts


class Sketch:
    def __init__(self, size=200, seed=1, tooth=0.55, factor=1):
        self.size = size
        self.factor = factor
        # Masks stay at the 1x drawing resolution whatever the factor, so every
        # choice read from them is the same; strokes go onto a finer canvas.
        self.big = size * SCALE
        self.fine = self.big * factor
        self.rng = random.Random(seed)
        # accumulated darkness: 0 = bare paper, 255 = as dark as we ever go
        self.dark = Image.new("L", (self.fine, self.fine), 0)
        self.tooth = tooth

    # ------------------------------------------------------------ noise
    def r(self, a, b):
        return self.rng.uniform(a, b)

    def g(self, sigma):
        return self.rng.gauss(0.0, sigma)

    def _wave(self, amp, n_terms=3, base=0.02):
        """A smooth random 1-D function of arc length (in final px)."""
        terms = []
        for i in range(n_terms):
            f = base * (1.7 ** i) * self.r(0.7, 1.3)
            terms.append((amp / (1.5 ** i), f * 2 * math.pi, self.r(0, 2 * math.pi)))

        def fn(s):
            return sum(a * math.sin(w * s + p) for a, w, p in terms)
        return fn

    # ------------------------------------------------------------ strokes
    def stroke(self, points, pressure=0.7, width=0.9, wobble=0.5,
               smooth=True, taper=0.25, jitter=0.08, overshoot=0.0,
               pressure_var=0.25):
        """One pencil stroke along the points (final-pixel coordinates).

        pressure: 0..1 darkness; width: line width in final px; wobble:
        amplitude of the hand's slow sideways drift; taper: fraction of the
        stroke over which pressure rises at the start and falls at the end.
        """
        if len(points) < 2:
            return
        path = catmull_rom(points) if smooth else _resample(points, 0.6)
        if overshoot:
            path = _extend(path, overshoot * self.r(0.3, 1.0), overshoot * self.r(0.0, 1.0))
        if len(path) < 2:
            return
        # arc length
        s = [0.0]
        for a, b in zip(path, path[1:]):
            s.append(s[-1] + math.dist(a, b))
        total = s[-1] or 1.0
        drift = self._wave(wobble, base=0.012)
        pres = self._wave(pressure_var, n_terms=2, base=0.03)
        t0 = self.r(0.5, 1.0) * taper
        t1 = self.r(0.5, 1.0) * taper
        pts = []
        for i, (x, y) in enumerate(path):
            j = max(0, i - 1)
            k = min(len(path) - 1, i + 1)
            dx, dy = path[k][0] - path[j][0], path[k][1] - path[j][1]
            ln = math.hypot(dx, dy) or 1.0
            nx, ny = -dy / ln, dx / ln
            off = drift(s[i]) + self.g(jitter)
            u = s[i] / total
            ramp = 1.0
            if t0 > 0 and u < t0:
                ramp = 0.25 + 0.75 * (u / t0)
            if t1 > 0 and u > 1 - t1:
                ramp = min(ramp, 0.15 + 0.85 * ((1 - u) / t1))
            p = max(0.0, min(1.0, pressure * (1.0 + pres(s[i])) * ramp))
            unit = SCALE * self.factor
            pts.append(((x + nx * off) * unit, (y + ny * off) * unit, p))
        self._draw_path(pts, width * SCALE * self.factor)

    def _draw_path(self, pts, width):
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        pad = int(width) + 3
        x0 = max(0, int(min(xs)) - pad)
        y0 = max(0, int(min(ys)) - pad)
        x1 = min(self.fine, int(max(xs)) + pad)
        y1 = min(self.fine, int(max(ys)) + pad)
        if x1 <= x0 or y1 <= y0:
            return
        layer = Image.new("L", (x1 - x0, y1 - y0), 0)
        d = ImageDraw.Draw(layer)
        # draw every few samples as one segment; pressure thins the line a bit too
        step = 2
        for i in range(0, len(pts) - 1, step):
            a = pts[i]
            b = pts[min(i + step, len(pts) - 1)]
            p = (a[2] + b[2]) / 2
            w = max(1, int(round(width * (0.6 + 0.5 * p))))
            d.line([(a[0] - x0, a[1] - y0), (b[0] - x0, b[1] - y0)],
                   fill=int(255 * p), width=w)
        region = self.dark.crop((x0, y0, x1, y1))
        self.dark.paste(ImageChops.add(region, layer), (x0, y0))

    def sketchy(self, points, passes=2, spread=0.9, pressure=0.7, width=0.9,
                wobble=0.5, closed=False, **kw):
        """The same outline drawn several times, a little off each time,
        each pass broken where the hand lifted."""
        for k in range(passes):
            dx, dy = self.g(spread), self.g(spread)
            pts = [(x + dx, y + dy) for x, y in points]
            if closed:
                # start somewhere else each time and overlap the seam
                n = len(pts)
                sh = self.rng.randrange(n)
                extra = max(2, n // 12)
                pts = pts[sh:] + pts[:sh] + pts[:0]
                pts = pts + pts[:extra]
                pts = pts[:-1] if len(pts) > n + extra else pts
            pr = pressure * (1.0 if k == 0 else self.r(0.55, 0.85))
            self._broken(pts, pr, width, wobble, **kw)

    def _broken(self, pts, pressure, width, wobble, breaks=0.35, **kw):
        """Stroke pts as one or more pieces (the pencil lifts now and then)."""
        n = len(pts)
        if n < 2:
            return
        cuts = [0]
        i = 0
        while True:
            i += self.rng.randint(max(3, n // 4), max(4, n // 1.5 if n > 8 else n))
            if i >= n - 2 or self.rng.random() > breaks:
                break
            cuts.append(i)
        cuts.append(n - 1)
        for a, b in zip(cuts, cuts[1:]):
            a2 = max(0, a - self.rng.randint(0, 1))
            seg = pts[a2:b + 1]
            if len(seg) >= 2:
                self.stroke(seg, pressure=pressure, width=width, wobble=wobble, **kw)

    # ------------------------------------------------------------ shading
    def mask(self):
        """A blank mask at drawing resolution; draw regions into it with
        mask_draw() coordinates (final px)."""
        return Image.new("L", (self.big, self.big), 0)

    @staticmethod
    def poly(mask, points, fill=255):
        ImageDraw.Draw(mask).polygon([(x * SCALE, y * SCALE) for x, y in points], fill=fill)
        return mask

    @staticmethod
    def ellipse(mask, cx, cy, rx, ry, fill=255):
        ImageDraw.Draw(mask).ellipse([(cx - rx) * SCALE, (cy - ry) * SCALE,
                                      (cx + rx) * SCALE, (cy + ry) * SCALE], fill=fill)
        return mask

    @staticmethod
    def soften(mask, radius):
        return mask.filter(ImageFilter.GaussianBlur(radius * SCALE))

    def hatch(self, mask, angle, spacing=2.2, pressure=0.35, width=0.6,
              curve=0.6, ragged=2.0, min_len=2.0, threshold=40, flick=True,
              gap_chance=0.0):
        """Parallel hand hatching inside a greyscale mask.

        The mask's value scales the pressure, so a blurred or graded mask
        gives graded tone.  Stroke ends are ragged and strokes bow a little.
        """
        px = mask.load()
        big = self.big
        bbox = mask.getbbox()
        if not bbox:
            return
        x0, y0, x1, y1 = [v / SCALE for v in bbox]
        cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
        rad = math.hypot(x1 - x0, y1 - y0) / 2 + 2
        a = math.radians(angle)
        dx, dy = math.cos(a), math.sin(a)
        nx, ny = -dy, dx
        t = -rad
        while t < rad:
            lx, ly = cx + nx * t, cy + ny * t
            thr = threshold * self.r(0.6, 1.6)
            run = []
            u = -rad
            samples = []
            while u <= rad:
                x, y = lx + dx * u, ly + dy * u
                X, Y = int(x * SCALE), int(y * SCALE)
                v = px[X, Y] if 0 <= X < big and 0 <= Y < big else 0
                samples.append((x, y, v))
                u += 0.75
            for x, y, v in samples + [(0, 0, 0)]:
                if v > thr:
                    run.append((x, y, v))
                elif run:
                    self._hatch_run(run, dx, dy, nx, ny, pressure, width, curve,
                                    ragged, min_len, flick, gap_chance)
                    run = []
            t += spacing * self.r(0.75, 1.25)

    def _hatch_run(self, run, dx, dy, nx, ny, pressure, width, curve, ragged,
                   min_len, flick, gap_chance):
        (xa, ya, _), (xb, yb, _) = run[0], run[-1]
        ea, eb = self.g(ragged), self.g(ragged)
        xa, ya = xa - dx * ea, ya - dy * ea
        xb, yb = xb + dx * eb, yb + dy * eb
        length = math.hypot(xb - xa, yb - ya)
        if length < min_len:
            return
        mean_v = sum(v for _, _, v in run) / len(run) / 255.0
        # long runs are broken into several strokes, as a hand would
        pieces = max(1, int(length / self.r(14, 26)))
        for k in range(pieces):
            f0, f1 = k / pieces, (k + 1) / pieces
            if pieces > 1:
                f0 = max(0, f0 - self.r(0, 0.06))
                f1 = min(1, f1 + self.r(0, 0.06))
            if gap_chance and self.rng.random() < gap_chance:
                continue
            pa = (xa + (xb - xa) * f0, ya + (yb - ya) * f0)
            pb = (xa + (xb - xa) * f1, ya + (yb - ya) * f1)
            bow = self.g(curve)
            mid = ((pa[0] + pb[0]) / 2 + nx * bow, (pa[1] + pb[1]) / 2 + ny * bow)
            # the value under the middle of the piece
            idx = int((f0 + f1) / 2 * (len(run) - 1))
            v = run[idx][2] / 255.0
            p = pressure * (0.5 * v + 0.5 * mean_v) * self.r(0.75, 1.15)
            self.stroke([pa, mid, pb], pressure=p, width=width * self.r(0.85, 1.1),
                        wobble=0.15, taper=0.35 if flick else 0.15, jitter=0.05)

    def crosshatch(self, mask, angle, spacing=2.2, pressure=0.3, layers=2, **kw):
        for i in range(layers):
            self.hatch(mask, angle + i * self.r(70, 100) * (1 if i % 2 else -1) * (1 if i else 0),
                       spacing=spacing * self.r(0.9, 1.15), pressure=pressure * (1 - 0.15 * i), **kw)

    def smudge(self, mask, strength=0.25, blur=3.0):
        """Soft graphite smudge (rubbed tone) inside a mask."""
        soft = mask.filter(ImageFilter.GaussianBlur(blur * SCALE))
        grain = noise_image(self.rng, self.big // 8, self.big // 8).resize(
            (self.big, self.big), Image.BILINEAR).filter(ImageFilter.GaussianBlur(6))
        layer = ImageChops.multiply(soft, grain.point(lambda v: int(150 + v * 0.4)))
        layer = layer.point(lambda v: int(v * strength))
        self.dark = ImageChops.add(self.dark, self._on_canvas(layer))

    def erase(self, mask, soft=0.4):
        """Rub out what is under the mask (for things that stand in front)."""
        m = self.soften(mask, soft) if soft else mask
        self.dark = ImageChops.multiply(self.dark, ImageChops.invert(self._on_canvas(m)))

    def _on_canvas(self, mask):
        """A mask brought to the stroke canvas's resolution."""
        if self.factor == 1:
            return mask
        return mask.resize((self.fine, self.fine), Image.BILINEAR)

    # ------------------------------------------------------------ finish
    def finish(self, lightest_dark=120, paper=True):
        """Return the 24-bit RGB picture at final size.

        lightest_dark: the grey that full accumulated darkness maps to.
        """
        big = self.fine
        out = self.size * self.factor
        # paper tooth: graphite sits on the ridges of the paper
        tooth = noise_image(self.rng, big // 2, big // 2).resize((big, big), Image.BILINEAR)
        tooth = tooth.filter(ImageFilter.GaussianBlur(0.8 * self.factor))
        lo = int(255 * (1 - self.tooth))
        tooth = tooth.point(lambda v: lo + (255 - lo) * v // 255)
        dark = ImageChops.multiply(self.dark, tooth)
        k = (255 - lightest_dark) / 255.0
        grey = dark.point(lambda v: int(round(255 - v * k)))
        small = grey.resize((out, out), Image.LANCZOS)
        if paper:
            prng = self.rng
            fine = noise_image(prng, out, out).point(lambda v: 255 - (v * 5) // 255)
            blotch = noise_image(prng, self.size // 10, self.size // 10).resize(
                (out, out), Image.BICUBIC).filter(ImageFilter.GaussianBlur(4 * self.factor))
            blotch = blotch.point(lambda v: 255 - (v * 6) // 255)
            small = ImageChops.multiply(small, ImageChops.multiply(fine, blotch))
        # a whisper of warmth in the paper, neutral graphite
        r = small
        g = small
        b = small.point(lambda v: max(0, v - 2) if v > 200 else v)
        return Image.merge("RGB", (r, g, b))


def _extend(path, e0, e1):
    """Lengthen a path by e0 px at the start and e1 px at the end."""
    if len(path) < 2:
        return path
    (ax, ay), (bx, by) = path[0], path[min(3, len(path) - 1)]
    ln = math.hypot(bx - ax, by - ay) or 1
    start = [(ax - (bx - ax) / ln * e0, ay - (by - ay) / ln * e0)]
    (cx, cy), (dx, dy) = path[-1], path[max(0, len(path) - 4)]
    ln = math.hypot(cx - dx, cy - dy) or 1
    end = [(cx + (cx - dx) / ln * e1, cy + (cy - dy) / ln * e1)]
    return start + path + end


def closed_curve(points, step=0.6):
    """A smooth closed curve through the control points (first point repeated at the end)."""
    n = len(points)
    out = []
    for i in range(n):
        p0, p1, p2, p3 = points[i - 1], points[i], points[(i + 1) % n], points[(i + 2) % n]
        seg = math.dist(p1, p2)
        m = max(2, int(seg / step))
        for k in range(m):
            t = k / m
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * p1[c]) + (-p0[c] + p2[c]) * t
                                    + (2 * p0[c] - 5 * p1[c] + 4 * p2[c] - p3[c]) * t2
                                    + (-p0[c] + 3 * p1[c] - 3 * p2[c] + p3[c]) * t3)
                             for c in range(2)))
    out.append(out[0])
    return out


def offset_path(path, widths):
    """Two edges of a band of varying width around a centre line."""
    left, right = [], []
    for i, (x, y) in enumerate(path):
        j, k = max(0, i - 1), min(len(path) - 1, i + 1)
        dx, dy = path[k][0] - path[j][0], path[k][1] - path[j][1]
        ln = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / ln, dx / ln
        w = widths(i / (len(path) - 1)) / 2
        left.append((x + nx * w, y + ny * w))
        right.append((x - nx * w, y - ny * w))
    return left, right
