#pragma once

#include <cstdint>

// The program's one random sequence. Every choice in the program, from the
// composer's draws to the background piece, continues this sequence.

// A source of uniform single-precision values in [0, 1); never 1.0.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float Next() = 0;
};

// The next value of the sequence.
float Rnd();
// Seeds the built-in generator.
void Randomize(uint64_t seed);
void RandomizeFromClock();
// Tests put a source of their own in place; nullptr restores the built-in one.
void SetRandomSource(RandomSource *source);

// floor(r * n) + 1 with a single-precision product, the form of every random
// choice in the program.
inline int16_t DrawIndex(float r, int16_t n)
{
    const float product = r * static_cast<float>(n);
    const auto whole = static_cast<int16_t>(product);
    // static_cast cuts toward zero; floor goes toward minus infinity.
    return static_cast<int16_t>((static_cast<float>(whole) > product ? whole - 1 : whole) + 1);
}
