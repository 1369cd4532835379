// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// discone: with no arguments, or with Qt's own options only (-platform,
// -display, -style, ...), the windows; with anything else the command-line
// calculator, which creates no application object and needs no display (a
// mistyped option is then a usage error, not a failure to open a window).
// The program ends when its last window closes.
#include "app.h"
#include "entry.h"
#include "options.h"
#include "program.h"
#include "savefile.h"
#include "separators.h"
#include "swrplot.h"

#include <string_view>
#include <vector>

namespace {

// The command line's pictures, drawn by the plot library.
class Pictures : public discone::cli::Pictures {
public:
    void prepare(const std::string& file) const override { discone::checkCanSave(file); }
    void swrPlot(const discone::nec::Sweep& sweep, const std::string& title,
                 const std::string& file, std::stop_token) const override {
        try {
            discone::ui::writeSwrPlot(sweep, QString::fromStdString(title),
                                      QString::fromStdString(file));
        } catch (const discone::ui::PlotError& error) {
            throw discone::cli::PictureError(error.what());
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (!discone::cli::opensWindows(args)) {
        const Pictures pictures;
        return discone::cli::commandLineMain(args, discone::ui::systemSeparators(), &pictures);
    }
    discone::ui::Application app(argc, argv);
    discone::ui::Program program;
    program.start();
    return QApplication::exec();
}
