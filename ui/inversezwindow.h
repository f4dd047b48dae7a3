// InverseZWindow: the inverse Z transform window. The user types the coefficients of a numerator and a
// denominator polynomial (free term first); the grid shows, live, the first 50 terms of their
// quotient by long division. The "<v" buttons copy up to ten sample moduli of a workspace
// variable into either field. Nothing is written to the workspace; the window has no Ok.
#pragma once

#include "core/variable.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;
class MainWindow;

class InverseZWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 50;

    explicit InverseZWindow(MainWindow* mainForm);

    // The text "<v" writes for a variable: the moduli of its first min(N, 10) samples, last
    // first, separated by " , ", with the period as decimal separator so that the field reads
    // them back.
    static QString coefficientText(const tdspvar& variable);
    // Writes `variable`'s coefficient text into the numerator (tag 1) or denominator (tag 2).
    void fillFromVariable(int tag, const tdspvar& variable);
    // Parses both fields and refills the grid; the values stay when no denominator is usable.
    void recomputeSeries();

    QLabel* Label1; // the instruction
    QLabel* Label2; // "Num&arator :"
    QLabel* Label3; // "&Numitor :"
    QLineEdit* Edit1; // numerator
    QLineEdit* Edit2; // denominator
    QFrame* Bevel1;   // the fraction bar
    QPushButton* Button1; // "<v" for the numerator, tag 1
    QPushButton* Button2; // "<v" for the denominator, tag 2
    QTableWidget* StringGrid1;
    QMenu* PopupMenu1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void offerVariables(int tag, QPushButton* button);

    MainWindow* mainForm_;
};
