#include "wave_fixture.h"

#include <cmath>
#include <numbers>

namespace {

void PutLittleEndian(std::vector<uint8_t> &out, uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

} // namespace

std::vector<uint8_t> WaveTone(double seconds)
{
    constexpr uint32_t rate = 22050;
    const uint32_t frames = uint32_t(seconds * rate);
    std::vector<uint8_t> file = {'R', 'I', 'F', 'F'};
    PutLittleEndian(file, 36 + 2 * frames, 4);
    file.insert(file.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLittleEndian(file, 16, 4);
    PutLittleEndian(file, 1, 2); // PCM
    PutLittleEndian(file, 1, 2); // mono
    PutLittleEndian(file, rate, 4);
    PutLittleEndian(file, 2 * rate, 4); // bytes a second
    PutLittleEndian(file, 2, 2); // bytes a frame
    PutLittleEndian(file, 16, 2);
    file.insert(file.end(), {'d', 'a', 't', 'a'});
    PutLittleEndian(file, 2 * frames, 4);
    for (uint32_t i = 0; i < frames; ++i)
        PutLittleEndian(file, uint16_t(int16_t(8000 * std::sin(2 * std::numbers::pi * 440 * i / rate))), 2);
    return file;
}
