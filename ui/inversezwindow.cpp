#include "ui/inversezwindow.h"

#include "core/numformat.h"
#include "core/workspace.h"
#include "dsp/transferfunction.h"
#include "dsp/zinverse.h"
#include "ui/localenumber.h"
#include "ui/narrowlabel.h"
#include "ui/objectnames.h"
#include "ui/systempanel.h"
#include "ui/typedsystem.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int kRowHeight = 16;
constexpr int kMaxCopiedSamples = 10;
constexpr int kClientWidth = 433;
constexpr int kClientHeight = 334;
static_assert(InverseZWindow::kRows == kSeriesTerms);

} // namespace

InverseZWindow::InverseZWindow(const Collaborators& with, QWidget* parent)
    : QDialog(parent), workspace_(with.workspace), typedSystem_(with.typedSystem)
{
    setObjectName(QStringLiteral("TForm10"));
    texts_.bind(QT_TR_NOOP("Transformata z inversa"), [this](const QString& t) { setWindowTitle(t); });
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    instructionLabel_ = new QLabel(this);
    instructionLabel_->move(8, 8);
    bindLabel(instructionLabel_, QT_TR_NOOP("Introduceti coeficientii polinomului, separati prin "
                                            "virgula (,) incapand cu termenul liber."),
              kClientWidth - 8 - 8);

    numeratorEdit_ = new QLineEdit(QStringLiteral("1"), this);
    numeratorEdit_->setGeometry(64, 32, 337, 21);
    denominatorEdit_ = new QLineEdit(QStringLiteral("1"), this);
    denominatorEdit_->setGeometry(64, 56, 337, 21);

    numeratorLabel_ = new QLabel(this);
    numeratorLabel_->setBuddy(numeratorEdit_);
    numeratorLabel_->move(8, 35);
    bindLabel(numeratorLabel_, QT_TR_NOOP("Num&arator :"), 64 - 8 - 2);
    denominatorLabel_ = new QLabel(this);
    denominatorLabel_->setBuddy(denominatorEdit_);
    denominatorLabel_->move(8, 60);
    bindLabel(denominatorLabel_, QT_TR_NOOP("&Numitor :"), 64 - 8 - 2);

    fractionBar_ = new QFrame(this);
    fractionBar_->setFrameShape(QFrame::HLine);
    fractionBar_->setFrameShadow(QFrame::Plain);
    fractionBar_->setLineWidth(1);
    fractionBar_->setGeometry(56, 54, 376, 1);

    numeratorButton_ = new QPushButton(QStringLiteral("<v"), this);
    numeratorButton_->setGeometry(405, 32, 20, 20);
    denominatorButton_ = new QPushButton(QStringLiteral("<v"), this);
    denominatorButton_->setGeometry(405, 57, 20, 20);
    for (QPushButton* button : {numeratorButton_, denominatorButton_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    seriesGrid_ = new QTableWidget(kRows, 2, this);
    seriesGrid_->setGeometry(8, 88, 417, 241);
    seriesGrid_->verticalHeader()->hide();
    seriesGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    seriesGrid_->verticalHeader()->setMinimumSectionSize(kRowHeight);
    seriesGrid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = seriesGrid_->horizontalHeader();
    header->setFixedHeight(kRowHeight + 1);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    seriesGrid_->setColumnWidth(0, 31);
    seriesGrid_->setColumnWidth(1, 363);
    seriesGrid_->setShowGrid(true);
    seriesGrid_->setWordWrap(false);
    seriesGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    seriesGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    seriesGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    seriesGrid_->setTabKeyNavigation(false);
    seriesGrid_->setHorizontalHeaderItem(0, new QTableWidgetItem);
    seriesGrid_->setHorizontalHeaderItem(1, new QTableWidgetItem);
    texts_.bind(QT_TR_NOOP("Nr."), [this](const QString& t) { seriesGrid_->horizontalHeaderItem(0)->setText(t); });
    texts_.bind(QT_TR_NOOP("Valoare"), [this](const QString& t) { seriesGrid_->horizontalHeaderItem(1)->setText(t); });
    for (int row = 0; row < kRows; ++row) {
        seriesGrid_->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
        seriesGrid_->setItem(row, 1, new QTableWidgetItem);
    }

    variableMenu_ = new QMenu(this);

    // The panel is asked for from the table's context menu, by Ctrl+P, or from the main menu; the
    // window's own controls keep their places, so it looks as it always did until the panel opens.
    panelAction_ = new QAction(this);
    texts_.text(panelAction_, QT_TR_NOOP("Poli si zerouri / Raspuns"));
    panelAction_->setCheckable(true);
    panelAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    panelAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(panelAction_);
    seriesGrid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    seriesGrid_->addAction(panelAction_);
    panel_ = new SystemPanel({.workspace = with.workspace, .nameCorrection = with.nameCorrection,
                              .windowNames = with.windowNames, .showVariable = with.showVariable},
                             this);
    panel_->setGeometry(kClientWidth, 0, SystemPanel::kWidth, kClientHeight);
    panel_->hide();
    connect(panelAction_, &QAction::triggered, this, [this](bool open) { setPanelOpen(open); });
    connect(panel_, &SystemPanel::designChosen, this, [this](const QString& numerator, const QString& denominator) {
        numeratorEdit_->setText(numerator);
        denominatorEdit_->setText(denominator);
    });

    setTabOrder(numeratorEdit_, denominatorEdit_);
    setTabOrder(denominatorEdit_, numeratorButton_);
    setTabOrder(numeratorButton_, denominatorButton_);
    setTabOrder(denominatorButton_, seriesGrid_);

    connect(numeratorEdit_, &QLineEdit::textChanged, this, &InverseZWindow::recomputeSeries);
    connect(denominatorEdit_, &QLineEdit::textChanged, this, &InverseZWindow::recomputeSeries);
    connect(numeratorButton_, &QPushButton::clicked, this,
            [this] { offerVariables(field::numerator, numeratorButton_); });
    connect(denominatorButton_, &QPushButton::clicked, this,
            [this] { offerVariables(field::denominator, denominatorButton_); });
    setObjectNames({{instructionLabel_, "Label1"}, {numeratorLabel_, "Label2"}, {denominatorLabel_, "Label3"},
                    {numeratorEdit_, "Edit1"}, {denominatorEdit_, "Edit2"}, {fractionBar_, "Bevel1"},
                    {numeratorButton_, "Button1"}, {denominatorButton_, "Button2"},
                    {seriesGrid_, "StringGrid1"}, {variableMenu_, "PopupMenu1"},
                    {panelAction_, "PanelAction"}, {panel_, "SystemPanel"}});
}

void InverseZWindow::bindLabel(QLabel* label, const char* source, int maxWidth)
{
    texts_.bind(source, [label, maxWidth](const QString& t) {
        label->setText(t);
        // A font wider than the one the layout was made for would run the instruction past the
        // window and the field captions under the fields.
        narrowToFit(label, maxWidth);
        label->adjustSize();
    });
}

void InverseZWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        texts_.retranslate();
    QDialog::changeEvent(event);
}

void InverseZWindow::setPanelOpen(bool open)
{
    panel_->setVisible(open);
    panelAction_->setChecked(open);
    setFixedSize(kClientWidth + (open ? SystemPanel::kWidth : 0), kClientHeight);
    if (open)
        recomputeSeries();
}

bool InverseZWindow::panelOpen() const
{
    return !panel_->isHidden();
}

QString InverseZWindow::coefficientText(const tdspvar& variable)
{
    const int count = std::min(variable.sampleCount(), kMaxCopiedSamples);
    QStringList parts;
    for (int i = count - 1; i >= 0; --i)
        parts.append(QString::fromStdString(formatGeneral(variable.sampleModulus(i), 15, '.')));
    return parts.join(QStringLiteral(" , "));
}

void InverseZWindow::fillFromVariable(field target, const tdspvar& variable)
{
    (target == field::numerator ? numeratorEdit_ : denominatorEdit_)->setText(coefficientText(variable));
}

void InverseZWindow::offerVariables(field target, QPushButton* button)
{
    variableMenu_->clear();
    for (const tdspvarPtr& variable : workspace_.variables()) {
        QString caption = QString::fromStdString(variable->name());
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        std::weak_ptr<tdspvar> chosen = variable;
        connect(variableMenu_->addAction(caption), &QAction::triggered, this, [this, target, chosen] {
            if (const tdspvarPtr v = chosen.lock())
                fillFromVariable(target, *v);
        });
    }
    if (variableMenu_->isEmpty())
        return;
    // The menu's right edge stands at (window left + button left, window top + button top).
    const QPoint anchor(frameGeometry().left() + button->x(), frameGeometry().top() + button->y());
    variableMenu_->popup(QPoint(anchor.x() - variableMenu_->sizeHint().width(), anchor.y()));
}

void InverseZWindow::recomputeSeries()
{
    for (int row = 0; row < kRows; ++row)
        seriesGrid_->item(row, 0)->setText(QString::number(row + 1));
    const std::vector<extended> numerator = readCoefficients(numeratorEdit_->text().toStdString());
    const std::vector<extended> denominator = readCoefficients(denominatorEdit_->text().toStdString());
    const auto series = inverseZSeries(numerator, denominator);
    if (typedSystem_)
        typedSystem_->set(numeratorEdit_->text(), denominatorEdit_->text());
    if (panelOpen())
        panel_->showSystem(numeratorEdit_->text(), denominatorEdit_->text(),
                           systemFromTypedLists(numerator, denominator), series);
    if (!series)
        return; // no usable denominator: the values stay as they were
    const char separator = localeDecimalSeparator();
    for (int row = 0; row < kRows; ++row)
        seriesGrid_->item(row, 1)->setText(
            QString::fromStdString(formatGeneral((*series)[row], 15, separator)));
}

void InverseZWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        recomputeSeries();
    QDialog::showEvent(event);
}
