// The program's command line: `kelmo [FILE...]` opens each file by its kind once the main window
// is up, as the File menu would; --help and --version print their text and end the program
// before any window is made, so they work without a display. A word that is not an option of the
// program refuses the start with the parser's message; the toolkit's own options (-platform,
// -style ...) are taken off by the application object, so the line is read again after it.
#pragma once

#include <QString>
#include <QStringList>

enum class startAction { run, help, version, refuse };

struct commandLine {
    startAction action = startAction::run;
    QStringList files; // to open, in the order given
    QString text;      // what help, version or a refusal prints
};

// Reads the arguments as main() gets them, the program's own name first.
commandLine readCommandLine(const QStringList& arguments);
