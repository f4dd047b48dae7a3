// NameCorrectionDialog: the name-correction dialog that every creator of a variable uses when the workspace
// refuses a name (taken or reserved). It creates and changes nothing: it returns a result code and
// the text typed, and its OK button can only be pressed while the workspace would accept that
// text. It assumes the workspace does not change while it is open, which modality guarantees.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class MainWindow;

class NameCorrectionDialog : public QDialog {
    Q_OBJECT
public:
    // Result codes of the dialog.
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    static constexpr int kSkip = 5;
    static constexpr int kIgnoreAll = 9;

    explicit NameCorrectionDialog(MainWindow* mainForm);

    // Shows the dialog with `proposed` in the name field; Skip and Ignore All are offered only
    // with allowSkipping. Returns 1 OK, 2 Cancel, 5 Skip or 9 Ignore All; name() is the typed text.
    int ask(const QString& proposed, bool allowSkipping);
    QString name() const;

    // `allow skip`: Skip and Ignore All are shown and enabled on showing exactly when it is set.
    bool allowSkip = false;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr; // OK
    QPushButton* Button2 = nullptr; // Cancel
    QPushButton* Button3 = nullptr; // Skip
    QPushButton* Button4 = nullptr; // Ignore All

    // OK is enabled exactly while the field is not empty and the workspace accepts the name.
    void nameChanged();

public slots:
    void reject() override; // Escape and the close box give 2

protected:
    void showEvent(QShowEvent* event) override;

private:
    MainWindow* mainForm_;
};
