#include "scripted_random.h"

float ScriptedRandom::Next()
{
    ++draws;
    if (values_.empty()) {
        exhausted = true;
        return 0.0f;
    }
    const float value = values_.front();
    values_.pop_front();
    return value;
}
