#pragma once

#include <QWidget>

class PictureBox;

// The title screen: the title picture holds start-up until it is clicked.
// Closing it any other way ends the program.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);

    PictureBox *Image1 = nullptr;

    // Closes the window as the program's own request, which lets the program run on.
    void Unload();

protected:
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void Image1_Click();

private:
    void Form_Load();
    void Form_QueryUnload(int unloadMode);

    bool unloadingByProgram_ = false;
};
