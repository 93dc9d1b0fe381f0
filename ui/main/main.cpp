#include "Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    siltmere::ui::Form1 window;
    window.show();
    return QApplication::exec();
}
