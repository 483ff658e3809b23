#pragma once

#include "app/start_up.h"

#include <QString>
#include <memory>

class Form1;

// Start-up with the program's real windows, music and phrase files. The card
// window it opens lives as long as this object.
class ProgramStartUp final : public StartUpSteps
{
public:
    // Moves to the folder the program's files are read from.
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
    QString dataDirectory_;
    std::unique_ptr<Form1> card_;
};
