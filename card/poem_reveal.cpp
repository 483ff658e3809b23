#include "card/poem_reveal.h"

using namespace Qt::Literals::StringLiterals;

std::array<QString, 4> PoemReveal::DisplayLines(const QString &phrase1, const QString &phrase2, const QString &phrase3,
                                                const QString &phrase4, const QString &phrase5)
{
    return {phrase1, phrase2, phrase3, phrase4 + u"  "_s + phrase5};
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
    if (revealPos < revealText.size()) {
        ++revealPos;
        QChar &reached = revealText[revealPos - 1];
        if (reached == u'ー')
            reached = u'｜';
    }
    return revealText.left(revealPos);
}
