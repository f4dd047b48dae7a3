// AboutDialog: the About box "About (Despre acest program)". A fixed window with the program's
// name and its credit lines; it has no behaviour beyond being shown and closed.
#pragma once

#include "ui/boundtexts.h"

#include <QDialog>

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    BoundTexts texts_{"AboutDialog"};
};
