// HelpWindow: the help viewer "Ajutor pentru programul Kelmo". A drop-down list picks one of the
// seven manual pages and a white page area below draws it from its page description (text lines
// and the two pictures HELP_MA and HELP_FUN from the program's resources); the pages themselves
// live in help/. Titles, pages and pictures follow the language installed, at once when it
// changes. The page shown is kept between openings, while the list always starts at its first
// item.
#pragma once

#include "help/helppages.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <vector>

class QComboBox;

// The page area: paints the lines and pictures of one page, on white inside a black frame. It
// assumes the pictures outlive it.
class HelpPageArea : public QWidget {
    Q_OBJECT
public:
    HelpPageArea(QWidget* parent, const std::array<QImage, 2>& pictures);

    void setItems(std::vector<helpItem> items);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const std::array<QImage, 2>& pictures_;
    std::vector<helpItem> items_;
};

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    // What page `page` draws in the language installed now.
    static std::vector<helpItem> pageItems(int page);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showPage(int index);
    // Sets the caption, the list's titles, the pictures and the page in the language installed.
    void showTexts();

    // The controls, by role; each carries the name the program's texts give it as its objectName.
    QComboBox* pageList_;    // ComboBox1, the page list
    HelpPageArea* pageArea_; // PaintBox1, the page area

    int currentPage_ = 0;
    std::array<QImage, 2> pictures_;
};
