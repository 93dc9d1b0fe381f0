#include "Form1.h"
#include "Startup.h"

int main(int argc, char* argv[])
{
    const auto app = siltmere::ui::startApplication(argc, argv);
    siltmere::ui::Form1 window;
    window.show();
    return QApplication::exec();
}
