#include "midi_length.h"

#include <algorithm>
#include <map>

namespace {

struct Reader
{
    const std::vector<uint8_t> &bytes;
    size_t at;
    size_t end;

    bool More() const { return at < end; }
    uint8_t Byte() { return at < end ? bytes[at++] : 0; }
    uint32_t BigEndian(int count)
    {
        uint32_t value = 0;
        while (count--)
            value = value << 8 | Byte();
        return value;
    }
    uint32_t VariableLength()
    {
        uint32_t value = 0;
        uint8_t b;
        do {
            b = Byte();
            value = value << 7 | (b & 0x7f);
        } while ((b & 0x80) && More());
        return value;
    }
};

// Walks one track; records its tempo changes and returns its last tick.
uint64_t ReadTrack(Reader track, std::map<uint64_t, uint32_t> &tempos)
{
    uint64_t tick = 0;
    uint8_t status = 0;
    while (track.More()) {
        tick += track.VariableLength();
        uint8_t first = track.Byte();
        if (first == 0xff) {
            const uint8_t type = track.Byte();
            const uint32_t length = track.VariableLength();
            if (type == 0x51 && length == 3)
                tempos[tick] = Reader{track.bytes, track.at, track.end}.BigEndian(3);
            track.at += length;
            if (type == 0x2f)
                break;
        } else if (first == 0xf0 || first == 0xf7) {
            track.at += track.VariableLength();
        } else {
            if (first & 0x80) {
                status = first;
                first = track.Byte();
            }
            const uint8_t kind = status & 0xf0;
            if (kind != 0xc0 && kind != 0xd0)
                track.Byte();
        }
    }
    return tick;
}

} // namespace

double MidiLengthSeconds(const std::vector<uint8_t> &file)
{
    Reader header{file, 0, file.size()};
    if (header.BigEndian(4) != 0x4d546864 || header.BigEndian(4) != 6)
        return -1;
    header.BigEndian(2);
    const uint32_t trackCount = header.BigEndian(2);
    const uint32_t division = header.BigEndian(2);
    if (division == 0 || (division & 0x8000))
        return -1;

    std::map<uint64_t, uint32_t> tempos{{0, 500000}};
    uint64_t lastTick = 0;
    size_t at = 14;
    for (uint32_t i = 0; i < trackCount; ++i) {
        Reader chunk{file, at, file.size()};
        const uint32_t id = chunk.BigEndian(4);
        const uint32_t length = chunk.BigEndian(4);
        if (at + 8 + length > file.size())
            return -1;
        if (id == 0x4d54726b)
            lastTick = std::max(lastTick, ReadTrack(Reader{file, at + 8, at + 8 + length}, tempos));
        at += 8 + length;
    }

    double seconds = 0;
    for (auto it = tempos.begin(); it != tempos.end() && it->first < lastTick; ++it) {
        const auto next = std::next(it);
        const uint64_t until = next == tempos.end() ? lastTick : std::min(next->first, lastTick);
        seconds += double(until - it->first) * it->second / division / 1e6;
    }
    return seconds;
}
