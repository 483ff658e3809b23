#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

// Command strings and file names handed to the sound calls are code page 932
// text, as on the platform these calls come from.

QByteArray toCp932(const QString &text);

// A code page 932 file name turned into the bytes this system's file calls take.
std::string localFileName(std::string_view cp932Name);
