// FilterDesignDialog: the dialog "Proiectare filtru", opened from the inverse Z window's panel. It
// designs an FIR filter by the window method (low-, high-, band-pass or band-stop, an order, the
// cutoffs as fractions of the sampling rate or in Hz, one of the program's five windows) or an IIR
// Butterworth or Chebyshev type I filter (order, cutoffs, ripple), shows the design live as poles,
// zeros and response, and says why parameters are refused. "Ok" puts the FIR taps into a new
// variable (through the usual name check) and offers the design's two coefficient lists to the
// inverse Z window when they fit its fields; a design with more coefficients than the fields hold
// is said in the dialog. It assumes the workspace does not change while it is open (it is modal).
#pragma once

#include "dsp/filterdesign.h"
#include "ui/boundtexts.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <span>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class NameCorrectionDialog;
class SpinEdit;
class SystemView;
class tworkspace;

class FilterDesignDialog : public QDialog {
    Q_OBJECT
public:
    // The method list's items, in order.
    enum class method { fir, butterworth, chebyshev };

    struct Collaborators {
        tworkspace& workspace;
        NameCorrectionDialog& nameCorrection;
        const QStringList& windowNames;
    };
    FilterDesignDialog(const Collaborators& with, QWidget* parent);
    ~FilterDesignDialog() override;

    // A rate above 0 puts the cutoffs in Hz at that rate; 0 leaves the units as they are.
    void setRate(double rate);
    // After "Ok": the lists to type into the inverse Z window, free term first; none after
    // "Cancel" or when the design has more coefficients than the window's fields hold.
    const std::optional<typedLists>& chosenLists() const;
    // Coefficients as the inverse Z window reads them: " , " between them, the period, and as
    // many digits as an extended number holds, so that the window reads the design back.
    static QString coefficientText(std::span<const extended> coefficients);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void recompute();
    // The cutoffs typed in the old unit rewritten in the new one, at the rate typed.
    void unitsChanged();
    // The parameters as typed, or the message that says what is wrong with them.
    std::optional<filterParameters> parameters(QString& message) const;
    // The sampling rate typed, when the cutoffs are in Hz; 0 otherwise.
    double rateInHz() const;
    void accept() override;
    void reject() override;

    QComboBox* methodList_; // MethodList
    QComboBox* bandList_;   // BandList
    SpinEdit* orderEdit_;   // OrderEdit
    QComboBox* unitList_;   // UnitList: fractions of the rate, or Hz
    QLineEdit* rateEdit_;   // RateEdit
    QLineEdit* cutoffEdit_; // CutoffEdit
    QLineEdit* upperEdit_;  // UpperEdit
    QComboBox* windowList_; // WindowList
    QLineEdit* rippleEdit_; // RippleEdit
    QLineEdit* nameEdit_;   // NameEdit: the FIR taps' variable
    QLabel* message_;       // MessageLabel
    SystemView* view_;      // SystemView
    QPushButton* okButton_;     // OkButton
    QPushButton* cancelButton_; // CancelButton

    BoundTexts texts_{"FilterDesignDialog"};
    tworkspace& workspace_;
    NameCorrectionDialog& nameCorrection_;
    filterDesign design_;
    std::optional<typedLists> chosen_;
};
