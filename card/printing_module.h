#pragma once

class QString;
class QWidget;

// Where the printing module is looked for; named by the program before the
// first card is printed.
void UsePrintingModuleFolder(const QString &folder);

// Prints the card window's image on the default printer through the printing
// module (card/card_printing.h); a module missing or not loading is told in a
// message box naming the module file. The card itself is never changed.
void PrintCardOnDefaultPrinter(QWidget &card);
