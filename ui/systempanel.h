// SystemPanel: the part of the inverse Z window that opens on demand beside its table. It states
// how the window reads its two lists as a system H(z), shows that system's poles, zeros,
// frequency response and stability (SystemView) as the coefficients are typed, sends the 50 terms
// to the workspace as the impulse response (through the usual name check), optionally plotted,
// and opens the filter design dialog, whose H(z) it hands back to the window's fields. The window
// calls showSystem at every change of its fields; the panel changes the workspace only when a
// button asks it to.
#pragma once

#include "core/variable.h"
#include "dsp/transferfunction.h"
#include "dsp/zinverse.h"
#include "ui/boundtexts.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class FilterDesignDialog;
class NameCorrectionDialog;
class SystemView;
class tworkspace;

class SystemPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 500;

    using seriesTerms = std::array<extended, kSeriesTerms>;
    struct Collaborators {
        tworkspace& workspace;
        NameCorrectionDialog& nameCorrection;
        const QStringList& windowNames;
        // Opens the graph window on a variable; empty: the terms are only sent.
        std::function<void(const tdspvarPtr&)> showVariable = {};
    };
    SystemPanel(const Collaborators& with, QWidget* parent);
    ~SystemPanel() override;

    // The lists as typed, the system they describe and its 50 terms (none without a usable
    // denominator: nothing can then be sent).
    void showSystem(const QString& numerator, const QString& denominator, const transferFunction& h,
                    const std::optional<seriesTerms>& terms);
    SystemView* view() const { return view_; }

signals:
    // A design to type into the window's fields, free term first.
    void designChosen(const QString& numerator, const QString& denominator);

protected:
    void changeEvent(QEvent* event) override;

private:
    void layOutRows();
    // The rate typed in Hz, or 0 when none (or not a positive number) is typed.
    double rate() const;
    void refreshView();
    void send(bool thenShow);
    void design();

    QLabel* convention_;        // ConventionLabel
    SystemView* view_;          // SystemView
    QLabel* rateLabel_;         // RateLabel
    QLineEdit* rateEdit_;       // RateEdit
    QPushButton* designButton_; // DesignButton
    QLabel* nameLabel_;         // NameLabel
    QLineEdit* nameEdit_;       // NameEdit
    QPushButton* sendButton_;   // SendButton
    QPushButton* plotButton_;   // PlotButton

    BoundTexts texts_{"SystemPanel"};
    tworkspace& workspace_;
    NameCorrectionDialog& nameCorrection_;
    const QStringList& windowNames_;
    std::function<void(const tdspvarPtr&)> showVariable_;
    std::unique_ptr<FilterDesignDialog> designDialog_; // made on first use
    QString numerator_, denominator_;
    transferFunction system_;
    std::optional<seriesTerms> terms_;
};
