// discone: the main window at start; the program ends when its last window
// closes.
#include "app.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    discone::ui::prepareApplication();
    discone::ui::startProgram();
    return QApplication::exec();
}
