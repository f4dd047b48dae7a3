// ProcessingDialog: the processing dialog "Procesare", through which every processing command of
// the main window runs: windowing, autocorrelation, resampling, correlation, sum, product, the
// Fourier transform, convolution and filtering by H(z). Every change of its lists or of the length field recomputes
// the result into its sample buffer on the GUI thread and restarts the preview plotter on it;
// "Ok" has the workspace replace the source variable's samples with the result, or add a new
// variable, whose refused name goes through the name-correction dialog. The main window sets the
// processing type and the current variable before showing it modally; the workspace stays
// unchanged while it is open.
#pragma once

#include "dsp/operations.h"
#include "ui/boundtexts.h"
#include "ui/dialogresult.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class BitmapView;
class FilterFields;
class NameCorrectionDialog;
class PreviewOverlay;
class PreviewPlotter;
class RadioGroup;
class SpinEdit;
class TypedSystem;
class tworkspace;

class ProcessingDialog : public QDialog {
    Q_OBJECT
public:
    struct Collaborators {
        tworkspace& workspace;
        NameCorrectionDialog& nameCorrection;
        const QStringList& windowNames; // the window functions, in the order that selects them
        PreviewPlotter& preview;        // draws into the plot bitmap that the dialog shows
        const TypedSystem* typedSystem = nullptr; // the inverse Z window's H(z), for the filter
    };
    ProcessingDialog(const Collaborators& with, QWidget* parent);

    // Stored before the dialog is shown with exec(): the type, and the variable the source list
    // starts on (none: the first one).
    void setProcessingType(processingType type) { processingType_ = type; }
    void setCurrentVariable(tdspvarPtr variable) { current_ = std::move(variable); }

    // The change handling shared by both lists and the length field: rebuilds the default name
    // and the description, reads the length, recomputes into the sample buffer and restarts the
    // preview. Does nothing while the dialog is not open.
    void choicesChanged();

    // Closes with ok or cancel (also Escape and the close box); any closing stops the preview.
    void done(int result) override;
    void reject() override { done(resultCode(dialogAnswer::cancel)); }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int kDefaultLength = 128; // the resampling length for any text out of range

    void prepareForShow();
    void showTitle();
    void targetChanged();
    void nameEdited();
    void acceptResult();
    void rebuildTexts();
    void recompute();
    void startPreview();
    // The workspace variable a list's current item names, or nullptr.
    tdspvarPtr listedVariable(const QComboBox* list) const;
    void commit();

    BoundTexts texts_{"ProcessingDialog"};
    // The controls, by role; each carries the name the program's texts give it as its objectName.
    QLabel* sourceLabel_ = nullptr;          // Label1, "Sursa :"
    QComboBox* sourceList_ = nullptr;        // ComboBox1
    QLabel* operandLabel_ = nullptr;         // Label2, "Operand : "
    QComboBox* operandList_ = nullptr;       // ComboBox2: operand, window or direction
    QLabel* lengthLabel_ = nullptr;          // Label3, "Esantioane rezultat"
    SpinEdit* lengthEdit_ = nullptr;         // SpinEdit1, the resampling length
    RadioGroup* destinationGroup_ = nullptr; // RadioGroup1, " Destinatie : "
    QLineEdit* nameEdit_ = nullptr;          // Edit1, the name of a new variable
    BitmapView* previewView_ = nullptr;      // tBmpLnk1
    PreviewOverlay* previewOverlay_ = nullptr; // over it: the focus frame, and why no result
    QPushButton* okButton_ = nullptr;        // Button1, "Ok"
    QPushButton* cancelButton_ = nullptr;    // Button2, "Cancel"
    FilterFields* filterFields_ = nullptr;   // the filter's H(z), shown for that command only

    tworkspace& workspace_;
    NameCorrectionDialog& nameCorrection_;
    const QStringList& windowNames_;
    PreviewPlotter& plotter_;
    processingType processingType_ = processingType::windowing;
    tdspvarPtr current_;
    std::optional<processingType> titleType_; // the command it was last shown for
    bool open_ = false;       // between showing and closing: changes recompute
    bool nameFollow_ = false; // the default name is written into the name field
    QString defaultName_;
    QString description_;
    int resampleLength_ = kDefaultLength;
    std::shared_ptr<sampleBuffer> result_ = std::make_shared<sampleBuffer>(); // also the preview's
    // Why the latest recomputation has no result (a result beyond the largest variable, memory
    // that ran out); empty when it has one. It shows in the preview's place at once, and "Ok"
    // then says so and writes nothing.
    QString refusal_;
};
