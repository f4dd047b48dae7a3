// InverseZWindow: the inverse Z transform window "Transformata z inversa". The user types the
// coefficients of a numerator and a denominator polynomial (free term first); the grid shows,
// live, the first 50 terms of their quotient by long division. The "<v" buttons copy up to ten
// sample moduli of a workspace variable into either field. The window has no Ok. The ">>"
// button opens a panel beside the table (SystemPanel) that shows the system the two lists make
// as poles, zeros and frequency response, sends the 50 terms to the workspace and designs
// filters; every change of the fields is also written to the TypedSystem that the filter
// command reads.
#pragma once

#include "core/variable.h"
#include "ui/boundtexts.h"

#include <QDialog>

#include <functional>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;
class NameCorrectionDialog;
class SystemPanel;
class TypedSystem;
class tworkspace;

class InverseZWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 50;

    struct Collaborators {
        tworkspace& workspace;
        NameCorrectionDialog& nameCorrection;
        const QStringList& windowNames;
        TypedSystem* typedSystem = nullptr; // receives the fields' texts at every change
        std::function<void(const tdspvarPtr&)> showVariable = {}; // opens the graph window on it
    };
    InverseZWindow(const Collaborators& with, QWidget* parent);

    // Opens or closes the panel beside the table; the window widens by the panel's width.
    void setPanelOpen(bool open);
    bool panelOpen() const;

    // The text "<v" writes for a variable: the moduli of its first min(N, 10) samples, last
    // first, separated by " , ", with the period as decimal separator so that the field reads
    // them back.
    static QString coefficientText(const tdspvar& variable);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Shows the source's translation in a label that stands at a fixed place, narrowed to fit
    // `maxWidth`, now and at each change of language.
    void bindLabel(QLabel* label, const char* source, int maxWidth);

    // The two coefficient fields, as the "<v" buttons fill them.
    enum class field { numerator, denominator };

    // Offers the workspace's variables in a menu at `button`; the one chosen fills `target`.
    void offerVariables(field target, QPushButton* button);
    // Writes `variable`'s coefficient text into the numerator or the denominator field.
    void fillFromVariable(field target, const tdspvar& variable);
    // Parses both fields and refills the grid; the values stay when no denominator is usable.
    void recomputeSeries();

    // The controls, by role; each carries the name the program's texts give it as its objectName.
    QLabel* instructionLabel_;       // Label1
    QLabel* numeratorLabel_;         // Label2, "Num&arator :"
    QLabel* denominatorLabel_;       // Label3, "&Numitor :"
    QLineEdit* numeratorEdit_;       // Edit1
    QLineEdit* denominatorEdit_;     // Edit2
    QFrame* fractionBar_;            // Bevel1
    QPushButton* numeratorButton_;   // Button1, "<v" for the numerator
    QPushButton* denominatorButton_; // Button2, "<v" for the denominator
    QTableWidget* seriesGrid_;       // StringGrid1
    QMenu* variableMenu_;            // PopupMenu1
    QAction* panelAction_;           // PanelAction, Ctrl+P and the table's context menu
    SystemPanel* panel_;             // SystemPanel, hidden until asked for

    BoundTexts texts_{"InverseZWindow"};
    const tworkspace& workspace_;
    TypedSystem* typedSystem_;
};
