// The reference the program's start is measured against: a Qt 6 program
// that shows one empty window and does nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(200, 100);
    window.show();
    return app.exec();
}
