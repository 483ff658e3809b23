#pragma once

#include "sound/sequencer_device.h"

// The sequencer when the sound engine module could not be loaded: every
// piece fails to open, as on a machine without a sound device.
class SilentSequencer final : public SequencerDevice
{
public:
    uint32_t Open(const std::string &fileName) override;
    uint32_t Play() override;
    SequencerMode Mode() override;
    void Close() override;
};
