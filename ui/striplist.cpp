#include "ui/striplist.h"

#include "ui/application.h"
#include "ui/thumbnailworker.h"
#include "ui/variablestrip.h"
#include "ui/workerthread.h"

#include <QTimer>

#include <algorithm>

namespace {

constexpr int kStripMargin = 1; // left edge of a strip, and the room left on its right

} // namespace

StripList::StripList(ThumbnailPool& thumbnails, QWidget* parent) : QWidget(parent), thumbnails_(thumbnails)
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void StripList::insert(const tdspvarPtr& variable, int index)
{
    auto* strip = new VariableStrip(variable, thumbnails_, this);
    strips_.insert(strips_.begin() + std::clamp(index, 0, static_cast<int>(strips_.size())), strip);
    connect(strip, &VariableStrip::popupRequested, this, [this](VariableStrip* s, const QPoint& at) {
        if (!s->variable())
            return;
        current_ = s->variable();
        emit popupRequested(at);
    });
    place();
    setMinimumHeight(stripTop(static_cast<int>(strips_.size())));
    strip->show();
    redraw(strip);
}

void StripList::remove(const tdspvarPtr& variable, int index)
{
    const bool atIndex = index >= 0 && index < static_cast<int>(strips_.size()) &&
                         strips_[static_cast<std::size_t>(index)]->variable() == variable;
    VariableStrip* strip = atIndex ? strips_[static_cast<std::size_t>(index)] : stripOf(*variable);
    if (!strip)
        return;
    strips_.erase(std::find(strips_.begin(), strips_.end(), strip));
    strip->detach();
    place(); // the strips below move up and close the gap
    setMinimumHeight(stripTop(static_cast<int>(strips_.size())));
}

void StripList::samplesChanged(const tdspvarPtr& variable)
{
    if (VariableStrip* strip = stripOf(*variable))
        redraw(strip);
}

void StripList::redraw(VariableStrip* strip)
{
    try {
        strip->redrawThumbnail();
    } catch (const threadStartError& error) {
        // Said once for a whole load of variables, after it: the variables are all there.
        if (failureShown_)
            return;
        failureShown_ = true;
        QTimer::singleShot(0, this, [this, error] {
            showCommandError(&error);
            failureShown_ = false;
        });
    }
}

void StripList::detailsChanged(const tdspvarPtr& variable)
{
    if (VariableStrip* strip = stripOf(*variable))
        strip->update();
}

VariableStrip* StripList::stripOf(const tdspvar& variable) const
{
    for (VariableStrip* strip : strips_)
        if (strip->variable().get() == &variable)
            return strip;
    return nullptr;
}

int StripList::thumbnailsDrawing() const
{
    return thumbnails_.runningCount();
}

bool StripList::isSelected(const tdspvar& variable) const
{
    const VariableStrip* strip = stripOf(variable);
    return strip && strip->isSelected();
}

void StripList::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    place();
}

void StripList::place()
{
    const int width = this->width() - 2 * kStripMargin;
    for (std::size_t k = 0; k < strips_.size(); ++k)
        strips_[k]->setGeometry(kStripMargin, stripTop(static_cast<int>(k)), width, VariableStrip::kHeight);
}
