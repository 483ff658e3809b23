#pragma once

#include "poem/poem_card.h"

#include <QStringList>

// Records what the composer asks of the card.
class FakeCard final : public PoemCard
{
public:
    FakeCard() { SetPoemCard(this); }
    ~FakeCard() override { SetPoemCard(nullptr); }

    void ClearPoem() override { calls << QStringLiteral("clear"); }
    void ShowCardPicture() override { calls << QStringLiteral("picture"); }
    void ShowPoem(const QString &p1, const QString &p2, const QString &p3, const QString &p4,
                  const QString &p5) override
    {
        calls << QStringLiteral("show");
        poem = {p1, p2, p3, p4, p5};
    }
    void ShowComposeFailure(const QString &message) override
    {
        calls << QStringLiteral("failure");
        failure = message;
    }

    QStringList calls;
    QStringList poem;
    QString failure;
};
