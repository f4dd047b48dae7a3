// TForm8: the selection dialog that saves or deletes all, the checked or the clicked variables.
#pragma once

#include <QDialog>

class TForm1;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(TForm1* mainForm);

    // 0 save, 1 delete; set before the dialog is shown with exec().
    void setMode(int mode) { mode_ = mode; }
    int mode() const { return mode_; }
    // The third option ("only the clicked variable"): its caption, whether it can be chosen, and
    // choosing an option (0 all, 1 the checked ones, 2 the clicked one).
    QString clickedOptionCaption() const;
    void setClickedOption(bool enabled, const QString& caption);
    void chooseOption(int index);
    int chosenOption() const;

private:
    TForm1* mainForm_;
    int mode_ = 0;
};
