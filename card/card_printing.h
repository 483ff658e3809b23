#pragma once

class QString;
class QWidget;

// Where the printing module is looked for; named by the program before the
// first card is printed.
void UsePrintingModuleFolder(const QString &folder);

// Prints the card window's image on the default printer and follows the job;
// whatever keeps the card from the paper (no printer, a paused, refusing or
// full queue, a job that fails later, the printing module missing) is told in
// a message box naming the printer or the module file and what to do. The
// card itself is never changed.
void PrintOnDefaultPrinter(QWidget &card);
