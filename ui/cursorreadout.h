// CursorReadout: the graph window's cursor readout, the lines of sample values and slopes under
// the mouse. It is read-only and takes no focus, but it is not greyed: it is the window's only
// numeric output, so it shows its text in the window's normal text colour on the window's
// background. Every line it is given is shown whole: when the widest line would be cut at the
// readout's width, the font is condensed (or, where the font cannot be condensed, made smaller)
// just enough for that line to fit, and when the lines would run past its height the font is made
// smaller until they all show.
#pragma once

#include <QFont>
#include <QPlainTextEdit>
#include <QStringList>

class CursorReadout : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CursorReadout(QWidget* parent = nullptr);

    // Replaces the readout's lines.
    void showLines(const QStringList& lines);
    // The width a line may take without being cut.
    int lineRoom() const;

private:
    QFont fittingFont(const QString& widest, int lines) const;

    QFont normalFont_;
};
