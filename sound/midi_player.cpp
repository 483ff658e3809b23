#include "sound/midi_player.h"

#include "settings/shared_settings.h"
#include "sound/ansi_code_page.h"
#include "sound/mci.h"

#include <QDir>

#include <cctype>

namespace {

constexpr unsigned kReplyLength = 512;
constexpr unsigned kErrorTextLength = 1024;

// Failures are looked up as the platform's text and not shown to anyone.
void DropError(uint32_t code)
{
    char text[kErrorTextLength];
    mciGetErrorStringA(code, text, kErrorTextLength);
}

} // namespace

void PlayMidi(const QString &fileName)
{
    // One separator is added whatever the directory ends in.
    const QString path = QDir::toNativeSeparators(QDir::currentPath()) + QDir::separator() + fileName;
    const QByteArray quotedPath = '"' + ToAnsiCodePage(path) + '"';
    StopMidi();

    char reply[kReplyLength];
    const QByteArray open = "open " + quotedPath + " type sequencer alias Midi";
    DropError(mciSendStringA(open.constData(), reply, kReplyLength, nullptr));
    // Sent whatever the open gave; after a failed open it fails as well.
    DropError(mciSendStringA("play Midi", reply, kReplyLength, nullptr));
}

void StopMidi()
{
    char reply[1];
    DropError(mciSendStringA("close Midi", reply, 1, nullptr));
}

void ReleaseMidi()
{
    char reply[1];
    DropError(mciSendStringA("close all", reply, 1, nullptr));
}

bool IsMidiPlaying()
{
    char reply[kReplyLength] = {};
    mciSendStringA("Status Midi mode", reply, kReplyLength, nullptr);
    return std::toupper(static_cast<unsigned char>(reply[0])) == 'P';
}

void PlayBgmIfIdle()
{
    if (!IsMidiPlaying())
        PlayMidi(bgmFile);
}
