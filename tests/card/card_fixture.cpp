#include "card_fixture.h"

#include "card/card_typeface.h"
#include "card/printing_module.h"
#include "phrase_files.h"
#include "poem/phrase_groups.h"
#include "settings/shared_settings.h"
#include "sound/mci.h"
#include "sound/midi_player.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {
// Parent of the timers that wait for modal windows.
QObject &ModalWatchers()
{
    static QObject watchers;
    return watchers;
}

} // namespace

QString copied;

void CardFixture::CaptureCopies()
{
    copied.clear();
    form->clipboardWriter = [](const QString &text) {
        copied = text;
        return true;
    };
}

void CardFixture::SetUp()
{
    RegisterCardTypeface();
    UsePrintingModuleFolder(QString::fromUtf8(GIEICHO_MODULE_FOLDER));
    UseSequencerDevice(std::make_unique<RecordingSequencer>(music));
    StopMidi();
    const QString heading = u"見出し"_s;
    for (PhraseGroup *group : {&phraseGroups.Word5A, &phraseGroups.Word5C, &phraseGroups.Word5D})
        FillGroup(*group, {heading, u"いちご"_s});
    FillGroup(phraseGroups.Word5B, {heading, u"ぶどう"_s});
    FillGroup(phraseGroups.Word7A, {heading, u"なーな"_s});
    FillGroup(phraseGroups.Word7B, {heading, u"はっぱ"_s});
    FillGroup(phraseGroups.Word7C, {heading, u"しー"_s});
    FillGroup(phraseGroups.Word7D, {heading, u"ごご"_s});
    FillGroup(phraseGroups.Word12, {heading, u"じゅうに"_s});
    SetSettingDefaults();
    bgmOn = false;
    random = std::make_unique<ScriptedRandom>();
    form = std::make_unique<Form1>();
    form->show();
    SetPoemCard(form.get());
    music.calls.clear();
}

void CardFixture::TearDown()
{
    ForgetModalWatchers();
    form.reset();
    random.reset();
    UseSequencerDevice(nullptr);
}

void CardFixture::ScriptPoem(int pattern)
{
    random->Push({(pattern - 1) / 4.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.0f, 0.0f});
}

QStringList CardFixture::Captions() const
{
    return {form->Label1[0]->text(), form->Label1[1]->text(), form->Label1[2]->text(), form->Label1[3]->text(),
            form->Label5->text()};
}

void AnswerYesToPrintAndKeepTheMessage(QString &told)
{
    OnNextModal([&told](QWidget *box) {
        static_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click();
        OnNextModal([&told](QWidget *second) {
            told = static_cast<QMessageBox *>(second)->text();
            second->close();
        });
    });
}

void ForgetModalWatchers()
{
    qDeleteAll(ModalWatchers().children());
}

void OnNextModal(const std::function<void(QWidget *)> &action)
{
    // A window handled before may still be modal for a moment while it closes.
    static QList<QPointer<QWidget>> handled;
    auto *poll = new QTimer(&ModalWatchers());
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || handled.contains(modal))
            return;
        handled << modal;
        poll->stop();
        // The timer may go while the action waits in an event loop of its own.
        const auto run = action;
        poll->deleteLater();
        run(modal);
    });
    poll->start(20);
}

void ExpectCentredOn(const QImage &page, const QRectF &card)
{
    ASSERT_FALSE(card.isEmpty());
    EXPECT_NEAR(card.center().x(), page.width() / 2.0, 2.0);
    EXPECT_NEAR(card.center().y(), page.height() / 2.0, 2.0);
}
