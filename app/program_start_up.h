#pragma once

#include "app/start_up.h"

#include <memory>

class Form1;

// Start-up with the program's real windows, music and phrase files. The card
// window it opens lives as long as this object.
class ProgramStartUp final : public StartUpSteps
{
public:
    ProgramStartUp();
    ~ProgramStartUp() override;

    void SeedRandom() override;
    void ShowSplash() override;
    void PlayOpeningMusic() override;
    void ShowTitle() override;
    bool LoadPhrases() override;
    void ShowSettings() override;
    void OpenCard() override;
    void ComposeFirstPoem() override;

private:
    std::unique_ptr<Form1> card_;
};
