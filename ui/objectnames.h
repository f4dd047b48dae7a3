// Controls carry the names the program's own texts use for them (Edit1, ComboBox2, SpeedButton3,
// tBmpLnk1 ...) as their Qt objectNames; tests and readers find a control by that name.
#pragma once

#include <QObject>
#include <QString>

#include <initializer_list>
#include <utility>

inline void setObjectNames(std::initializer_list<std::pair<QObject*, const char*>> controls)
{
    for (const auto& [control, name] : controls)
        control->setObjectName(QString::fromLatin1(name));
}
