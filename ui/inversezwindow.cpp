#include "ui/inversezwindow.h"

#include "core/numformat.h"
#include "core/workspace.h"
#include "dsp/zinverse.h"
#include "ui/localenumber.h"
#include "ui/objectnames.h"

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
static_assert(InverseZWindow::kRows == kSeriesTerms);

// Labels stand at fixed places; a program font wider than the one the layout was made for
// would run the instruction past the window and the field captions under the fields, so such a
// label's font is narrowed horizontally until the text fits.
void fitLabel(QLabel* label, int maxWidth)
{
    label->adjustSize();
    QFont narrow = label->font();
    int stretch = 100;
    while (label->width() > maxWidth && stretch > 50) {
        stretch = std::max(50, std::min(stretch - 1, stretch * maxWidth / label->width()));
        narrow.setStretch(stretch);
        label->setFont(narrow);
        label->adjustSize();
    }
}

} // namespace

InverseZWindow::InverseZWindow(const tworkspace& workspace, QWidget* parent)
    : QDialog(parent), workspace_(workspace)
{
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QStringLiteral("Transformata z inversa"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(433, 334);

    Label1 = new QLabel(QStringLiteral("Introduceti coeficientii polinomului, separati prin virgula (,) "
                                       "incapand cu termenul liber."),
                        this);
    Label1->move(8, 8);
    fitLabel(Label1, 433 - 8 - 8);

    Edit1 = new QLineEdit(QStringLiteral("1"), this);
    Edit1->setGeometry(64, 32, 337, 21);
    Edit2 = new QLineEdit(QStringLiteral("1"), this);
    Edit2->setGeometry(64, 56, 337, 21);

    Label2 = new QLabel(QStringLiteral("Num&arator :"), this);
    Label2->setBuddy(Edit1);
    Label2->move(8, 35);
    fitLabel(Label2, 64 - 8 - 2);
    Label3 = new QLabel(QStringLiteral("&Numitor :"), this);
    Label3->setBuddy(Edit2);
    Label3->move(8, 60);
    fitLabel(Label3, 64 - 8 - 2);

    Bevel1 = new QFrame(this);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Plain);
    Bevel1->setLineWidth(1);
    Bevel1->setGeometry(56, 54, 376, 1);

    Button1 = new QPushButton(QStringLiteral("<v"), this);
    Button1->setGeometry(405, 32, 20, 20);
    Button2 = new QPushButton(QStringLiteral("<v"), this);
    Button2->setGeometry(405, 57, 20, 20);
    for (QPushButton* button : {Button1, Button2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    StringGrid1 = new QTableWidget(kRows, 2, this);
    StringGrid1->setGeometry(8, 88, 417, 241);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setMinimumSectionSize(kRowHeight);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = StringGrid1->horizontalHeader();
    header->setFixedHeight(kRowHeight + 1);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    StringGrid1->setColumnWidth(0, 31);
    StringGrid1->setColumnWidth(1, 363);
    StringGrid1->setShowGrid(true);
    StringGrid1->setWordWrap(false);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->setHorizontalHeaderItem(0, new QTableWidgetItem(QStringLiteral("Nr.")));
    StringGrid1->setHorizontalHeaderItem(1, new QTableWidgetItem(QStringLiteral("Valoare")));
    for (int row = 0; row < kRows; ++row) {
        StringGrid1->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
        StringGrid1->setItem(row, 1, new QTableWidgetItem);
    }

    PopupMenu1 = new QMenu(this);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, StringGrid1);

    connect(Edit1, &QLineEdit::textChanged, this, &InverseZWindow::recomputeSeries);
    connect(Edit2, &QLineEdit::textChanged, this, &InverseZWindow::recomputeSeries);
    connect(Button1, &QPushButton::clicked, this, [this] { offerVariables(field::numerator, Button1); });
    connect(Button2, &QPushButton::clicked, this, [this] { offerVariables(field::denominator, Button2); });
    setObjectNames({{Label1, "Label1"}, {Label2, "Label2"}, {Label3, "Label3"}, {Edit1, "Edit1"},
                    {Edit2, "Edit2"}, {Bevel1, "Bevel1"}, {Button1, "Button1"}, {Button2, "Button2"},
                    {StringGrid1, "StringGrid1"}, {PopupMenu1, "PopupMenu1"}});
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
    (target == field::numerator ? Edit1 : Edit2)->setText(coefficientText(variable));
}

void InverseZWindow::offerVariables(field target, QPushButton* button)
{
    PopupMenu1->clear();
    for (const tdspvarPtr& variable : workspace_.variables()) {
        QString caption = QString::fromStdString(variable->name());
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        std::weak_ptr<tdspvar> chosen = variable;
        connect(PopupMenu1->addAction(caption), &QAction::triggered, this, [this, target, chosen] {
            if (const tdspvarPtr v = chosen.lock())
                fillFromVariable(target, *v);
        });
    }
    if (PopupMenu1->isEmpty())
        return;
    // The menu's right edge stands at (window left + button left, window top + button top).
    const QPoint anchor(frameGeometry().left() + button->x(), frameGeometry().top() + button->y());
    PopupMenu1->popup(QPoint(anchor.x() - PopupMenu1->sizeHint().width(), anchor.y()));
}

void InverseZWindow::recomputeSeries()
{
    for (int row = 0; row < kRows; ++row)
        StringGrid1->item(row, 0)->setText(QString::number(row + 1));
    const std::vector<extended> numerator = readCoefficients(Edit1->text().toStdString());
    const std::vector<extended> denominator = readCoefficients(Edit2->text().toStdString());
    const auto series = inverseZSeries(numerator, denominator);
    if (!series)
        return; // no usable denominator: the values stay as they were
    const char separator = localeDecimalSeparator();
    for (int row = 0; row < kRows; ++row)
        StringGrid1->item(row, 1)->setText(QString::fromStdString(formatGeneral((*series)[row], 15, separator)));
}

void InverseZWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        recomputeSeries();
    QDialog::showEvent(event);
}
