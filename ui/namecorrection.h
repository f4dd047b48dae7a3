// NameCorrectionDialog: the dialog "Numele variabilei este gresit" that every creator of a
// variable uses when the workspace refuses a name (taken or reserved). It creates and changes
// nothing: it returns a result and the text typed, and its OK button can only be pressed while the
// workspace would accept that text. Skip and Ignore All are offered only to the state-file reader.
// It assumes the workspace does not change while it is open, which modality guarantees.
#pragma once

#include "core/variable.h"
#include "ui/dialogresult.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class tworkspace;

class NameCorrectionDialog : public QDialog {
    Q_OBJECT
public:
    NameCorrectionDialog(const tworkspace& workspace, QWidget* parent);

    // Shows the dialog with `proposed` in the name field; Skip and Ignore All are shown only with
    // allowSkipping, and hidden again once it has been answered. Returns ok, cancel, skip or
    // ignoreAll; name() is the typed text.
    dialogAnswer ask(const QString& proposed, bool allowSkipping);
    QString name() const;

public slots:
    void reject() override; // Escape and the close box give cancel

protected:
    void showEvent(QShowEvent* event) override;

private:
    // OK is enabled exactly while the field is not empty and the workspace accepts the name.
    void nameChanged();
    void offerSkipping(bool offered);

    // The controls, by role; each carries the name the program's texts give it as its objectName.
    QLabel* nameLabel_ = nullptr;            // Label1, "Nume nou :"
    QLineEdit* nameEdit_ = nullptr;          // Edit1
    QPushButton* okButton_ = nullptr;        // Button1
    QPushButton* cancelButton_ = nullptr;    // Button2
    QPushButton* skipButton_ = nullptr;      // Button3
    QPushButton* ignoreAllButton_ = nullptr; // Button4

    const tworkspace& workspace_;
    bool allowSkip_ = false; // Skip and Ignore All are shown and enabled on showing
};

// The last step of every dialog that creates a variable: the name typed in `nameField` is
// normalised and shown there in lower case; when the workspace refuses it, the name-correction
// dialog asks for another, and Cancel there creates nothing. Then the variable is added with its
// samples and info. Returns it, or nullptr when the user cancelled.
tdspvarPtr addNamedVariable(QLineEdit& nameField, NameCorrectionDialog& nameCorrection,
                            tworkspace& workspace, signalSamples samples, variableInfo info);
