#pragma once

#include "poem/poem_card.h"

#include <cstdio>

// A card that prints each finished poem as one line of UTF-8, phrases separated by a space.
class PoemPrinter final : public PoemCard
{
public:
    explicit PoemPrinter(std::FILE *out)
        : out_(out)
    {
    }

    void ClearPoem() override { }
    void ShowCardPicture() override { }
    void ShowPoem(const QString &phrase1, const QString &phrase2, const QString &phrase3, const QString &phrase4,
                  const QString &phrase5) override;
    void ShowComposeFailure(const QString &message) override;

    bool Failed() const { return failed_; }

private:
    std::FILE *out_;
    bool failed_ = false;
};
