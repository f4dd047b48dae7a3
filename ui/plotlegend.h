// PlotLegend: the line above the graph's plot that names its curves, a short stroke in each
// curve's colour and its name (the variable's, with "modul" / "faza" in the modulus view), on the
// plot's black so that every colour reads as on the plot. It shows only when more than one curve
// is drawn; names that do not fit are shortened with an ellipsis. Its font is made small enough
// for its height.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

class PlotLegend : public QWidget {
    Q_OBJECT
public:
    struct entry {
        QColor colour;
        QString name;
    };
    explicit PlotLegend(QWidget* parent = nullptr);

    void setEntries(std::vector<entry> entries);
    const std::vector<entry>& entries() const { return entries_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<entry> entries_;
};
