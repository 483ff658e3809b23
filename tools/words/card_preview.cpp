#include "card_preview.h"

#include "card/form1.h"

#include <cstdio>

void CardPreview::ClearPoem()
{
    card_.ClearPoem();
}

void CardPreview::ShowCardPicture()
{
    card_.ShowCardPicture();
}

void CardPreview::ShowPoem(const QString &phrase1, const QString &phrase2, const QString &phrase3,
                           const QString &phrase4, const QString &phrase5)
{
    card_.ShowFinishedPoem(phrase1, phrase2, phrase3, phrase4, phrase5);
}

void CardPreview::ShowComposeFailure(const QString &message)
{
    std::fputs((message + u'\n').toUtf8().constData(), stderr);
    failed_ = true;
}
