#include "poem/random.h"

#include <chrono>

namespace {

// xoshiro128**: small, fast and of good quality; 24 of its bits make one
// single-precision value, so the value is at most 1 - 2^-24 and never 1.0.
class BuiltInGenerator final : public RandomSource
{
public:
    void Seed(uint64_t seed)
    {
        for (auto &word : state_) {
            seed += 0x9E3779B97F4A7C15ULL; // splitmix64 spreads any seed over the state
            uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = static_cast<uint32_t>(z ^ (z >> 31));
        }
    }

    float Next() override
    {
        const uint32_t result = Rotl(state_[1] * 5, 7) * 9;
        const uint32_t t = state_[1] << 9;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = Rotl(state_[3], 11);
        return static_cast<float>(result >> 8) * 0x1p-24f;
    }

private:
    static uint32_t Rotl(uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

    uint32_t state_[4] = {1, 2, 3, 4};
};

BuiltInGenerator builtIn;
RandomSource *current = &builtIn;

} // namespace

float Rnd()
{
    return current->Next();
}

void Randomize(uint64_t seed)
{
    builtIn.Seed(seed);
}

void RandomizeFromClock()
{
    Randomize(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void SetRandomSource(RandomSource *source)
{
    current = source ? source : &builtIn;
}
