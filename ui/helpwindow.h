// HelpWindow: the help viewer. A drop-down list picks one of the seven manual pages and a white page
// area below draws it from its page description (text lines and the two pictures HELP_MA and
// HELP_FUN, loaded once from the program's resources). The page shown is kept between openings,
// while the list always starts at its first item.
#pragma once

#include <QDialog>
#include <QImage>

class QComboBox;
class MainWindow;

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
    explicit HelpWindow(MainWindow* mainForm);

    int currentPage() const { return currentPage_; }
    const QImage& picture(int number) const { return pictures_[number - 1]; }

    QComboBox* ComboBox1;  // the page list
    HelpPageArea* PaintBox1; // the page area

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPage(int index);

    MainWindow* mainForm_;
    int currentPage_ = 0;
    QImage pictures_[2];
};
