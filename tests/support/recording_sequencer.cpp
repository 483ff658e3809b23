#include "recording_sequencer.h"

RecordingSequencer::RecordingSequencer(SequencerScript &script)
    : script_(script)
{
}

uint32_t RecordingSequencer::open(const std::string &fileName)
{
    script_.calls.push_back("open " + fileName);
    return script_.openResult;
}

uint32_t RecordingSequencer::play()
{
    script_.calls.push_back("play");
    return script_.playResult;
}

SequencerMode RecordingSequencer::mode()
{
    script_.calls.push_back("mode");
    return script_.mode;
}

void RecordingSequencer::close()
{
    script_.calls.push_back("close");
}
