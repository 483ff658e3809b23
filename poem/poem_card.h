#pragma once

#include <QString>

// What the composer needs of the card window. The card window implements it;
// tests fake it, so the composer carries no window code.
class PoemCard
{
public:
    virtual ~PoemCard() = default;
    // Empties the four poem columns and the poet name.
    virtual void ClearPoem() = 0;
    // Shows the card picture that belongs to the current season and poem set.
    virtual void ShowCardPicture() = 0;
    // Reveals the five finished phrases; returns once the reveal is over.
    virtual void ShowPoem(const QString &phrase1, const QString &phrase2, const QString &phrase3,
                          const QString &phrase4, const QString &phrase5) = 0;
    // Tells the user why no poem can be made; the poem on the card stays.
    virtual void ShowComposeFailure(const QString &message) = 0;
};

// The card that ComposePoem fills; nullptr until the card window exists.
void SetPoemCard(PoemCard *card);
PoemCard *CurrentPoemCard();
