// NameCorrectionDialog: the dialog "Numele variabilei este gresit" that every creator of a
// variable uses when the workspace refuses a name (taken, reserved, or one formulas could not
// use). It creates and changes nothing: it returns a result and the text typed, and its OK button
// can only be pressed while the workspace would accept that text as it stands; beside the buttons
// it says why the text is refused. Skip and Ignore All are offered only to the file readers.
// It assumes the workspace does not change while it is open, which modality guarantees.
#pragma once

#include "core/variable.h"
#include "core/workspace.h"
#include "ui/boundtexts.h"
#include "ui/dialogresult.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The short text that says why a name is refused ("Numele exista deja"); empty for none.
// `text` is the refused text, whose first character that names cannot hold is shown.
QString refusalText(nameRefusal refusal, const QString& text);

class NameCorrectionDialog : public QDialog {
    Q_OBJECT
public:
    NameCorrectionDialog(const tworkspace& workspace, QWidget* parent);

    // Shows the dialog with `proposed` in the name field; Skip and Ignore All are shown only with
    // allowSkipping, and hidden again once it has been answered. Returns ok, cancel, skip or
    // ignoreAll; name() is the typed text. A caller that normalises what it gets
    // (`willNormalise`) may have characters typed that names cannot hold; for the others (the
    // file readers, which take the name as typed) the text must be a name as it stands.
    dialogAnswer ask(const QString& proposed, bool allowSkipping, bool willNormalise = false);
    QString name() const;

public slots:
    void reject() override; // Escape and the close box give cancel

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // OK is enabled exactly while the workspace accepts the text as a new name; the reason
    // label says why not.
    void nameChanged();
    nameRefusal refusalNow() const;
    void offerSkipping(bool offered);
    void showReason(const QString& reason);

    BoundTexts texts_{"NameCorrectionDialog"};
    // The controls, by role; each carries the name the program's texts give it as its objectName.
    QLabel* nameLabel_ = nullptr;            // Label1, "Nume nou :"
    QLineEdit* nameEdit_ = nullptr;          // Edit1
    QPushButton* okButton_ = nullptr;        // Button1
    QPushButton* cancelButton_ = nullptr;    // Button2
    QPushButton* skipButton_ = nullptr;      // Button3
    QPushButton* ignoreAllButton_ = nullptr; // Button4
    QLabel* reasonLabel_ = nullptr;          // ReasonLabel, right of the buttons shown

    const tworkspace& workspace_;
    bool allowSkip_ = false; // Skip and Ignore All are shown and enabled on showing
    bool willNormalise_ = false;
};

// The last step of every dialog that creates a variable: the name typed in `nameField` is
// normalised and shown there in lower case; when the workspace refuses it (tworkspace::refusalOf:
// also an empty name or one that begins with a digit), the name-correction dialog asks for
// another, and Cancel there creates nothing. Then the variable is added with its
// samples and info. Returns it, or nullptr when the user cancelled.
tdspvarPtr addNamedVariable(QLineEdit& nameField, NameCorrectionDialog& nameCorrection,
                            tworkspace& workspace, signalSamples samples, variableInfo info);
