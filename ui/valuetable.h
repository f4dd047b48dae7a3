// ValueTableDialog: the value table "Variable Values". It lists the first 128 samples of the
// variable the main window hands it as numbers in StringGrid1 (index, real part, imaginary part), lets
// the user edit the real parts and, for a complex variable, the imaginary parts, and has the
// workspace replace the variable's samples with the edited ones when the window closes.
// It assumes the variable does not change while it is shown (the window is modal), and it reads
// cells by column position, so dragged columns count.
#pragma once

#include "core/variable.h"

#include <QDialog>
#include <QStringList>

class QTableWidget;
class tworkspace;

class ValueTableDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxRows = 128;

    ValueTableDialog(tworkspace& workspace, QWidget* parent);

    // The variable the next showing lists (none: an empty table).
    void setVariable(tdspvarPtr variable) { next_ = std::move(variable); }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    void changeEvent(QEvent* event) override;

private:
    // Refills the header and one row per shown sample from `variable` (none: an empty table).
    void fillGrid(const tdspvarPtr& variable);
    void showHeaders();
    // Hands the workspace the samples with every cell whose text the user changed and that
    // parses, when a sample changed; the display peak stays. Returns whether one did.
    bool writeBack();
    void applyEditingRule(); // the editing rule, by column position
    QString cellText(int row, int position) const;

    QTableWidget* grid_; // StringGrid1

    tworkspace& workspace_;
    tdspvarPtr next_;
    tdspvarPtr variable_;
    bool complexShown_ = false;
    int shownRows_ = 0;
    QStringList filledText_[3]; // by logical column: the text each cell got when filled
};
