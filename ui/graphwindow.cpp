#include "ui/graphwindow.h"

#include "core/workspace.h"
#include "ui/application.h"
#include "ui/localenumber.h"
#include "plot/plotscale.h"
#include "ui/graphworker.h"
#include "ui/bitmapview.h"
#include "ui/cursorreadout.h"
#include "ui/objectnames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
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

ClickLabel* clickLabel(QWidget* parent, const QString& text, int left, int top, QWidget* buddy,
                        std::function<void()> onClick)
{
    auto* label = new ClickLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    label->setBuddy(buddy); // shows the underlined letter and takes its Alt shortcut
    label->onClick = std::move(onClick);
    return label;
}

QStringList toQStringList(const std::vector<std::string>& names)
{
    QStringList list;
    for (const std::string& name : names)
        list.append(QString::fromStdString(name));
    return list;
}

} // namespace

GraphWindow::GraphWindow(const Collaborators& with, QWidget* parent)
    : QDialog(parent), workspace_(with.workspace), plotBitmap_(with.plotBitmap)
{
    setObjectName(QStringLiteral("TForm9"));
    setWindowTitle(QStringLiteral("Grafic"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(533, 307);

    Label1 = new QLabel(QStringLiteral("Variabila 1"), this);
    Label1->move(8, 8);
    Label1->adjustSize();
    ComboBox1 = new QComboBox(this);
    ComboBox1->setGeometry(8, 24, 121, 21);
    CheckBox1 = new QCheckBox(QStringLiteral("Variabila 2"), this);
    CheckBox1->setGeometry(8, 56, 73, 17);
    // The caption must not be clipped in a wider font; nothing lies to its right.
    if (CheckBox1->sizeHint().width() > CheckBox1->width())
        CheckBox1->resize(CheckBox1->sizeHint().width(), CheckBox1->height());
    ComboBox2 = new QComboBox(this);
    ComboBox2->setGeometry(8, 74, 121, 21);
    ComboBox2->setEnabled(false);

    Memo1 = new CursorReadout(this);
    Memo1->setGeometry(8, 104, 121, 105);

    SpeedButton3 = toggleButton(this, 106, 213, polarIcon());
    SpeedButton3->setChecked(true);
    SpeedButton1 = toggleButton(this, 106, 245, logYIcon());
    SpeedButton2 = toggleButton(this, 106, 277, logXIcon());
    Label2 = clickLabel(this, QStringLiteral("Cartezian / &Polar"), 8, 220, SpeedButton3,
                        [this] { togglePolar(); });
    Label3 = clickLabel(this, QStringLiteral("Axa &Y logaritmica"), 8, 250, SpeedButton1,
                        [this] { toggleLogY(); });
    Label4 = clickLabel(this, QStringLiteral("Axa &X logaritmica"), 8, 280, SpeedButton2,
                        [this] { toggleLogX(); });

    tBmpLnk1 = new BitmapView(this);
    tBmpLnk1->move(137, 12);
    tBmpLnk1->setBitmap(&plotBitmap_);
    plot_ = std::make_unique<PlotRequest>(&plotBitmap_, tBmpLnk1, with.startThread);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { variablesChanged(); });
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this] { variablesChanged(); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { secondVariableToggled(); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { polarToggled(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { logYToggled(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { logXToggled(); });
    connect(tBmpLnk1, &BitmapView::mouseMoved, this, [this](QPoint p) { showReadout(p); });
    setObjectNames({{Label1, "Label1"}, {ComboBox1, "ComboBox1"}, {CheckBox1, "CheckBox1"},
                    {ComboBox2, "ComboBox2"}, {Memo1, "Memo1"}, {Label2, "Label2"},
                    {SpeedButton3, "SpeedButton3"}, {Label3, "Label3"}, {SpeedButton1, "SpeedButton1"},
                    {Label4, "Label4"}, {SpeedButton2, "SpeedButton2"}, {tBmpLnk1, "tBmpLnk1"}});
}

// The plot request goes first: its worker may still be handing over steps that repaint
// tBmpLnk1, so it is stopped while the controls exist.
GraphWindow::~GraphWindow()
{
    plot_.reset();
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
    QDialog::done(result);
}

void GraphWindow::prepareForShow()
{
    std::vector<std::string> names;
    workspace_.variableNameList(names);
    const QStringList items = toQStringList(names);

    const QSignalBlocker block1(ComboBox1);
    const QSignalBlocker block2(ComboBox2);
    CheckBox1->setChecked(false);
    ComboBox1->clear();
    ComboBox1->addItems(items);
    int current = 0;
    if (current_) {
        const int found = items.indexOf(QString::fromStdString(asciiLower(current_->name())));
        if (found >= 0)
            current = found;
    }
    ComboBox1->setCurrentIndex(items.isEmpty() ? -1 : current);
    ComboBox2->clear();
    ComboBox2->addItems(items);
    ComboBox2->setCurrentIndex(items.isEmpty() ? -1 : 0);
    ComboBox2->setEnabled(false);
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
    const tdspvarPtr first = selectedVariable(ComboBox1);
    const tdspvarPtr second = CheckBox1->isChecked() ? selectedVariable(ComboBox2) : nullptr;
    SpeedButton3->setEnabled((first && first->isComplex()) || (second && second->isComplex()));
    requestPlot();
}

void GraphWindow::secondVariableToggled()
{
    ComboBox2->setEnabled(CheckBox1->isChecked());
    requestPlot();
}

void GraphWindow::polarToggled()
{
    if (!SpeedButton3->isChecked())
        SpeedButton1->setChecked(false);
    requestPlot();
}

void GraphWindow::logYToggled()
{
    if (SpeedButton1->isChecked())
        SpeedButton3->setChecked(true);
    requestPlot();
}

void GraphWindow::logXToggled()
{
    requestPlot();
}

void GraphWindow::togglePolar()
{
    if (!SpeedButton3->isEnabled())
        return;
    SpeedButton3->toggle();
    polarToggled();
}

void GraphWindow::toggleLogY()
{
    SpeedButton1->toggle();
    logYToggled();
}

void GraphWindow::toggleLogX()
{
    SpeedButton2->toggle();
    logXToggled();
}

int GraphWindow::modeWord() const
{
    return plotModeWord(SpeedButton2->isChecked(), SpeedButton3->isEnabled(),
                        SpeedButton3->isChecked(), SpeedButton1->isChecked());
}

void GraphWindow::requestPlot()
{
    const tdspvarPtr first = selectedVariable(ComboBox1);
    const tdspvarPtr second = CheckBox1->isChecked() ? selectedVariable(ComboBox2) : nullptr;
    runGuarded([&] { plot_->request(first, second, modeWord()); }); // no thread: the error box
}

void GraphWindow::showReadout(QPoint position)
{
    const tdspvarPtr first = selectedVariable(ComboBox1);
    if (!first)
        return;
    const tdspvarPtr second = CheckBox1->isChecked() ? selectedVariable(ComboBox2) : nullptr;
    const std::vector<std::string> lines =
        readoutLines(*first, second.get(), position.x(), SpeedButton2->isChecked(),
                     SpeedButton1->isChecked(), localeDecimalSeparator());
    Memo1->showLines(toQStringList(lines));
}
