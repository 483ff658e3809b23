// The print command against a real print server: a cupsd of the test's own
// whose default queue is a cups-pdf printer (started by with_cupsd.sh, which
// names the queue and the folder its pages land in).
#include "card_fixture.h"
#include "forms/program_end.h"
#include "picture_likeness.h"
#include "poem/composer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cups/cups.h>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

// What the program writes to the terminal; the offscreen platform's own note
// on every shown dialog is no message of the program's.
QStringList terminalMessages;
void KeepMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message != u"This plugin does not support propagateSizeHints()"_s)
        terminalMessages << message;
}

// The print server stopped (SIGSTOP) for three seconds, as a server that
// answers nothing for a while; the stop and the resumption come from a thread
// of their own, so they come even while the window's thread is held up.
class ServerStall
{
public:
    explicit ServerStall(pid_t server)
        : thread_([this, server] {
            kill(server, SIGSTOP);
            stopped = true;
            std::this_thread::sleep_for(std::chrono::seconds(3));
            stopped = false;
            kill(server, SIGCONT);
            over = true;
        })
    {
    }
    ~ServerStall() { thread_.join(); }
    ServerStall(const ServerStall &) = delete;
    ServerStall &operator=(const ServerStall &) = delete;

    std::atomic<bool> stopped = false;
    std::atomic<bool> over = false;

private:
    std::thread thread_;
};

class PrintOnCups : public CardFixture
{
protected:
    void SetUp() override
    {
        queue = qEnvironmentVariable("GIEICHO_PRINTER");
        printed = qEnvironmentVariable("GIEICHO_PRINTED_DIR");
        ASSERT_FALSE(queue.isEmpty() || printed.isEmpty()) << "run through tests/support/with_cupsd.sh";
        CardFixture::SetUp();
        ScriptPoem(1);
        ComposePoem();
        terminalMessages.clear();
        qInstallMessageHandler(KeepMessage);
    }

    void TearDown() override
    {
        qInstallMessageHandler(nullptr);
        RestoreQueue();
        CardFixture::TearDown();
    }

    // Back to an empty queue that prints, an empty folder for its pages, and
    // no wait for a message that did not come.
    void RestoreQueue()
    {
        ForgetModalWatchers();
        Run(u"cancel"_s, {u"-a"_s});
        Run(u"lpadmin"_s,
            {u"-p"_s, queue, u"-E"_s, u"-v"_s, u"cups-pdf:/"_s + queue, u"-P"_s,
             qEnvironmentVariable("GIEICHO_PRINTER_PPD")});
        Run(u"lpadmin"_s, {u"-d"_s, queue});
        QFile::remove(printed);
        QDir().mkpath(printed);
        for (const QString &page : QDir(printed).entryList(QDir::Files))
            QFile::remove(QDir(printed).filePath(page));
    }

    static void Run(const QString &tool, const QStringList &arguments)
    {
        QProcess process;
        process.start(tool, arguments);
        ASSERT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
        ASSERT_EQ(process.exitCode(), 0) << tool.toStdString() << ": " << process.readAllStandardError().toStdString();
    }

    // Chooses 色紙作成 and answers the prompt with its Yes button; whatever
    // message box comes next is read and closed.
    void PrintFromTheMenu()
    {
        OnNextModal([this](QWidget *prompt) {
            static_cast<QMessageBox *>(prompt)->button(QMessageBox::Yes)->click();
            OnNextModal([this](QWidget *box) {
                told = static_cast<QMessageBox *>(box)->text();
                box->close();
            });
        });
        form->mnusikisi->trigger();
    }

    int ActiveJobs() const
    {
        cups_job_t *jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(count, jobs);
        return count;
    }

    // The job watch is the printing module's own class, so it is known by its name.
    bool IsFollowingAJob() const
    {
        const QList<QObject *> children = form->findChildren<QObject *>();
        return std::any_of(children.begin(), children.end(),
                           [](const QObject *child) { return child->inherits("PrintJobWatch"); });
    }
    QStringList PrintedPages() const { return QDir(printed).entryList({u"*.pdf"_s}, QDir::Files); }

    static pid_t Server() { return static_cast<pid_t>(qEnvironmentVariableIntValue("GIEICHO_CUPSD_PID")); }

    QString queue;
    QString printed;
    QString told;
};

// On the paper the queue holds, whichever it is.
TEST_F(PrintOnCups, PrintedPageMatchesTheCardCentred)
{
    struct Paper
    {
        const char *pageSize;
        const char *points;
    };
    const Paper papers[] = {{"A4", "595 x 842 pts"}, {"Letter", "612 x 792 pts"}};
    const QImage screen = form->grab().toImage();
    for (const Paper &paper : papers) {
        SCOPED_TRACE(paper.pageSize);
        Run(u"lpadmin"_s, {u"-p"_s, queue, u"-o"_s, u"PageSize="_s + QLatin1StringView(paper.pageSize)});
        told.clear();
        PrintFromTheMenu();
        ASSERT_TRUE(QTest::qWaitFor([this] { return ActiveJobs() == 0 && !PrintedPages().isEmpty(); }, 60000));
        // The card follows its job until the job has printed or failed; once
        // it lets go, any failure would have been told.
        ASSERT_TRUE(QTest::qWaitFor([this] { return !IsFollowingAJob(); }, 60000));
        EXPECT_TRUE(told.isEmpty()) << "a printed job is no failure: " << told.toStdString();
        ASSERT_EQ(PrintedPages().size(), 1);

        const QString pdf = QDir(printed).filePath(PrintedPages().first());
        QProcess info;
        info.start(u"pdfinfo"_s, {pdf});
        ASSERT_TRUE(info.waitForFinished());
        const QString pdfInfo = QString::fromUtf8(info.readAll());
        EXPECT_TRUE(pdfInfo.contains(QLatin1StringView(paper.points))) << pdfInfo.toStdString();
        EXPECT_TRUE(pdfInfo.contains(QRegularExpression(u"Pages:\\s+1\\n"_s)));
        const QImage page = RasterisePdf(pdf, 150);
        ASSERT_FALSE(page.isNull());
        EXPECT_GE(CardLikeness(screen, page), 0.9);
        ExpectCentredOn(page, CardPlacement(screen, page));
        EXPECT_TRUE(terminalMessages.isEmpty()) << terminalMessages.join(u'\n').toStdString();
        RestoreQueue();
    }
}

// The job is followed on a thread of its own: while the server is stopped,
// the reveal's ticks keep coming, and the job is still told as printed after.
TEST_F(PrintOnCups, StalledServerLeavesTheRevealRunning)
{
    ASSERT_GT(Server(), 0);
    told.clear();
    PrintFromTheMenu();
    int ticksWhileStopped = 0;
    ServerStall stall(Server());
    QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&] { ticksWhileStopped += stall.stopped; });
    while (!stall.over) {
        ScriptPoem(1);
        ComposePoem();
    }
    // Three seconds give thirty ticks; a window held up by the server's silence
    // sees only those before the first question, half a second in.
    EXPECT_GE(ticksWhileStopped, 15);
    ASSERT_TRUE(QTest::qWaitFor([this] { return ActiveJobs() == 0 && !PrintedPages().isEmpty(); }, 60000));
    EXPECT_FALSE(QTest::qWaitFor([this] { return !told.isEmpty(); }, 1500))
        << "a printed job is no failure: " << told.toStdString();
    EXPECT_TRUE(terminalMessages.isEmpty()) << terminalMessages.join(u'\n').toStdString();
}

// The window goes while the watch's question waits on a stopped server: it
// goes at once, without waiting for the answer, and nothing is told after.
TEST_F(PrintOnCups, WindowClosedWhileTheServerIsStoppedGoesAtOnce)
{
    ASSERT_GT(Server(), 0);
    told.clear();
    PrintFromTheMenu();
    ServerStall stall(Server());
    // The watch asks every half second, so after a second of silence one
    // question is waiting for the answer.
    QElapsedTimer stopped;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        if (stall.stopped && !stopped.isValid())
            stopped.start();
        return stopped.isValid() && stopped.elapsed() > 1000;
    }));
    form.reset();
    EXPECT_TRUE(stall.stopped) << "the window waited for the server";
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(stall.over); }, 10000));
    EXPECT_FALSE(QTest::qWaitFor([this] { return !told.isEmpty(); }, 1500)) << told.toStdString();
}

// A queue that cannot print the card: the user is told which printer and
// what to do, the program runs on and the card stays as it was.
TEST_F(PrintOnCups, QueueThatCannotPrintIsToldAndTheCardStays)
{
    struct Case
    {
        const char *name;
        std::function<void()> breakQueue;
        bool namesThePrinter = true;
    };
    const QString heldPage = QDir(printed).filePath(u"../held.txt"_s);
    const Case cases[] = {
        {"paused", [this] { Run(u"cupsdisable"_s, {queue}); }},
        {"rejecting jobs", [this] { Run(u"cupsreject"_s, {queue}); }},
        {"full",
         [&] {
             // The queue takes one unfinished job at a time; a held job fills it.
             QFile text(heldPage);
             ASSERT_TRUE(text.open(QIODevice::WriteOnly));
             text.write("held\n");
             text.close();
             Run(u"lp"_s, {u"-d"_s, queue, u"-H"_s, u"indefinite"_s, heldPage});
         }},
        {"job cancelled by the printer",
         [this] {
             // cups-pdf cannot write its page where a file stands in for its folder.
             QDir(printed).removeRecursively();
             QFile file(printed);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         }},
        {"job stopped",
         [this] {
             // The server cannot open the queue's device for the page.
             Run(u"lpadmin"_s, {u"-p"_s, queue, u"-v"_s, u"file:/nonexistent/card.pdf"_s});
         }},
        {"no printer",
         [this] {
             Run(u"lpadmin"_s, {u"-x"_s, queue});
         },
         false},
    };
    const QStringList captions = Captions();
    const QImage card = form->grab().toImage();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        told.clear();
        c.breakQueue();
        PrintFromTheMenu();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !told.isEmpty(); }, 60000));
        const QString named = c.namesThePrinter ? u"プリンタ「"_s + queue + u"」"_s : u"プリンタが見つかりません"_s;
        EXPECT_TRUE(told.contains(named)) << told.toStdString();
        EXPECT_TRUE(told.contains(u"もう一度「色紙作成」を選んでください"_s)) << told.toStdString();
        EXPECT_FALSE(ProgramEnding());
        EXPECT_EQ(Captions(), captions);
        EXPECT_GE(Likeness(card, form->grab().toImage()), 0.999);
        EXPECT_TRUE(terminalMessages.isEmpty()) << terminalMessages.join(u'\n').toStdString();
        RestoreQueue();
    }
}

} // namespace
