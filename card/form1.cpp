#include "card/form1.h"

#include "card/card_choice.h"
#include "card/card_image_file.h"
#include "card/card_motifs.h"
#include "card/card_output.h"
#include "card/card_typeface.h"
#include "card/copy_text.h"
#include "card/printing_module.h"
#include "card/vertical_column.h"
#include "dialogs/form2.h"
#include "dialogs/form4.h"
#include "forms/center_form.h"
#include "forms/event_waits.h"
#include "forms/picture_box.h"
#include "forms/picture_variants.h"
#include "forms/program_end.h"
#include "forms/program_title.h"
#include "forms/twips.h"
#include "forms/window_accessible.h"
#include "poem/composer.h"
#include "poem/random.h"
#include "settings/shared_settings.h"
#include "sound/midi_player.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

// Left, top, width, height of the four poem columns, in twips.
constexpr float kColumnPlaces[4][4] = {
    {4320, 120, 255, 4695},
    {3600, 1200, 255, 4095},
    {2760, 2400, 255, 3255},
    {1920, 1200, 255, 4575},
};

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(ProgramTitle());
    // A fixed single border: it can be minimised and closed, not resized or maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(TwipsToPixels(5970), TwipsToPixels(5985));
    // The window's own font, which the poet name uses.
    setFont(QFont(u"IPAex明朝"_s, 10));
    BuildControls();
    BuildMenu();
    AnnounceAsWindow(*this);
    Form_Load();
}

Form1::~Form1()
{
    if (CurrentPoemCard() == this)
        SetPoemCard(nullptr);
}

void Form1::BuildControls()
{
    // Created first, so every column stands over it.
    Image2 = new PictureBox(this, true);
    Image2->setGeometry(TwipsRect(0, 0, 6000, 6000));
    connect(Image2, &ControlWidget::Click, this, &Form1::Image2_Click);
    connect(Image2, &ControlWidget::MouseDown, this, &Form1::Image2_MouseDown);

    QFont columnFont(CardTypefaceName());
    columnFont.setPointSize(12);
    columnFont.setWeight(QFont::Normal);
    for (int i = 0; i < 4; ++i) {
        Label1[i] = new VerticalColumn(this);
        const float *place = kColumnPlaces[i];
        Label1[i]->setGeometry(TwipsRect(place[0], place[1], place[2], place[3]));
        Label1[i]->setFont(columnFont);
        Label1[i]->setText(u"*****"_s);
        connect(Label1[i], &ControlWidget::Click, this, [this, i] { Label1_Click(i); });
        connect(Label1[i], &ControlWidget::MouseDown, this,
                [this, i](int button, int shift, float x, float y) { Label1_MouseDown(i, button, shift, x, y); });
    }

    // The poet name has no handlers: presses and clicks on it do nothing.
    Label5 = new VerticalColumn(this);
    Label5->setGeometry(TwipsRect(1080, 4800, 255, 1095));
    Label5->setText(u"*****"_s);

    for (int i = 0; i < 6; ++i)
        Image1[i] = PictureVariants::Load(u":/card%1.png"_s.arg(i + 1), devicePixelRatioF());

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::BuildMenu()
{
    mnuPOPUP = new QMenu(u"POPUPMENU"_s, this);
    mnuconfig = mnuPOPUP->addAction(u"設定変更(&A)"_s, this, &Form1::mnuconfig_Click);
    mnubrank1 = mnuPOPUP->addSeparator();
    mnuCopy = mnuPOPUP->addAction(u"コピー(&C)"_s, this, &Form1::mnuCopy_Click);
    mnuFont = mnuPOPUP->addAction(u"書体変更(&F)"_s, this, &Form1::mnuFont_Click);
    mnusikisi = mnuPOPUP->addAction(u"色紙作成(&S)"_s, this, &Form1::mnusikisi_Click);
    mnuSaveImage = mnuPOPUP->addAction(u"画像で保存(&P)…"_s, this, &Form1::mnuSaveImage_Click);
    mnuBGM = mnuPOPUP->addAction(u"BGM ON/OFF(&B)"_s, this, &Form1::mnuBGM_Click);
    mnuBGM->setCheckable(true);
    mnuBGM->setChecked(true);
}

void Form1::Form_Load()
{
    CenterForm(*this);
}

void Form1::ClearPoem()
{
    for (VerticalColumn *column : Label1)
        column->setText(QString());
    Label5->setText(QString());
}

void Form1::ShowCardPicture()
{
    const int card = CardIndexFor(kigoType, enkaMode);
    Image2->setPicture(Image1[card - 1]);
    Image2->setAccessibleName(CardMotif(card));
}

void Form1::ShowPoem(const QString &phrase1, const QString &phrase2, const QString &phrase3, const QString &phrase4,
                     const QString &phrase5)
{
    if (bgmOn) {
        bgmFile = u"ge_bg%1.mid"_s.arg(DrawIndex(Rnd(), 4), 0, 16);
        PlayBgmIfIdle();
    }
    Timer1->start(100);
    reveal_.Begin(PoemReveal::DisplayLines(phrase1, phrase2, phrase3, phrase4, phrase5));

    // A poem asked for while another is being revealed takes the place of the
    // one on the card: the running wait below carries on with it from its first
    // column, so requests never pile up one inside another.
    if (revealing_)
        return;
    revealing_ = true;
    do {
        while (!reveal_.LineDone()) {
            WaitForEvents();
            if (ProgramEnding())
                return;
        }
    } while (reveal_.NextLine());
    revealing_ = false;

    Timer1->stop();
    Timer1->setInterval(0);
    FinishPoem();
}

void Form1::ShowFinishedPoem(const QString &phrase1, const QString &phrase2, const QString &phrase3,
                             const QString &phrase4, const QString &phrase5)
{
    const std::array<QString, 4> captions =
        PoemReveal::FinishedCaptions(PoemReveal::DisplayLines(phrase1, phrase2, phrase3, phrase4, phrase5));
    for (std::size_t i = 0; i < captions.size(); ++i)
        Label1[i]->setText(captions[i]);
    FinishPoem();
}

// The poet name stands once the four columns do.
void Form1::FinishPoem()
{
    Label5->setText(kajinName);
    AnnounceFinishedPoem();
}

// The ticks change the columns without a word to assistive tools, so a screen
// reader is not told every character. Once the poet name stands, each column
// tells its new name, and the card window's description becomes the whole
// poem, told once: what a screen reader following the card speaks.
void Form1::AnnounceFinishedPoem()
{
    QStringList lines;
    for (VerticalColumn *column : {Label1[0], Label1[1], Label1[2], Label1[3], Label5}) {
        QAccessibleEvent renamed(column, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        lines << PlainCaption(column->text());
    }
    const QString poem = lines.join(u'\n');
    const bool unchanged = poem == accessibleDescription();
    setAccessibleDescription(poem);
    // The same poem twice is still a new poem to hear.
    if (unchanged) {
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

void Form1::ShowComposeFailure(const QString &message)
{
    QMessageBox::warning(this, ProgramTitle(), message);
}

void Form1::SetColumnFamily(const QString &family)
{
    for (VerticalColumn *column : Label1) {
        QFont font = column->font();
        font.setFamily(family);
        column->setFont(font);
    }
}

void Form1::Timer1_Timer()
{
    if (reveal_.revealLine > 3)
        return;
    Label1[reveal_.revealLine]->setText(reveal_.Tick());
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Form_QueryUnload: whatever is in progress, the music stops and the program ends.
    StopMidi();
    event->accept();
    EndProgram();
}

// The desktop's keyboard form of the right button: the Menu key or Shift+F10
// opens the menu at the card's centre.
void Form1::keyPressEvent(QKeyEvent *event)
{
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (!menuKey && !shiftF10) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    mnuPOPUP->exec(mapToGlobal(rect().center()));
}

void Form1::Image2_Click()
{
    ComposePoem();
}

void Form1::Label1_Click(int)
{
    ComposePoem();
}

void Form1::Image2_MouseDown(int button, int, float, float)
{
    if (button == 2)
        mnuPOPUP->exec(QCursor::pos());
}

void Form1::Label1_MouseDown(int, int button, int shift, float x, float y)
{
    Image2_MouseDown(button, shift, x, y);
}

void Form1::mnuconfig_Click()
{
    Form2 dialog(this);
    dialog.exec();
}

void Form1::mnuCopy_Click()
{
    const QString text =
        CopyText({Label1[0]->text(), Label1[1]->text(), Label1[2]->text(), Label1[3]->text(), Label5->text()});
    if (!clipboardWriter(text))
        QMessageBox::warning(this, ProgramTitle(),
                             u"クリップボードに歌を書き込めませんでした。\n"
                             "ほかのプログラムがクリップボードを使っていないか確かめてください。"_s);
}

void Form1::mnuFont_Click()
{
    Form4 dialog(*this, this);
    dialog.exec();
}

void Form1::mnusikisi_Click()
{
    QMessageBox prompt(QMessageBox::Information, ProgramTitle(),
                       u"この歌の色紙を作成します。プリンタを準備してください。"_s, QMessageBox::Yes | QMessageBox::No,
                       this);
    prompt.setDefaultButton(QMessageBox::Yes);
    if (prompt.exec() != QMessageBox::Yes)
        return;

    PrintCardOnDefaultPrinter(*this);
}

void Form1::mnuSaveImage_Click()
{
    const QString proposed = ProposedImagePath(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                               QDir::homePath(), QDateTime::currentDateTime());
    const QString fileName = QFileDialog::getSaveFileName(this, u"色紙を画像で保存"_s, proposed, u"PNG 画像 (*.png)"_s);
    if (fileName.isEmpty())
        return;
    if (const std::optional<QString> failure = WriteCardImage(CardImage(*this, 2.0), fileName))
        QMessageBox::warning(this, ProgramTitle(), *failure);
}

void Form1::mnuBGM_Click()
{
    bgmOn = !bgmOn;
    mnuBGM->setChecked(bgmOn);
    if (!bgmOn)
        ReleaseMidi();
}
