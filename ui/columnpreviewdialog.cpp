#include "ui/columnpreviewdialog.h"

#include "core/numformat.h"
#include "ui/localenumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int kMargin = 8;
constexpr int kRowHeight = 21;
constexpr int kNumberDigits = 15;
constexpr int kTickRow = 0;

const QStringList& separatorNames()
{
    static const QStringList names = {QStringLiteral("Tab"), QStringLiteral("Punct si virgula ( ; )"),
                                      QStringLiteral("Virgula ( , )"), QStringLiteral("Spatii"),
                                      QStringLiteral("Niciunul (o coloana)")};
    return names;
}

const QStringList& decimalNames()
{
    static const QStringList names = {QStringLiteral("Punct ( 1.5 )"), QStringLiteral("Virgula ( 1,5 )")};
    return names;
}

QString readingName(const csvFormat& format)
{
    return separatorNames().value(static_cast<int>(format.separator)) + QStringLiteral(", zecimale ") +
           decimalNames().value(static_cast<int>(format.decimal));
}

QLabel* labelFor(const QString& text, QWidget* buddy, int left, int top, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    label->move(left, top + 3);
    label->adjustSize();
    return label;
}

// A cell as the import will read it: a number as its value, a label greyed, a number in a form
// the reader does not take in red.
QTableWidgetItem* cellItem(const csvCell& cell)
{
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled);
    switch (cell.kind) {
    case cellKind::empty: break;
    case cellKind::number:
        item->setText(QString::fromStdString(formatGeneral(cell.value, kNumberDigits, localeDecimalSeparator())));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case cellKind::text:
        item->setText(QString::fromStdString(cell.text));
        item->setForeground(Qt::gray);
        break;
    case cellKind::malformed:
        item->setText(QString::fromStdString(cell.text));
        item->setForeground(Qt::red);
        item->setToolTip(QStringLiteral("Nu se poate citi ca numar"));
        break;
    }
    return item;
}

} // namespace

ColumnPreviewDialog::ColumnPreviewDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ColumnPreviewDialog"));
    setWindowTitle(QStringLiteral("Import tabel"));
    setFixedSize(kClientWidth, kClientHeight);
    const int innerWidth = kClientWidth - 2 * kMargin;

    noteLabel_ = new QLabel(this);
    noteLabel_->setGeometry(kMargin, kMargin, innerWidth, 2 * kRowHeight);
    noteLabel_->setWordWrap(true);

    const int choicesTop = kMargin + 2 * kRowHeight + 4;
    separatorBox_ = new QComboBox(this);
    separatorBox_->addItems(separatorNames());
    separatorBox_->setGeometry(80, choicesTop, 160, kRowHeight);
    QLabel* separatorLabel = labelFor(QStringLiteral("&Separator :"), separatorBox_, kMargin, choicesTop, this);
    decimalBox_ = new QComboBox(this);
    decimalBox_->addItems(decimalNames());
    decimalBox_->setGeometry(330, choicesTop, 130, kRowHeight);
    QLabel* decimalLabel = labelFor(QStringLiteral("&Zecimale :"), decimalBox_, 256, choicesTop, this);
    headerBox_ = new QCheckBox(QStringLiteral("&Antet : un rand cu numele coloanelor"), this);
    headerBox_->setGeometry(kMargin, choicesTop + kRowHeight + 6, innerWidth, kRowHeight);

    const int tableTop = choicesTop + 2 * kRowHeight + 12;
    const int policyTop = kClientHeight - kMargin - 2 * kRowHeight - 8;
    table_ = new QTableWidget(this);
    table_->setGeometry(kMargin, tableTop, innerWidth, policyTop - 8 - tableTop);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->verticalHeader()->setDefaultSectionSize(18);
    table_->setToolTip(QStringLiteral("Bifati coloanele de citit"));

    policyBox_ = new QComboBox(this);
    policyBox_->addItems({QStringLiteral("cand citirea nu e sigura"), QStringLiteral("la fiecare import"),
                          QStringLiteral("niciodata (nu mai intreba)")});
    policyBox_->setGeometry(180, policyTop, 200, kRowHeight);
    QLabel* policyLabel = labelFor(QStringLiteral("&Arata aceasta fereastra :"), policyBox_, kMargin, policyTop, this);

    const int buttonTop = kClientHeight - kMargin - 20;
    okButton_ = new QPushButton(QStringLiteral("Ok"), this);
    okButton_->setGeometry(kMargin, buttonTop, 121, 20);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setGeometry(kMargin + 128, buttonTop, 121, 20);
    cancelButton_->setAutoDefault(false);

    connect(separatorBox_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(decimalBox_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(headerBox_, &QCheckBox::toggled, this, [this] { refresh(); });
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) { columnTicked(item); });
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    const std::pair<QWidget*, const char*> names[] = {
        {noteLabel_, "NoteLabel"},       {separatorLabel, "SeparatorLabel"}, {separatorBox_, "SeparatorBox"},
        {decimalLabel, "DecimalLabel"},  {decimalBox_, "DecimalBox"},        {headerBox_, "HeaderBox"},
        {table_, "PreviewTable"},        {policyLabel, "PolicyLabel"},       {policyBox_, "PolicyBox"},
        {okButton_, "OkButton"},         {cancelButton_, "CancelButton"}};
    for (const auto& [widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));
}

bool ColumnPreviewDialog::ask(std::string_view text, const csvDetection& detection,
                              columnPreviewPolicy& policy, csvChoices& choices)
{
    text_ = text;
    taken_.clear();
    QString note = detection.certain ? QStringLiteral("Randurile de mai jos arata cum se citeste fisierul.")
                                     : QStringLiteral("Fisierul se poate citi in mai multe feluri; verificati citirea.");
    if (!detection.alternatives.empty())
        note += QStringLiteral("\nSe potriveste la fel de bine : ") + readingName(detection.alternatives.front());
    noteLabel_->setText(note);
    policyBox_->setCurrentIndex(static_cast<int>(policy));
    showFormat(detection.format);
    const bool accepted = exec() == QDialog::Accepted;
    policy = static_cast<columnPreviewPolicy>(policyBox_->currentIndex());
    text_ = {};
    if (!accepted)
        return false;
    choices.format = chosenFormat();
    choices.takeColumns = taken_;
    return true;
}

csvFormat ColumnPreviewDialog::chosenFormat() const
{
    return {.separator = static_cast<csvSeparator>(separatorBox_->currentIndex()),
            .decimal = static_cast<decimalMark>(decimalBox_->currentIndex()),
            .header = headerBox_->isChecked()};
}

void ColumnPreviewDialog::showFormat(const csvFormat& format)
{
    {
        const QSignalBlocker blockSeparator(separatorBox_);
        const QSignalBlocker blockDecimal(decimalBox_);
        const QSignalBlocker blockHeader(headerBox_);
        separatorBox_->setCurrentIndex(static_cast<int>(format.separator));
        decimalBox_->setCurrentIndex(static_cast<int>(format.decimal));
        headerBox_->setChecked(format.header);
    }
    refresh();
}

void ColumnPreviewDialog::refresh()
{
    const csvPreview preview = previewCsvText(text_, chosenFormat(), kPreviewRows);
    const int columns = static_cast<int>(preview.columnCount);
    if (taken_.size() < preview.columnCount)
        taken_.resize(preview.columnCount, true);

    const QSignalBlocker block(table_);
    table_->clear();
    table_->setColumnCount(columns);
    table_->setRowCount(1 + static_cast<int>(preview.rows.size()));
    QStringList lines{QString()};
    for (const csvRow& row : preview.rows)
        lines << QString::number(row.line); // the rows by their line in the file
    table_->setVerticalHeaderLabels(lines);
    for (int c = 0; c < columns; ++c) {
        const auto k = static_cast<std::size_t>(c);
        const QString name = k < preview.header.size() && !preview.header[k].empty()
                                 ? QString::fromStdString(preview.header[k])
                                 : QStringLiteral("Coloana %1").arg(c + 1);
        auto* tick = new QTableWidgetItem(name);
        tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        tick->setCheckState(taken_[k] ? Qt::Checked : Qt::Unchecked);
        table_->setItem(kTickRow, c, tick);
        for (std::size_t r = 0; r < preview.rows.size(); ++r)
            if (k < preview.rows[r].cells.size())
                table_->setItem(static_cast<int>(r) + 1, c, cellItem(preview.rows[r].cells[k]));
    }
    table_->resizeColumnsToContents();
    updateOk();
}

void ColumnPreviewDialog::updateOk()
{
    // Something to take among the columns shown.
    const auto shown = std::min(taken_.size(), static_cast<std::size_t>(table_->columnCount()));
    okButton_->setEnabled(std::any_of(taken_.begin(), taken_.begin() + static_cast<std::ptrdiff_t>(shown),
                                      [](bool t) { return t; }));
}

void ColumnPreviewDialog::columnTicked(QTableWidgetItem* item)
{
    if (item->row() != kTickRow || item->column() < 0)
        return;
    const auto k = static_cast<std::size_t>(item->column());
    if (k < taken_.size())
        taken_[k] = item->checkState() == Qt::Checked;
    updateOk(); // the item stays: the table is not rebuilt under its own signal
}
