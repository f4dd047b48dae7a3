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
#include <array>

namespace {

constexpr int kMargin = 8;
constexpr int kRowHeight = 21;
constexpr int kNumberDigits = 15;
constexpr int kTickRow = 0;

// The choices of the three lists, in the order of what they choose.
const std::array kSeparatorNames = {
    QT_TRANSLATE_NOOP("ColumnPreviewDialog", "Tab"), QT_TRANSLATE_NOOP("ColumnPreviewDialog", "Punct si virgula ( ; )"),
    QT_TRANSLATE_NOOP("ColumnPreviewDialog", "Virgula ( , )"), QT_TRANSLATE_NOOP("ColumnPreviewDialog", "Spatii"),
    QT_TRANSLATE_NOOP("ColumnPreviewDialog", "Niciunul (o coloana)")};
const std::array kDecimalNames = {QT_TRANSLATE_NOOP("ColumnPreviewDialog", "Punct ( 1.5 )"),
                                  QT_TRANSLATE_NOOP("ColumnPreviewDialog", "Virgula ( 1,5 )")};
const std::array kPolicyNames = {QT_TRANSLATE_NOOP("ColumnPreviewDialog", "cand citirea nu e sigura"),
                                 QT_TRANSLATE_NOOP("ColumnPreviewDialog", "la fiecare import"),
                                 QT_TRANSLATE_NOOP("ColumnPreviewDialog", "niciodata (nu mai intreba)")};

template <std::size_t N>
QString nameAt(const std::array<const char*, N>& names, std::size_t index)
{
    return index < N ? ColumnPreviewDialog::tr(names[index]) : QString();
}

QString readingName(const csvFormat& format)
{
    return ColumnPreviewDialog::tr("%1, zecimale %2")
        .arg(nameAt(kSeparatorNames, static_cast<std::size_t>(format.separator)),
             nameAt(kDecimalNames, static_cast<std::size_t>(format.decimal)));
}

// A list whose items are the source texts `names`, shown in the language of `texts`' window.
template <std::size_t N>
QComboBox* makeList(BoundTexts& texts, const std::array<const char*, N>& names, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    for (std::size_t i = 0; i < N; ++i) {
        box->addItem(QString());
        texts.bind(names[i], [box, i](const QString& t) { box->setItemText(static_cast<int>(i), t); });
    }
    return box;
}

QLabel* labelFor(BoundTexts& texts, const char* source, QWidget* buddy, int left, int top, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setBuddy(buddy);
    label->move(left, top + 3);
    texts.bind(source, [label](const QString& t) {
        label->setText(t);
        label->adjustSize();
    });
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
        item->setToolTip(ColumnPreviewDialog::tr("Nu se poate citi ca numar"));
        break;
    }
    return item;
}

} // namespace

ColumnPreviewDialog::ColumnPreviewDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ColumnPreviewDialog"));
    texts_.bind(QT_TR_NOOP("Import tabel"), [this](const QString& t) { setWindowTitle(t); });
    setFixedSize(kClientWidth, kClientHeight);
    const int innerWidth = kClientWidth - 2 * kMargin;

    noteLabel_ = new QLabel(this);
    noteLabel_->setGeometry(kMargin, kMargin, innerWidth, 2 * kRowHeight);
    noteLabel_->setWordWrap(true);

    const int choicesTop = kMargin + 2 * kRowHeight + 4;
    separatorBox_ = makeList(texts_, kSeparatorNames, this);
    separatorBox_->setGeometry(80, choicesTop, 160, kRowHeight);
    QLabel* separatorLabel = labelFor(texts_, QT_TR_NOOP("&Separator :"), separatorBox_, kMargin, choicesTop, this);
    decimalBox_ = makeList(texts_, kDecimalNames, this);
    decimalBox_->setGeometry(330, choicesTop, 130, kRowHeight);
    QLabel* decimalLabel = labelFor(texts_, QT_TR_NOOP("&Zecimale :"), decimalBox_, 256, choicesTop, this);
    headerBox_ = new QCheckBox(this);
    texts_.text(headerBox_, QT_TR_NOOP("&Antet : un rand cu numele coloanelor"));
    headerBox_->setGeometry(kMargin, choicesTop + kRowHeight + 6, innerWidth, kRowHeight);

    const int tableTop = choicesTop + 2 * kRowHeight + 12;
    const int policyTop = kClientHeight - kMargin - 2 * kRowHeight - 8;
    table_ = new QTableWidget(this);
    table_->setGeometry(kMargin, tableTop, innerWidth, policyTop - 8 - tableTop);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->verticalHeader()->setDefaultSectionSize(18);
    texts_.bind(QT_TR_NOOP("Bifati coloanele de citit"), [this](const QString& t) { table_->setToolTip(t); });

    policyBox_ = makeList(texts_, kPolicyNames, this);
    policyBox_->setGeometry(180, policyTop, 200, kRowHeight);
    QLabel* policyLabel = labelFor(texts_, QT_TR_NOOP("Arata aceasta &fereastra :"), policyBox_, kMargin, policyTop, this);

    const int buttonTop = kClientHeight - kMargin - 20;
    okButton_ = new QPushButton(this);
    texts_.text(okButton_, QT_TR_NOOP("Ok"));
    okButton_->setGeometry(kMargin, buttonTop, 121, 20);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(this);
    texts_.text(cancelButton_, QT_TR_NOOP("Cancel"));
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
    certain_ = detection.certain;
    alternative_.reset();
    if (!detection.alternatives.empty())
        alternative_ = detection.alternatives.front();
    showNote();
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

void ColumnPreviewDialog::showNote()
{
    QString note = certain_ ? tr("Randurile de mai jos arata cum se citeste fisierul.")
                            : tr("Fisierul se poate citi in mai multe feluri; verificati citirea.");
    if (alternative_)
        note += QLatin1Char('\n') + tr("Se potriveste la fel de bine : %1").arg(readingName(*alternative_));
    noteLabel_->setText(note);
}

void ColumnPreviewDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        texts_.retranslate();
        showNote();
        if (isVisible())
            refresh(); // the columns' default names and the cells' tool tips
    }
    QDialog::changeEvent(event);
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
                                 : tr("Coloana %1").arg(c + 1);
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
