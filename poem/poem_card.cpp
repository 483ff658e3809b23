#include "poem/poem_card.h"

namespace {
PoemCard *card = nullptr;
}

void SetPoemCard(PoemCard *newCard)
{
    card = newCard;
}

PoemCard *CurrentPoemCard()
{
    return card;
}
