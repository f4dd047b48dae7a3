// PictureExportDialog: "Salveaza graficul", asked by the graph window's Ctrl+S before the file:
// the format (PNG, SVG or PDF), the size (the plot's size in the window, or a width and height
// typed in pixels, or points in a PDF) and whether the picture is for print (dark curves on
// white, with axis titles and the legend). Created once by the graph window's commands and
// reused, so it keeps the last choices.
#pragma once

#include "ui/boundtexts.h"

#include <QDialog>
#include <QSize>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

enum class pictureFormat { png, svg, pdf };

struct pictureChoice {
    pictureFormat format = pictureFormat::png;
    QSize size;           // empty: the plot's size in the window
    bool forPrint = false;
};

class PictureExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit PictureExportDialog(QWidget* parent);

    // Shows the dialog with the window's plot size offered; false when cancelled.
    bool ask(QSize windowSize, pictureChoice& choice);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showWindowSize();

    BoundTexts texts_{"PictureExportDialog"};
    QSize windowSizeOffered_;
    QComboBox* formatBox_;       // FormatBox
    QRadioButton* windowSize_;   // RadioButton1
    QRadioButton* typedSize_;    // RadioButton2
    QSpinBox* widthEdit_;        // WidthEdit
    QSpinBox* heightEdit_;       // HeightEdit
    QCheckBox* printBox_;        // CheckBox1
};
