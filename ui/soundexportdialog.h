// SoundExportDialog: asks how the sound export writes its file: the encoding (WAV as 32-bit
// floats, the default, or as 16/24-bit integers; FLAC as 16/24-bit integers), for integers
// whether the values are scaled so that the largest magnitude is full scale or stored as they are
// (+-1 full scale, what lies beyond clipped), and the sample rate. It is made once and keeps the
// chosen encoding and scaling between showings; the caller proposes the rate each time (the one
// remembered from an import, else 8000 Hz). OK is enabled only for a whole number of hertz within
// 1 ... kMaxSampleRate.
#pragma once

#include "io/soundfile.h"

#include "ui/boundtexts.h"

#include <QDialog>

class QLabel;
class QPushButton;
class RadioGroup;
class SpinEdit;

// Whether the encoding writes a FLAC file (else WAV).
bool isFlacEncoding(soundEncoding encoding);

class SoundExportDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 281;
    static constexpr int kClientHeight = 262;

    explicit SoundExportDialog(QWidget* parent);

    // Shows the dialog with options.sampleRate proposed; false when cancelled, else the answers.
    bool ask(soundExportOptions& options);

protected:
    void changeEvent(QEvent* event) override;

private:
    void rateChanged();
    void encodingChanged();

    BoundTexts texts_{"SoundExportDialog"};
    // The controls, by role; each carries the name the tests find it by as its objectName.
    RadioGroup* formatGroup_ = nullptr;   // FormatGroup, in soundEncoding's order
    RadioGroup* scalingGroup_ = nullptr;  // ScalingGroup, in sampleScaling's order
    QLabel* rateLabel_ = nullptr;         // RateLabel
    SpinEdit* rateEdit_ = nullptr;        // RateEdit
    QPushButton* okButton_ = nullptr;     // OkButton
    QPushButton* cancelButton_ = nullptr; // CancelButton
};
