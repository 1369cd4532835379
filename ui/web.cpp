// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "builder.h"
#include "errorreport.h"
#include "palette_colours.h"
#include "windowclasses.h"

#include <QProcess>

namespace discone::ui {
namespace {

// The page address, without a trailing "/": the link shows it so, and the
// launcher is given it with one.
constexpr char kPageAddress[] = "https://www.zorval.example";

// The desktop's own command that opens an address in the default browser.
constexpr char kLauncher[] = "xdg-open";

// Where the client area's top-left corner stands on the screen each time the
// window is built, in twips (142 and 113 pixels).
constexpr int kLeftTwips = 2130;
constexpr int kTopTwips = 1695;

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

web::web() {
    buildWindow(this, kWeb);
    setGeometry(twipsToPixels(kLeftTwips), twipsToPixels(kTopTwips), width(), height());
    lblWebPage = findControl<LinkLabel>(this, "lblWebPage");
    // A screen reader reads the link by its address, then what it does.
    lblWebPage->setAccessibleDescription(
        QStringLiteral("The maker's web page, opened in the default browser"));
    // The click and a screen reader's press action both arrive here.
    connect(lblWebPage, &ClickLabel::clicked, this, guarded(&web::lblWebPage_Click));
}

void web::lblWebPage_Click() {
    const QString launcher = QString::fromLatin1(kLauncher);
    // An argument list, never a shell: the address reaches the launcher as is.
    if (!QProcess::startDetached(launcher, {QString::fromLatin1(kPageAddress) + u'/'})) {
        throw PlatformFailure("The web page could not be opened: the program \"" +
                              std::string(kLauncher) +
                              "\", which opens an address in the default browser, could not be "
                              "started. Open " +
                              std::string(kPageAddress) + "/ in your browser yourself.");
    }
}

} // namespace discone::ui
