#include "card/card_output.h"
#include "card/clipboard.h"
#include "card/print_card.h"
#include "card_fixture.h"
#include "forms/picture_box.h"
#include "forms/program_end.h"
#include "picture_likeness.h"
#include "poem/composer.h"
#include "settings/shared_settings.h"
#include "sound/midi_player.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace {

bool RefuseCopy(const QString &)
{
    return false;
}

class CardCommands : public CardFixture
{
protected:
    void SetUp() override
    {
        CardFixture::SetUp();
        CaptureCopies();
    }

    // Runs the action at the given tick of the next reveal.
    void AtTick(int tick, const std::function<void()> &action)
    {
        auto count = std::make_shared<int>(0);
        QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [count, tick, action] {
            if (++*count == tick)
                action();
        });
    }
};

TEST_F(CardCommands, MenuHoldsTheItemsInOrderWithTheirAccessKeys)
{
    QStringList captions;
    for (QAction *action : form->mnuPOPUP->actions())
        captions << (action->isSeparator() ? u"-"_s : action->text());
    EXPECT_EQ(captions,
              (QStringList{u"設定変更(&A)"_s, u"-"_s, u"コピー(&C)"_s, u"書体変更(&F)"_s, u"色紙作成(&S)"_s,
                           u"画像で保存(&P)…"_s, u"BGM ON/OFF(&B)"_s}));
    EXPECT_TRUE(form->mnuBGM->isChecked());
}

TEST_F(CardCommands, CopyGivesFiveLinesWithLongVowelMarksRestored)
{
    ScriptPoem(1);
    ComposePoem();
    form->mnuCopy->trigger();
    EXPECT_EQ(copied, u"いちご\r\nなーな\r\nいちご\r\nしー  ごご\r\n歌野　詠\r\n"_s);
    form->mnuCopy->trigger();
    EXPECT_EQ(copied, u"いちご\r\nなーな\r\nいちご\r\nしー  ごご\r\n歌野　詠\r\n"_s) << "copying twice gives the same";
    EXPECT_EQ(form->Label1[1]->text(), u"な｜な"_s) << "the columns are not changed";

    form->Label1[0]->setText(u"｜縦棒"_s);
    form->mnuCopy->trigger();
    EXPECT_TRUE(copied.startsWith(u"ー縦棒\r\n"_s)) << "a stroke standing in a phrase reads as the mark too";
}

TEST_F(CardCommands, CopyDuringARevealTakesWhatIsShown)
{
    AtTick(3, [this] { form->mnuCopy->trigger(); });
    ScriptPoem(1);
    ComposePoem();
    EXPECT_EQ(copied, u"いちご\r\nなー\r\n\r\n\r\n\r\n"_s);
}

TEST_F(CardCommands, RealClipboardTakesTheText)
{
    EXPECT_TRUE(PutOnClipboard(u"春\r\n"_s));
    EXPECT_TRUE(PutOnClipboard(QString(40000, u'歌')));
}

TEST_F(CardCommands, ClipboardFailureIsToldAndThePoemStays)
{
    ScriptPoem(1);
    ComposePoem();
    form->clipboardWriter = RefuseCopy;
    QString told;
    OnNextModal([&](QWidget *box) {
        told = static_cast<QMessageBox *>(box)->text();
        box->close();
    });
    form->mnuCopy->trigger();
    EXPECT_TRUE(told.contains(u"クリップボード"_s));
    EXPECT_EQ(Captions().last(), u"歌野　詠"_s);
    EXPECT_FALSE(ProgramEnding());
}

// The chosen typeface goes to the four poem columns, at their size and
// weight; the poet name keeps the window's font.
TEST_F(CardCommands, TypefaceChoiceGoesToThePoemColumnsOnly)
{
    ScriptPoem(1);
    ComposePoem();
    const QFont poetNameFont = form->Label5->font();
    OnNextModal([](QWidget *dialog) {
        auto *list = dialog->findChild<QListWidget *>();
        const QList<QListWidgetItem *> found =
            list ? list->findItems(u"IPAexゴシック"_s, Qt::MatchExactly) : QList<QListWidgetItem *>();
        if (found.size() != 1) {
            ADD_FAILURE() << "the typeface dialog must list IPAexゴシック once";
            dialog->close();
            return;
        }
        list->scrollToItem(found[0]);
        const QPoint entry = list->viewport()->mapTo(dialog, list->visualItemRect(found[0]).center());
        QTest::mouseDClick(dialog->windowHandle(), Qt::LeftButton, {}, entry);
    });
    form->mnuFont->trigger();
    for (VerticalColumn *column : form->Label1) {
        EXPECT_EQ(column->font().family(), u"IPAexゴシック"_s);
        EXPECT_EQ(column->font().pointSize(), 12);
        EXPECT_EQ(column->font().weight(), QFont::Normal);
    }
    EXPECT_EQ(form->Label5->font(), poetNameFont);
    EXPECT_EQ(form->Label5->font().family(), u"IPAex明朝"_s);
}

TEST_F(CardCommands, PrintPromptAnsweredNoDoesNothing)
{
    QString prompt;
    int modals = 0;
    OnNextModal([&](QWidget *box) {
        auto *message = static_cast<QMessageBox *>(box);
        prompt = message->text();
        ++modals;
        EXPECT_EQ(message->windowTitle(), u"戯詠帖"_s);
        EXPECT_EQ(message->icon(), QMessageBox::Information);
        EXPECT_EQ(static_cast<QAbstractButton *>(message->defaultButton()), message->button(QMessageBox::Yes));
        EXPECT_TRUE(message->button(QMessageBox::Yes)->text().startsWith(u"はい"_s));
        EXPECT_TRUE(message->button(QMessageBox::No)->text().startsWith(u"いいえ"_s));
        message->button(QMessageBox::No)->click();
        OnNextModal([&](QWidget *other) {
            ++modals;
            other->close();
        });
    });
    form->mnusikisi->trigger();
    // The prompt is answered by now; whatever a No left queued runs here, and
    // a window it opened would be counted.
    QCoreApplication::processEvents();
    EXPECT_EQ(prompt, u"この歌の色紙を作成します。プリンタを準備してください。"_s);
    EXPECT_EQ(modals, 1) << "nothing follows a No";
}

TEST_F(CardCommands, PrintWithoutAPrinterIsToldAndTheProgramRunsOn)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a printer";
    QString told;
    AnswerYesToPrintAndKeepTheMessage(told);
    form->mnusikisi->trigger();
    EXPECT_TRUE(told.contains(u"プリンタが見つかりません"_s)) << told.toStdString();
    EXPECT_FALSE(ProgramEnding());
}

// A PDF printer at any resolution gives one page holding the card as it
// stands on screen, centred.
TEST_F(CardCommands, PrintedPdfPageMatchesTheCardAtEveryResolution)
{
    ScriptPoem(1);
    ComposePoem();
    const QImage screen = form->grab().toImage();
    for (const int dotsPerInch : {300, 600, 1200}) {
        SCOPED_TRACE(dotsPerInch);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"card.pdf"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(dotsPerInch);
        ASSERT_TRUE(PrintCard(*form, printer, DrawCard));

        QProcess info;
        info.start(u"pdfinfo"_s, {pdf});
        ASSERT_TRUE(info.waitForFinished());
        EXPECT_TRUE(QString::fromUtf8(info.readAll()).contains(QRegularExpression(u"Pages:\\s+1\\n"_s)));
        const QImage page = RasterisePdf(pdf, 150);
        ASSERT_FALSE(page.isNull());
        EXPECT_GE(CardLikeness(screen, page), 0.9);
        ExpectCentredOn(page, CardPlacement(screen, page));
    }
}

// The measure fails on the page a printer gave when the columns were sized
// twice: the card picture with, in each column, a few strokes of characters
// blown up many times over.
TEST_F(CardCommands, LikenessRejectsAPageWithOversizedColumns)
{
    ScriptPoem(1);
    ComposePoem();
    const QImage screen = form->grab().toImage();
    EXPECT_GE(CardLikeness(screen, screen.scaled(screen.size() * 3)), 0.99) << "the same card, only larger";

    const QStringList captions = Captions();
    form->ClearPoem();
    QImage broken = form->grab().toImage().scaled(screen.size() * 3);
    QPainter painter(&broken);
    painter.scale(3, 3);
    for (int i = 0; i < 4; ++i) {
        VerticalColumn *column = form->Label1[i];
        QFont huge = column->font();
        huge.setPointSizeF(huge.pointSizeF() * 1200 / 96);
        painter.setFont(huge);
        painter.setClipRect(column->geometry());
        painter.drawText(column->geometry().topLeft() + QPoint(-60, 150), captions[i]);
    }
    painter.end();
    EXPECT_LT(CardLikeness(screen, broken), 0.9);
}

TEST_F(CardCommands, SavedImageMatchesTheCardAtTwiceTheSize)
{
    ScriptPoem(1);
    ComposePoem();
    QTemporaryDir dir;
    const QString fileName = dir.filePath(u"色紙 café 〜.png"_s);
    OnNextModal([&](QWidget *box) {
        // Typed into the name field and confirmed with Return, as a user does;
        // again while the dialog, still reading its starting folder, stays open.
        auto *name = box->findChild<QLineEdit *>(u"fileNameEdit"_s);
        const auto nameTaken = [&] {
            name->setText(fileName);
            QTest::keyClick(name, Qt::Key_Return);
            return !box->isVisible();
        };
        if (!name || !QTest::qWaitFor(nameTaken, 30000)) {
            ADD_FAILURE() << "the save dialog did not take the typed name";
            box->close();
        }
    });
    form->mnuSaveImage->trigger();
    const QImage saved(fileName);
    EXPECT_EQ(saved.size(), QSize(796, 798));
    EXPECT_GE(Likeness(form->grab().toImage(), saved), 0.9);
}

TEST_F(CardCommands, OnlyTheRightButtonOnCardOrColumnsOpensTheMenu)
{
    struct Press
    {
        QWidget *target;
        Qt::MouseButton button;
        bool opens;
    };
    const Press presses[] = {
        {form->Image2, Qt::RightButton, true},   {form->Label1[2], Qt::RightButton, true},
        {form->Label5, Qt::RightButton, false},  {form->Image2, Qt::MiddleButton, false},
        {form->Label5, Qt::MiddleButton, false},
    };
    for (const Press &press : presses) {
        // The menu runs its own event loop inside the press; it is looked for
        // there, and once more after the press for a menu that stayed open.
        QWidget *opened = nullptr;
        const auto closeMenu = [&opened] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                opened = popup;
                popup->close();
            }
        };
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, closeMenu);
        watch.start(10);
        QTest::mousePress(press.target, press.button);
        watch.stop();
        closeMenu();
        QTest::mouseRelease(press.target, press.button);
        EXPECT_EQ(opened == form->mnuPOPUP, press.opens) << press.target->metaObject()->className() << press.button;
    }
    EXPECT_EQ(Captions()[0], u"*****"_s) << "no press asks for a poem";
}

TEST_F(CardCommands, MusicSwitchStopsAtOnceAndStartsOnlyWithTheNextPoem)
{
    PlayMidi(u"ge_open.mid"_s);
    music.mode = SequencerMode::Playing;
    bgmOn = true;
    music.calls.clear();

    form->mnuBGM->trigger();
    EXPECT_FALSE(bgmOn);
    EXPECT_FALSE(form->mnuBGM->isChecked());
    EXPECT_EQ(music.calls, std::vector<std::string>{"close"}) << "the opening piece stops too";

    music.calls.clear();
    form->mnuBGM->trigger();
    EXPECT_TRUE(bgmOn);
    EXPECT_TRUE(form->mnuBGM->isChecked());
    EXPECT_TRUE(music.calls.empty()) << "switching on plays nothing by itself";

    ScriptPoem(1);
    random->Push({0.0f});
    ComposePoem();
    ASSERT_FALSE(music.calls.empty());
    EXPECT_TRUE(QString::fromStdString(music.calls[0]).endsWith(u"/ge_bg1.mid"_s)) << music.calls[0];
}

TEST_F(CardCommands, DialogDuringARevealHoldsTheNextColumn)
{
    bool heldOnFirstColumn = false;
    // Opened from the event loop, as a menu command is, not from inside a tick.
    AtTick(1, [&] {
        QTimer::singleShot(0, [&] {
            OnNextModal([&](QWidget *dialog) {
                // Ticks go on meanwhile: six of them, enough for the next
                // column to have begun were it not held.
                int ticks = 0;
                const QMetaObject::Connection counting =
                    QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&ticks] { ++ticks; });
                const bool ticked = QTest::qWaitFor([&ticks] { return ticks >= 6; }, 30000);
                QObject::disconnect(counting);
                heldOnFirstColumn = ticked && form->Reveal().revealLine == 0 && form->Label1[1]->text().isEmpty()
                    && form->Label1[0]->text() == u"いちご"_s;
                dialog->close();
            });
            form->mnuconfig->trigger();
        });
    });
    ScriptPoem(1);
    ComposePoem();
    EXPECT_TRUE(heldOnFirstColumn);
    EXPECT_EQ(Captions(), (QStringList{u"いちご"_s, u"な｜な"_s, u"いちご"_s, u"し｜  ごご"_s, u"歌野　詠"_s}));
}

// Closing ends the program, so it is watched from a child process.
TEST_F(CardCommands, ClosingDuringARevealStopsTheMusicAndEnds)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            PlayMidi(u"ge_open.mid"_s);
            music.calls.clear();
            AtTick(2, [this] { form->close(); });
            ScriptPoem(1);
            ComposePoem();
            const bool stopped = music.calls == std::vector<std::string>{"close"};
            const bool unfinished = form->Label5->text().isEmpty() && form->Label1[1]->text().isEmpty();
            std::exit(ProgramEnding() && stopped && unfinished && !form->isVisible() ? 3 : 1);
        },
        testing::ExitedWithCode(3), "");
}

} // namespace
