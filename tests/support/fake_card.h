#pragma once

#include "poem/poem_card.h"

#include <QStringList>

// Records what the composer asks of the card.
class FakeCard final : public PoemCard
{
public:
    FakeCard();
    ~FakeCard() override;

    void ClearPoem() override;
    void ShowCardPicture() override;
    void ShowPoem(const QString &p1, const QString &p2, const QString &p3, const QString &p4,
                  const QString &p5) override;
    void ShowComposeFailure(const QString &message) override;

    QStringList calls;
    QStringList poem;
    QString failure;
};
