#include "ui/graphwindow.h"

#include "core/workspace.h"
#include "ui/application.h"
#include "ui/localenumber.h"
#include "plot/plotscale.h"
#include "ui/graphworker.h"
#include "ui/cursorreadout.h"
#include "ui/frameplotter.h"
#include "ui/objectnames.h"
#include "ui/plotlegend.h"
#include "ui/plotview.h"
#include "ui/showntexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolButton>

#include <cmath>
#include <functional>

namespace {

// A label that acts on a click and on its Alt+letter shortcut (the underlined letter of its
// text), instead of moving the focus to its buddy.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::Shortcut) {
            if (onClick)
                onClick();
            return true;
        }
        return QLabel::event(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick)
            onClick();
        QLabel::mouseReleaseEvent(e);
    }
};

constexpr int kIconSize = 16;
constexpr int kSecondBoxWidth = 73;

// The three toggle icons, 16 x 16, black on white.
QIcon toggleIcon(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 0));
    draw(painter);
    return QIcon(pixmap);
}

QIcon polarIcon()
{
    return toggleIcon([](QPainter& p) {
        p.drawEllipse(1, 1, 13, 13);
        p.drawLine(7, 7, 12, 3); // a radius
        p.setPen(QPen(Qt::black, 0, Qt::DotLine));
        p.drawLine(0, 7, 15, 7); // the real axis
    });
}

QIcon logYIcon()
{
    return toggleIcon([](QPainter& p) {
        for (const int y : {0, 1, 3, 6, 10, 15})
            p.drawLine(1, y, 14, y);
    });
}

QIcon logXIcon()
{
    return toggleIcon([](QPainter& p) {
        for (const int x : {0, 5, 9, 12, 14, 15})
            p.drawLine(x, 1, x, 14);
    });
}

QIcon spectrumIcon()
{
    return toggleIcon([](QPainter& p) {
        p.drawLine(0, 15, 15, 15); // the frequency axis
        int x = 1;
        for (const int top : {12, 10, 3, 9, 12, 13, 6, 12})
            p.drawLine(x, top, x, 14), x += 2; // bins with two peaks
    });
}

QToolButton* toggleButton(QWidget* parent, int left, int top, const QIcon& icon)
{
    auto* button = new QToolButton(parent);
    button->setGeometry(left, top, 25, 25);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setIcon(icon);
    button->setIconSize(QSize(kIconSize, kIconSize));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

ClickLabel* clickLabel(QWidget* parent, int left, int top, QWidget* buddy, std::function<void()> onClick)
{
    auto* label = new ClickLabel(parent);
    label->move(left, top);
    label->setBuddy(buddy); // shows the underlined letter and takes its Alt shortcut
    label->onClick = std::move(onClick);
    return label;
}

} // namespace

QStringList GraphWindow::textLines(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list.append(QString::fromStdString(line));
    return list;
}

void GraphWindow::bindTexts()
{
    texts_.bind(QT_TR_NOOP("Grafic"), [this](const QString& t) { setWindowTitle(t); });
    texts_.bind(QT_TR_NOOP("Variabila 1"), [this](const QString& t) {
        firstLabel_->setText(t);
        firstLabel_->adjustSize();
    });
    texts_.bind(QT_TR_NOOP("Variabila 2"), [this](const QString& t) {
        secondBox_->setText(t);
        // The caption must not be clipped in a wider font; nothing lies to its right.
        secondBox_->resize(std::max(kSecondBoxWidth, secondBox_->sizeHint().width()), secondBox_->height());
    });
    const auto labelText = [this](QLabel* label) {
        return [label](const QString& t) {
            label->setText(t);
            label->adjustSize();
        };
    };
    texts_.bind(QT_TR_NOOP("Cartezian / &Polar"), labelText(polarLabel_));
    texts_.bind(QT_TR_NOOP("Axa &Y logaritmica"), labelText(logYLabel_));
    texts_.bind(QT_TR_NOOP("Axa &X logaritmica"), labelText(logXLabel_));
    // The spectrum's label stands at the top right of the column, whatever its length.
    texts_.bind(QT_TR_NOOP("&Spectru"), [this](const QString& t) {
        spectrumLabel_->setText(t);
        spectrumLabel_->adjustSize();
        spectrumLabel_->move(129 - spectrumLabel_->width(), 8);
    });
    texts_.bind(QT_TR_NOOP("Spectru: x in Hz, |X| in dB (clic dreapta: asezarea)"),
                [this](const QString& t) { spectrumButton_->setToolTip(t); });
}

GraphWindow::GraphWindow(const Collaborators& with, QWidget* parent)
    : QDialog(parent), workspace_(with.workspace), plotBitmap_(with.plotBitmap)
{
    setObjectName(QStringLiteral("TForm9"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    // The controls keep their places; the plot takes whatever the window grows by.
    setMinimumSize(kDefaultWidth, kDefaultHeight);
    resize(kDefaultWidth, kDefaultHeight);

    firstLabel_ = new QLabel(this);
    firstLabel_->move(8, 8);
    firstList_ = new QComboBox(this);
    firstList_->setGeometry(8, 24, 121, 21);
    secondBox_ = new QCheckBox(this);
    secondBox_->setGeometry(8, 56, kSecondBoxWidth, 17);
    secondList_ = new QComboBox(this);
    secondList_->setGeometry(8, 74, 121, 21);
    secondList_->setEnabled(false);

    readout_ = new CursorReadout(this);
    readout_->setGeometry(8, 104, 121, 105);

    polarButton_ = toggleButton(this, 106, 213, polarIcon());
    polarButton_->setChecked(true);
    logYButton_ = toggleButton(this, 106, 245, logYIcon());
    logXButton_ = toggleButton(this, 106, 277, logXIcon());
    polarLabel_ = clickLabel(this, 8, 220, polarButton_, [this] { togglePolar(); });
    logYLabel_ = clickLabel(this, 8, 250, logYButton_, [this] { toggleLogY(); });
    logXLabel_ = clickLabel(this, 8, 280, logXButton_, [this] { toggleLogX(); });

    // The spectrum toggle sits in the free corner right of "Variabila 2", its label at the top
    // right of the column.
    spectrumButton_ = toggleButton(this, 104, 47, spectrumIcon());
    spectrumLabel_ = clickLabel(this, 0, 8, spectrumButton_, [this] { toggleSpectrum(); });
    bindTexts();

    plotView_ = new PlotView(this);
    plotView_->setBitmap(&plotBitmap_);
    legend_ = new PlotLegend(this);
    plot_ = std::make_unique<PlotRequest>(&plotBitmap_, plotView_, with.startThread);
    frame_ = std::make_unique<FramePlot>(&frameImage_, plotView_, with.startThread);
    layOutPlot();

    layoutMenu_ = new QMenu(this);
    static const std::pair<const char*, const char*> layouts[] = {
        {"SpectrumFull1", QT_TR_NOOP("Spectru &complet (0 .. fs)")},
        {"SpectrumCentred1", QT_TR_NOOP("Spectru c&entrat (-fs/2 .. fs/2)")},
        {"SpectrumOneSided1", QT_TR_NOOP("Spectru &unilateral (0 .. fs/2)")},
    };
    for (std::size_t k = 0; k < std::size(layouts); ++k) {
        QAction* action = layoutMenu_->addAction(QString());
        action->setObjectName(QString::fromLatin1(layouts[k].first));
        texts_.text(action, layouts[k].second);
        action->setCheckable(true);
        const auto layout = static_cast<spectrumLayout>(k);
        connect(action, &QAction::triggered, this, [this, layout] { chooseLayout(layout); });
        layoutActions_[k] = action;
    }
    layoutActions_[0]->setChecked(true);
    layoutMenu_->addSeparator();
    QAction* whole = layoutMenu_->addAction(QString());
    texts_.text(whole, QT_TR_NOOP("&Tot semnalul (Home)"));
    connect(whole, &QAction::triggered, this, [this] { showWhole(); });
    for (QWidget* w : {static_cast<QWidget*>(spectrumButton_), static_cast<QWidget*>(spectrumLabel_)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](QPoint at) { layoutMenu_->popup(w->mapToGlobal(at)); });
    }

    connect(firstList_, &QComboBox::currentIndexChanged, this, [this] { variablesChanged(); });
    connect(secondList_, &QComboBox::currentIndexChanged, this, [this] { variablesChanged(); });
    connect(secondBox_, &QCheckBox::clicked, this, [this] { secondVariableToggled(); });
    connect(polarButton_, &QToolButton::clicked, this, [this] { polarToggled(); });
    connect(logYButton_, &QToolButton::clicked, this, [this] { logYToggled(); });
    connect(logXButton_, &QToolButton::clicked, this, [this] { logXToggled(); });
    connect(spectrumButton_, &QToolButton::clicked, this, [this] { spectrumToggled(); });
    connect(plotView_, &BitmapView::mouseMoved, this, [this](QPoint p) { showReadout(p); });
    connect(plotView_, &BitmapView::clicked, this, [this](QPoint p) { placeCursor(p); });
    connect(plotView_, &PlotView::zoomed, this, [this](int column, double factor) { zoomAt(column, factor); });
    connect(plotView_, &PlotView::panned, this, [this](int columns) { panBy(columns); });
    connect(plotView_, &PlotView::rectangleChosen, this, [this](int a, int b) { zoomToColumns(a, b); });
    connect(plotView_, &PlotView::homeAsked, this, [this] { showWhole(); });
    connect(plotView_, &PlotView::cursorStepped, this, [this](int d, bool peak) { stepCursor(d, peak); });
    connect(plotView_, &PlotView::menuAsked, this, [this](QPoint at) { layoutMenu_->popup(at); });
    setObjectNames({{firstLabel_, "Label1"}, {firstList_, "ComboBox1"}, {secondBox_, "CheckBox1"},
                    {secondList_, "ComboBox2"}, {readout_, "Memo1"}, {polarLabel_, "Label2"},
                    {polarButton_, "SpeedButton3"}, {logYLabel_, "Label3"}, {logYButton_, "SpeedButton1"},
                    {logXLabel_, "Label4"}, {logXButton_, "SpeedButton2"}, {spectrumLabel_, "Label5"},
                    {spectrumButton_, "SpeedButton4"}, {plotView_, "tBmpLnk1"}, {legend_, "Legend1"},
                    {layoutMenu_, "LayoutMenu1"}});
}

// The plot request goes first: its worker may still be handing over steps that repaint
// tBmpLnk1, so it is stopped while the controls exist.
GraphWindow::~GraphWindow()
{
    plot_.reset();
    frame_.reset();
}

void GraphWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        texts_.retranslate();
        showReadoutLines(readoutLines_); // the readout's words, the legend's and the axis titles'
        if (isVisible())
            requestPlot();
    }
    QDialog::changeEvent(event);
}

void GraphWindow::showReadoutLines(std::vector<std::string> lines)
{
    QStringList shown;
    for (const std::string& line : lines)
        shown.append(shownText(line));
    readout_->showLines(shown);
    readoutLines_ = std::move(lines);
}

void GraphWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        prepareForShow();
}

void GraphWindow::done(int result)
{
    plot_->abort();
    frame_->abort();
    QDialog::done(result);
}

void GraphWindow::prepareForShow()
{
    std::vector<std::string> names;
    workspace_.variableNameList(names);
    const QStringList items = textLines(names);

    ++generation_; // the variables may have changed since the last showing
    cursor_.reset();
    rangeOf_ = {}; // each showing starts on the whole curve
    const QSignalBlocker block1(firstList_);
    const QSignalBlocker block2(secondList_);
    secondBox_->setChecked(false);
    firstList_->clear();
    firstList_->addItems(items);
    int current = 0;
    if (current_) {
        const int found = items.indexOf(QString::fromStdString(asciiLower(current_->name())));
        if (found >= 0)
            current = found;
    }
    firstList_->setCurrentIndex(items.isEmpty() ? -1 : current);
    secondList_->clear();
    secondList_->addItems(items);
    secondList_->setCurrentIndex(items.isEmpty() ? -1 : 0);
    secondList_->setEnabled(false);
    variablesChanged();
}

tdspvarPtr GraphWindow::selectedVariable(const QComboBox* box) const
{
    if (box->currentIndex() < 0)
        return nullptr;
    return workspace_.findVariable(box->currentText().toStdString());
}

void GraphWindow::variablesChanged()
{
    const tdspvarPtr first = selectedVariable(firstList_);
    const tdspvarPtr second = secondBox_->isChecked() ? selectedVariable(secondList_) : nullptr;
    polarButton_->setEnabled((first && first->isComplex()) || (second && second->isComplex()));
    requestPlot();
}

void GraphWindow::secondVariableToggled()
{
    secondList_->setEnabled(secondBox_->isChecked());
    requestPlot();
}

void GraphWindow::polarToggled()
{
    spectrumButton_->setChecked(false); // the classic toggles take over from the spectrum
    if (!polarButton_->isChecked())
        logYButton_->setChecked(false);
    requestPlot();
}

void GraphWindow::logYToggled()
{
    spectrumButton_->setChecked(false);
    if (logYButton_->isChecked())
        polarButton_->setChecked(true);
    requestPlot();
}

void GraphWindow::logXToggled()
{
    spectrumButton_->setChecked(false);
    requestPlot();
}

void GraphWindow::spectrumToggled()
{
    cursor_.reset();
    requestPlot();
}

void GraphWindow::toggleSpectrum()
{
    spectrumButton_->toggle();
    spectrumToggled();
}

void GraphWindow::chooseLayout(spectrumLayout layout)
{
    layout_ = layout;
    for (std::size_t k = 0; k < layoutActions_.size(); ++k)
        layoutActions_[k]->setChecked(static_cast<std::size_t>(layout) == k);
    spectrumButton_->setChecked(true);
    spectrumToggled();
}

void GraphWindow::togglePolar()
{
    if (!polarButton_->isEnabled())
        return;
    polarButton_->toggle();
    polarToggled();
}

void GraphWindow::toggleLogY()
{
    logYButton_->toggle();
    logYToggled();
}

void GraphWindow::toggleLogX()
{
    logXButton_->toggle();
    logXToggled();
}

plotMode GraphWindow::mode() const
{
    return plotModeOf(logXButton_->isChecked(), polarButton_->isEnabled(), polarButton_->isChecked(),
                      logYButton_->isChecked());
}

graphView GraphWindow::view() const
{
    return {mode(), spectrumButton_->isChecked(), layout_};
}

tdspvarPtr GraphWindow::firstVariable() const
{
    return selectedVariable(firstList_);
}

tdspvarPtr GraphWindow::secondVariable() const
{
    return secondBox_->isChecked() ? selectedVariable(secondList_) : nullptr;
}
