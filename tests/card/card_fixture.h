#pragma once

#include "card/form1.h"
#include "card/vertical_column.h"
#include "recording_sequencer.h"
#include "scripted_random.h"

#include <QImage>
#include <QRectF>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// A shown card window over phrase groups of one drawable phrase each, so every
// draw is known: pattern 1 gives "いちご なーな いちご", pattern 3 "ぶどう はっぱ
// いちご", and the seven-seven ending "しー ごご". Music goes to a recording
// sequencer; printing loads the module the build made.
class CardFixture : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Scripts one accepted poem: pattern 1 or 3, the seven-seven ending.
    void ScriptPoem(int pattern);
    QStringList Captions() const;
    // コピー's text goes to `copied` instead of the clipboard.
    void CaptureCopies();

    SequencerScript music;
    std::unique_ptr<ScriptedRandom> random;
    std::unique_ptr<Form1> form;
};

// What コピー last wrote, once a fixture captures copies.
extern QString copied;

// Runs the action on the next modal window that opens (a message box, a dialog).
void OnNextModal(const std::function<void(QWidget *)> &action);

// Answers はい to the print prompt that opens next and keeps the text of the
// message that follows it, then closes that message.
void AnswerYesToPrintAndKeepTheMessage(QString &told);

// Drops the actions whose window never came, so they cannot catch a later one.
void ForgetModalWatchers();

// Expects the card's place on a printed page to lie in the page's middle, to
// two pixels either way.
void ExpectCentredOn(const QImage &page, const QRectF &card);
