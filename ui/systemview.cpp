#include "ui/systemview.h"

#include "dsp/frequencyresponse.h"
#include "dsp/systemanalysis.h"
#include "ui/objectnames.h"
#include "ui/polezeroplot.h"
#include "ui/responseplot.h"
#include "ui/showntexts.h"

#include <QEvent>

#include <QGridLayout>
#include <QLabel>

namespace {

constexpr QRgb kFine = qRgb(0, 110, 0);
constexpr QRgb kTrouble = qRgb(170, 0, 0);


} // namespace

SystemView::SystemView(int planeSize, QWidget* parent) : QWidget(parent)
{
    plane_ = new PoleZeroPlot(this);
    plane_->setFixedSize(planeSize, planeSize);
    response_ = new ResponsePlot(this);
    response_->setMinimumHeight(planeSize);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->addWidget(plane_, 0, 0);
    grid->addWidget(response_, 0, 1);
    grid->addWidget(note_, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    setObjectNames({{plane_, "PoleZeroPlot"}, {response_, "ResponsePlot"}, {note_, "StabilityNote"}});
}

void SystemView::setSystem(const transferFunction& h, double rate)
{
    const systemAnalysis analysis = analyseSystem(h);
    plane_->setAnalysis(analysis);
    response_->setResponse(computeFrequencyResponse(h, ResponsePlot::kPoints), rate);
    const bool fine = analysis.problem == systemProblem::none && analysis.verdict == stabilityVerdict::stable;
    QPalette colours = note_->palette();
    colours.setColor(QPalette::WindowText, QColor(fine ? kFine : kTrouble));
    note_->setPalette(colours);
    problem_ = systemProblemMessage(analysis.problem);
    verdict_ = stabilityMessage(analysis.verdict);
    showNote();
}

void SystemView::clear()
{
    plane_->setAnalysis({});
    response_->setResponse({}, 0);
    problem_ = verdict_ = {};
    showNote();
}

// The note for an analysis: why it failed, or the verdict (with the zero numerator's remark).
void SystemView::showNote()
{
    QString text = shownText(problem_);
    if (!verdict_.empty()) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += shownText(verdict_);
    }
    note_->setText(text);
}

void SystemView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        showNote();
    QWidget::changeEvent(event);
}

QString SystemView::note() const
{
    return note_->text();
}
