// TForm4: the name-correction dialog that every creator of a variable uses when a name is refused.
#pragma once

#include <QDialog>

class TForm1;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(TForm1* mainForm);

    // Shows the dialog with `proposed` in the name field; Skip and Ignore All are offered only
    // with allowSkip. Returns 1 OK, 2 Cancel, 5 Skip or 9 Ignore All; name() is the typed text.
    int ask(const QString& proposed, bool allowSkip);
    QString name() const;

private:
    TForm1* mainForm_;
};
