// HelpWindow: the help viewer "Ajutor pentru programul Kelmo". A drop-down list picks one of the
// seven manual pages and a white page area below draws it from its page description (text lines
// and the two pictures HELP_MA and HELP_FUN, loaded once from the program's resources); the pages
// themselves live in help/. The page shown is kept between openings, while the list always starts
// at its first item.
#pragma once

#include <QDialog>
#include <QImage>

class QComboBox;

// The page area: paints the current page of its help window.
class HelpPageArea : public QWidget {
    Q_OBJECT
public:
    HelpPageArea(QWidget* parent, const int& currentPage, const QImage (&pictures)[2]);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const int& currentPage_;
    const QImage (&pictures_)[2];
};

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPage(int index);

    // The controls, by role; each carries the name the program's texts give it as its objectName.
    QComboBox* pageList_;    // ComboBox1, the page list
    HelpPageArea* pageArea_; // PaintBox1, the page area

    int currentPage_ = 0;
    QImage pictures_[2];
};
