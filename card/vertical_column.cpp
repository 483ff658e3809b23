#include "card/vertical_column.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringView>

namespace {

// How one character stands in its cell.
enum class Placement { Upright, Rotated, UpperRight, HalfSpace };

struct VerticalGlyph
{
    char32_t glyph;
    Placement placement;
};

bool IsSmallKana(char32_t c)
{
    switch (c) {
    case U'ぁ': case U'ぃ': case U'ぅ': case U'ぇ': case U'ぉ': case U'っ': case U'ゃ': case U'ゅ': case U'ょ':
    case U'ゎ': case U'ゕ': case U'ゖ': case U'ァ': case U'ィ': case U'ゥ': case U'ェ': case U'ォ': case U'ッ':
    case U'ャ': case U'ュ': case U'ョ': case U'ヮ': case U'ヵ': case U'ヶ':
        return true;
    default:
        return false;
    }
}

// The vertical presentation form of punctuation, where Unicode has one.
char32_t VerticalForm(char32_t c)
{
    switch (c) {
    case U'、': return U'\uFE11';
    case U'。': return U'\uFE12';
    case U'，': return U'\uFE10';
    case U'：': return U'\uFE13';
    case U'；': return U'\uFE14';
    case U'！': return U'\uFE15';
    case U'？': return U'\uFE16';
    case U'…': return U'\uFE19';
    case U'‥': return U'\uFE30';
    case U'「': return U'\uFE41';
    case U'」': return U'\uFE42';
    case U'『': return U'\uFE43';
    case U'』': return U'\uFE44';
    case U'（': return U'\uFE35';
    case U'）': return U'\uFE36';
    case U'【': return U'\uFE3B';
    case U'】': return U'\uFE3C';
    case U'〔': return U'\uFE39';
    case U'〕': return U'\uFE3A';
    case U'《': return U'\uFE3D';
    case U'》': return U'\uFE3E';
    case U'〈': return U'\uFE3F';
    case U'〉': return U'\uFE40';
    default: return 0;
    }
}

// Marks that lie along the line of writing: in a column they turn a quarter.
bool TurnsInColumn(char32_t c)
{
    switch (c) {
    case U'～': case U'〜': case U'－': case U'−': case U'ー': case U'—': case U'―': case U'＝': case U'→':
    case U'←': case U'…': case U'‥': case U'「': case U'」': case U'『': case U'』': case U'（': case U'）':
    case U'【': case U'】': case U'〔': case U'〕': case U'《': case U'》': case U'〈': case U'〉':
        return true;
    default:
        return false;
    }
}

VerticalGlyph Arrange(char32_t c, const QFontMetricsF &metrics)
{
    if (c == U' ')
        return {c, Placement::HalfSpace};
    if (IsSmallKana(c))
        return {c, Placement::UpperRight};
    if (const char32_t form = VerticalForm(c); form && metrics.inFontUcs4(form))
        return {form, Placement::Upright};
    if (c == U'、' || c == U'。' || c == U'，')
        return {c, Placement::UpperRight};
    if (TurnsInColumn(c))
        return {c, Placement::Rotated};
    // Some brush faces map the long-vowel stroke "｜" to an empty glyph; the
    // turned "ー" of the same face gives the stroke instead.
    if (c == U'｜' && metrics.boundingRect(QChar(c)).isEmpty())
        return {U'ー', Placement::Rotated};
    return {c, Placement::Upright};
}

} // namespace

VerticalColumn::VerticalColumn(QWidget *parent)
    : ControlWidget(parent)
{
    // Nothing of the column's own is painted behind the characters, so the
    // card shows through.
    setAttribute(Qt::WA_TranslucentBackground);
}

void VerticalColumn::setText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
}

int VerticalColumn::RowHeight() const
{
    return qRound(QFontMetricsF(font()).height());
}

QFont VerticalColumn::FontOn(const QPaintDevice &device) const
{
    // A point size grows with the device's resolution, but a printer or a
    // large image already scales the painter from the column's own pixels:
    // the font is resolved in those pixels, so it is scaled once.
    QFont resolved = font();
    if (resolved.pointSizeF() > 0 && device.logicalDpiY() > 0)
        resolved.setPointSizeF(resolved.pointSizeF() * logicalDpiY() / device.logicalDpiY());
    return resolved;
}

void VerticalColumn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Draw(painter);
}

void VerticalColumn::Draw(QPainter &painter) const
{
    if (text_.isEmpty())
        return;
    painter.save();
    painter.setClipRect(rect(), Qt::IntersectClip);
    painter.setFont(FontOn(*painter.device()));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QFontMetricsF metrics(font());
    const qreal row = metrics.height();
    const qreal em = metrics.horizontalAdvance(QChar(u'　'));
    // A small kana moves up and to the right by this much, as in vertical type.
    const qreal smallShift = em * 0.12;
    const qreal centreX = width() / 2.0;
    qreal top = 0;

    for (char32_t c : QStringView(text_).toUcs4()) {
        if (top >= height())
            break;
        const VerticalGlyph glyph = Arrange(c, metrics);
        if (glyph.placement == Placement::HalfSpace) {
            top += row / 2;
            continue;
        }
        const QString shown = QString::fromUcs4(&glyph.glyph, 1);
        const qreal advance = metrics.horizontalAdvance(shown);
        const qreal baseline = top + (row - metrics.height()) / 2 + metrics.ascent();
        switch (glyph.placement) {
        case Placement::Upright:
            painter.drawText(QPointF(centreX - advance / 2, baseline), shown);
            break;
        case Placement::UpperRight: {
            // Horizontal type sets these low and to the left; a column wants them high and right.
            const bool punctuation = c == U'、' || c == U'。' || c == U'，';
            const qreal dx = punctuation ? em * 0.55 : smallShift;
            const qreal dy = punctuation ? -em * 0.55 : -smallShift;
            painter.drawText(QPointF(centreX - advance / 2 + dx, baseline + dy), shown);
            break;
        }
        case Placement::Rotated: {
            painter.save();
            painter.translate(centreX, top + row / 2);
            painter.rotate(90);
            const qreal middle = (metrics.ascent() - metrics.descent()) / 2;
            painter.drawText(QPointF(-advance / 2, middle), shown);
            painter.restore();
            break;
        }
        case Placement::HalfSpace:
            break;
        }
        top += row;
    }
    painter.restore();
}
