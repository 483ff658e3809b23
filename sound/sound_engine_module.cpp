#include "sound/sound_engine_module.h"

#include "sound/sound_warning.h"

#include <QDir>
#include <QLibrary>

using namespace Qt::Literals::StringLiterals;

namespace {

QString &ModuleFolder()
{
    static QString folder;
    return folder;
}

std::shared_ptr<SoundEngine> Load()
{
    const QString file = QDir(ModuleFolder()).filePath(QString::fromUtf8(GIEICHO_SOUND_MODULE));
    QLibrary module(file);
    // An empty folder would leave the search to the system's library path.
    const auto make = ModuleFolder().isEmpty()
        ? nullptr
        : reinterpret_cast<decltype(&GieichoMakeSoundEngine)>(module.resolve(kMakeSoundEngineSymbol));
    if (!make) {
        static OnceOnlyWarning warning;
        const QString why = ModuleFolder().isEmpty() ? u"no module folder given"_s : module.errorString();
        warning.Report(u"no sound: cannot load the sound engine %1: %2"_s.arg(file, why).toStdString());
        return nullptr;
    }
    // The module stays loaded to the end of the run: the engine's code lives in it.
    return std::shared_ptr<SoundEngine>(make());
}

} // namespace

void UseSoundModuleFolder(const QString &folder)
{
    ModuleFolder() = folder;
}

std::shared_ptr<SoundEngine> RunSoundEngine()
{
    static const std::shared_ptr<SoundEngine> engine = Load();
    return engine;
}
