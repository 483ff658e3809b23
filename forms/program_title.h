#pragma once

#include <QString>

// The program's title, in window captions, prompts and the printed job's name.
inline QString ProgramTitle()
{
    using namespace Qt::Literals::StringLiterals;
    return u"戯詠帖"_s;
}
