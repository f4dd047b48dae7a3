// ProcessingDialog: the processing dialog "Procesare", through which every processing command of the main
// window runs: windowing, autocorrelation, resampling, correlation, sum, product, the Fourier
// transform and convolution. Every change of its lists or of the length field recomputes the
// result into the program's sample buffer on the GUI thread and restarts the preview plotter on
// it; "Ok" writes the buffer into the source variable or into a new one. It assumes the main window
// that owns it outlives it, sets the processing type and the current variable before showing it
// modally, and keeps the workspace unchanged while it is open.
#pragma once

#include "dsp/operations.h"

#include <QDialog>
#include <QString>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class MainWindow;
class BitmapView;
class RadioGroup;
class SpinEdit;

class ProcessingDialog : public QDialog {
    Q_OBJECT
public:
    // Result codes of the dialog.
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    // The resampling length's range and the length used for any other text.
    static constexpr int kMinLength = 1;
    static constexpr int kMaxLength = 65536;
    static constexpr int kDefaultLength = 128;

    explicit ProcessingDialog(MainWindow* mainForm);

    // 1 windowing, 2 autocorrelation, 3 resampling, 4 correlation, 5 sum, 6 product,
    // 7 Fourier transform, 8 convolution; stored before the dialog is shown with exec().
    void setProcessingType(int type) { processingType_ = type; }
    int processingType() const { return processingType_; }

    // The change handling shared by both lists and the length field: rebuilds the default name
    // and the description, reads the length, recomputes into the sample buffer and restarts the
    // preview. Does nothing while the dialog is not open.
    void choicesChanged();

    // The texts and the length of the latest change handling, and the name-follow flag.
    const QString& defaultName() const { return defaultName_; }
    const QString& description() const { return description_; }
    int resampleLength() const { return resampleLength_; }
    bool nameFollows() const { return nameFollow_; }

    // The resampling length a text gives: a whole number in 1 .. 65536, else 128.
    static int lengthFromText(const QString& text);

    // Closes with 1 (Ok) or 2 (Cancel, Escape, the close box); any closing stops the preview.
    void done(int result) override;
    void reject() override { done(kCancel); }

    // The controls, as the user sees them.
    QLabel* Label1 = nullptr;          // "Sursa :"
    QComboBox* ComboBox1 = nullptr;    // source
    QLabel* Label2 = nullptr;          // "Operand : "
    QComboBox* ComboBox2 = nullptr;    // operand, window or direction
    QLabel* Label3 = nullptr;          // "Esantioane rezultat"
    SpinEdit* SpinEdit1 = nullptr;    // resampling length
    RadioGroup* RadioGroup1 = nullptr; // " Destinatie : "
    QLineEdit* Edit1 = nullptr;        // name of a new variable
    BitmapView* tBmpLnk1 = nullptr;       // preview
    QPushButton* Button1 = nullptr;    // "Ok"
    QPushButton* Button2 = nullptr;    // "Cancel"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void prepareForShow();
    void targetChanged();
    void nameEdited();
    void acceptResult();
    void rebuildTexts();
    void recompute();
    void startPreview();
    // The workspace variable a list's current item names, or nullptr.
    tdspvarPtr listedVariable(const QComboBox* list) const;
    void commit();

    MainWindow* mainForm_;
    int processingType_ = 1;
    bool open_ = false;       // between showing and closing: changes recompute
    bool nameFollow_ = false; // the default name is written into the name field
    QString defaultName_;
    QString description_;
    int resampleLength_ = kDefaultLength;
    std::shared_ptr<sampleBuffer> result_ = std::make_shared<sampleBuffer>(); // also the preview's
};
