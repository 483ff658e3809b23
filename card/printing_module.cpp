#include "card/printing_module.h"

#include "card/card_output.h"
#include "card/card_printer.h"
#include "forms/program_title.h"

#include <QDir>
#include <QLibrary>
#include <QMessageBox>
#include <QString>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QString &ModuleFolder()
{
    static QString folder;
    return folder;
}

// The printer from the module, loaded with the first card printed; a module
// that did not load is tried again with the next.
CardPrinter *LoadedPrinter(QWidget &card)
{
    static std::unique_ptr<CardPrinter> printer;
    if (printer)
        return printer.get();
    const QString file = QDir(ModuleFolder()).filePath(QString::fromUtf8(GIEICHO_PRINTING_MODULE));
    QLibrary module(file);
    // An empty folder would leave the search to the system's library path.
    const auto make = ModuleFolder().isEmpty()
        ? nullptr
        : reinterpret_cast<decltype(&GieichoMakeCardPrinter)>(module.resolve(kMakeCardPrinterSymbol));
    if (!make) {
        const QString why = ModuleFolder().isEmpty() ? u"読み込む場所が指定されていません"_s : module.errorString();
        QMessageBox::warning(&card, ProgramTitle(),
                             u"印刷の部品「%1」を読み込めないため、色紙を印刷できません（%2）。\n"
                             "戯詠帖を入れ直してから、もう一度「色紙作成」を選んでください。"
                             "「画像で保存」で色紙を画像にすることもできます。"_s.arg(file, why));
        return nullptr;
    }
    // The module stays loaded to the end of the run: the printer's code lives in it.
    printer.reset(make(DrawCard));
    return printer.get();
}

} // namespace

void UsePrintingModuleFolder(const QString &folder)
{
    ModuleFolder() = folder;
}

void PrintCardOnDefaultPrinter(QWidget &card)
{
    if (CardPrinter *printer = LoadedPrinter(card))
        printer->PrintOnDefaultPrinter(card);
}
