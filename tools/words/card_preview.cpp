#include "card_preview.h"

#include "card/form1.h"
#include "card/poem_reveal.h"
#include "card/vertical_column.h"
#include "settings/shared_settings.h"

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
    PoemReveal reveal;
    reveal.Begin(PoemReveal::DisplayLines(phrase1, phrase2, phrase3, phrase4, phrase5));
    do {
        while (!reveal.LineDone())
            card_.Label1[reveal.revealLine]->setText(reveal.Tick());
    } while (reveal.NextLine());
    card_.Label5->setText(kajinName);
}

void CardPreview::ShowComposeFailure(const QString &message)
{
    std::fputs((message + u'\n').toUtf8().constData(), stderr);
    failed_ = true;
}
