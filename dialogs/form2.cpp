#include "dialogs/form2.h"

#include "forms/center_form.h"
#include "forms/twips.h"
#include "settings/shared_settings.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// The options inside one frame share a parent and so form one exclusive group.
QRadioButton *Option(const QString &caption, QGroupBox *frame, const QRect &place)
{
    auto *option = new QRadioButton(caption, frame);
    option->setGeometry(place);
    return option;
}

QGroupBox *Frame(const QString &caption, QWidget *form, const QRect &place)
{
    auto *frame = new QGroupBox(caption, form);
    frame->setGeometry(place);
    return frame;
}

} // namespace

Form2::Form2(QWidget *parent)
    : ToolDialog(u"戯詠帖／歌種指定"_s, 3180, 4200, parent)
{
    BuildControls();
    Form_Load();
}

// Controls are created in tab order, which makes it the focus chain.
void Form2::BuildControls()
{
    Frame1 = Frame(u"季語指定"_s, this, TwipsRect(120, 240, 2775, 1095));
    kigo[1] = Option(u"春"_s, Frame1, TwipsRect(240, 360, 495, 255));
    kigo[2] = Option(u"夏"_s, Frame1, TwipsRect(840, 360, 495, 255));
    kigo[3] = Option(u"秋"_s, Frame1, TwipsRect(1440, 360, 495, 255));
    kigo[4] = Option(u"冬"_s, Frame1, TwipsRect(2040, 360, 495, 255));
    kigo[0] = Option(u"指定無し"_s, Frame1, TwipsRect(240, 720, 1095, 255));

    Frame2 = Frame(u"艶歌指定"_s, this, TwipsRect(120, 1440, 2895, 1095));
    ENKA[0] = Option(u"朝の百人一首"_s, Frame2, TwipsRect(240, 360, 2415, 255));
    ENKA[1] = Option(u"夜の百人一首"_s, Frame2, TwipsRect(240, 720, 1695, 255));

    Frame3 = Frame(u"歌人指定"_s, this, TwipsRect(120, 2640, 2895, 855));
    Text1 = new QLineEdit(Frame3);
    Text1->setGeometry(TwipsRect(240, 360, 2535, 270));
    Text1->setMaxLength(std::numeric_limits<int>::max());

    // Neither default nor auto-default: Enter anywhere in the window stores nothing.
    Command1 = new QPushButton(u"よろし"_s, this);
    Command1->setGeometry(TwipsRect(1920, 3720, 1095, 375));
    Command1->setAutoDefault(false);
    Command1->setDefault(false);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::Form_Load()
{
    CenterForm(*this);
    kigo[kigoType]->setChecked(true);
    ENKA[1]->setChecked(enkaMode);
    ENKA[0]->setChecked(!enkaMode);
    Text1->setText(kajinName);
}

void Form2::Command1_Click()
{
    // No reset first: were no option selected, the season would keep its value.
    for (int16_t index = 0; index < 5; ++index)
        if (kigo[index]->isChecked())
            kigoType = index;
    enkaMode = ENKA[1]->isChecked();
    kajinName = Text1->text();
    accept();
}
