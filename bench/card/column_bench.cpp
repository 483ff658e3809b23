// One poem column set as vertical type and drawn, as the card window does it:
// a whole column shaped afresh and drawn, and one reveal tick (the column
// shows one more character and is drawn again).
// Targets: a full column <= 0.3 ms; a reveal tick <= 0.1 ms.
#include "card/card_typeface.h"
#include "card/vertical_column.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A full fourth line: phrase 4, two spaces, phrase 5, with small kana,
// long-vowel strokes and a bracket.
const QString kLine = u"しゃっくりの｜「かぜ」  ちょっとまってよ"_s;

QFont ColumnFont()
{
    QFont font(u"HG正楷書体-PRO"_s);
    font.setPointSize(12);
    return font;
}

void DrawInto(QImage &image, const VerticalColumn &column)
{
    QPainter painter(&image);
    column.Draw(painter);
}

// A fresh column each time, so the line is shaped from nothing (the faces
// themselves are loaded once per run, as in the program).
void BM_ShapeAndDrawFullColumn(benchmark::State &state)
{
    QImage image(17, 313, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        VerticalColumn column;
        column.setFont(ColumnFont());
        column.resize(image.size());
        column.setText(kLine);
        DrawInto(image, column);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_ShapeAndDrawFullColumn)->Unit(benchmark::kMillisecond);

// The column grows one character per iteration, starting again when full.
void BM_RevealTick(benchmark::State &state)
{
    QImage image(17, 313, QImage::Format_ARGB32_Premultiplied);
    VerticalColumn column;
    column.setFont(ColumnFont());
    column.resize(image.size());
    qsizetype shown = 1;
    for (auto _ : state) {
        shown = shown % kLine.size() + 1;
        column.setText(kLine.left(shown));
        DrawInto(image, column);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_RevealTick)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterCardTypeface();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
