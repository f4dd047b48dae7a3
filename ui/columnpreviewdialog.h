// ColumnPreviewDialog: shown before a table of text columns is imported when the guessed reading
// is not certain (or always, as the user chose): the first rows as they will be read, with the
// separator, the decimal mark and the header as choices that redraw them at once, a tick over
// each column to take it or leave it, and whether to show the dialog again. It reads nothing
// itself: it works on the text the caller holds, which must outlive ask().
#pragma once

#include "io/csvfile.h"
#include "ui/boundtexts.h"

#include <QDialog>

#include <optional>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// When the import shows the dialog.
enum class columnPreviewPolicy { whenUncertain = 0, always = 1, never = 2 };

class ColumnPreviewDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 560;
    static constexpr int kClientHeight = 400;
    static constexpr int kPreviewRows = 20;

    explicit ColumnPreviewDialog(QWidget* parent);

    // Shows the first rows of `text` read as `detection` guessed, with `policy` chosen. False
    // when cancelled; else the reading and the columns to take. `policy` comes back as the user
    // left it, also on Cancel.
    bool ask(std::string_view text, const csvDetection& detection, columnPreviewPolicy& policy,
             csvChoices& choices);

protected:
    void changeEvent(QEvent* event) override;

private:
    csvFormat chosenFormat() const;
    // What the guess says of the reading, in the language of the moment.
    void showNote();
    void showFormat(const csvFormat& format);
    void refresh();
    void columnTicked(QTableWidgetItem* item);
    void updateOk();

    BoundTexts texts_{"ColumnPreviewDialog"};
    // The controls, by role; each carries its role's name as its objectName.
    QLabel* noteLabel_ = nullptr;         // NoteLabel
    QComboBox* separatorBox_ = nullptr;   // SeparatorBox, in csvSeparator's order
    QComboBox* decimalBox_ = nullptr;     // DecimalBox, in decimalMark's order
    QCheckBox* headerBox_ = nullptr;      // HeaderBox
    QTableWidget* table_ = nullptr;       // PreviewTable: a row of ticks, then the rows read
    QComboBox* policyBox_ = nullptr;      // PolicyBox, in columnPreviewPolicy's order
    QPushButton* okButton_ = nullptr;     // OkButton
    QPushButton* cancelButton_ = nullptr; // CancelButton

    std::string_view text_;
    bool certain_ = true;                   // the guessed reading is the only fitting one
    std::optional<csvFormat> alternative_;  // another reading that fits as well
    std::vector<bool> taken_; // by column; a column beyond it is taken
};
