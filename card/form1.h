#pragma once

#include "card/clipboard.h"
#include "card/poem_reveal.h"
#include "dialogs/column_typeface.h"
#include "poem/poem_card.h"

#include <QPixmap>
#include <QWidget>

class PictureBox;
class QAction;
class QMenu;
class QTimer;
class VerticalColumn;

// The card window: the card picture with the poem in four vertical columns,
// right to left, and the poet name at the lower left. It reveals each poem a
// character at a time and offers its commands on a pop-up menu.
class Form1 : public QWidget, public PoemCard, public ColumnTypeface
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The controls, as the other windows and the tests reach them.
    PictureBox *Image2 = nullptr;
    VerticalColumn *Label1[4] = {};
    VerticalColumn *Label5 = nullptr;
    QPixmap Image1[6];
    QTimer *Timer1 = nullptr;
    QMenu *mnuPOPUP = nullptr;
    QAction *mnuconfig = nullptr;
    QAction *mnubrank1 = nullptr;
    QAction *mnuCopy = nullptr;
    QAction *mnuFont = nullptr;
    QAction *mnusikisi = nullptr;
    QAction *mnuSaveImage = nullptr;
    QAction *mnuBGM = nullptr;

    // What the composer asks of the card.
    void ClearPoem() override;
    void ShowCardPicture() override;
    void ShowPoem(const QString &phrase1, const QString &phrase2, const QString &phrase3, const QString &phrase4,
                  const QString &phrase5) override;
    void ShowComposeFailure(const QString &message) override;

    // The poem as it stands once its reveal is over, shown at once.
    void ShowFinishedPoem(const QString &phrase1, const QString &phrase2, const QString &phrase3,
                          const QString &phrase4, const QString &phrase5);

    // What the typeface dialog, and gieicho-words card --font, ask of the columns.
    void SetColumnFamily(const QString &family) override;

    // The reveal's state, for the tests.
    const PoemReveal &Reveal() const { return reveal_; }

    // Where the copy command puts the poem; tests put a failing one in place.
    bool (*clipboardWriter)(const QString &text) = PutOnClipboard;

public Q_SLOTS:
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private Q_SLOTS:
    void Image2_Click();
    void Label1_Click(int index);
    void Image2_MouseDown(int button, int shift, float x, float y);
    void Label1_MouseDown(int index, int button, int shift, float x, float y);
    void mnuconfig_Click();
    void mnuCopy_Click();
    void mnuFont_Click();
    void mnusikisi_Click();
    void mnuSaveImage_Click();
    void mnuBGM_Click();

private:
    void Form_Load();
    void BuildControls();
    void BuildMenu();
    void FinishPoem();
    void AnnounceFinishedPoem();

    PoemReveal reveal_;
    bool revealing_ = false;
};
