// GraphWindow: the graph window "Grafic". It plots one variable, or two overlaid, in the
// cartesian or the modulus-and-phase view with optional logarithmic axes, and reads off sample
// values and slopes under the mouse. It only issues plot requests; the plot worker draws into the
// shared plot bitmap, which tBmpLnk1 shows. The main window sets the current variable and then
// calls exec(); each showing refills the lists from the workspace, which it only reads.
#pragma once

#include "plot/plotscale.h"
#include "ui/workerthread.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QImage;
class QToolButton;
class BitmapView;
class CursorReadout;
class PlotRequest;
class tdspvar;
class tworkspace;

class GraphWindow : public QDialog {
    Q_OBJECT
public:
    struct Collaborators {
        const tworkspace& workspace;
        QImage& plotBitmap;        // what the plot is drawn into, shared with the previews
        threadStarter startThread; // makes the plot's drawing thread (empty: pthread_create)
    };
    GraphWindow(const Collaborators& with, QWidget* parent);
    ~GraphWindow() override;

    // What the toggles ask of the plot now.
    plotMode mode() const;
    PlotRequest& plot() { return *plot_; }
    const QImage& plotBitmap() const { return plotBitmap_; }
    // The variable the first list starts on at the next showing (none: the first one).
    void setCurrentVariable(std::shared_ptr<tdspvar> variable) { current_ = std::move(variable); }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The window's event handlers.
    void prepareForShow();
    void variablesChanged();
    void secondVariableToggled();
    void polarToggled();
    void logYToggled();
    void logXToggled();
    void togglePolar();
    void toggleLogY();
    void toggleLogX();
    void showReadout(QPoint position);
    std::shared_ptr<tdspvar> selectedVariable(const QComboBox* box) const;
    void requestPlot();

    // The controls, by role; each carries the name the program's texts give it as its objectName.
    QLabel* firstLabel_;        // Label1, "Variabila 1"
    QComboBox* firstList_;      // ComboBox1
    QCheckBox* secondBox_;      // CheckBox1, "Variabila 2"
    QComboBox* secondList_;     // ComboBox2
    CursorReadout* readout_;    // Memo1
    QLabel* polarLabel_;        // Label2, "Cartezian / &Polar"
    QToolButton* polarButton_;  // SpeedButton3
    QLabel* logYLabel_;         // Label3, "Axa &Y logaritmica"
    QToolButton* logYButton_;   // SpeedButton1
    QLabel* logXLabel_;         // Label4, "Axa &X logaritmica"
    QToolButton* logXButton_;   // SpeedButton2
    BitmapView* plotView_;      // tBmpLnk1

    const tworkspace& workspace_;
    QImage& plotBitmap_;
    std::shared_ptr<tdspvar> current_;
    std::unique_ptr<PlotRequest> plot_;
};
