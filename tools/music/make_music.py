#!/usr/bin/python3
"""Composes the opening piece and the four background pieces of 戯詠帖.

Writes data/ge_open.mid and data/ge_bg1.mid ... data/ge_bg4.mid as standard
MIDI files (format 1) for General MIDI players: koto, shakuhachi, shamisen and
taiko, each piece in a Japanese pentatonic scale.  Python standard library
only; the output is the same on every run because all "human" variation comes
from a random generator with a fixed seed per piece.

Run from the repository root:  /usr/bin/python3 tools/music/make_music.py
"""

import os
import random
import struct
import sys

PPQ = 480                      # ticks per quarter note
DATA_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")

# General MIDI programs, zero-based as they go into the file.
KOTO, SHAKUHACHI, SHAMISEN, TAIKO = 107, 77, 106, 116
# Percussion keys on channel 10 (index 9).
HI_WOOD_BLOCK, LOW_WOOD_BLOCK, CLAVES, OPEN_TRIANGLE = 76, 77, 75, 81
DRUM_CHANNEL = 9

# Semitone steps of the five-note scales, from the tonic.
IN_SCALE = (0, 1, 5, 7, 8)        # miyako-bushi: E F A B C
YO_SCALE = (0, 2, 5, 7, 9)        # D E G A B
RYUKYU_SCALE = (0, 4, 5, 7, 11)   # C E F G B

# The close slows to 62 % of the tempo.
RITARDANDO = 0.38

# Velocities stay in this band so nothing jumps out at moderate volume.
SOFTEST, LOUDEST = 50, 90


class Scale:
    """Maps scale degrees (any integer, 5 per octave) to MIDI keys."""

    def __init__(self, tonic, steps):
        self.tonic = tonic
        self.steps = steps

    def key(self, degree, octave=0):
        octaves, step = divmod(degree, len(self.steps))
        return self.tonic + 12 * (octaves + octave) + self.steps[step]


def parse_phrase(text, beats_per_bar):
    """Reads a melody written as 'degree:beats' tokens.

    'r' is a rest, a leading '^' adds a grace note from the upper neighbour,
    a trailing 't' plays the note as a koto tremolo.  '|' separates bars, and
    every bar must add up to a full bar so that mistakes in writing the
    melodies show at once rather than as drifting parts.
    """
    notes = []
    for number, bar in enumerate(text.split("|")):
        beats = 0.0
        for token in bar.split():
            grace = token.startswith("^")
            tremolo = token.endswith("t")
            degree, length = token.strip("^t").split(":")
            notes.append((None if degree == "r" else int(degree), float(length), grace, tremolo))
            beats += float(length)
        if abs(beats - beats_per_bar) > 1e-9:
            raise ValueError(f"bar {number + 1} of '{text}' has {beats} beats")
    return notes


def ticks(beats):
    return int(round(beats * PPQ))


class Track:
    """One instrument on one channel: its notes and controller moves."""

    def __init__(self, piece, name, channel, program, volume, pan, reverb=50):
        self.piece = piece
        self.name = name
        self.channel = channel
        self.program = program
        self.notes = []        # (start, length, key, velocity)
        self.controls = []     # (tick, status bytes)
        self.set_up(volume, pan, reverb)

    def set_up(self, volume, pan, reverb):
        if self.channel != DRUM_CHANNEL:
            self.controls.append((0, bytes([0xC0 | self.channel, self.program])))
            # Pitch-bend range of 2 semitones, stated rather than assumed.
            for number, value in ((101, 0), (100, 0), (6, 2), (38, 0), (101, 127), (100, 127)):
                self.control(0, number, value)
        self.control(0, 7, volume)
        self.control(0, 10, pan)
        self.control(0, 91, reverb)
        self.control(0, 11, 127)

    def control(self, tick, number, value):
        self.controls.append((tick, bytes([0xB0 | self.channel, number, max(0, min(127, int(value)))])))

    def bend(self, tick, value):
        value = max(0, min(16383, 8192 + int(value)))
        self.controls.append((tick, bytes([0xE0 | self.channel, value & 0x7F, value >> 7])))

    def note(self, start, length, key, velocity, exact=False):
        """Adds a note; unless exact, with a little human unevenness."""
        if not exact:
            start += self.piece.rng.randint(-8, 8)
            velocity += self.piece.rng.randint(-5, 5)
        start = max(0, start)
        velocity = velocity * self.piece.loudness(start)
        velocity = max(SOFTEST, min(LOUDEST, int(round(velocity))))
        self.notes.append((start, max(20, length), key, velocity))
        return start

    def events(self):
        """Timed MIDI events; a re-struck key first releases the ringing one,
        and two parts striking one key together sound as the louder stroke."""
        events = [(tick, 1, data) for tick, data in self.controls]
        by_key = {}
        for start, length, key, velocity in sorted(self.notes):
            strokes = by_key.setdefault(key, [])
            if strokes and start - strokes[-1][0] < 20:
                _, other_length, other_velocity = strokes.pop()
                start, length, velocity = start, max(length, other_length), max(velocity, other_velocity)
            strokes.append((start, length, velocity))
        for key, strokes in by_key.items():
            for index, (start, length, velocity) in enumerate(strokes):
                end = start + length
                if index + 1 < len(strokes):
                    end = min(end, strokes[index + 1][0])
                end = min(max(end, start + 10), self.piece.end_tick)
                events.append((start, 2, bytes([0x90 | self.channel, key, velocity])))
                events.append((end, 0, bytes([0x80 | self.channel, key, 0])))
        return events


class Piece:
    """A piece's tracks, its tempo with rubato and its soft ending."""

    def __init__(self, file_name, seed, bpm, beats_per_bar, phrase_bars):
        self.file_name = file_name
        self.seed = seed
        self.rng = random.Random(seed)
        self.bpm = bpm
        self.beats_per_bar = beats_per_bar
        self.phrase_bars = phrase_bars
        self.tracks = []
        self.fade_from = self.final_tick = self.end_tick = None

    def track(self, *args, **kwargs):
        track = Track(self, *args, **kwargs)
        self.tracks.append(track)
        return track

    def bar(self, number, beat=0.0):
        """Tick of a beat in a bar, bars counted from 1."""
        return ticks((number - 1) * self.beats_per_bar + beat)

    def plan_ending(self, fade_bar, final_bar, tail_seconds):
        """The slowing and softening starts at fade_bar; the last chord is
        struck on final_bar and dies away for about tail_seconds until the end
        of the file.  The tail stays faintly audible to its last moment: the
        player itself lets a few seconds of true silence follow."""
        self.fade_from = self.bar(fade_bar)
        self.final_tick = self.bar(final_bar)
        final_bpm = self.bpm * (1.0 - RITARDANDO)
        self.end_tick = self.final_tick + ticks(tail_seconds * final_bpm / 60.0)

    def ending_progress(self, tick):
        """0 before the ending, rising to 1 at the final chord."""
        if tick <= self.fade_from:
            return 0.0
        return min(1.0, (tick - self.fade_from) / (self.final_tick - self.fade_from))

    def loudness(self, tick):
        # Decrescendo into the final chord.
        return 1.0 - 0.3 * self.ending_progress(tick)

    def tempo_map(self):
        """(tick, bpm) at every beat: slight drift, a breath at the end of
        each phrase, and the ritardando at the close."""
        rng = random.Random(self.seed + 1000)   # its own stream: called more than once
        phrase_beats = self.phrase_bars * self.beats_per_bar
        changes = []
        for beat in range(self.end_tick // PPQ + 1):
            tick = beat * PPQ
            factor = 1.0 + rng.uniform(-0.02, 0.02)
            if beat % phrase_beats == phrase_beats - 1:
                factor *= 0.93
            progress = self.ending_progress(tick)
            factor *= 1.0 - RITARDANDO * progress * (2.0 - progress)
            changes.append((tick, self.bpm * factor))
        return changes

    def seconds(self):
        """Playing time up to the end of track, following every tempo change."""
        changes = self.tempo_map()
        total = 0.0
        for index, (tick, bpm) in enumerate(changes):
            until = changes[index + 1][0] if index + 1 < len(changes) else self.end_tick
            total += max(0, min(until, self.end_tick) - tick) / PPQ * 60.0 / bpm
        return total


# ---------------------------------------------------------------- phrases

def play_line(track, start, text, scale, velocity, legato=0.95, ring=None, breath=False):
    """Plays a parsed melody from start and returns the tick after it.

    legato shortens notes to leave air between them; ring lets plucked notes
    sound on (in beats) instead; breath shapes long wind notes."""
    tick = start
    for degree, beats, grace, tremolo in parse_phrase(text, track.piece.beats_per_bar):
        length = ticks(beats)
        if degree is not None:
            key = scale.key(degree)
            onset = tick
            if grace:
                # The grace note borrows a sixteenth-triplet from the main note.
                track.note(onset, 70, scale.key(degree + 1), velocity - 12, exact=True)
                onset += 70
            if tremolo:
                koto_tremolo(track, onset, tick + length - onset, key, velocity)
            else:
                sounding = ticks(ring) if ring else int((tick + length - onset) * legato)
                onset = track.note(onset, sounding, key, velocity, exact=grace)
                if breath and beats >= 1.5:
                    breathe(track, onset, sounding)
        tick += length
    return tick


def breathe(track, onset, length):
    """A shakuhachi long tone: it slides up into pitch and swells, then eases."""
    track.bend(onset, -900)
    track.bend(onset + 60, -400)
    track.bend(onset + 120, 0)
    steps = 8
    for step in range(steps + 1):
        share = step / steps
        swell = 4 * share * (1 - share)          # 0 -> 1 -> 0
        track.control(onset + int(length * share), 11, 88 + 34 * swell)


def koto_tremolo(track, start, length, key, velocity):
    """Rapid repeated plucks on one string, swelling and fading."""
    stroke = PPQ // 8
    count = max(2, length // stroke)
    for index in range(count):
        swell = 1 - abs(2 * index / (count - 1) - 1)
        track.note(start + index * stroke, stroke, key, velocity - 12 + 18 * swell, exact=True)


def koto_arpeggio(track, start, bars, roots, pattern, scale, velocity, step_beats=0.5, ring_beats=1.5):
    """Broken chords, one root per bar; strings are left ringing."""
    step = ticks(step_beats)
    per_bar = ticks(track.piece.beats_per_bar) // step
    for bar, root in enumerate(roots[:bars]):
        for index in range(per_bar):
            offset = pattern[index % len(pattern)]
            if offset is None:
                continue
            accent = 8 if index == 0 else 0
            track.note(start + (bar * per_bar + index) * step, ticks(ring_beats),
                       scale.key(root + offset), velocity + accent)
    return start + bars * per_bar * step


def koto_sweep(track, start, high, low, scale, velocity, stroke=40):
    """A glissando across the strings from the high degree down to the low."""
    degrees = range(high, low - 1, -1) if high > low else range(high, low + 1)
    for index, degree in enumerate(degrees):
        track.note(start + index * stroke, PPQ * 2, scale.key(degree), velocity - 10 + index, exact=True)
    return start + len(degrees) * stroke


def strum(track, start, degrees, scale, velocity, length, spread=45):
    """A chord rolled upwards, string after string."""
    for index, degree in enumerate(degrees):
        onset = start + index * spread
        track.note(onset, length - index * spread, scale.key(degree), velocity, exact=True)


def rolled_chord(track, start, degrees, scale, velocity, spread=45):
    """The final chord, held to the very end of the file so that it decays
    into the quiet tail instead of stopping."""
    strum(track, start, degrees, scale, velocity, track.piece.end_tick - start, spread)


def fade_to_end(track, start, floor=30):
    """Expression swells a little, then thins away until the file runs out.
    It stops at a faint floor rather than at silence (near -70 dB), so
    the ending is a decay, never a cut."""
    length = track.piece.end_tick - start
    steps = 24
    for step in range(steps + 1):
        share = step / steps
        if share < 0.15:
            level = 100 + 20 * share / 0.15
        else:
            level = floor + (120 - floor) * (1 - (share - 0.15) / 0.85) ** 1.5
        track.control(start + int(length * share), 11, level)


def held_to_end(track, start, degree, scale, velocity):
    """The last wind note, held while it fades."""
    track.note(start, track.piece.end_tick - start, scale.key(degree), velocity, exact=True)
    fade_to_end(track, start)


def fading_tremolo(track, start, key, velocity):
    """A koto tremolo that carries the last tone on after the plucked chord
    has died, fading with it to the end."""
    stroke = PPQ // 6
    for tick in range(start, track.piece.end_tick - stroke, stroke):
        track.note(tick, stroke, key, velocity, exact=True)
    fade_to_end(track, start)


def hits(track, start, pattern, key, velocity):
    """Drum strokes at the given beats (beat, relative loudness)."""
    for beat, weight in pattern:
        track.note(start + ticks(beat), PPQ // 2, key, velocity * weight)


# ---------------------------------------------------------------- pieces

def opening():
    """A ceremonial New-Year opening in the yo scale on D: wood-block claps
    quicken as at a curtain-raising, a koto glissando, then a bright koto tune
    over rocking fifths with a shakuhachi answering below, taiko underneath."""
    piece = Piece("ge_open.mid", seed=11, bpm=108, beats_per_bar=4, phrase_bars=2)
    piece.plan_ending(fade_bar=8, final_bar=10, tail_seconds=3.5)
    yo = Scale(62, YO_SCALE)
    low = Scale(50, YO_SCALE)
    koto = piece.track("Koto", 0, KOTO, 127, 72)
    bass = piece.track("Koto low", 1, KOTO, 104, 50)
    flute = piece.track("Shakuhachi", 2, SHAKUHACHI, 110, 84, reverb=64)
    taiko = piece.track("Taiko", 4, TAIKO, 108, 60)
    claps = piece.track("Wood blocks", DRUM_CHANNEL, 0, 96, 64)

    hits(claps, 0, [(0, 1), (1.5, 0.9), (2.5, 0.9), (3.1, 0.85), (3.5, 0.8), (3.8, 0.75)], HI_WOOD_BLOCK, 80)
    hits(taiko, 0, [(0, 0.9)], 45, 76)
    koto_sweep(koto, piece.bar(2), 10, 0, yo, 78)
    hits(taiko, piece.bar(2), [(2, 0.8), (3, 0.9)], 45, 74)
    play_line(flute, piece.bar(2), "r:2 3:2", yo, 66, breath=True)

    tune = ("3:1 4:0.5 5:0.5 4:1 3:1 | 2:1.5 3:0.5 1:2 |"
            "3:1 4:0.5 5:0.5 6:1 5:0.5 4:0.5 | 3:3 r:1 |"
            "5:1 6:1 7:1.5 6:0.5 | 5:1 4:0.5 3:0.5 ^4:2 |"
            "3:1 2:0.5 1:0.5 2:1 1:1")
    answer = ("^3:3 r:1 | 2:2 1:1.5 r:0.5 |"
              "3:2 4:2 | 5:3 r:1 |"
              "^5:4 | 4:2 r:2 |"
              "2:2 1:1.5 r:0.5")
    play_line(koto, piece.bar(3), tune, yo, 80, ring=1.2)
    play_line(flute, piece.bar(3), answer, yo, 64, breath=True)
    koto_arpeggio(bass, piece.bar(3), 6, [0, 2, 0, 3, 0, 2], [0, 3, 5, 3], low, 60)
    for bar in range(3, 10):
        hits(taiko, piece.bar(bar), [(0, 1), (2.5, 0.7)] if bar % 2 else [(0, 0.85)], 45, 70)

    # Last bar before the chord: the bass walks down to the tonic.
    play_line(bass, piece.bar(9), "5:1 3:1 2:1 1:1", low, 62, ring=1.5)
    rolled_chord(koto, piece.bar(10), [0, 3, 5, 6, 8], yo, 70)
    rolled_chord(bass, piece.bar(10), [0, 3], low, 66)
    held_to_end(flute, piece.bar(10), 5, yo, 60)
    hits(taiko, piece.bar(10), [(0, 1)], 45, 70)
    hits(claps, piece.bar(10), [(0.5, 1)], OPEN_TRIANGLE, 55)
    return piece


def background_in():
    """Slow, bare and inward, in the in scale on E: a shakuhachi sings long
    breathing phrases over sparse koto chords; taiko only marks the sections."""
    piece = Piece("ge_bg1.mid", seed=21, bpm=58, beats_per_bar=4, phrase_bars=4)
    piece.plan_ending(fade_bar=16, final_bar=18, tail_seconds=5)
    melody = Scale(64, IN_SCALE)
    low = Scale(52, IN_SCALE)
    flute = piece.track("Shakuhachi", 2, SHAKUHACHI, 127, 70, reverb=72)
    koto = piece.track("Koto", 0, KOTO, 120, 52)
    taiko = piece.track("Taiko", 4, TAIKO, 100, 60)

    a = ("3:2 ^2:2 | 1:1.5 2:0.5 0:2 | r:1 2:1 3:1 4:1 | ^5:3 r:1")
    a2 = ("3:2 ^2:2 | 1:1.5 0:0.5 -1:2 | r:1 0:1 1:1 2:1 | ^3:3 r:1")
    b = ("5:1.5 6:0.5 7:2 | ^6:1 5:1 4:2 | 5:1 4:0.5 3:0.5 2:2 | ^3:3 r:1")
    close = ("3:2 ^2:2 | 1:1.5 2:0.5 1:1 0:1 | r:1 0:1 1:1 2:1 | 2:2 1:2")
    tick = piece.bar(2)
    for line in (a, a2, b, close):
        tick = play_line(flute, tick, line, melody, 82, breath=True)

    # Chords rolled slowly, a string at a beat, and left to ring.
    koto_arpeggio(koto, piece.bar(1), 1, [0], [0, 2, 3, 5], low, 60, step_beats=1, ring_beats=3)
    roots = [0, 2, 1, 3, 0, 2, 1, 3, 4, 3, 2, 3, 0, 1, 0]
    patterns = [[0, None, 3, 5], [0, 3, None, 2], [0, None, 5, None], [0, 2, 3, None]]
    for bar, root in enumerate(roots, start=2):
        koto_arpeggio(koto, piece.bar(bar), 1, [root], patterns[bar % 4], low, 66,
                      step_beats=1, ring_beats=3)
    # The middle section lifts with a tremolo on the high tonic.
    koto_tremolo(koto, piece.bar(10, 2), PPQ * 2, melody.key(5), 62)
    koto_tremolo(koto, piece.bar(12, 2), PPQ * 2, melody.key(0), 60)
    for bar in (2, 10, 14):
        hits(taiko, piece.bar(bar), [(0, 1)], 43, 62)

    play_line(koto, piece.bar(17), "3:1 2:1 1:1 0:1", low, 58, ring=2)
    rolled_chord(koto, piece.bar(18), [0, 2, 3, 5, 6], low, 60, spread=70)
    held_to_end(flute, piece.bar(18), 0, melody, 62)
    hits(taiko, piece.bar(18), [(0, 0.8)], 43, 60)
    return piece


def background_ryukyu():
    """Light and lilting, in the Ryukyu scale on C: a shamisen tune with a
    swaying dotted rhythm, koto off-beat chords, taiko and claves kept sparse."""
    piece = Piece("ge_bg2.mid", seed=31, bpm=88, beats_per_bar=4, phrase_bars=2)
    piece.plan_ending(fade_bar=20, final_bar=22, tail_seconds=4.5)
    melody = Scale(60, RYUKYU_SCALE)
    low = Scale(48, RYUKYU_SCALE)
    shamisen = piece.track("Shamisen", 3, SHAMISEN, 127, 60)
    koto = piece.track("Koto", 0, KOTO, 108, 80)
    high = piece.track("Koto high", 1, KOTO, 96, 96)
    taiko = piece.track("Taiko", 4, TAIKO, 100, 50)
    claves = piece.track("Claves", DRUM_CHANNEL, 0, 84, 76)

    codetta = "5:1 4:0.5 3:0.5 2:1 1:1 | 2:0.75 3:0.25 1:1 0:2"
    a = ("3:0.75 5:0.25 4:0.5 3:0.5 2:1 1:1 | 2:0.75 3:0.25 1:0.5 0:0.5 1:2 |"
         "3:0.75 5:0.25 6:0.5 5:0.5 4:1 3:1 | 2:0.75 1:0.25 ^2:1 0:2")
    b = ("5:1 6:0.75 5:0.25 4:1 3:1 | 4:0.75 5:0.25 4:0.5 3:0.5 2:2 |"
         "1:0.75 2:0.25 3:1 4:0.75 3:0.25 2:1 | 1:1 2:0.75 1:0.25 ^0:2")
    tick = piece.bar(3)
    for line in (a, a, b, a, codetta):
        tick = play_line(shamisen, tick, line, melody, 80, ring=0.6)
    # The tune again, an octave up on the koto, for a brighter second verse.
    play_line(high, piece.bar(7), a, Scale(72, RYUKYU_SCALE), 62, ring=1)
    play_line(high, piece.bar(15), a, Scale(72, RYUKYU_SCALE), 60, ring=1)

    # One root per bar, following the tune: intro, a, a, b, a, codetta, last bar.
    roots = [0, 0] + [0, 2, 3, 0] * 2 + [0, 3, 2, 0] + [0, 2, 3, 0] + [3, 0] + [3]
    off_beats = [None, 0, None, 3, None, 0, 5, 3]   # the sway: chords between beats
    koto_arpeggio(koto, piece.bar(1), 21, roots, off_beats, low, 62, ring_beats=0.9)
    for bar in range(1, 22):
        if bar % 2:
            hits(taiko, piece.bar(bar), [(0, 1), (3.5, 0.6)], 48, 68)
        if bar % 4 == 0 and bar < 20:
            hits(claves, piece.bar(bar), [(3, 1), (3.5, 0.8)], CLAVES, 58)

    play_line(shamisen, piece.bar(21), "3:1 2:1 1:1 ^1:1", melody, 70, ring=0.8)
    rolled_chord(koto, piece.bar(22), [0, 3, 5, 6, 8], low, 64)
    rolled_chord(shamisen, piece.bar(22), [0], melody, 62)
    fading_tremolo(high, piece.bar(22, 0.5), melody.key(5), 58)
    hits(taiko, piece.bar(22), [(0, 0.8)], 48, 64)
    return piece


def background_yo_koto():
    """A koto solo in triple time, yo scale on G: flowing melody with tremolo
    on the held notes over a calm bass, a shakuhachi drawing a soft line only
    in the middle section; no drums, for the stillest of the four."""
    piece = Piece("ge_bg3.mid", seed=41, bpm=69, beats_per_bar=3, phrase_bars=4)
    piece.plan_ending(fade_bar=24, final_bar=26, tail_seconds=5)
    melody = Scale(67, YO_SCALE)
    low = Scale(43, YO_SCALE)
    koto = piece.track("Koto", 0, KOTO, 127, 70)
    bass = piece.track("Koto low", 1, KOTO, 108, 54)
    flute = piece.track("Shakuhachi", 2, SHAKUHACHI, 100, 88, reverb=76)

    a = "2:1 3:1 4:1 | 5:2 4:1 | 3:1.5 2:0.5 1:1 | 2:3t"
    a2 = "2:1 3:1 4:1 | 6:2 5:1 | 4:1 3:1 2:0.5 1:0.5 | 0:3t"
    b = "5:1 7:1 6:1 | 5:2 3:1 | 4:1 5:0.5 4:0.5 3:1 | 2:3t"
    b2 = "3:1 2:1 1:1 | 0:2 1:1 | 2:1 3:1 1:1 | 0:3t"
    close = "2:1 3:1 4:1 | 6:2 5:1 | 4:1 3:1 2:0.5 1:0.5 | 1:1.5 2:0.5 1:1t"
    tick = piece.bar(2)
    for line in (a, a2, b, b2, a, close):
        tick = play_line(koto, tick, line, melody, 78, ring=1.6)

    # Bass: root and fifth in the first bar of a pair, a rising answer in the second.
    # Bar 1 alone, then four bars to each melody line.
    roots = [0] + [0, 3, 2, 0] + [0, 3, 2, 0] + [3, 2, 1, 3] + [2, 0, 1, 0] + [0, 3, 2, 0] + [0, 3, 2, 1]
    for bar, root in enumerate(roots, start=1):
        pattern = [0, 3, None] if bar % 2 else [0, None, 5]
        koto_arpeggio(bass, piece.bar(bar), 1, [root], pattern, low, 58, step_beats=1, ring_beats=2.5)

    play_line(flute, piece.bar(10), "r:3 | 3:3 | ^4:3 | 3:2 r:1 |"
                                    "5:3 | ^4:3 | 3:3 | 2:2 r:1 |"
                                    "1:3 | 2:3 | 0:3 | r:3", Scale(55, YO_SCALE), 60, breath=True)
    rolled_chord(koto, piece.bar(26), [0, 3, 5, 6], Scale(55, YO_SCALE), 64, spread=60)
    rolled_chord(bass, piece.bar(26), [0, 3], low, 62)
    fading_tremolo(koto, piece.bar(26, 0.5), melody.key(0), 60)
    return piece


def background_in_ensemble():
    """A walking dialogue in the in scale on A: over a shamisen ostinato and
    a soft taiko pulse, shakuhachi calls and koto answers, until both join."""
    piece = Piece("ge_bg4.mid", seed=51, bpm=82, beats_per_bar=4, phrase_bars=2)
    piece.plan_ending(fade_bar=21, final_bar=23, tail_seconds=4.5)
    melody = Scale(69, IN_SCALE)
    middle = Scale(57, IN_SCALE)
    shamisen = piece.track("Shamisen", 3, SHAMISEN, 112, 40)
    flute = piece.track("Shakuhachi", 2, SHAKUHACHI, 120, 88, reverb=66)
    koto = piece.track("Koto", 0, KOTO, 124, 64)
    taiko = piece.track("Taiko", 4, TAIKO, 100, 56)

    # Each call is answered; while the koto answers, the flute holds a soft
    # note on the tone the answer comes to rest on.
    calls = ["3:1.5 4:0.5 3:1 2:1 | ^1:2 0:1 r:1",
             "3:1 5:1 4:1.5 3:0.5 | ^4:2 3:1 r:1",
             "5:1 6:1 7:2 | ^6:1 5:1 4:1 r:1"]
    answers = ["0:0.5 1:0.5 2:0.5 3:0.5 2:1 1:0.5 0:0.5 | 1:1 -1:1 0:1 r:1",
               "5:0.5 4:0.5 3:0.5 4:0.5 5:1 6:1 | 5:0.5 4:0.5 3:2 r:1",
               "7:0.5 6:0.5 5:0.5 4:0.5 5:1 3:1 | 4:0.5 3:0.5 2:0.5 1:0.5 2:1 r:1"]
    resting = ["r:4 | 0:3 r:1", "r:4 | 3:3 r:1", "r:4 | -3:3 r:1"]
    together = "3:1 2:0.5 1:0.5 2:1 3:1 | ^1:2 0:2"
    tick = piece.bar(3)
    for index in (0, 1, 2, None, 0, None):      # None: both play together
        if index is None:
            play_line(flute, tick, together, melody, 72, breath=True)
            tick = play_line(koto, tick, together, middle, 66, ring=1)
            continue
        play_line(flute, tick, calls[index], melody, 74, breath=True)
        strum(koto, tick, [0, 3, 5] if index != 2 else [2, 5, 7], middle, 56, ticks(3))
        answer = tick + ticks(2 * piece.beats_per_bar)
        play_line(flute, answer, resting[index], melody, 58, breath=True)
        tick = play_line(koto, answer, answers[index], melody, 78, ring=0.9)

    # The ostinato: root, fifth, octave with rests so it walks rather than drones.
    roots = [0, 0] + [0, 3, 2, 0] * 5
    ostinato = [0, None, 3, 0, 5, None, 3, None]
    koto_arpeggio(shamisen, piece.bar(1), 22, roots, ostinato, Scale(45, IN_SCALE), 66, ring_beats=0.45)
    for bar in range(1, 23):
        hits(taiko, piece.bar(bar), [(0, 1), (2, 0.6)] if bar % 2 else [(0, 0.8), (3.5, 0.55)], 45, 70)

    rolled_chord(koto, piece.bar(23), [0, 2, 3, 5], middle, 62)
    rolled_chord(shamisen, piece.bar(23), [0], Scale(45, IN_SCALE), 60)
    held_to_end(flute, piece.bar(23), 0, melody, 60)
    hits(taiko, piece.bar(23), [(0, 0.9)], 45, 66)
    return piece


# ---------------------------------------------------------------- files

def variable_length(value):
    """A MIDI variable-length quantity."""
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def meta(kind, data):
    return bytes([0xFF, kind]) + variable_length(len(data)) + data


def track_chunk(name, events, end_tick):
    """A track chunk: its name, the events in time order, then end of track."""
    body = bytearray(variable_length(0) + meta(0x03, name.encode("ascii")))
    now = 0
    for tick, _, data in sorted(events, key=lambda event: (event[0], event[1])):
        body += variable_length(tick - now) + data
        now = tick
    body += variable_length(end_tick - now) + meta(0x2F, b"")
    return b"MTrk" + struct.pack(">I", len(body)) + bytes(body)


def conductor_events(piece):
    # Time signature n/4 (the denominator is stored as a power of two).
    events = [(0, 0, meta(0x58, bytes([piece.beats_per_bar, 2, 24, 8])))]
    for tick, bpm in piece.tempo_map():
        events.append((tick, 1, meta(0x51, struct.pack(">I", int(60_000_000 / bpm))[1:])))
    return events


def midi_file(piece):
    chunks = [track_chunk("Tempo", conductor_events(piece), piece.end_tick)]
    chunks += [track_chunk(track.name, track.events(), piece.end_tick) for track in piece.tracks]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(chunks), PPQ)
    return header + b"".join(chunks)


PIECES = [(opening, 20, 30), (background_in, 40, 90), (background_ryukyu, 40, 90),
          (background_yo_koto, 40, 90), (background_in_ensemble, 40, 90)]


def main():
    failed = False
    for compose, shortest, longest in PIECES:
        piece = compose()
        length = piece.seconds()
        path = os.path.join(DATA_DIR, piece.file_name)
        with open(path, "wb") as out:
            out.write(midi_file(piece))
        verdict = "ok" if shortest <= length <= longest else f"OUT OF RANGE {shortest}-{longest} s"
        failed |= verdict != "ok"
        print(f"{piece.file_name}: {length:.1f} s, {piece.bpm} bpm, {verdict}")
    if failed:
        sys.exit(1)


if __name__ == "__main__":
    main()
