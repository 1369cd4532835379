// discone: with no arguments, the main window at start, and the program ends
// when its last window closes; with arguments, the command-line calculator,
// which creates no application object and needs no display.
#include "app.h"
#include "cli.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (argc > 1)
        return discone::ui::commandLineMain(argc, argv);
    QApplication app(argc, argv);
    discone::ui::prepareApplication();
    discone::ui::startProgram();
    return QApplication::exec();
}
