#pragma once

#include "poem/phrase_groups.h"

#include <QByteArrayView>
#include <QDir>
#include <QString>
#include <optional>

// Why the phrase files could not be loaded, in words for the user.
struct LoadError
{
    QString fileName;
    int line = 0; // 0 when the problem is the file as a whole
    QString problem;

    // "WORD5.TXT 12 行目: ..." — the text of the message box.
    QString Message() const;
};

// Reads "WORD5.TXT", "WORD7.TXT" and "WORD12.TXT" from the directory into the
// groups. On an error the groups are left as they were.
std::optional<LoadError> LoadPhraseFiles(const QString &directory, PhraseGroups &groups);

// The same for the contents of the three files, already read.
std::optional<LoadError> ParsePhraseFiles(QByteArrayView word5, QByteArrayView word7, QByteArrayView word12,
                                          PhraseGroups &groups);

// Loads the files of the directory, normally the current one, into the groups
// of this run, then sets the setting defaults. Called once at start-up.
std::optional<LoadError> LoadWords(const QString &directory = QDir::currentPath());
