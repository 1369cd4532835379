#include "errorreport.h"

#include "look.h"

#include <QApplication>
#include <QMessageBox>

namespace discone::ui {
namespace {

ErrorReporter& customReporter() {
    static ErrorReporter reporter;
    return reporter;
}

const char* advice(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return "The lowest frequency must be a number of megahertz, such as 146, "
               "without letters or units.";
    case ErrorKind::DivisionByZero:
        return "The lowest frequency must be a number of megahertz other than zero, "
               "such as 146.";
    case ErrorKind::Overflow:
        return "The lowest frequency is too large or too small to calculate with. "
               "Type a number of megahertz such as 146.";
    case ErrorKind::PlatformFailure:
        break;
    }
    return nullptr;
}

} // namespace

QString runtimeErrorText(const RuntimeError& error) {
    const QString kind = QString::fromUtf8(kindName(error.kind()));
    const QString message = QString::fromUtf8(error.what());
    if (const char* text = advice(error.kind())) {
        return kind + QStringLiteral("\n\n") + QString::fromUtf8(text) +
               QStringLiteral(" Type it into the orange box and press a CALCULATE button again.");
    }
    // The platform's failures carry their own explanation.
    return message.isEmpty() ? kind : message;
}

void setErrorReporter(ErrorReporter reporter) {
    customReporter() = std::move(reporter);
}

void reportRuntimeError(const RuntimeError& error) {
    if (customReporter()) {
        customReporter()(error);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("DISCONE"), runtimeErrorText(error),
                    QMessageBox::Ok, QApplication::activeWindow());
    // The face of the windows, not the desktop's.
    box.setFont(classicFont({}));
    box.exec();
}

} // namespace discone::ui
