#include "poem/phrase_groups.h"

PhraseGroups phraseGroups;

Tag TagOf(const QString &phrase)
{
    const qsizetype n = phrase.size();
    if (n < 2 || phrase[n - 2] != u';')
        return Tag::None;
    switch (phrase[n - 1].unicode()) {
    case u'e': return Tag::Amorous;
    case u'h': return Tag::Spring;
    case u'n': return Tag::Summer;
    case u'a': return Tag::Autumn;
    case u'f': return Tag::Winter;
    default: return Tag::None;
    }
}

void PhraseGroup::Clear()
{
    phrases.fill(QString());
    tags.fill(Tag::None);
    last = -1;
}
