#include "forms/japanese_translation.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>

// Widget tests share one application object on the offscreen platform, with
// Qt's standard texts in Japanese as the program has them.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    if (!InstallJapaneseTranslation()) {
        fprintf(stderr, "Qt's Japanese translation (qt6-translations-l10n) is not installed\n");
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
