#pragma once

#include "poem/poem_card.h"

class Form1;

// Shows each finished poem on a real card window as it stands at the end of
// its reveal: the same reveal rules, without waiting for the ticks.
class CardPreview final : public PoemCard
{
public:
    explicit CardPreview(Form1 &card)
        : card_(card)
    {
    }

    void ClearPoem() override;
    void ShowCardPicture() override;
    void ShowPoem(const QString &phrase1, const QString &phrase2, const QString &phrase3, const QString &phrase4,
                  const QString &phrase5) override;
    void ShowComposeFailure(const QString &message) override;

    bool Failed() const { return failed_; }

private:
    Form1 &card_;
    bool failed_ = false;
};
