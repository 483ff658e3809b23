#include "midi_fixture.h"

namespace {

constexpr int kTicksPerQuarter = 480;

void PutVariableLength(std::vector<uint8_t> &out, uint32_t value)
{
    uint8_t bytes[5];
    int count = 0;
    do {
        bytes[count++] = value & 0x7f;
        value >>= 7;
    } while (value);
    while (count--)
        out.push_back(bytes[count] | (count ? 0x80 : 0));
}

void PutBigEndian(std::vector<uint8_t> &out, uint32_t value, int byteCount)
{
    for (int shift = 8 * (byteCount - 1); shift >= 0; shift -= 8)
        out.push_back(uint8_t(value >> shift));
}

void PutTrack(std::vector<uint8_t> &file, const std::vector<uint8_t> &events)
{
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    PutBigEndian(file, uint32_t(events.size() + 4), 4);
    file.insert(file.end(), events.begin(), events.end());
    file.insert(file.end(), {0x00, 0xff, 0x2f, 0x00});
}

void PutTempo(std::vector<uint8_t> &events, uint32_t delta, uint32_t microsecondsPerQuarter)
{
    PutVariableLength(events, delta);
    events.insert(events.end(), {0xff, 0x51, 0x03});
    PutBigEndian(events, microsecondsPerQuarter, 3);
}

} // namespace

std::vector<uint8_t> MidiMelody(int noteCount, int noteMilliseconds)
{
    // At 120 beats a minute a quarter note lasts 500 ms.
    const uint32_t noteTicks = uint32_t(noteMilliseconds * kTicksPerQuarter / 500);
    const uint32_t halfway = noteTicks * uint32_t(noteCount / 2);

    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2};
    PutBigEndian(file, kTicksPerQuarter, 2);

    std::vector<uint8_t> tempo;
    PutTempo(tempo, 0, 500000);
    PutTempo(tempo, halfway, 250000);
    PutTrack(file, tempo);

    std::vector<uint8_t> notes = {0x00, 0xc0, 0x00};
    for (int i = 0; i < noteCount; ++i) {
        const uint8_t key = uint8_t(60 + (i * 5) % 24);
        notes.insert(notes.end(), {0x00, 0x90, key, 100});
        PutVariableLength(notes, noteTicks);
        notes.insert(notes.end(), {0x80, key, 0});
    }
    PutTrack(file, notes);
    return file;
}
