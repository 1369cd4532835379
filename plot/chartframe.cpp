// SPDX-FileCopyrightText: 2026 The discone developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartframe.h"

#include "clipping.h"
#include "frequencyaxis.h"

#include <algorithm>
#include <cmath>

namespace discone::plot::frame {

namespace {

double titleHeight(const style::Sizes& sizes) {
    return QFontMetricsF(sizes.heading).height() + 2 * sizes.gap();
}

} // namespace

Frame::Frame(QPainter& p, const QRectF& a, const QString& title)
    : painter(p), area(a), sizes(a), metrics(sizes.font), line(metrics.height()), gap(sizes.gap()),
      top(a.top() + titleHeight(sizes)) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, style::kBackground);
    style::drawTitle(painter, area, sizes, title);
}

Frame::~Frame() {
    painter.restore();
}

void Frame::drawEmpty(const QString& note) const {
    painter.setPen(QColor(110, 110, 110));
    painter.drawText(QRectF(area.left(), top, area.width(), area.bottom() - top),
                     Qt::AlignCenter | Qt::TextWordWrap, note);
}

double Frame::drawLegendRow(const QPointF& at, const std::vector<LegendEntry>& entries) const {
    const double swatch = 2 * sizes.text, y = at.y() + line / 2;
    double x = at.x();
    for (const LegendEntry& e : entries) {
        painter.setPen(QPen(e.colour, sizes.curve));
        painter.drawLine(QPointF(x, y), QPointF(x + swatch, y));
        x += swatch + gap;
        const double width = metrics.horizontalAdvance(e.name) + 2;
        painter.setPen(style::kText);
        painter.drawText(QRectF(x, at.y(), width, line), Qt::AlignLeft | Qt::AlignVCenter, e.name);
        x += width + 3 * gap;
    }
    return entries.empty() ? 0 : line;
}

QRectF Frame::legendBox(const QRectF& panel, const std::vector<LegendEntry>& entries) const {
    double widest = 0;
    for (const LegendEntry& e : entries)
        widest = std::max(widest, metrics.horizontalAdvance(e.name));
    const double width = 2 * sizes.text + 3 * gap + widest;
    return {panel.right() - width - gap, panel.top() + gap, width,
            double(entries.size()) * line + gap};
}

void Frame::drawLegendBox(const QRectF& panel, const std::vector<LegendEntry>& entries) const {
    const double swatch = 2 * sizes.text;
    const QRectF box = legendBox(panel, entries);
    const double width = box.width();
    painter.setPen(QPen(style::kGrid, sizes.line));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double y = box.top() + gap / 2 + line * (double(i) + 0.5);
        painter.setPen(QPen(entries[i].colour, sizes.curve));
        painter.drawLine(QPointF(box.left() + gap, y), QPointF(box.left() + gap + swatch, y));
        painter.setPen(style::kText);
        painter.drawText(QRectF(box.left() + 2 * gap + swatch, y - line / 2, width, line),
                         Qt::AlignLeft | Qt::AlignVCenter, entries[i].name);
    }
}

double ValueAxis::y(const QRectF& panel, double value) const {
    const double part = (value - low) / (high - low);
    return downward ? panel.top() + panel.height() * part : panel.bottom() - panel.height() * part;
}

double ValueAxis::valueAt(const QRectF& panel, double y) const {
    const double part =
        downward ? (y - panel.top()) / panel.height() : (panel.bottom() - y) / panel.height();
    return low + part * (high - low);
}

ValueAxis roomyAxis(double lowest, double highest, std::initializer_list<double> steps, int most) {
    lowest = std::min(lowest, 0.0);
    highest = std::max(highest, 0.0);
    ValueAxis axis;
    axis.step = *(steps.end() - 1);
    for (double step : steps)
        if ((highest - lowest) / step <= most) {
            axis.step = step;
            break;
        }
    axis.low = std::floor(lowest / axis.step) * axis.step;
    if (lowest - axis.low < axis.step / 4)
        axis.low -= axis.step;
    axis.high = std::ceil(highest / axis.step) * axis.step;
    if (axis.high - highest < axis.step / 4)
        axis.high += axis.step;
    return axis;
}

FrequencyGeometry::FrequencyGeometry(std::vector<QRectF> panels, std::vector<ValueAxis> axes,
                                     double lowMHz, double highMHz)
    : panels_(std::move(panels)), axes_(std::move(axes)), lowMHz_(lowMHz),
      highMHz_(std::max(highMHz, lowMHz * 1.0001)) {}

double FrequencyGeometry::x(double mhz) const {
    const QRectF& p = panels_.front();
    return p.left() + p.width() * std::log(mhz / lowMHz_) / std::log(highMHz_ / lowMHz_);
}

double FrequencyGeometry::mhzAt(double x) const {
    const QRectF& p = panels_.front();
    return lowMHz_ * std::pow(highMHz_ / lowMHz_, (x - p.left()) / p.width());
}

std::optional<std::size_t> FrequencyGeometry::panelAt(const QPointF& point) const {
    for (std::size_t i = 0; i < panels_.size(); ++i)
        if (point.x() >= panels_[i].left() && point.x() <= panels_[i].right() &&
            point.y() >= panels_[i].top() && point.y() <= panels_[i].bottom())
            return i;
    return std::nullopt;
}

namespace {

// Rows of short labels under a panel's top edge, each label in the first
// row where it touches no other.
class LabelRows {
public:
    LabelRows(const QRectF& panel, double line, double gap, int rows)
        : panel_(panel), line_(line), gap_(gap), taken_(std::size_t(rows)) {}

    // Keeps labels off `box`.
    void reserve(const QRectF& box) {
        for (std::size_t row = 0; row < taken_.size(); ++row) {
            const double top = panel_.top() + gap_ / 2 + double(row) * line_;
            if (top < box.bottom() && top + line_ > box.top())
                taken_[row].emplace_back(box.left(), box.right());
        }
    }

    // The rectangle for a label `width` wide from `left`, or none.
    std::optional<QRectF> place(double left, double width) {
        left = std::clamp(left, panel_.left() + gap_, panel_.right() - gap_ - width);
        for (std::size_t row = 0; row < taken_.size(); ++row) {
            const bool free = std::ranges::none_of(taken_[row], [&](const auto& span) {
                return left < span.second + gap_ && left + width > span.first - gap_;
            });
            if (free) {
                taken_[row].emplace_back(left, left + width);
                return QRectF(left, panel_.top() + gap_ / 2 + double(row) * line_, width, line_);
            }
        }
        return std::nullopt;
    }

private:
    QRectF panel_;
    double line_, gap_;
    std::vector<std::vector<std::pair<double, double>>> taken_;
};

} // namespace

namespace {

// The space between a panel and the one above it.
double spaceAbove(const Panel& panel, const Frame& f) {
    return panel.captionAbove.isEmpty() ? 1.5 * f.line : 2 * f.line + f.gap;
}

// The panels stacked in `plotArea`, each its share of the height.
FrequencyGeometry layOut(const Frame& f, const FrequencyFrame& layout, const QRectF& plotArea) {
    double between = 0, shares = 0;
    for (std::size_t i = 0; i < layout.panels.size(); ++i) {
        shares += layout.panels[i].share;
        between += i > 0 ? spaceAbove(layout.panels[i], f) : 0;
    }
    std::vector<QRectF> rects;
    std::vector<ValueAxis> axes;
    double y = plotArea.top();
    for (std::size_t i = 0; i < layout.panels.size(); ++i) {
        y += i > 0 ? spaceAbove(layout.panels[i], f) : 0;
        const double height = (plotArea.height() - between) * layout.panels[i].share / shares;
        rects.emplace_back(plotArea.left(), y, plotArea.width(), height);
        axes.push_back(layout.panels[i].axis);
        y += height;
    }
    return {rects, axes, layout.lowMHz, layout.highMHz};
}

// One panel's value grid, its labels (every other one, down from the top,
// where they would crowd), its upright title and its captions; the zero
// line darker.
void drawValueGrid(const Frame& f, const FrequencyGeometry& g, std::size_t i, const Panel& p,
                   const Separators& sep) {
    QPainter& painter = f.painter;
    const QRectF& r = g.panel(i);
    const QPen grid(style::kGrid, f.sizes.line), zero(QColor(120, 120, 120), f.sizes.line);
    const int every =
        std::abs(g.y(i, p.axis.low + p.axis.step) - g.y(i, p.axis.low)) < 1.6 * f.line ? 2 : 1;
    const int steps = int(std::lround((p.axis.high - p.axis.low) / p.axis.step));
    for (int k = 0; k <= steps; ++k) {
        const double v = p.axis.low + k * p.axis.step, at = g.y(i, v);
        painter.setPen(std::abs(v) < 1e-9 ? zero : grid);
        painter.drawLine(QPointF(r.left(), at), QPointF(r.right(), at));
        if ((p.axis.downward ? k : steps - k) % every != 0)
            continue;
        painter.setPen(style::kText);
        painter.drawText(
            QRectF(f.area.left(), at - f.line / 2, r.left() - f.gap - f.area.left(), f.line),
            Qt::AlignRight | Qt::AlignVCenter, style::number(v, sep));
    }
    style::drawUpwardText(painter, QPointF(f.area.left() + f.gap + f.line / 2, r.center().y()),
                          f.metrics.elidedText(p.title, Qt::ElideRight, r.height()));
    if (!p.caption.isEmpty())
        painter.drawText(r.adjusted(f.gap * 2, f.gap / 2, -f.gap, 0), Qt::AlignLeft | Qt::AlignTop,
                         p.caption);
    if (!p.captionAbove.isEmpty())
        painter.drawText(QRectF(r.left(), r.top() - f.line - f.gap / 2, r.width(), f.line),
                         Qt::AlignLeft | Qt::AlignVCenter, p.captionAbove);
}

struct ShownBand {
    const BandMark* band;
    double left, right;
};

// The bands' spans through every panel, at least two pixels wide.
std::vector<ShownBand> drawBands(const Frame& f, const FrequencyGeometry& g,
                                 const std::vector<BandMark>& bands) {
    std::vector<ShownBand> shown;
    const double low = g.lowMHz(), high = g.highMHz();
    for (const BandMark& band : bands) {
        if (!(band.highMHz > low && band.lowMHz < high))
            continue;
        double from = g.x(std::max(band.lowMHz, low)), to = g.x(std::min(band.highMHz, high));
        if (to - from < 2)
            from = std::max(g.panel(0).left(), to - 2), to = from + 2;
        shown.push_back({&band, from, to});
        for (std::size_t i = 0; i < g.panelCount(); ++i)
            f.painter.fillRect(QRectF(from, g.panel(i).top(), to - from, g.panel(i).height()),
                               style::kBand);
    }
    return shown;
}

// The guides, the design frequency's line, then its value and the bands'
// names in rows under the top edge where they touch nothing else.
void drawMarks(const Frame& f, const FrequencyGeometry& g, const FrequencyFrame& layout,
               const std::vector<ShownBand>& bands) {
    QPainter& painter = f.painter;
    for (std::size_t i = 0; i < g.panelCount(); ++i) {
        const QRectF& r = g.panel(i);
        for (const Guide& guide : layout.panels[i].guides) {
            const double at = g.y(i, guide.value);
            painter.setPen(QPen(guide.colour, f.sizes.curve * 0.6, guide.style));
            painter.drawLine(QPointF(r.left(), at), QPointF(r.right(), at));
            painter.drawText(QRectF(r.left(), at - f.line - f.gap / 2, r.width() - f.gap, f.line),
                             Qt::AlignRight | Qt::AlignVCenter, guide.label);
        }
    }
    const QRectF& top = g.panel(0);
    LabelRows rows(top, f.line, f.gap, 4);
    if (!layout.legendBox.empty())
        rows.reserve(f.legendBox(top, layout.legendBox));
    if (layout.designMHz >= g.lowMHz() * 0.999 && layout.designMHz <= g.highMHz() * 1.001) {
        const double x = g.x(layout.designMHz);
        painter.setPen(QPen(style::kDesign, f.sizes.curve * 0.6, Qt::DashDotLine));
        for (std::size_t i = 0; i < g.panelCount(); ++i)
            painter.drawLine(QPointF(x, g.panel(i).top()), QPointF(x, g.panel(i).bottom()));
        const QString value =
            style::number(layout.designMHz, layout.separators, 6) + QStringLiteral(" MHz");
        const double width = f.metrics.horizontalAdvance(value) + 2;
        const bool leftOfLine = x + f.gap + width > top.right() - f.gap;
        if (const auto box = rows.place(leftOfLine ? x - f.gap - width : x + f.gap, width))
            painter.drawText(*box, Qt::AlignCenter, value);
    }
    painter.setPen(style::kBandText);
    for (const ShownBand& b : bands) {
        const double width = f.metrics.horizontalAdvance(b.band->name) + 2;
        if (const auto box = rows.place((b.left + b.right - width) / 2, width))
            painter.drawText(*box, Qt::AlignCenter, b.band->name);
    }
}

} // namespace

FrequencyGeometry drawFrequencyFrame(const Frame& f, const FrequencyFrame& layout) {
    QPainter& painter = f.painter;
    const Separators& sep = layout.separators;

    // The margins: the value labels and the upright titles on the left, the
    // frequency labels and the axis's name below.
    double widest = 0;
    for (const Panel& p : layout.panels)
        for (double v = p.axis.low; v <= p.axis.high + 1e-9; v += p.axis.step)
            widest = std::max(widest, f.metrics.horizontalAdvance(style::number(v, sep)));
    const double left = f.area.left() + 3 * f.gap + f.line + widest;

    // Over the panels: a legend row, then the notes with room for marks.
    double top = f.top;
    if (!layout.legendRow.empty())
        top += f.drawLegendRow(QPointF(left, top), layout.legendRow) + f.gap / 2;
    painter.setPen(layout.notesColour);
    const double noteWidth = f.area.width() - 2 * f.gap;
    for (const QString& note : layout.notes) {
        painter.drawText(QRectF(f.area.left() + f.gap, top, noteWidth, f.line), Qt::AlignCenter,
                         f.metrics.elidedText(note, Qt::ElideRight, noteWidth));
        top += f.line;
    }
    top += layout.roomOverPanels + f.gap;

    const QRectF plotArea(QPointF(left, top), QPointF(f.area.right() - f.sizes.text,
                                                      f.area.bottom() - 2 * f.line - 3 * f.gap));
    const FrequencyGeometry g = layOut(f, layout, plotArea);
    const std::vector<ShownBand> bands = drawBands(f, g, layout.bands);
    for (std::size_t i = 0; i < g.panelCount(); ++i)
        drawValueGrid(f, g, i, layout.panels[i], sep);
    const QPen grid(style::kGrid, f.sizes.line), minorGrid(style::kMinorGrid, f.sizes.line);
    for (const axis::FrequencyTick& t : axis::frequencyTicks(g.lowMHz(), g.highMHz())) {
        painter.setPen(t.major ? grid : minorGrid);
        for (std::size_t i = 0; i < g.panelCount(); ++i)
            painter.drawLine(QPointF(g.x(t.mhz), g.panel(i).top()),
                             QPointF(g.x(t.mhz), g.panel(i).bottom()));
    }
    painter.setPen(style::kText);
    axis::drawFrequencyLabels(
        painter, g.lowMHz(), g.highMHz(), [&](double mhz) { return g.x(mhz); }, f.metrics, f.gap,
        f.line, g.panel(g.panelCount() - 1).bottom(), plotArea, f.area, sep);
    drawMarks(f, g, layout, bands);

    painter.setPen(QPen(style::kText, f.sizes.line));
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < g.panelCount(); ++i)
        painter.drawRect(g.panel(i));
    return g;
}

void drawCurve(QPainter& painter, const std::vector<std::optional<QPointF>>& at,
               const QRectF& box) {
    painter.drawPath(clip::polyline(at, box));
    const double radius = painter.pen().widthF() * 0.9;
    for (std::size_t i = 0; i < at.size(); ++i) {
        const bool alone = at[i] && (i == 0 || !at[i - 1]) && (i + 1 == at.size() || !at[i + 1]);
        if (alone && box.contains(*at[i])) {
            const QBrush brush = painter.brush();
            painter.setBrush(painter.pen().color());
            painter.drawEllipse(*at[i], radius, radius);
            painter.setBrush(brush);
        }
    }
}

} // namespace discone::plot::frame
