#pragma once

#include "poem/phrase_groups.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary directory holding phrase files written for one test.
class PhraseFiles
{
public:
    // Writes the lines joined with CR LF (and a final CR LF) in code page 932.
    void Write(const QString &fileName, const QStringList &lines);
    void WriteBytes(const QString &fileName, const QByteArray &bytes);
    // A complete, valid set of three files.
    void WriteMinimalSet();

    QString Path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// The phrases of a group from slot 0 to its last index.
QStringList PhrasesOf(const PhraseGroup &group);

// Puts the phrases into the group as the loader would, slot 0 first.
void FillGroup(PhraseGroup &group, const QStringList &phrases);
