#include "sound/mci_command_layer.h"

#include "sound/mci_command_parser.h"
#include "sound/mci_error.h"

#include <algorithm>
#include <cstring>

namespace {

const char *ModeWord(SequencerMode mode)
{
    switch (mode) {
    case SequencerMode::Playing: return "playing";
    case SequencerMode::Stopped: return "stopped";
    case SequencerMode::NotReady: break;
    }
    return "not ready";
}

bool EndsWith(const std::string &text, std::string_view suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// With no type given, the device is chosen by the file's extension.
bool IsMidiFileName(const std::string &file)
{
    const std::string lower = LowerAscii(file);
    return EndsWith(lower, ".mid") || EndsWith(lower, ".midi") || EndsWith(lower, ".rmi");
}

} // namespace

MciCommandLayer::MciCommandLayer(SequencerDevice &device)
    : device_(device)
{
}

uint32_t MciCommandLayer::Send(const char *command, char *reply, unsigned replyLength)
{
    if (reply && replyLength > 0)
        reply[0] = '\0';
    if (!command)
        return MCIERR_MISSING_COMMAND_STRING;

    const MciParseResult parsed = ParseMciCommand(command);
    if (parsed.error != MCI_OK)
        return parsed.error;
    const MciCommand &c = parsed.command;
    if (c.verb == MciVerb::Open)
        return Open(c.target, c.type, c.alias);

    // "close all" closes whatever is open, and the device lets go of what it
    // keeps between pieces.
    if (c.verb == MciVerb::Close && LowerAscii(c.target) == "all") {
        if (openAlias_)
            device_.Close();
        openAlias_.reset();
        device_.Release();
        return MCI_OK;
    }
    if (openAlias_ != LowerAscii(c.target))
        return MCIERR_INVALID_DEVICE_NAME;
    if (c.verb == MciVerb::Play)
        return device_.Play();
    if (c.verb == MciVerb::Status)
        return WriteReply(ModeWord(device_.Mode()), reply, replyLength);
    device_.Close();
    openAlias_.reset();
    return MCI_OK;
}

uint32_t MciCommandLayer::Open(const std::string &file, const std::string &type, const std::string &alias)
{
    if (type.empty() && !IsMidiFileName(file))
        return MCIERR_EXTENSION_NOT_FOUND;
    if (!type.empty() && LowerAscii(type) != "sequencer")
        return MCIERR_INVALID_DEVICE_NAME;
    // Without an alias the device goes by the file's name, as the platform does.
    const std::string name = LowerAscii(alias.empty() ? file : alias);
    if (name == openAlias_)
        return MCIERR_DUPLICATE_ALIAS;
    if (openAlias_)
        return MCIERR_SEQ_PORT_INUSE;

    const uint32_t error = device_.Open(file);
    if (error == MCI_OK)
        openAlias_ = name;
    return error;
}

uint32_t MciCommandLayer::WriteReply(const char *text, char *reply, unsigned replyLength)
{
    if (!reply || replyLength == 0)
        return MCIERR_PARAM_OVERFLOW;
    const size_t length = std::strlen(text);
    const size_t copied = std::min<size_t>(length, replyLength - 1);
    std::memcpy(reply, text, copied);
    reply[copied] = '\0';
    return copied < length ? MCIERR_PARAM_OVERFLOW : MCI_OK;
}
