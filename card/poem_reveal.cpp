#include "card/poem_reveal.h"

using namespace Qt::Literals::StringLiterals;

std::array<QString, 4> PoemReveal::DisplayLines(const QString &phrase1, const QString &phrase2, const QString &phrase3,
                                                const QString &phrase4, const QString &phrase5)
{
    return {phrase1, phrase2, phrase3, phrase4 + u"  "_s + phrase5};
}

std::array<QString, 4> PoemReveal::FinishedCaptions(const std::array<QString, 4> &lines)
{
    PoemReveal reveal;
    reveal.Begin(lines);
    std::array<QString, 4> captions;
    do {
        while (!reveal.LineDone())
            captions[static_cast<std::size_t>(reveal.revealLine)] = reveal.Tick();
    } while (reveal.NextLine());
    return captions;
}

void PoemReveal::Begin(const std::array<QString, 4> &lines)
{
    poemLines = lines;
    revealLine = 0;
    revealText = poemLines[0];
    revealPos = 1;
}

bool PoemReveal::NextLine()
{
    if (revealLine >= 3) {
        revealLine = 4;
        return false;
    }
    ++revealLine;
    revealText = poemLines[revealLine];
    revealPos = 1;
    return true;
}

QString PoemReveal::Tick()
{
    if (revealPos < std::min<qsizetype>(revealText.size(), kCountLimit)) {
        ++revealPos;
        // The tick that brings the count to its limit reaches every character
        // left in the line at once.
        const qsizetype reachedEnd = revealPos == kCountLimit ? revealText.size() : revealPos;
        for (qsizetype i = revealPos - 1; i < reachedEnd; ++i) {
            if (revealText[i] == u'ー')
                revealText[i] = u'｜';
        }
    }
    return revealPos == kCountLimit ? revealText : revealText.left(revealPos);
}
