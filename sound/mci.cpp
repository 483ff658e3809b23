#include "sound/mci.h"

#include "sound/mci_command_layer.h"
#include "sound/mci_error.h"
#include "sound/silent_sequencer.h"
#include "sound/sound_engine_module.h"

#include <algorithm>
#include <cstring>

namespace {

struct CommandEndpoint
{
    // The engine the run's own device plays on, kept as long as the device.
    std::shared_ptr<SoundEngine> engine;
    std::unique_ptr<SequencerDevice> device;
    std::unique_ptr<MciCommandLayer> layer;

    void Use(std::unique_ptr<SequencerDevice> newDevice, std::shared_ptr<SoundEngine> newEngine = nullptr)
    {
        layer.reset();
        device = std::move(newDevice);
        engine = std::move(newEngine);
        if (device)
            layer = std::make_unique<MciCommandLayer>(*device);
    }

    MciCommandLayer &Layer()
    {
        // The run's own device is made on the first command, which loads the engine.
        if (!layer) {
            std::shared_ptr<SoundEngine> runEngine = RunSoundEngine();
            std::unique_ptr<SequencerDevice> runDevice =
                runEngine ? runEngine->MakeSequencer() : std::make_unique<SilentSequencer>();
            Use(std::move(runDevice), std::move(runEngine));
        }
        return *layer;
    }
};

CommandEndpoint &Endpoint()
{
    static CommandEndpoint commands;
    return commands;
}

} // namespace

uint32_t mciSendStringA(const char *command, char *reply, unsigned replyLength, void *)
{
    return Endpoint().Layer().Send(command, reply, replyLength);
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
    // Without a device, the run's own comes back with the next command.
    Endpoint().Use(std::move(device));
}
