// The user's settings of the program (the recent files, the language, the column preview's
// choice): one INI file in the user's configuration folder, ~/.config/Kelmo/kelmo.ini. The GUI
// tests point the user scope's INI path at a folder of their own.
#pragma once

#include <QSettings>

inline QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Kelmo"), QStringLiteral("kelmo"));
}
