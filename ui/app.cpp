#include "app.h"

#include "look.h"
#include "windows.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QStyleFactory>

namespace discone::ui {

void prepareApplication() {
    // The classic style: raised buttons with narrow padding, so "CALCULATE
    // CM" fits its 81-px button, and sunken text-box borders.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(style);
    loadClassicFonts();

    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(":/images/discone-%1.png").arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
}

QWidget* startProgram() {
    return showWindow(WindowKind::Form1);
}

} // namespace discone::ui
