#include "dialogs/form3.h"

#include "forms/center_form.h"
#include "forms/picture_box.h"
#include "forms/picture_variants.h"
#include "forms/program_end.h"
#include "forms/program_title.h"
#include "forms/twips.h"
#include "forms/window_accessible.h"

#include <QCloseEvent>

using namespace Qt::Literals::StringLiterals;

namespace {
// Why a window closes: by the program's own call, or anything else.
constexpr int kClosedByProgram = 1;
constexpr int kClosedByUser = 0;
} // namespace

Form3::Form3(QWidget *parent)
    : QWidget(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint
                  | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(ProgramTitle());
    setFixedSize(TwipsToPixels(4485), TwipsToPixels(4410));
    // The picture box is a little larger than the window, so the picture
    // covers the whole client area.
    Image1 = new PictureBox(this);
    Image1->setGeometry(TwipsRect(0, 0, 4500, 4500));
    Image1->setPicture(PictureVariants::Load(u":/title.png"_s, devicePixelRatioF()));
    // The picture shows the title; read aloud, it is the title.
    Image1->setAccessibleName(ProgramTitle());
    connect(Image1, &ControlWidget::Click, this, &Form3::Image1_Click);
    AnnounceAsWindow(*this);
    Form_Load();
}

void Form3::Form_Load()
{
    CenterForm(*this);
}

void Form3::Unload()
{
    unloadingByProgram_ = true;
    close();
}

void Form3::Image1_Click()
{
    Unload();
}

void Form3::closeEvent(QCloseEvent *event)
{
    Form_QueryUnload(unloadingByProgram_ ? kClosedByProgram : kClosedByUser);
    event->accept();
}

void Form3::Form_QueryUnload(int unloadMode)
{
    if (unloadMode != kClosedByProgram)
        EndProgram();
}
