#include "recording_mci.h"

#include "sound/mci.h"

#include <algorithm>
#include <cstring>

RecordingMci &TheRecordingMci()
{
    static RecordingMci recording;
    return recording;
}

uint32_t mciSendStringA(const char *command, char *reply, unsigned replyLength, void *)
{
    RecordingMci &r = TheRecordingMci();
    r.sent.push_back({command, replyLength});
    if (replyLength == 0)
        return 0;
    for (const RecordingMci::Answer &answer : r.answers) {
        if (std::string_view(command).starts_with(answer.commandPrefix)) {
            const size_t copied = std::min<size_t>(answer.reply.size(), replyLength - 1);
            std::memcpy(reply, answer.reply.data(), copied);
            reply[copied] = '\0';
            return answer.code;
        }
    }
    reply[0] = '\0';
    return 0;
}

bool mciGetErrorStringA(uint32_t code, char *text, unsigned length)
{
    TheRecordingMci().lookedUp.push_back({code, length});
    text[0] = '\0';
    return true;
}
