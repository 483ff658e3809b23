#pragma once

// The steps of start-up. Each returns when its step is over; the windows'
// own events are handled meanwhile.
class StartUpSteps
{
public:
    virtual ~StartUpSteps() = default;
    virtual void SeedRandom() = 0;
    // Shows the maker's splash and waits until it has closed itself.
    virtual void ShowSplash() = 0;
    virtual void PlayOpeningMusic() = 0;
    // Shows the title screen and waits until it is clicked away.
    virtual void ShowTitle() = 0;
    // Loads the phrase files; false once the user has been told what is wrong.
    virtual bool LoadPhrases() = 0;
    // Shows the settings window and waits until it is gone.
    virtual void ShowSettings() = 0;
    virtual void OpenCard() = 0;
    // Returns once the first poem has been revealed.
    virtual void ComposeFirstPoem() = 0;
};

// The start routine: splash, opening music, title, phrase files, music
// switch, settings, card window and first poem, strictly in that order. It
// stops where the program is ended (the title closed, a phrase file missing).
void Main(StartUpSteps &steps);
