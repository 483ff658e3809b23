#include "app/program_start_up.h"

#include "app/data_directory.h"
#include "app/module_directory.h"
#include "app/window_setup.h"
#include "card/form1.h"
#include "card/printing_module.h"
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/tobidemo.h"
#include "forms/event_waits.h"
#include "forms/program_end.h"
#include "forms/program_title.h"
#include "poem/composer.h"
#include "poem/phrase_loader.h"
#include "poem/random.h"
#include "sound/midi_player.h"
#include "sound/sound_engine_module.h"

#include <QMessageBox>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace {

// Shows a window without blocking and waits until it is no longer visible.
template <typename Window> void ShowAndWait(Window &window)
{
    window.show();
    WaitWhileVisible(window);
}

} // namespace

ProgramStartUp::ProgramStartUp()
    : dataDirectory_(EnterDataDirectory(QString::fromUtf8(GIEICHO_DATA_DIR)))
{
    const QString modules = ModuleDirectory(QString::fromUtf8(GIEICHO_MODULE_DIR));
    UseSoundModuleFolder(modules);
    UsePrintingModuleFolder(modules);
}
ProgramStartUp::~ProgramStartUp() = default;

void ProgramStartUp::SeedRandom()
{
    RandomizeFromClock();
}

void ProgramStartUp::ShowSplash()
{
    TobiDeMo splash;
    splash.show();
    // The first picture comes before anything the later windows need: that
    // is set up once the splash is on the screen, long before its first tick.
    while (splash.isVisible() && !splash.windowHandle()->isExposed() && !ProgramEnding())
        WaitForEvents();
    SetUpLaterWindows();
    // The sound engine is loaded before the splash's first tick, whose chime needs it.
    RunSoundEngine();
    WaitWhileVisible(splash);
}

void ProgramStartUp::PlayOpeningMusic()
{
    PlayMidi(u"ge_open.mid"_s);
}

void ProgramStartUp::ShowTitle()
{
    Form3 title;
    ShowAndWait(title);
    if (!ProgramEnding())
        title.Unload();
}

bool ProgramStartUp::LoadPhrases()
{
    const auto error = LoadWords(dataDirectory_);
    if (!error)
        return true;
    // The opening music would otherwise sound on under the message and after it.
    StopMidi();
    QMessageBox::critical(nullptr, ProgramTitle(),
                          u"語句ファイルを読み込めないため、終了します。\n\n"_s + error->Message());
    return false;
}

void ProgramStartUp::ShowSettings()
{
    Form2 settings;
    ShowAndWait(settings);
}

void ProgramStartUp::OpenCard()
{
    card_ = std::make_unique<Form1>();
    SetPoemCard(card_.get());
    card_->show();
}

void ProgramStartUp::ComposeFirstPoem()
{
    ComposePoem();
}
