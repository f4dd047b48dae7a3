// GenerateDialog: the generation dialog "Generare Functie". The user types a formula in x, the
// sample count and the type; every change is parsed and sampled on the sampling worker and
// previewed by the preview plotter, all driven by a 10 ms timer; OK turns the last finished run
// into a new workspace variable, whose refused name goes through the name-correction dialog. The
// sampling worker and the plotter belong to the main window, so a run may go on after the dialog
// has closed; its result then waits for the next opening. A run or a preview whose thread cannot
// be started is reported in the error box, and the dialog goes on without it.
#pragma once

#include "dsp/samplebuffer.h"
#include "ui/boundtexts.h"
#include "ui/dialogresult.h"

#include <QDialog>

#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class BitmapView;
class NameCorrectionDialog;
class PreviewPlotter;
class RadioGroup;
class SamplingWorker;
class SpinEdit;
class tworkspace;

class GenerateDialog : public QDialog {
    Q_OBJECT
public:
    struct Collaborators {
        tworkspace& workspace;
        SamplingWorker& sampler;
        NameCorrectionDialog& nameCorrection;
        PreviewPlotter& preview; // draws into the plot bitmap that the dialog shows
    };
    GenerateDialog(const Collaborators& with, QWidget* parent);
    ~GenerateDialog() override;

    // Puts the preset name and expression into their fields (the main window's Ins and window
    // commands) before the dialog is shown with exec().
    void preset(const QString& name, const QString& expression);

    // Closes with ok or cancel (also Escape and the close box); any closing stops the preview.
    void done(int result) override;
    void reject() override { done(resultCode(dialogAnswer::cancel)); }

    // One tick of the 10 ms cycle: gauge, hand-over of a finished run, parse and a new run.
    void tick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void activated();
    void expressionChanged();
    void sampleCountChanged();
    void variableKindChanged();
    void complexViewChanged();
    void acceptVariable();
    void markChangePending();
    void handRunToPreview();
    void parseAndSample();
    void createVariable();

    BoundTexts texts_{"GenerateDialog"};
    // The controls, by role; each carries the name the program's texts give it as its objectName.
    QLabel* nameLabel_;                // Label1, "&Nume variabila :"
    QLineEdit* nameEdit_;              // Edit1
    QLabel* expressionLabel_;          // Label2, "&Functie : "
    QLineEdit* expressionEdit_;        // Edit2
    QLabel* countLabel_;               // Label3, "Numar de &sample-uri :"
    SpinEdit* countEdit_;              // SpinEdit1
    QProgressBar* gauge_;              // Gauge1
    QPlainTextEdit* messageArea_;      // Memo1, the parse message
    RadioGroup* typeGroup_;            // RadioGroup1, "&Real", "&Complex"
    RadioGroup* representationGroup_;  // RadioGroup2, "Carte&zian", "&Polar"
    QPushButton* cancelButton_;        // Button1
    QPushButton* okButton_;            // Button2
    BitmapView* previewView_;          // tBmpLnk1
    QTimer* timer_;                    // Timer1

    tworkspace& workspace_;
    SamplingWorker& sampler_;
    NameCorrectionDialog& nameCorrection_;
    PreviewPlotter& plotter_;
    std::shared_ptr<sampleBuffer> preview_ = std::make_shared<sampleBuffer>(); // what the preview draws
    int sampleCount_ = 128;
    bool changePending_ = false;
    bool gaugeShowsPreview_ = false; // the gauge follows the preview's drawing, else the run
    bool autoComplex_ = false;
    std::string parseMessage_;
};
