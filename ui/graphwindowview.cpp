// The graph window's picture, zoom, cursor and readout (the window's controls and their handlers
// are in graphwindow.cpp).
#include "ui/graphwindow.h"

#include "core/numformat.h"
#include "core/workspace.h"
#include "plot/plottexts.h"
#include "plot/spectrumlevels.h"
#include "plot/spectrumreadout.h"
#include "ui/application.h"
#include "ui/cursorreadout.h"
#include "ui/frameplotter.h"
#include "ui/graphworker.h"
#include "ui/localenumber.h"
#include "ui/plotbitmap.h"
#include "ui/plotlegend.h"
#include "ui/plotview.h"

#include <QComboBox>
#include <QResizeEvent>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace {

// The plot's place: right of the controls, 12 pixels below the top and the legend's line above it.
constexpr int kPlotLeft = 137;
constexpr int kPlotTop = 12;
constexpr int kRightMargin = 12;
constexpr int kBottomMargin = 6;

} // namespace

void GraphWindow::layOutPlot()
{
    const int width = std::max(this->width() - kPlotLeft - kRightMargin, 1);
    const int height = std::max(this->height() - kPlotTop - kBottomMargin, 1);
    plotView_->setGeometry(kPlotLeft, kPlotTop, width, height);
    legend_->setGeometry(kPlotLeft, 0, width, kPlotTop);
}

void GraphWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layOutPlot();
    if (isVisible())
        requestPlot();
}

int GraphWindow::plotColumns() const
{
    return std::max(static_cast<int>(std::lround(plotView_->width() * devicePixelRatioF())), 1);
}

// The plot worker's own picture: the whole curve of a classic view at the default size, on a
// screen of one pixel per point.
bool GraphWindow::classicPicture() const
{
    return !spectrumButton_->isChecked() && range_.wholeCurve() &&
           plotView_->size() == QSize(kPlotWidth, kPlotHeight) && devicePixelRatioF() == 1;
}

// A logarithmic x axis (of a classic view) always shows the whole curve.
bool GraphWindow::zoomable() const
{
    return spectrumButton_->isChecked() || !logXButton_->isChecked();
}

const QImage& GraphWindow::shownPicture() const
{
    return plotView_->bitmap() == &frameImage_ ? frameImage_ : plotBitmap_;
}

bool GraphWindow::drawing() const
{
    return plot_->busy() || frame_->busy();
}

frameRequest GraphWindow::pictureRequest(QSize size, qreal scale, bool forPrint) const
{
    frameRequest r;
    r.view = view();
    // The same samples as on the screen, over the picture's columns.
    viewRange range = range_;
    range.setColumns(std::max(size.width(), 1));
    r.range = range;
    r.size = size;
    r.scale = scale;
    r.forPrint = forPrint;
    r.titles = forPrint;
    r.legend = forPrint;
    r.decimalSeparator = localeDecimalSeparator();
    return r;
}

void GraphWindow::updateLegend()
{
    std::vector<PlotLegend::entry> entries;
    if (const tdspvarPtr first = firstVariable()) {
        const tdspvarPtr second = secondVariable();
        for (const plotCurve& c : legendOrder(curvesOf(view(), *first, second.get())))
            entries.push_back({QColor::fromRgb(c.colour), c.name});
    }
    legend_->setEntries(std::move(entries));
}

void GraphWindow::requestPlot()
{
    const tdspvarPtr first = firstVariable();
    const tdspvarPtr second = secondVariable();
    const graphView v = view();
    // A new variable or view shows its whole curve; the columns follow the plot's width.
    const rangeSubject subject{first.get(), v.spectrum, v.layout};
    const std::int64_t count = first ? shownCount(v, *first) : 0;
    if (!(subject == rangeOf_) || count != range_.samples()) {
        rangeOf_ = subject;
        range_ = viewRange(count, plotColumns());
        cursor_.reset();
        pointed_ = 0;
    } else if (range_.columns() != plotColumns()) {
        range_.setColumns(plotColumns());
    }
    if (!zoomable())
        range_.home();
    updateLegend();

    if (!first || classicPicture()) {
        frame_->abort();
        plotView_->setBitmap(&plotBitmap_);
        plotView_->setImageScale(1);
        runGuarded([&] { plot_->request(first, second, mode()); }); // no thread: the error box
    } else {
        plot_->abort();
        const qreal scale = devicePixelRatioF();
        plotView_->setBitmap(&frameImage_);
        plotView_->setImageScale(scale);
        QFont font = plotView_->font();
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(QFontInfo(font).pixelSize() * scale))));
        const frameRequest r = pictureRequest(QSize(plotColumns(), std::max(1, static_cast<int>(std::lround(plotView_->height() * scale)))),
                                              scale, false);
        runGuarded([&] { frame_->request(first, second, generation_, r, font); });
    }
    updateMarker();
}

// ---- zoom ----

void GraphWindow::zoomAt(int column, double factor)
{
    if (!zoomable() || !firstVariable())
        return;
    range_.zoomAround(column, factor);
    requestPlot();
}

void GraphWindow::panBy(int columns)
{
    if (!zoomable() || range_.wholeCurve())
        return;
    range_.panByPixels(columns);
    requestPlot();
}

void GraphWindow::zoomToColumns(int from, int to)
{
    if (!zoomable() || !firstVariable())
        return;
    range_.zoomToPixels(from, to);
    requestPlot();
}

void GraphWindow::showWhole()
{
    if (range_.wholeCurve())
        return;
    range_.home();
    requestPlot();
}

// ---- cursor and readout ----

std::int64_t GraphWindow::positionAt(QPoint position) const
{
    const std::int64_t count = range_.samples();
    if (count <= 0)
        return 0;
    const bool logX = !spectrumButton_->isChecked() && logXButton_->isChecked();
    if (logX || classicPicture()) {
        // The graph's own rule: the fraction x / width, read on a logarithmic scale for log x.
        const int x = static_cast<int>(std::lround(position.x() * static_cast<double>(kPlotWidth) / plotView_->width()));
        return std::min(readoutIndex(count, readoutFraction(x, logX)), count - 1);
    }
    const extended at = std::floor(range_.positionAt(std::max(plotView_->columnAt(position.x()), 0)));
    return static_cast<std::int64_t>(std::clamp(at, extended(0), static_cast<extended>(count - 1)));
}

void GraphWindow::showReadout(QPoint position)
{
    const tdspvarPtr first = firstVariable();
    if (!first)
        return;
    if (classicPicture() || (!spectrumButton_->isChecked() && logXButton_->isChecked())) {
        // Exactly as the graph has always read: the index the mouse's fraction of the width gives.
        const tdspvarPtr second = secondVariable();
        const int x = static_cast<int>(std::lround(position.x() * static_cast<double>(kPlotWidth) / plotView_->width()));
        pointed_ = positionAt(position);
        showReadoutLines(readoutLines(*first, second.get(), x, logXButton_->isChecked(), logYButton_->isChecked(),
                                      localeDecimalSeparator()));
        return;
    }
    pointed_ = positionAt(position);
    showReadoutAt(pointed_);
}

extended GraphWindow::spectrumFloor(const tdspvar& variable)
{
    floorCache& cache = floors_[&variable == firstVariable().get() ? 0 : 1];
    if (cache.variable != &variable || cache.generation != generation_) {
        extended peak = 0;
        for (std::int64_t i = 0; i < variable.sampleCount(); ++i) {
            const extended m = modulusOf(variable.realSample(i), variable.imagSample(i));
            if (std::isfinite(m))
                peak = std::max(peak, m);
        }
        cache = {&variable, generation_, (peak > 0 ? decibelsOf(peak) : 0) - kDefaultDecibelRange};
    }
    return cache.floorDb;
}

void GraphWindow::showReadoutAt(std::int64_t position)
{
    const tdspvarPtr first = firstVariable();
    if (!first)
        return;
    const tdspvarPtr second = secondVariable();
    const graphView v = view();
    const char sep = localeDecimalSeparator();
    const std::int64_t count = shownCount(v, *first);
    // The second variable is spread over the same width: the same fraction of its own length.
    const auto secondPosition = [&](const tdspvar& s) {
        return count > 0 ? static_cast<std::int64_t>(static_cast<extended>(position) * shownCount(v, s) / count) : 0;
    };
    if (!v.spectrum) {
        showReadoutLines(readoutLinesAt(*first, position, second.get(), second ? secondPosition(*second) : 0,
                                        v.classic.logX, v.classic.logY, sep));
        return;
    }
    std::vector<std::string> lines;
    const auto add = [&](const tdspvar& variable, int ordinal, std::int64_t at) {
        const spectrumAxis axis = spectrumAxisOf(variable, v.layout);
        const std::int64_t bin = axis.binAt(at);
        const extended modulus = modulusOf(variable.realSample(bin), variable.imagSample(bin));
        lines.push_back(fillText(kPositionLineText, {std::to_string(ordinal), std::to_string(bin)}));
        lines.push_back(fillText(kValueLineText, {formatGeneral(modulus, 5, sep)}));
        lines.push_back(frequencyReadout(axis, at, sep));
        lines.push_back(levelReadout(modulus, spectrumFloor(variable), sep));
    };
    add(*first, 1, position);
    if (second) {
        lines.emplace_back();
        add(*second, 2, secondPosition(*second));
    }
    showReadoutLines(std::move(lines));
}

const peakIndex& GraphWindow::peaks()
{
    const tdspvarPtr first = firstVariable();
    const graphView v = view();
    const graphView key{{}, v.spectrum, v.spectrum ? v.layout : spectrumLayout::full};
    if (first && (peaks_.variable != first.get() || peaks_.generation != generation_ || !(peaks_.view == key))) {
        // The shown magnitude: the spectrum's levels (the floor hides the noise below it), or
        // the samples' moduli.
        const std::vector<extended> values =
            curveValues(*first, v.spectrum ? curveQuantity::level : curveQuantity::modulus, v.layout);
        peaks_ = {first.get(), generation_, key, peakIndex(values)};
    }
    return peaks_.peaks;
}

void GraphWindow::stepCursor(int direction, bool toPeak)
{
    const std::int64_t count = range_.samples();
    if (count <= 0)
        return;
    const std::int64_t from = cursor_.value_or(pointed_);
    std::int64_t to = std::clamp<std::int64_t>(from + direction, 0, count - 1);
    if (toPeak) {
        const std::optional<std::int64_t> peak = direction > 0 ? peaks().next(from) : peaks().previous(from);
        if (!peak)
            return;
        to = *peak;
    }
    cursor_ = to;
    // A cursor that leaves the visible part takes the view along, centred on it.
    if (to < range_.first() || to >= range_.first() + range_.count()) {
        range_.panByPixels(static_cast<int>(std::lround(range_.columns() / 2.0 - range_.pixelOf(static_cast<extended>(to)))));
        requestPlot();
    }
    showReadoutAt(to);
    updateMarker();
}

void GraphWindow::placeCursor(QPoint position)
{
    if (!firstVariable())
        return;
    cursor_ = positionAt(position);
    showReadoutAt(*cursor_);
    updateMarker();
}

void GraphWindow::updateMarker()
{
    const tdspvarPtr first = firstVariable();
    if (!cursor_ || !first) {
        plotView_->setMarker(std::nullopt);
        return;
    }
    const std::int64_t count = range_.samples();
    const bool logX = !spectrumButton_->isChecked() && logXButton_->isChecked();
    qreal column;
    if (logX) {
        const int width = classicPicture() ? kPlotWidth : plotColumns();
        column = std::trunc(std::log(static_cast<double>(*cursor_) + 1) * (width - 1) / std::log(static_cast<double>(count) + 1));
    } else if (classicPicture()) {
        column = static_cast<qreal>((static_cast<std::int64_t>(kPlotWidth - 1) * *cursor_) / std::max<std::int64_t>(count, 1));
    } else {
        column = std::floor(static_cast<double>(range_.pixelOf(static_cast<extended>(*cursor_))));
    }
    plotView_->setMarker((column + 0.5) / plotView_->imageScale());
}
