#include "sound/silent_sequencer.h"

#include "sound/mci_error.h"

uint32_t SilentSequencer::Open(const std::string &)
{
    return MCIERR_CANNOT_LOAD_DRIVER;
}

uint32_t SilentSequencer::Play()
{
    return MCIERR_CANNOT_LOAD_DRIVER;
}

SequencerMode SilentSequencer::Mode()
{
    return SequencerMode::NotReady;
}

void SilentSequencer::Close()
{
}
