#include "recording_sequencer.h"

RecordingSequencer::RecordingSequencer(SequencerScript &script)
    : script_(script)
{
}

uint32_t RecordingSequencer::Open(const std::string &fileName)
{
    script_.calls.push_back("open " + fileName);
    return script_.openResult;
}

uint32_t RecordingSequencer::Play()
{
    script_.calls.push_back("play");
    return script_.playResult;
}

SequencerMode RecordingSequencer::Mode()
{
    script_.calls.push_back("mode");
    return script_.mode;
}

void RecordingSequencer::Close()
{
    script_.calls.push_back("close");
}
