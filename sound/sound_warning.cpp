#include "sound/sound_warning.h"

Q_LOGGING_CATEGORY(lcSound, "gieicho.sound")

void OnceOnlyWarning::Report(std::string_view message)
{
    if (written_.exchange(true))
        return;
    qCWarning(lcSound, "%.*s", int(message.size()), message.data());
}
