// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "buildsheet.h"

#include "chartstyle.h"
#include "drawingapp.h"
#include "report.h"
#include "savefile.h"
#include "swrchart.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>

namespace discone::plot {

namespace {

constexpr int kDotsPerInch = 300;
constexpr double kMargin = 15; // mm, on every side

// The main window's captions of the results, each on one line.
struct Label {
    Dimension dimension;
    const char* name;
};
constexpr Label kLabels[] = {
    {Dimension::HeightToDisc, "HEIGHT TO BOTTOM OF DISC"},
    {Dimension::SideLength, "SIDE LENGTH"},
    {Dimension::DiscSpacing, "SPACING"},
    {Dimension::DiscDiameter, "DISC DIAMETER"},
    {Dimension::MinimumDiameter, "MINIMUM DIAMETER"},
    {Dimension::MeshSpacing, "MAXIMUM MESH SPACING FOR LARGE WIRE CONES"},
    {Dimension::SkirtDiameter, "SKIRT DIAMETER"},
};
static_assert(std::size(kLabels) == kDimensionCount);

// The territories whose C library locales print on US Letter (glibc's
// LC_PAPER: 279 by 216 mm); sorted.
constexpr auto kLetter = std::to_array<std::string_view>(
    {"BO", "CA", "CL", "CO", "CR", "GT", "MX", "NI", "PA", "PH", "PR", "SV", "US", "VE"});
static_assert(std::ranges::is_sorted(kLetter));

const QColor kQuiet(90, 90, 90); // explanations and the footer

[[noreturn]] void fail(const std::string& fileName, const std::string& why) {
    throw PlotError("cannot write " + fileName + ": " + why);
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// "For SWR below 2 ...": a sentence of the study's, started as one.
QString sentence(const std::string& s) {
    QString t = text(s);
    if (!t.isEmpty())
        t[0] = t[0].toUpper();
    return t;
}

// The page in millimetres, written top down.
class Page {
public:
    Page(QPainter& painter, const QSizeF& size)
        : painter_(painter), dots_(kDotsPerInch / 25.4), width_(size.width() / dots_),
          height_(size.height() / dots_) {}

    double mm(double value) const { return value * dots_; }
    double left() const { return kMargin; }
    double right() const { return width_ - kMargin; }
    double bottom() const { return height_ - kMargin; }
    double y = kMargin;

    static QFont font(double points, bool bold = false) {
        QFont f;
        // No ligatures: the sheet's text is copied and searched as typed.
        f.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }
    // How far, in mm, the font's first baseline lies under the text's top.
    double ascent(const QFont& f) const {
        return QFontMetricsF(f, painter_.device()).ascent() / dots_;
    }
    // Texts side by side in one row, their first baselines level: each an
    // x and a width in mm, a text and a font. Returns the row's height.
    struct Cell {
        double x, width;
        QString text;
        QFont font;
        QColor colour = style::kText;
    };
    double row(const std::vector<Cell>& cells) {
        double top = 0, height = 0;
        for (const Cell& c : cells)
            top = std::max(top, ascent(c.font));
        for (const Cell& c : cells) {
            const double drop = top - ascent(c.font);
            height =
                std::max(height, drop + write(c.x, y + drop, c.width, c.text, c.font, c.colour));
        }
        return height;
    }
    // The height, in mm, `s` takes in `width` mm, wrapped at words.
    double height(const QString& s, const QFont& f, double width) const {
        painter_.setFont(f);
        const QRectF box =
            painter_.boundingRect(QRectF(0, 0, mm(width), mm(1000)), Qt::TextWordWrap, s);
        return box.height() / dots_;
    }
    // Draws `s` from (x, y) in `width` mm; returns the height it took.
    double write(double x, double at, double width, const QString& s, const QFont& f,
                 const QColor& colour = style::kText, int align = Qt::AlignLeft) {
        const double h = height(s, f, width);
        painter_.setPen(colour);
        painter_.drawText(QRectF(mm(x), mm(at), mm(width), mm(h)), align | Qt::TextWordWrap, s);
        return h;
    }
    // A line of its own across the page.
    void line(const QString& s, const QFont& f, double after, const QColor& c = style::kText) {
        y += write(left(), y, right() - left(), s, f, c) + after;
    }
    void rule(double after) {
        painter_.setPen(QPen(style::kGrid, mm(0.3)));
        painter_.drawLine(QPointF(mm(left()), mm(y)), QPointF(mm(right()), mm(y)));
        y += after;
    }
    QPainter& painter() { return painter_; }

private:
    QPainter& painter_;
    double dots_, width_, height_;
};

// The rods a builder cuts: their number, diameter and lengths, and the hub.
void drawRods(Page& page, const study::Prediction& p, const Separators& sep) {
    const Unit unit = p.design.unit;
    const study::Cuts cuts = study::cutsOf(p.design.dimensions, p.sweep);
    const nec::ModelOptions& model = p.plan.sweep.model;
    page.line(QStringLiteral("Rods: %1 in the disc and %1 in the cone, %2 mm across")
                  .arg(model.radials)
                  .arg(text(readableText(model.wireDiameterMm, 3, sep))),
              Page::font(14, true), 2);
    struct Row {
        QString name, length, why;
    };
    std::vector<Row> rows = {
        {QStringLiteral("Cone rods"), text(study::lengthText(cuts.coneRod, unit, sep)),
         QStringLiteral("each, from the top ring to the skirt: shorter than the side length, "
                        "which runs on to the cone's apex")},
        {QStringLiteral("Disc rods"), text(study::lengthText(cuts.discRod, unit, sep)),
         cuts.hub > 0 ? QStringLiteral("each, from the hub's edge to the disc's rim")
                      : QStringLiteral("each, from the edge of a centre plate of the minimum "
                                       "diameter to the disc's rim")}};
    if (cuts.hub > 0)
        rows.push_back({QStringLiteral("Hub"), text(study::lengthText(cuts.hub, unit, sep)),
                        QStringLiteral("across: the disc's rods start on it, the cone's on a "
                                       "collar as wide")});
    else
        rows.push_back({QStringLiteral("Hub"), QStringLiteral("none"),
                        QStringLiteral("the rods fit around the top ring")});
    for (const Row& row : rows)
        page.y += page.row({{page.left(), 30, row.name, Page::font(13, true)},
                            {page.left() + 30, 34, row.length, Page::font(16, true)},
                            {page.left() + 66, page.right() - page.left() - 66, row.why,
                             Page::font(10.5), kQuiet}}) +
                  2;
}

void drawDimensions(Page& page, const study::Prediction& p, const SheetFacts& facts) {
    page.line(QStringLiteral("Dimensions in %1, as the calculator shows them")
                  .arg(text(std::string(nec::unitWord(p.design.unit)))),
              Page::font(14, true), 2);
    const double valueAt = page.left() + 112;
    for (const DimensionDescriptor& row : descriptors(Unit::Inches)) {
        const auto label =
            std::find_if(std::begin(kLabels), std::end(kLabels),
                         [&](const Label& l) { return l.dimension == row.dimension; });
        page.y += page.row({{page.left(), valueAt - page.left() - 3,
                             QString::fromLatin1(label->name), Page::font(11.5)},
                            {valueAt, page.right() - valueAt, text(facts.texts[row.dimension]),
                             Page::font(16, true)}}) +
                  1.2;
    }
}

// The summary in as many columns and as large a type as the room allows;
// returns the height it takes, drawing it only when `draw`.
double summary(Page& page, const std::vector<std::string>& lines, double top, double room,
               bool draw) {
    const double width = page.right() - page.left(), gap = 6;
    for (const int columns : {1, 2}) {
        for (const double points : {11.0, 10.0, 9.0, 8.0}) {
            const QFont f = Page::font(points);
            const double column = (width - gap * (columns - 1)) / columns;
            std::vector<double> heights;
            double total = 0;
            for (const std::string& line : lines)
                total += heights.emplace_back(page.height(text(line), f, column) + 0.6);
            // Fill the first column to half the whole, then the second.
            double tallest = 0, filled = 0;
            std::size_t split = lines.size();
            if (columns == 2)
                for (std::size_t i = 0; i < lines.size(); ++i)
                    if ((filled += heights[i]) >= total / 2) {
                        split = i + 1;
                        tallest = filled;
                        break;
                    }
            tallest = std::max(tallest, total - (columns == 2 ? tallest : 0));
            if (tallest > room && !(columns == 2 && points == 8.0))
                continue;
            if (draw) {
                double y = top;
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    if (i == split)
                        y = top;
                    const double x = page.left() + (i < split ? 0 : column + gap);
                    page.write(x, y, column, text(lines[i]), f);
                    y += heights[i];
                }
            }
            return tallest;
        }
    }
    return 0;
}

void drawSheet(QPainter& painter, const QSizeF& size, const study::Prediction& p,
               const SheetFacts& facts, const Reader& reader) {
    const Separators& sep = reader.separators;
    Page page(painter, size);
    painter.fillRect(QRectF(QPointF(0, 0), size), style::kBackground);
    page.line(QStringLiteral("Discone for %1 MHz")
                  .arg(text(singleText(p.design.dimensions.LowestFrequency, sep))),
              Page::font(24, true), 0.5);
    page.line(QStringLiteral("Build sheet: every length in %1")
                  .arg(text(std::string(nec::unitWord(p.design.unit)))),
              Page::font(14), 1.5);
    if (!facts.tuning.empty())
        page.line(sentence(facts.tuning), Page::font(13, true), 1.5, style::kDesign);
    page.rule(3);
    drawDimensions(page, p, facts);
    page.y += 2;
    page.rule(3);
    drawRods(page, p, sep);

    // The footer at the bottom, the summary over it, and the chart in the
    // room left, no taller than it reads well.
    const QFont small = Page::font(9);
    const QString date =
        (facts.date.isNull() ? QDate::currentDate() : facts.date).toString(Qt::ISODate);
    const QString footer = QStringLiteral("Made with discone %1 on %2. The SWR is NEC-2's "
                                          "prediction; measure the finished antenna.")
                               .arg(text(facts.version), date);
    const double footerTop = page.bottom() - page.height(footer, small, page.right() - page.left());
    page.write(page.left(), footerTop, page.right() - page.left(), footer, small, kQuiet);
    const double heading = page.height(QStringLiteral("Summary"), Page::font(12, true), 50);
    const double chartTop = page.y + 2, shortest = 70, tallest = 105;
    const double room = footerTop - 3 - chartTop - shortest - 2 - heading - 1;
    const double summaryHeight = summary(page, p.summary, 0, room, false);
    const double chartHeight =
        std::clamp(footerTop - 3 - summaryHeight - heading - 1 - 2 - chartTop, shortest, tallest);

    SwrChart chart = swrChart(p, reader);
    chart.horizonGain.clear(); // the SWR alone, larger
    const double chartWidth = page.right() - page.left();
    // Drawn into a small rectangle scaled up, so that its text stays large.
    const QRectF logical(0, 0, 540, 540 * chartHeight / chartWidth);
    painter.save();
    painter.translate(page.mm(page.left()), page.mm(chartTop));
    painter.scale(page.mm(chartWidth) / logical.width(), page.mm(chartHeight) / logical.height());
    drawSwrChart(painter, logical, chart);
    painter.restore();
    page.y = chartTop + chartHeight + 2;
    page.line(QStringLiteral("Summary"), Page::font(12, true), 1);
    summary(page, p.summary, page.y, footerTop - 3 - page.y, true);
}

} // namespace

QPageSize::PageSizeId paperOfCountry(std::string_view country) {
    if (country.size() != 2)
        return QPageSize::A4;
    const std::string code = {char(std::toupper(static_cast<unsigned char>(country[0]))),
                              char(std::toupper(static_cast<unsigned char>(country[1])))};
    return std::binary_search(kLetter.begin(), kLetter.end(), code) ? QPageSize::Letter
                                                                    : QPageSize::A4;
}

QPageSize::PageSizeId systemPaper() {
    const QLocale locale = QLocale::system();
    if (locale.territory() == QLocale::AnyTerritory)
        return QPageSize::A4;
    return paperOfCountry(QLocale::territoryToCode(locale.territory()).toStdString());
}

std::string buildSheet(const study::Prediction& prediction, const SheetFacts& facts,
                       const Reader& reader, const std::string& fileName) {
    if (prediction.sweep.points.empty())
        fail(fileName, "there is no prediction to print");
    QByteArray bytes;
    {
        const DrawingApplication application;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kDotsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(facts.paper), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setTitle(QString::fromStdString(prediction.title) + QStringLiteral(", build sheet"));
        writer.setCreator(QStringLiteral("discone ") + QString::fromStdString(facts.version));
        QPainter painter;
        if (!painter.begin(&writer))
            fail(fileName, "the PDF cannot be drawn");
        drawSheet(painter, QSizeF(writer.width(), writer.height()), prediction, facts, reader);
        if (!painter.end())
            fail(fileName, "the PDF cannot be drawn");
    }
    return bytes.toStdString();
}

void writeBuildSheet(const study::Prediction& prediction, const SheetFacts& facts,
                     const Reader& reader, const std::string& fileName, StopToken stop) {
    if (stop.stop_requested())
        throw SaveCancelled();
    const std::string bytes = buildSheet(prediction, facts, reader, fileName);
    try {
        saveFile(fileName, bytes, stop);
    } catch (const FileError& error) {
        throw PlotError(error.what());
    }
}

} // namespace discone::plot
