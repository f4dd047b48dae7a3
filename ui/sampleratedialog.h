// SampleRateDialog: "Frecventa de esantionare", the small dialog of the strips' pop-up menu that
// sets or clears the sample rate of the current variable. It shows the variable's rate in Hz
// (an empty field for none); Ok with an empty field clears the rate, with a rate a variable may
// carry (core/samplerate.h) sets it, and with anything else says why under the field and stays
// open. Only the workspace changes the variable, and only when the rate changes; the description
// and domain stay. Created once by the main window and shown with exec().
#pragma once

#include "core/variable.h"
#include "ui/boundtexts.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class tworkspace;

class SampleRateDialog : public QDialog {
    Q_OBJECT
public:
    SampleRateDialog(tworkspace& workspace, QWidget* parent);

    // The variable the next showing is about.
    void setVariable(tdspvarPtr variable);

public slots:
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void showPrompt();
    // Says under the field why the rate was refused, or says nothing.
    void showRefusal(bool refused);

    BoundTexts texts_{"SampleRateDialog"};
    bool refused_ = false;
    // The controls, by role, with the objectNames of the program's other dialogs.
    QLabel* promptLabel_ = nullptr;   // Label1, the variable and the unit
    QLineEdit* rateEdit_ = nullptr;   // Edit1, the rate in Hz
    QLabel* messageLabel_ = nullptr;  // Label2, why a rate was refused
    QPushButton* okButton_ = nullptr;     // Button1, "Ok"
    QPushButton* cancelButton_ = nullptr; // Button2, "Cancel"

    tworkspace& workspace_;
    tdspvarPtr variable_;
};
