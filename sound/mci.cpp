#include "sound/mci.h"

#include "sound/fluid_sequencer.h"
#include "sound/mci_command_layer.h"
#include "sound/mci_error.h"
#include "sound/soundfont_search.h"

#include <algorithm>
#include <cstring>

namespace {

struct CommandEndpoint
{
    std::unique_ptr<SequencerDevice> device;
    std::unique_ptr<MciCommandLayer> layer;

    void Use(std::unique_ptr<SequencerDevice> newDevice)
    {
        layer.reset();
        device = std::move(newDevice);
        layer = std::make_unique<MciCommandLayer>(*device);
    }
};

FluidSynthEngine &RunEngine()
{
    static FluidSynthEngine engine(StandardSoundFonts());
    return engine;
}

CommandEndpoint &Endpoint()
{
    // The engine is made first, so it outlives the device that plays on it.
    static CommandEndpoint commands = [] {
        CommandEndpoint fresh;
        fresh.Use(std::make_unique<FluidSequencer>(RunEngine()));
        return fresh;
    }();
    return commands;
}

} // namespace

uint32_t mciSendStringA(const char *command, char *reply, unsigned replyLength, void *)
{
    return Endpoint().layer->Send(command, reply, replyLength);
}

bool mciGetErrorStringA(uint32_t code, char *text, unsigned length)
{
    if (!text || length == 0)
        return false;
    const char *message = MciErrorText(code);
    if (!message) {
        text[0] = '\0';
        return false;
    }
    const size_t copied = std::min<size_t>(std::strlen(message), length - 1);
    std::memcpy(text, message, copied);
    text[copied] = '\0';
    return true;
}

void UseSequencerDevice(std::unique_ptr<SequencerDevice> device)
{
    // The layer needs a device at all times: without one, the run's own is back.
    Endpoint().Use(device ? std::move(device) : std::make_unique<FluidSequencer>(RunEngine()));
}
