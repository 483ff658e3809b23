#pragma once

#include "sound/sequencer_device.h"

#include <string>
#include <vector>

// What a RecordingSequencer was asked and what it is to answer. The test
// keeps it; the device, owned by the command layer, writes into it.
struct SequencerScript
{
    std::vector<std::string> calls; // "open <file>", "play", "mode", "close"
    uint32_t openResult = 0;
    uint32_t playResult = 0;
    SequencerMode mode = SequencerMode::Stopped;
};

// A sequencer that plays nothing and logs every call the command layer makes.
class RecordingSequencer final : public SequencerDevice
{
public:
    explicit RecordingSequencer(SequencerScript &script);

    uint32_t Open(const std::string &fileName) override;
    uint32_t Play() override;
    SequencerMode Mode() override;
    void Close() override;

private:
    SequencerScript &script_;
};
