#include "ui/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

commandLine readCommandLine(const QStringList& arguments)
{
    QCoreApplication::setApplicationName(QStringLiteral("kelmo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELMO_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kelmo: a laboratory for discrete-time signal processing."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Files to open: state files (.var), PC-DSP files (.dsp), "
                                                "sound files, text columns (.csv, .txt, .dat)."),
                                 QStringLiteral("[FILE...]"));
    commandLine line;
    if (!parser.parse(arguments)) {
        line.action = startAction::refuse;
        line.text = parser.errorText() + QLatin1Char('\n');
    } else if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        line.action = startAction::help;
        // Before the application object exists the parser cannot know the program's name.
        line.text = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("kelmo"));
    } else if (parser.isSet(version)) {
        line.action = startAction::version;
        line.text = QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion() + QLatin1Char('\n');
    } else {
        line.files = parser.positionalArguments();
    }
    return line;
}
