#include "dialogs/tobidemo.h"

#include "forms/center_form.h"
#include "forms/picture_box.h"
#include "forms/picture_variants.h"
#include "forms/twips.h"
#include "sound/snd_play_sound.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

TobiDeMo::TobiDeMo(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    // Created from the bottom of the stack up: each later box is drawn over the ones before.
    Image4 = new PictureBox(this);
    Image4->setPicture(PictureVariants::Load(u":/emblem_whole.bmp"_s, devicePixelRatioF()));
    Image5 = new PictureBox(this);
    Image5->setPicture(PictureVariants::Load(u":/emblem_open.bmp"_s, devicePixelRatioF()));
    Image2 = new PictureBox(this, true);
    Image2->setPicture(PictureVariants::Load(u":/wordmark.bmp"_s, devicePixelRatioF()));
    Image3 = new PictureBox(this);
    Image3->setPicture(PictureVariants::Load(u":/emblem_small.bmp"_s, devicePixelRatioF()));
    for (QWidget *box : {static_cast<QWidget *>(Image2), static_cast<QWidget *>(Image3), static_cast<QWidget *>(Image4),
                         static_cast<QWidget *>(Image5)})
        box->setAttribute(Qt::WA_TransparentForMouseEvents);

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &TobiDeMo::Timer1_Timer);
    Timer1->start(100);
    Form_Load();
}

void TobiDeMo::Form_Load()
{
    Width = 2900;
    Height = 1400;
    setFixedSize(TwipsToPixels(Width), TwipsToPixels(Height));
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const CenteredPlace place =
        CenteredOnScreen(PixelsToTwips(area.width()), PixelsToTwips(area.height()), Width, Height);
    Left = place.left;
    Top = place.top;
    move(area.left() + TwipsToPixels(Left), area.top() + TwipsToPixels(Top));
    PlaceImages();
}

void TobiDeMo::Timer1_Timer()
{
    ++tickCount;
    switch (tickCount) {
    case 1:
        Image4Box.left = (Width - Image4Box.width) / 2;
        Image4Box.top = 0;
        break;
    case 10:
        sndPlaySoundA("tobibrnd.wav", SND_ASYNC);
        Image5Box.left = (Width - Image5Box.width) / 2;
        Image5Box.top = 0;
        Image4Box.visible = false;
        Image2Box.width = 290;
        Image2Box.height = 110;
        Image2Box.left = (Width - Image2Box.width) / 2;
        Image2Box.top = (Height - Image2Box.height) / 2;
        break;
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
        // The left edge moves by half the width step, so the wordmark stays
        // centred across; the top by a little less than half the height step.
        Image2Box.left -= 145;
        Image2Box.top -= 50;
        Image2Box.width += 290;
        Image2Box.height += 110;
        break;
    case 23:
        Image5Box.visible = false;
        Image2Box.left = 0;
        Image2Box.width = 2900;
        Image2Box.height = 1100;
        break;
    case 26:
        Image3Box.left = Image2Box.width - Image3Box.width;
        Image3Box.top = Image2Box.top + Image2Box.height - Image3Box.height;
        break;
    case 60:
        closingItself_ = true;
        Timer1->stop();
        close();
        return;
    default: return;
    }
    PlaceImages();
}

void TobiDeMo::PlaceImages()
{
    const std::pair<PictureBox *, const TwipBox *> boxes[] = {
        {Image2, &Image2Box}, {Image3, &Image3Box}, {Image4, &Image4Box}, {Image5, &Image5Box}};
    for (const auto &[widget, box] : boxes) {
        widget->setGeometry(TwipsRect(box->left, box->top, box->width, box->height));
        widget->setVisible(box->visible);
    }
}

void TobiDeMo::closeEvent(QCloseEvent *event)
{
    // Nobody can shorten the splash: only its own last tick closes it.
    if (closingItself_)
        event->accept();
    else
        event->ignore();
}
