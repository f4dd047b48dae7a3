// WavOptionsDialog: asks how a WAV export is written: as 32-bit floats (the default) or as 16-bit
// integers scaled so that the largest magnitude is full scale, and at which sample rate. It is
// made once and keeps the chosen format between showings; the caller proposes the rate each time
// (the one remembered from an import, else 8000 Hz). OK is enabled only for a whole number of
// hertz within 1 ... kMaxSampleRate.
#pragma once

#include "io/soundfile.h"

#include <QDialog>

class QLabel;
class QPushButton;
class RadioGroup;
class SpinEdit;

class WavOptionsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 281;
    static constexpr int kClientHeight = 132;

    explicit WavOptionsDialog(QWidget* parent);

    // Shows the dialog with `sampleRate` proposed; false when cancelled, else the answers.
    bool ask(int& sampleRate, wavEncoding& encoding);

private:
    void rateChanged();

    // The controls, by role; each carries the name the tests find it by as its objectName.
    RadioGroup* formatGroup_ = nullptr;   // FormatGroup
    QLabel* rateLabel_ = nullptr;         // RateLabel
    SpinEdit* rateEdit_ = nullptr;        // RateEdit
    QPushButton* okButton_ = nullptr;     // OkButton
    QPushButton* cancelButton_ = nullptr; // CancelButton
};
