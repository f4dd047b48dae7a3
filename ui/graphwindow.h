// GraphWindow: the graph window "Grafic". It plots one variable, or two overlaid, in the
// cartesian or the modulus-and-phase view with optional logarithmic axes, and reads off sample
// values and slopes under the mouse. It only issues plot requests; the plot worker draws into the
// shared plot bitmap, which tBmpLnk1 shows. The main window sets the current variable and then
// calls exec(); each showing refills the lists from the workspace, which it only reads.
#pragma once

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

    // The mode word of the current toggle states: 8 log X, 1 no complex data or else 2 polar,
    // 4 log Y.
    int modeWord() const;
    PlotRequest& plot() { return *plot_; }
    const QImage& plotBitmap() const { return plotBitmap_; }
    // The variable the first list starts on at the next showing (none: the first one).
    void setCurrentVariable(std::shared_ptr<tdspvar> variable) { current_ = std::move(variable); }

    QLabel* Label1;
    QComboBox* ComboBox1;
    QCheckBox* CheckBox1;
    QComboBox* ComboBox2;
    CursorReadout* Memo1;
    QLabel* Label2;
    QToolButton* SpeedButton3;
    QLabel* Label3;
    QToolButton* SpeedButton1;
    QLabel* Label4;
    QToolButton* SpeedButton2;
    BitmapView* tBmpLnk1;

    // The window's event handlers, named after their controls.
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

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::shared_ptr<tdspvar> selectedVariable(const QComboBox* box) const;
    void requestPlot();

    const tworkspace& workspace_;
    QImage& plotBitmap_;
    std::shared_ptr<tdspvar> current_;
    std::unique_ptr<PlotRequest> plot_;
};
