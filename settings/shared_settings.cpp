#include "settings/shared_settings.h"

int16_t kigoType = 0;
bool enkaMode = false;
QString kajinName;
bool bgmOn = false;
QString bgmFile;

void SetSettingDefaults()
{
    kajinName = QStringLiteral("歌野　詠");
    enkaMode = false;
    kigoType = 0;
}
