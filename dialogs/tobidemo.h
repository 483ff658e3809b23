#pragma once

#include <QWidget>
#include <cstdint>

class PictureBox;
class QTimer;

// The maker's splash: six seconds of emblem and wordmark on black, with one
// sound, then it closes itself. It takes no input.
class TobiDeMo : public QWidget
{
    Q_OBJECT

public:
    // An image box's place in twips, kept as set: the pixels are worked out
    // from it only for drawing.
    struct TwipBox
    {
        float left, top, width, height;
        bool visible = true;
    };

    explicit TobiDeMo(QWidget *parent = nullptr);

    // Window size and place in twips.
    float Width = 0, Height = 0, Left = 0, Top = 0;
    TwipBox Image2Box{0, 1800, 2895, 1095};
    TwipBox Image3Box{2520, 2520, 480, 480};
    TwipBox Image4Box{2880, 0, 1440, 1440};
    TwipBox Image5Box{4680, 0, 1440, 1440};
    int16_t tickCount = 0;
    QTimer *Timer1 = nullptr;

public Q_SLOTS:
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void PlaceImages();

    PictureBox *Image2 = nullptr;
    PictureBox *Image3 = nullptr;
    PictureBox *Image4 = nullptr;
    PictureBox *Image5 = nullptr;
    bool closingItself_ = false;
};
