#include "fake_card.h"

using namespace Qt::Literals::StringLiterals;

FakeCard::FakeCard()
{
    SetPoemCard(this);
}

FakeCard::~FakeCard()
{
    SetPoemCard(nullptr);
}

void FakeCard::ClearPoem()
{
    calls << u"clear"_s;
}

void FakeCard::ShowCardPicture()
{
    calls << u"picture"_s;
}

void FakeCard::ShowPoem(const QString &p1, const QString &p2, const QString &p3, const QString &p4, const QString &p5)
{
    calls << u"show"_s;
    poem = {p1, p2, p3, p4, p5};
}

void FakeCard::ShowComposeFailure(const QString &message)
{
    calls << u"failure"_s;
    failure = message;
}
