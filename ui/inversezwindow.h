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

    // The controls, as the user sees them.
    QLabel* Label1; // the instruction
    QLabel* Label2; // "Num&arator :"
    QLabel* Label3; // "&Numitor :"
    QLineEdit* Edit1; // numerator
    QLineEdit* Edit2; // denominator
    QFrame* Bevel1;   // the fraction bar
    QPushButton* Button1; // "<v" for the numerator
    QPushButton* Button2; // "<v" for the denominator
    QTableWidget* StringGrid1;
    QMenu* PopupMenu1;

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

    const tworkspace& workspace_;
};
