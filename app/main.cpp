// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// discone: with no arguments, or with Qt's own options only (-platform,
// -display, -style, ...), the windows; with anything else the command-line
// calculator, which creates no application object and needs no display (a
// mistyped option is then a usage error, not a failure to open a window).
// The program ends when its last window closes, or at Ctrl-C, SIGTERM or
// SIGHUP, which close the windows first, so that a prediction they run stops
// its nec2c, and then end the program as killed by the signal.
#include "app.h"
#include "buildsheet.h"
#include "entry.h"
#include "interrupts.h"
#include "options.h"
#include "picturefile.h"
#include "ploterror.h"
#include "program.h"
#include "separators.h"
#include "study.h"
#include "sweepchart.h"

#include <string_view>
#include <vector>

namespace {

namespace plot = discone::plot;

// What the chart library draws, its failures as the command line's.
template <class Drawing> auto draw(const Drawing& drawing) {
    try {
        return drawing();
    } catch (const plot::PlotError& error) {
        throw discone::cli::PictureError(error.what());
    }
}

// The command line's pictures, drawn by the chart library.
class Pictures : public discone::cli::Pictures {
public:
    void prepare(const std::string& file) const override {
        draw([&] { plot::checkPictureName(file); });
    }
    std::string swrPicture(const discone::study::Prediction& prediction,
                           const std::string& file) const override {
        return draw([&] {
            return plot::swrChartPicture(plot::swrChart(prediction, discone::ui::systemReader()),
                                         file);
        });
    }
    std::string smithPicture(const discone::study::Prediction& prediction,
                             const discone::study::Measurement* measurement,
                             const std::string& file) const override {
        return draw([&] {
            return plot::smithChartPicture(
                plot::smithChart(prediction, measurement, discone::ui::systemReader()), file);
        });
    }
    std::string buildSheet(const discone::study::Prediction& prediction,
                           const discone::ResultTexts& texts, const std::string& tuning,
                           const std::string& file) const override {
        const plot::SheetFacts facts{texts, tuning, QDate::currentDate(), DISCONE_VERSION,
                                     plot::systemPaper()};
        return draw(
            [&] { return plot::buildSheet(prediction, facts, discone::ui::systemReader(), file); });
    }
    std::string patternPicture(const discone::study::Patterns& patterns,
                               const std::string& file) const override {
        return draw([&] {
            return plot::patternChartPicture(
                plot::patternChart(patterns.cuts, QString::fromStdString(patterns.title),
                                   discone::ui::systemReader()),
                file);
        });
    }
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (!discone::cli::opensWindows(args)) {
        const Pictures pictures;
        return discone::cli::commandLineMain(args, discone::ui::systemSeparators(),
                                             discone::ui::systemRegion, &pictures);
    }
    discone::ui::Application app(argc, argv);
    int interrupted = 0;
    int status = 0;
    {
        discone::cli::InterruptWatch interrupts;
        const discone::StopCallback quit(interrupts.token(), [&app] {
            QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
        });
        discone::ui::Program program;
        program.start();
        status = QApplication::exec();
        interrupted = interrupts.signal();
    }
    if (interrupted != 0)
        discone::cli::InterruptWatch::endAs(interrupted);
    return status;
}
