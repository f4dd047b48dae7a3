// TForm5: the processing dialog: every processing operation with its live preview.
#pragma once

#include <QDialog>

class TForm1;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(TForm1* mainForm);

    // 1 windowing, 2 autocorrelation, 3 resampling, 4 correlation, 5 sum, 6 product,
    // 7 Fourier transform, 8 convolution; stored before the dialog is shown with exec().
    void setProcessingType(int type) { processingType_ = type; }
    int processingType() const { return processingType_; }

private:
    TForm1* mainForm_;
    int processingType_ = 1;
};
