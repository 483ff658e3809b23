#include "settings/shared_settings.h"

using namespace Qt::Literals::StringLiterals;

int16_t kigoType = 0;
bool enkaMode = false;
QString kajinName;
bool bgmOn = false;
QString bgmFile;

void SetSettingDefaults()
{
    kajinName = u"歌野　詠"_s;
    enkaMode = false;
    kigoType = 0;
}
