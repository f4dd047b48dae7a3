#include "ui/valuetable.h"

#include "core/numformat.h"
#include "core/numparse.h"
#include "core/workspace.h"
#include "ui/localenumber.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kColumnWidths[3] = {52, 199, 222};
constexpr int kRowHeight = 16;

constexpr const char* kTextBeforeEdit = "textBeforeEdit";

// The cell editor hands every keystroke to its cell at once, so the cells always hold what the
// user sees, also when the window is closed with an editor open. Escape gives the cell back the
// text it had when the editor opened.
class cellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setProperty(kTextBeforeEdit, index.data(Qt::EditRole).toString());
            connect(line, &QLineEdit::textEdited, this, [this, line] {
                emit const_cast<cellDelegate*>(this)->commitData(line);
            });
        }
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* line = qobject_cast<QLineEdit*>(object);
        if (line && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            line->setText(line->property(kTextBeforeEdit).toString());
            emit commitData(line);
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }
};

// A grid without keyboard search: typing into the index column, which takes no edits, must not
// move the selection to the row whose index starts with the typed digits.
class stringGrid : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    void keyboardSearch(const QString&) override {}
};

} // namespace

ValueTableDialog::ValueTableDialog(tworkspace& workspace, QWidget* parent)
    : QDialog(parent), workspace_(workspace)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(tr("Variable Values"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(489, 342);
    setMinimumWidth(489);
    setMaximumWidth(489);

    grid_ = new stringGrid(0, 3, this);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);

    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setMinimumSectionSize(kRowHeight);
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = grid_->horizontalHeader();
    header->setFixedHeight(kRowHeight + 1);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionsMovable(true);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(false);
    for (int c = 0; c < 3; ++c)
        grid_->setColumnWidth(c, kColumnWidths[c]);
    grid_->setShowGrid(true);
    grid_->setWordWrap(false);
    grid_->setTabKeyNavigation(true);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid_->setItemDelegate(new cellDelegate(grid_));
    connect(header, &QHeaderView::sectionMoved, this, [this] { applyEditingRule(); });
}

void ValueTableDialog::fillGrid(const tdspvarPtr& variable)
{
    variable_ = variable;
    complexShown_ = variable && variable->isComplex();
    shownRows_ = variable ? std::min(variable->sampleCount(), kMaxRows) : 0;
    const char separator = localeDecimalSeparator();

    grid_->clearContents();
    grid_->setRowCount(shownRows_);
    const QHeaderView* header = grid_->horizontalHeader();
    showHeaders();
    // The cells are filled by position, so a column the user dragged earlier takes the
    // contents of the place it now stands in.
    for (int position = 0; position < 3; ++position) {
        const int column = header->logicalIndex(position);
        QStringList& texts = filledText_[column];
        texts.clear();
        for (int i = 0; i < shownRows_; ++i) {
            const auto index = static_cast<std::size_t>(i);
            QString text;
            if (position == 0)
                text = QString::number(i);
            else if (position == 1)
                text = QString::fromStdString(formatGeneral(variable->real()[index], 15, separator));
            else if (complexShown_)
                text = QString::fromStdString(formatGeneral(variable->imag()[index], 15, separator));
            texts.append(text);
            grid_->setItem(i, column, new QTableWidgetItem(text));
        }
    }
    applyEditingRule();
    grid_->scrollToTop();
    if (shownRows_ > 0)
        grid_->setCurrentCell(0, header->logicalIndex(0));
}

// The headers by position: the index, then the variable's real and imaginary parts.
void ValueTableDialog::showHeaders()
{
    const QString name = variable_ ? QString::fromStdString(variable_->name()) : QString();
    const QString headers[3] = {tr("Index"), name + QStringLiteral(".real"), tr("%1.imaginar").arg(name)};
    const QHeaderView* header = grid_->horizontalHeader();
    for (int position = 0; position < 3; ++position)
        grid_->setHorizontalHeaderItem(header->logicalIndex(position), new QTableWidgetItem(headers[position]));
}

void ValueTableDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("Variable Values"));
        showHeaders();
    }
    QDialog::changeEvent(event);
}

void ValueTableDialog::applyEditingRule()
{
    const QHeaderView* header = grid_->horizontalHeader();
    for (int column = 0; column < 3; ++column) {
        const int position = header->visualIndex(column);
        const bool editing = position == 1 || (position == 2 && complexShown_);
        for (int row = 0; row < grid_->rowCount(); ++row) {
            QTableWidgetItem* item = grid_->item(row, column);
            if (!item)
                continue;
            const Qt::ItemFlags flags = item->flags();
            item->setFlags(editing ? flags | Qt::ItemIsEditable : flags & ~Qt::ItemIsEditable);
        }
    }
}

QString ValueTableDialog::cellText(int row, int position) const
{
    const QTableWidgetItem* item = grid_->item(row, grid_->horizontalHeader()->logicalIndex(position));
    return item ? item->text() : QString();
}

bool ValueTableDialog::writeBack()
{
    if (!variable_)
        return false;
    const tdspvar& v = *variable_;
    const char separator = localeDecimalSeparator();
    const QHeaderView* header = grid_->horizontalHeader();
    const int rows = std::min({shownRows_, v.sampleCount(), grid_->rowCount()});
    struct edit {
        std::size_t index;
        bool imaginary;
        extended value;
    };
    std::vector<edit> edits;
    // Position 1 holds the real parts, position 2 the imaginary parts of a complex variable.
    // Only a cell whose text differs from what it was filled with is read: rewriting an
    // untouched cell would round its sample to the 15 digits shown.
    const auto read = [&](int row, int position, const std::vector<extended>& samples) {
        const int column = header->logicalIndex(position);
        const QString text = cellText(row, position);
        if (row < filledText_[column].size() && text == filledText_[column][row])
            return;
        const auto value = parseCellNumber(text.toStdString(), separator);
        const auto index = static_cast<std::size_t>(row);
        if (value && index < samples.size() && *value != samples[index])
            edits.push_back({index, position == 2, *value});
    };
    for (int i = 0; i < rows; ++i) {
        read(i, 1, v.real());
        if (v.isComplex() && complexShown_)
            read(i, 2, v.imag());
    }
    if (edits.empty())
        return false;
    signalSamples samples = v.samples(); // with its display peak, which edits leave as it is
    for (const edit& e : edits)
        (e.imaginary ? samples.im : samples.re)[e.index] = e.value;
    workspace_.replaceSamples(variable_, std::move(samples));
    return true;
}

void ValueTableDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        fillGrid(next_);
    QDialog::showEvent(event);
}

void ValueTableDialog::done(int result)
{
    writeBack();
    variable_.reset();
    QDialog::done(result);
}
