#include "card/vertical_forms.h"

char32_t VerticalPresentationForm(char32_t c)
{
    switch (c) {
    case U'、': return U'\uFE11';
    case U'。': return U'\uFE12';
    case U'，': return U'\uFE10';
    case U'：': return U'\uFE13';
    case U'；': return U'\uFE14';
    case U'！': return U'\uFE15';
    case U'？': return U'\uFE16';
    case U'…': return U'\uFE19';
    case U'‥': return U'\uFE30';
    case U'「': return U'\uFE41';
    case U'」': return U'\uFE42';
    case U'『': return U'\uFE43';
    case U'』': return U'\uFE44';
    case U'（': return U'\uFE35';
    case U'）': return U'\uFE36';
    case U'【': return U'\uFE3B';
    case U'】': return U'\uFE3C';
    case U'〔': return U'\uFE39';
    case U'〕': return U'\uFE3A';
    case U'《': return U'\uFE3D';
    case U'》': return U'\uFE3E';
    case U'〈': return U'\uFE3F';
    case U'〉': return U'\uFE40';
    default: return 0;
    }
}

bool TurnsInColumn(char32_t c)
{
    switch (c) {
    case U'～':
    case U'〜':
    case U'－':
    case U'−':
    case U'ー':
    case U'—':
    case U'―':
    case U'＝':
    case U'→':
    case U'←':
    case U'…':
    case U'‥':
    case U'「':
    case U'」':
    case U'『':
    case U'』':
    case U'（':
    case U'）':
    case U'【':
    case U'】':
    case U'〔':
    case U'〕':
    case U'《':
    case U'》':
    case U'〈':
    case U'〉': return true;
    default: return false;
    }
}

bool SitsUpperRight(char32_t c)
{
    switch (c) {
    case U'ぁ':
    case U'ぃ':
    case U'ぅ':
    case U'ぇ':
    case U'ぉ':
    case U'っ':
    case U'ゃ':
    case U'ゅ':
    case U'ょ':
    case U'ゎ':
    case U'ゕ':
    case U'ゖ':
    case U'ァ':
    case U'ィ':
    case U'ゥ':
    case U'ェ':
    case U'ォ':
    case U'ッ':
    case U'ャ':
    case U'ュ':
    case U'ョ':
    case U'ヮ':
    case U'ヵ':
    case U'ヶ':
    case U'、':
    case U'。':
    case U'，': return true;
    default: return false;
    }
}

bool HasVerticalForm(char32_t c)
{
    return VerticalPresentationForm(c) || TurnsInColumn(c) || SitsUpperRight(c);
}
