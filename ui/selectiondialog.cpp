#include "ui/selectiondialog.h"

#include "core/workspace.h"
#include "io/statefile.h"
#include "ui/mainwindow.h"
#include "ui/filedialogs.h"
#include "ui/guicallbacks.h"
#include "ui/radiogroup.h"

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

const char* const kSaveCaption = "Salveaza starea curenta";
const char* const kDeleteCaption = "Sterge variabile";

} // namespace

SelectionDialog::SelectionDialog(MainWindow* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QString::fromLatin1(kSaveCaption));
    resize(kClientWidth, kClientHeight);
    setMinimumSize(kClientWidth, kMinimumClientHeight);
    setMaximumWidth(kClientWidth);
    setSizeGripEnabled(false);

    RadioGroup1 = new RadioGroup(QStringLiteral(" Target (tinta) : "),
                                  {QStringLiteral("Toate variabilele"), QStringLiteral("Selectie din lista"),
                                   QStringLiteral("Numai variabila pe care s-a dat click")},
                                  this);
    RadioGroup1->setGeometry(kMargin, kMargin, kInnerWidth, kGroupHeight);
    RadioButton1 = RadioGroup1->button(0);
    RadioButton2 = RadioGroup1->button(1);
    RadioButton3 = RadioGroup1->button(2);
    connect(RadioGroup1, &RadioGroup::itemChanged, this, [this] { targetChanged(); });

    CheckListBox1 = new QListWidget(this);
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    chooseOption(0); // and with it the list starts disabled

    Button1 = new QPushButton(QStringLiteral("Ok"), this);
    Button1->setDefault(true);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, [this] { carryOut(); });
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setAutoDefault(false);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    placeControls();
    setTabOrder(RadioButton1, CheckListBox1);
    setTabOrder(CheckListBox1, Button1);
    setTabOrder(Button1, Button2);
}

void SelectionDialog::resizeEvent(QResizeEvent* event)
{
    placeControls();
    QDialog::resizeEvent(event);
}

void SelectionDialog::placeControls()
{
    const int grown = height() - kClientHeight;
    CheckListBox1->setGeometry(kMargin, kListTop, kInnerWidth, std::max(0, kListHeight + grown));
    Button1->setGeometry(kMargin, kButtonTop + grown, kButtonWidth, kButtonHeight);
    Button2->setGeometry(kMargin + kButtonWidth + 7, kButtonTop + grown, kButtonWidth, kButtonHeight);
}

QString SelectionDialog::clickedOptionCaption() const
{
    return RadioButton3->text();
}

void SelectionDialog::setClickedOption(bool enabled, const QString& caption)
{
    RadioButton3->setText(caption);
    RadioButton3->setEnabled(enabled);
}

void SelectionDialog::chooseOption(int index)
{
    RadioGroup1->setItemIndex(index);
    targetChanged();
}

int SelectionDialog::chosenOption() const
{
    return std::max(0, RadioGroup1->itemIndex());
}

void SelectionDialog::targetChanged()
{
    CheckListBox1->setEnabled(RadioButton2->isChecked());
}

void SelectionDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        prepareForShow();
    QDialog::showEvent(event);
}

void SelectionDialog::prepareForShow()
{
    CheckListBox1->clear();
    for (const tdspvarPtr& v : mainForm_->workspace().variables()) {
        auto* item = new QListWidgetItem(QString::fromStdString(asciiLower(v->name)), CheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(v->selected ? Qt::Checked : Qt::Unchecked);
        if (v->selected)
            chooseOption(1);
    }
    setWindowTitle(mode_ == kExportMode ? exportCaption_
                                        : QString::fromLatin1(mode_ == 1 ? kDeleteCaption : kSaveCaption));
}

void SelectionDialog::setExport(const QString& caption,
                                std::function<bool(const std::vector<tdspvarPtr>&)> exporter)
{
    exportCaption_ = caption;
    exporter_ = std::move(exporter);
}

bool SelectionDialog::keptByList(std::size_t index, const tdspvar& variable) const
{
    const QString name = QString::fromStdString(asciiLower(variable.name));
    // Item k stands for variable k; two names that differ only in case or in characters that
    // normalising drops still keep their own items this way.
    if (index < static_cast<std::size_t>(CheckListBox1->count())) {
        const QListWidgetItem* item = CheckListBox1->item(static_cast<int>(index));
        if (item->text() == name)
            return item->checkState() == Qt::Checked;
    }
    // A list that does not line up with the workspace: look the name up; a variable that is not
    // in the list is kept.
    for (int i = 0; i < CheckListBox1->count(); ++i) {
        const QListWidgetItem* item = CheckListBox1->item(i);
        if (item->text().compare(name, Qt::CaseInsensitive) == 0)
            return item->checkState() == Qt::Checked;
    }
    return true;
}

std::vector<tdspvarPtr> SelectionDialog::chosenVariables() const
{
    const tworkspace& workspace = mainForm_->workspace();
    std::vector<tdspvarPtr> chosen;
    const int option = chosenOption();
    if (option == 2) {
        const tdspvarPtr current = workspace.currentVariable();
        if (current && workspace.indexOf(*current) >= 0)
            chosen.push_back(current);
        return chosen;
    }
    const std::vector<tdspvarPtr>& all = workspace.variables();
    for (std::size_t k = 0; k < all.size(); ++k)
        if (option != 1 || keptByList(k, *all[k]))
            chosen.push_back(all[k]);
    return chosen;
}

void SelectionDialog::carryOut()
{
    if (mode_ == 1) {
        // Deleting asks for no confirmation; the strips below each removed one move up.
        for (const tdspvarPtr& v : chosenVariables())
            mainForm_->workspace().removeVariable(v);
        accept();
        return;
    }
    if (mode_ == kExportMode) {
        if (exporter_ && exporter_(chosenVariables()))
            accept();
        else
            reject();
        return;
    }
    const QString path = mainForm_->fileDialogs().ask(fileDialogKind::saveState);
    if (path.isEmpty()) {
        reject();
        return;
    }
    GuiCallbacks callbacks(*mainForm_);
    saveStateFile(QFile::encodeName(path).toStdString(), chosenVariables(), callbacks);
    accept();
}
