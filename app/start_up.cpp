#include "app/start_up.h"

#include "forms/program_end.h"
#include "settings/shared_settings.h"

void Main(StartUpSteps &steps)
{
    steps.SeedRandom();
    steps.ShowSplash();
    if (ProgramEnding())
        return;
    steps.PlayOpeningMusic();
    steps.ShowTitle();
    if (ProgramEnding())
        return;
    if (!steps.LoadPhrases()) {
        EndProgram(1);
        return;
    }
    bgmOn = true;
    steps.ShowSettings();
    if (ProgramEnding())
        return;
    steps.OpenCard();
    steps.ComposeFirstPoem();
}
