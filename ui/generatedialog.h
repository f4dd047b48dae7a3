// GenerateDialog: the generation dialog "Generare Functie". The user types a formula in x, the sample
// count and the type; every change is parsed and sampled on the sampling worker and previewed by
// the preview plotter, all driven by a 10 ms timer; OK turns the last finished run into a new
// workspace variable. It assumes the main window that owns it outlives it and provides the
// workspace and the name-correction dialog.
#pragma once

#include "ui/samplingworker.h"

#include <QDialog>

#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class MainWindow;
class BitmapView;
class RadioGroup;
class SpinEdit;

class GenerateDialog : public QDialog {
    Q_OBJECT
public:
    explicit GenerateDialog(MainWindow* mainForm);
    ~GenerateDialog() override;

    // Puts the preset name and expression into their fields (the main window's Ins and window
    // commands) before the dialog is shown with exec().
    void preset(const QString& name, const QString& expression);

    // Closes with 1 (OK) or 2 (Cancel, Escape, the close box); any closing stops the preview.
    void done(int result) override;
    void reject() override { done(2); }

    // One tick of the 10 ms cycle: gauge, hand-over of a finished run, parse and a new run.
    void tick();

    int sampleCount() const { return sampleCount_; }
    bool changePending() const { return changePending_; }
    const SamplingWorker& sampler() const { return sampler_; }
    // A run goes on after the dialog has closed and reads the variables its formula names.
    // Whoever is about to resize a variable's samples in place waits for it here first.
    void waitForSamplingRun() { sampler_.wait(); }
    // Ends a run still going without waiting it out (closing the program).
    void stopSamplingRun() { sampler_.stop(); }

    // The controls, as the user sees them.
    QLabel* Label1;          // "&Nume variabila :"
    QLineEdit* Edit1;        // name
    QLabel* Label2;          // "&Functie : "
    QLineEdit* Edit2;        // expression
    QLabel* Label3;          // "Numar de &sample-uri :"
    SpinEdit* SpinEdit1;    // sample count
    QProgressBar* Gauge1;
    QPlainTextEdit* Memo1;   // parse message
    RadioGroup* RadioGroup1; // "&Real", "&Complex"
    RadioGroup* RadioGroup2; // "Carte&zian", "&Polar"
    QPushButton* Button1;    // Cancel
    QPushButton* Button2;    // OK
    BitmapView* tBmpLnk1;       // preview
    QTimer* Timer1;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

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

    MainWindow* mainForm_;
    SamplingWorker sampler_;
    std::shared_ptr<sampleBuffer> preview_ = std::make_shared<sampleBuffer>(); // what the preview draws
    int sampleCount_ = 128;
    bool changePending_ = false;
    bool autoComplex_ = false;
    std::string parseMessage_;
};
