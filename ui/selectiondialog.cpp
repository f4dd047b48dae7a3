#include "ui/selectiondialog.h"

#include "core/workspace.h"
#include "io/statefile.h"
#include "ui/filedialogs.h"
#include "ui/objectnames.h"
#include "ui/radiogroup.h"
#include "ui/striplist.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QShowEvent>

#include <algorithm>

namespace {

constexpr int kMargin = 8;
constexpr int kInnerWidth = 265;
// The list and the buttons at the design height; the list grows and the buttons follow the
// bottom edge when the window is made taller or shorter.
constexpr int kListTop = 88;
constexpr int kListHeight = 193;
constexpr int kButtonTop = 288;
constexpr int kButtonWidth = 129;
constexpr int kButtonHeight = 20;
constexpr int kGroupHeight = 73;

} // namespace

SelectionDialog::SelectionDialog(const Collaborators& with, QWidget* parent)
    : QDialog(parent), workspace_(with.workspace), strips_(with.strips), fileDialogs_(with.fileDialogs),
      fileCallbacks_(with.fileCallbacks)
{
    setObjectName(QStringLiteral("TForm8"));
    texts_.onChange([this] { showTexts(); });
    resize(kClientWidth, kClientHeight);
    setMinimumSize(kClientWidth, kMinimumClientHeight);
    setMaximumWidth(kClientWidth);
    setSizeGripEnabled(false);

    targetGroup_ = makeRadioGroup(texts_, QT_TR_NOOP(" Target (tinta) : "),
                                  {QT_TR_NOOP("Toate variabilele"), QT_TR_NOOP("Selectie din lista"), nullptr}, this);
    targetGroup_->setGeometry(kMargin, kMargin, kInnerWidth, kGroupHeight);
    allButton_ = targetGroup_->button(0);
    listedButton_ = targetGroup_->button(1);
    clickedButton_ = targetGroup_->button(2);
    connect(targetGroup_, &RadioGroup::itemChanged, this, [this] { targetChanged(); });

    list_ = new QListWidget(this);
    chooseOption(selectionTarget::all); // and with it the list starts disabled

    okButton_ = new QPushButton(this);
    texts_.text(okButton_, QT_TR_NOOP("Ok"));
    okButton_->setDefault(true);
    okButton_->setAutoDefault(false);
    connect(okButton_, &QPushButton::clicked, this, [this] { carryOut(); });
    cancelButton_ = new QPushButton(this);
    texts_.text(cancelButton_, QT_TR_NOOP("Cancel"));
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    showTexts();
    placeControls();
    setTabOrder(allButton_, list_);
    setTabOrder(list_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    setObjectNames({{targetGroup_, "RadioGroup1"}, {allButton_, "RadioButton1"},
                    {listedButton_, "RadioButton2"}, {clickedButton_, "RadioButton3"},
                    {list_, "CheckListBox1"}, {okButton_, "Button1"}, {cancelButton_, "Button2"}});
}

void SelectionDialog::resizeEvent(QResizeEvent* event)
{
    placeControls();
    QDialog::resizeEvent(event);
}

void SelectionDialog::placeControls()
{
    const int grown = height() - kClientHeight;
    list_->setGeometry(kMargin, kListTop, kInnerWidth, std::max(0, kListHeight + grown));
    okButton_->setGeometry(kMargin, kButtonTop + grown, kButtonWidth, kButtonHeight);
    cancelButton_->setGeometry(kMargin + kButtonWidth + 7, kButtonTop + grown, kButtonWidth, kButtonHeight);
}

void SelectionDialog::setClickedOption(bool enabled, const QString& variableName)
{
    clickedName_ = variableName;
    clickedButton_->setEnabled(enabled);
    showTexts();
}

void SelectionDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        texts_.retranslate();
    QDialog::changeEvent(event);
}

void SelectionDialog::showTexts()
{
    clickedButton_->setText(clickedName_.isEmpty() ? tr("Numai variabila pe care s-a dat click")
                                                   : tr("Variabila pe care s-a dat click (%1)").arg(clickedName_));
    setWindowTitle(mode_ == selectionMode::exportTo ? exportCaption_()
                   : mode_ == selectionMode::remove ? tr("Sterge variabile")
                                                    : tr("Salveaza starea curenta"));
}

void SelectionDialog::chooseOption(selectionTarget target)
{
    targetGroup_->setItemIndex(static_cast<int>(target));
    targetChanged();
}

selectionTarget SelectionDialog::chosenOption() const
{
    return static_cast<selectionTarget>(std::max(0, targetGroup_->itemIndex()));
}

void SelectionDialog::targetChanged()
{
    list_->setEnabled(listedButton_->isChecked());
}

void SelectionDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        prepareForShow();
    QDialog::showEvent(event);
}

void SelectionDialog::prepareForShow()
{
    list_->clear();
    for (const tdspvarPtr& v : workspace_.variables()) {
        auto* item = new QListWidgetItem(QString::fromStdString(asciiLower(v->name())), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const bool marked = strips_.isSelected(*v);
        item->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
        if (marked && followMarks_)
            chooseOption(selectionTarget::listed);
    }
    showTexts();
}

void SelectionDialog::setExport(std::function<QString()> caption,
                                std::function<bool(const std::vector<tdspvarPtr>&)> exporter)
{
    exportCaption_ = caption ? std::move(caption) : [] { return QString(); };
    exporter_ = std::move(exporter);
}

bool SelectionDialog::keptByList(std::size_t index, const tdspvar& variable) const
{
    const QString name = QString::fromStdString(asciiLower(variable.name()));
    // Item k stands for variable k; two names that differ only in case or in characters that
    // normalising drops still keep their own items this way.
    if (index < static_cast<std::size_t>(list_->count())) {
        const QListWidgetItem* item = list_->item(static_cast<int>(index));
        if (item->text() == name)
            return item->checkState() == Qt::Checked;
    }
    // A list that does not line up with the workspace: look the name up; a variable that is not
    // in the list is kept.
    for (int i = 0; i < list_->count(); ++i) {
        const QListWidgetItem* item = list_->item(i);
        if (item->text().compare(name, Qt::CaseInsensitive) == 0)
            return item->checkState() == Qt::Checked;
    }
    return true;
}

std::vector<tdspvarPtr> SelectionDialog::chosenVariables() const
{
    std::vector<tdspvarPtr> chosen;
    const selectionTarget option = chosenOption();
    if (option == selectionTarget::clicked) {
        if (clicked_ && workspace_.indexOf(*clicked_) >= 0)
            chosen.push_back(clicked_);
        return chosen;
    }
    const std::vector<tdspvarPtr>& all = workspace_.variables();
    for (std::size_t k = 0; k < all.size(); ++k)
        if (option != selectionTarget::listed || keptByList(k, *all[k]))
            chosen.push_back(all[k]);
    return chosen;
}

void SelectionDialog::carryOut()
{
    if (mode_ == selectionMode::remove) {
        // Deleting asks for no confirmation; the strips below each removed one move up.
        for (const tdspvarPtr& v : chosenVariables())
            workspace_.removeVariable(v);
        accept();
        return;
    }
    if (mode_ == selectionMode::exportTo) {
        if (exporter_ && exporter_(chosenVariables()))
            accept();
        else
            reject();
        return;
    }
    const QString path = fileDialogs_.ask(fileDialogKind::saveState);
    if (path.isEmpty()) {
        reject();
        return;
    }
    // A file that could not be written closes the dialog as cancelled: nothing was saved.
    const std::vector<tdspvarPtr> chosen = chosenVariables();
    if (!saveStateFile(QFile::encodeName(path).toStdString(), chosen, fileCallbacks_)) {
        reject();
        return;
    }
    emit stateFileWritten(static_cast<int>(chosen.size()) == workspace_.variableCount());
    accept();
}
