#include "poem_printer.h"

#include <QStringList>

void PoemPrinter::ShowPoem(const QString &phrase1, const QString &phrase2, const QString &phrase3,
                           const QString &phrase4, const QString &phrase5)
{
    QStringList phrases = {phrase1, phrase2, phrase3, phrase4};
    if (!phrase5.isEmpty())
        phrases << phrase5;
    std::fputs((phrases.join(u' ') + u'\n').toUtf8().constData(), out_);
}

void PoemPrinter::ShowComposeFailure(const QString &message)
{
    std::fputs((message + u'\n').toUtf8().constData(), stderr);
    failed_ = true;
}
