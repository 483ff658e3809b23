#pragma once

#include "poem/random.h"

#include <deque>

// Hands out the values a test scripted, in order, and counts the draws.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom() { SetRandomSource(this); }
    ~ScriptedRandom() override { SetRandomSource(nullptr); }

    void Push(std::initializer_list<float> values) { values_.insert(values_.end(), values); }
    float Next() override;

    int draws = 0;
    bool exhausted = false;

private:
    std::deque<float> values_;
};
