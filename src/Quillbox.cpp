// Program entry: answers --help and --version without opening a window,
// then wires the real platform services and runs the program.
#include "Program.h"
#include "platform/dialogs.h"
#include "platform/message_box.h"
#include "platform/screen_metrics.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <cstring>

namespace {

void describeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "A card file for names and addresses.\n"
        "Keeps quillbox.db (the cards) and quillbox.ini (the settings) in the current directory."));
    parser.addHelpOption();
    parser.addVersionOption();
}

/// True when the command line only asks for the help or version text,
/// which must work without a display.
bool asksForInformation(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("quillbox"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));
    if (asksForInformation(argc, argv)) {
        QCoreApplication info(argc, argv);
        QCommandLineParser parser;
        describeCommandLine(parser);
        parser.process(info); // prints and exits
        return 0;
    }

    QApplication app(argc, argv);
    {
        QCommandLineParser parser;
        describeCommandLine(parser);
        parser.process(app); // rejects unknown options
    }
    quillbox::installFontSubstitutions();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/quillbox.svg")));

    quillbox::QtMessageBoxes messages;
    quillbox::Services services;
    services.messages = &messages;
    // Not wired yet: the help window and the font dialog (the commands that
    // use them do nothing without them), and the folder chooser (a failed
    // save at close then offers only to retry or discard).
    services.help = nullptr;
    services.fonts = nullptr;
    services.folders = nullptr;

    quillbox::Program program(QFile::encodeName(QDir::currentPath()).toStdString(), services);
    program.showMainWindow();
    return QApplication::exec();
}
