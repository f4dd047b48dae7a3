// FilterFields: the part of the processing dialog that only the filter command shows: the
// numerator and denominator of H(z), typed as in the inverse Z window (free term first, separated
// by commas), and a note that says why the system is refused or where the filter diverges. The
// fields take the inverse Z window's texts whenever those changed since they last took them, so
// a system typed or designed there is the one the filter starts with. It assumes the dialog that
// owns it places nothing else in the left column below the length field.
#pragma once

#include "dsp/transferfunction.h"
#include "ui/boundtexts.h"

#include <QObject>

class QLabel;
class QLineEdit;
class QWidget;
class TypedSystem;

class FilterFields : public QObject {
    Q_OBJECT
public:
    FilterFields(QWidget* dialog, const TypedSystem* typed);

    // Shows or hides every control of the part; shown, the fields take up the inverse Z window's
    // texts when they changed since the last time.
    void setShown(bool shown);
    QString numeratorText() const;
    QString denominatorText() const;
    // The system the two fields describe, read as the inverse Z window reads them.
    transferFunction system() const;
    void setNote(const QString& note);

    QLineEdit* numeratorEdit() const { return numeratorEdit_; }
    QLineEdit* denominatorEdit() const { return denominatorEdit_; }

signals:
    void changed();

protected:
    bool event(QEvent* event) override;

private:
    BoundTexts texts_{"FilterFields"};
    QLabel* numeratorLabel_;     // NumeratorLabel, "Numarator :"
    QLineEdit* numeratorEdit_;   // NumeratorEdit
    QLabel* denominatorLabel_;   // DenominatorLabel, "Numitor :"
    QLineEdit* denominatorEdit_; // DenominatorEdit
    QLabel* note_;               // FilterNote
    const TypedSystem* typed_;
    unsigned takenRevision_ = 0;
};
