// TypedSystem: the numerator and denominator texts of the inverse Z window, as the window writes
// them at every change, for the filter command to take up. The main window owns the one holder
// and hands it to both; a reader compares the revision with the one it last took to learn whether
// the texts changed since. It assumes the GUI thread only.
#pragma once

#include <QString>

class TypedSystem {
public:
    // Texts equal to the ones held change nothing, so that the window opening again is no change.
    void set(const QString& numerator, const QString& denominator)
    {
        if (numerator == numerator_ && denominator == denominator_)
            return;
        numerator_ = numerator;
        denominator_ = denominator;
        ++revision_;
    }
    const QString& numerator() const { return numerator_; }
    const QString& denominator() const { return denominator_; }
    // 0 until the window first writes other texts; then one more at every change.
    unsigned revision() const { return revision_; }

private:
    QString numerator_ = QStringLiteral("1");
    QString denominator_ = QStringLiteral("1");
    unsigned revision_ = 0;
};
