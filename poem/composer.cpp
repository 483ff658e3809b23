#include "poem/composer.h"

#include "poem/feasibility.h"
#include "poem/phrase_groups.h"
#include "poem/poem_card.h"
#include "poem/poem_patterns.h"
#include "poem/poem_rules.h"
#include "poem/random.h"
#include "settings/shared_settings.h"

using namespace Qt::Literals::StringLiterals;

bool retryFlag = false;

namespace {

int16_t DrawSlot(const PhraseGroup &group)
{
    return DrawIndex(Rnd(), group.last);
}

// Drops a two-character ending that begins with ";", whatever its letter.
QString WithoutTag(const QString &phrase)
{
    const qsizetype n = phrase.size();
    return n >= 2 && phrase[n - 2] == u';' ? phrase.left(n - 2) : phrase;
}

QString WithBreaksAsSpaces(const QString &phrase)
{
    QString finished;
    finished.reserve(phrase.size() + phrase.count(u'@'));
    for (QChar c : phrase) {
        if (c == u'@')
            finished += u"  "_s;
        else
            finished += c;
    }
    return finished;
}

} // namespace

void CheckPoem(QString &phrase1, QString &phrase2, QString &phrase3, QString &phrase4, QString &phrase5)
{
    const Tag tags[5] = {TagOf(phrase1), TagOf(phrase2), TagOf(phrase3), TagOf(phrase4), TagOf(phrase5)};
    if (!PassesRules(tags, kigoType, enkaMode))
        return;

    phrase1 = WithoutTag(phrase1);
    phrase2 = WithoutTag(phrase2);
    phrase3 = WithoutTag(phrase3);
    phrase4 = WithBreaksAsSpaces(WithoutTag(phrase4));
    phrase5 = WithoutTag(phrase5);
    retryFlag = false;
}

void ComposePoem()
{
    PoemCard *card = CurrentPoemCard();
    const PhraseGroups &groups = phraseGroups;
    if (!CanSatisfy(groups, kigoType, enkaMode)) {
        card->ShowComposeFailure(UnsatisfiableMessage(kigoType, enkaMode));
        return;
    }

    QString phrase[5];
    retryFlag = true;
    while (retryFlag) {
        card->ClearPoem();
        const PoemPattern &pattern = kPoemPatterns[DrawIndex(Rnd(), 4) - 1];
        const PhraseGroup *from[5] = {&(groups.*pattern.phrase1), &(groups.*pattern.phrase2),
                                      &(groups.*pattern.phrase3), nullptr, nullptr};
        int16_t slot[5] = {DrawSlot(*from[0]), DrawSlot(*from[1]), DrawSlot(*from[2]), 0, 0};
        if (DrawIndex(Rnd(), kEndingCount) == kTwelveMoraEnding) {
            from[3] = &groups.Word12;
            slot[3] = DrawSlot(groups.Word12);
        } else {
            from[3] = &groups.Word7C;
            slot[3] = DrawSlot(groups.Word7C);
            from[4] = &groups.Word7D;
            slot[4] = DrawSlot(groups.Word7D);
        }

        // The tags were worked out at loading, so most draws are turned away
        // here without touching the text; CheckPoem applies the same rules.
        Tag tags[5];
        for (int i = 0; i < 5; ++i)
            tags[i] = from[i] ? from[i]->tags[slot[i]] : Tag::None;
        if (!PassesRules(tags, kigoType, enkaMode))
            continue;

        for (int i = 0; i < 5; ++i)
            phrase[i] = from[i] ? from[i]->phrases[slot[i]] : QString();
        CheckPoem(phrase[0], phrase[1], phrase[2], phrase[3], phrase[4]);
    }

    card->ShowCardPicture();
    card->ShowPoem(phrase[0], phrase[1], phrase[2], phrase[3], phrase[4]);
}
