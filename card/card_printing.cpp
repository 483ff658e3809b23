#include "card/card_printing.h"

#include "card/print_card.h"
#include "card/print_job_watch.h"
#include "card/print_queue.h"
#include "forms/program_title.h"

#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

void PrintOnDefaultPrinter(QWidget &card, CardDrawing drawCard)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        QMessageBox::warning(&card, ProgramTitle(),
                             u"プリンタが見つかりません。\n"
                             "プリンタを設定してから、もう一度「色紙作成」を選んでください。"
                             "「画像で保存」で色紙を画像にすることもできます。"_s);
        return;
    }
    const QString printerName = printerInfo.printerName();
    const PrintQueue queue(printerName);
    const QString tryAgain = u"もう一度「色紙作成」を選んでください。"_s;
    switch (queue.CurrentReadiness()) {
    case PrintQueue::Readiness::Paused:
        QMessageBox::warning(&card, ProgramTitle(),
                             u"プリンタ「%1」は一時停止しています。\n"
                             "プリンタを再開してから、%2"_s.arg(printerName, tryAgain));
        return;
    case PrintQueue::Readiness::Rejecting:
        QMessageBox::warning(&card, ProgramTitle(),
                             u"プリンタ「%1」は印刷を受け付けていません。\n"
                             "受け付けるように設定してから、%2"_s.arg(printerName, tryAgain));
        return;
    case PrintQueue::Readiness::Ready: break;
    }

    // The page is drawn into a PDF file first and handed to the queue here,
    // so that the queue's answer reaches the user.
    QTemporaryDir spool;
    const QString pdfFile = spool.filePath(u"shikishi.pdf"_s);
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    // The paper the printer holds, which the toolkit's printer does not take
    // from the queue by itself.
    printer.setPageSize(printerInfo.defaultPageSize());
    if (!spool.isValid() || !PrintCard(card, printer, drawCard)) {
        QMessageBox::warning(&card, ProgramTitle(),
                             u"プリンタ「%1」に送る色紙を作れませんでした。\n"
                             "一時フォルダの空きを確かめてから、%2"_s.arg(printerName, tryAgain));
        return;
    }
    QString refusal;
    const int job = queue.Submit(pdfFile, ProgramTitle(), refusal);
    if (job == 0) {
        QMessageBox::warning(
            &card, ProgramTitle(),
            u"プリンタ「%1」が色紙の印刷を断りました（%2）。\n"
            "印刷待ちの文書が済むのを待つか、プリンタの設定を確かめてから、%3"_s.arg(printerName, refusal, tryAgain));
        return;
    }
    auto *watch = new PrintJobWatch(queue, job, &card);
    QObject::connect(watch, &PrintJobWatch::Failed, &card, [&card, tryAgain](const QString &name) {
        QMessageBox::warning(&card, ProgramTitle(),
                             u"プリンタ「%1」で色紙を印刷できませんでした。\n"
                             "プリンタの電源や用紙、接続を確かめてから、%2"_s.arg(name, tryAgain));
    });
}
