// InverseZWindow: the inverse Z transform window "Transformata z inversa". The user types the
// coefficients of a numerator and a denominator polynomial (free term first); the grid shows,
// live, the first 50 terms of their quotient by long division. The "<v" buttons copy up to ten
// sample moduli of a workspace variable into either field. The workspace is only read; the
// window has no Ok.
#pragma once

#include "core/variable.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;
class tworkspace;

class InverseZWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 50;

    InverseZWindow(const tworkspace& workspace, QWidget* parent);

    // The text "<v" writes for a variable: the moduli of its first min(N, 10) samples, last
    // first, separated by " , ", with the period as decimal separator so that the field reads
    // them back.
    static QString coefficientText(const tdspvar& variable);

protected:
    void showEvent(QShowEvent* event) override;

private:
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

    const tworkspace& workspace_;
};
