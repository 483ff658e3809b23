#pragma once

#include <QByteArray>
#include <QString>

// Command strings and file names handed to the sound calls are text in the
// program's ANSI code page. Here that is the locale's own, UTF-8, so a path
// inside a command string is the very bytes the file system has: a folder
// named "café 〜" or "曲 置き場表" reaches the device unchanged.
QByteArray ToAnsiCodePage(const QString &text);
