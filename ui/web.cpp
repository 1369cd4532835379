// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The web link window: two lines of explanation and the maker's page address
// as a link that asks the desktop to open it in the default browser, by a
// click or by a screen reader's press action.
#include "web.h"

#include "builder.h"
#include "controls.h"
#include "errorreport.h"
#include "palette_colours.h"
#include "registry.h"

#include <QProcess>

namespace discone::ui {
namespace {

// Where the client area's top-left corner stands each time the window is
// built, in screen pixels (2130 and 1695 twips).
constexpr int kLeft = 2130;
constexpr int kTop = 1695;

// clang-format off
constexpr ControlRow kWindowControls[] = {
    // name        kind         left top   width height tab background      text            font                        lines        border     caption
    {"lblWebPage", Kind::Link,  525, 1335, 2205, 255,   2,  kDefaultColour, kBlue,          {8.25, false, false, true}, kSingleLine, kNoBorder, kPageAddress, nullptr, nullptr, ":/images/link.cur"},
    {"Label2",     Kind::Label, 450, 750,  2490, 345,   1,  kDefaultColour, kDefaultColour, kDefaultFont,               kSingleLine, kNoBorder, "Click Link Below to "},
    {"Label1",     Kind::Label, 525, 75,   2265, 390,   0,  kDefaultColour, kDefaultColour, kDefaultFont,               kSingleLine, kNoBorder, "The link will be opened in your default browser."},
};

constexpr ContainerTable kContainers[] = {{nullptr, kWindowControls, {}}};

constexpr WindowTable kWeb{
    "web", "Web Page Link", 3315, 1845, kDefaultColour, kContainers, QAccessible::Dialog};
// clang-format on

} // namespace

void lblWebPage_Click() {
    const QString launcher = QString::fromLatin1(kLauncher);
    // An argument list, never a shell: the address reaches the launcher as is.
    if (!QProcess::startDetached(launcher, {QString::fromLatin1(kPageAddress) + u'/'})) {
        throw RuntimeError(ErrorKind::PlatformFailure,
                           "The web page could not be opened: the program \"" +
                               std::string(kLauncher) +
                               "\", which opens an address in the default browser, could not be "
                               "started. Open " +
                               std::string(kPageAddress) + "/ in your browser yourself.");
    }
}

QWidget* createWeb() {
    QWidget* window = buildWindow(kWeb);
    window->setGeometry(twipsToPixels(kLeft), twipsToPixels(kTop), window->width(),
                        window->height());
    auto* link = findControl<LinkLabel>(window, "lblWebPage");
    // A screen reader reads the link by its address, then what it does.
    link->setAccessibleDescription(
        QStringLiteral("The maker's web page, opened in the default browser"));
    // The click and a screen reader's press action both arrive here.
    QObject::connect(link, &ClickLabel::clicked, window, guarded(lblWebPage_Click));
    return window;
}

} // namespace discone::ui
