// Program entry: answers --help and --version without opening a window,
// then wires the real platform services and runs the program.
#include "Program.h"
#include "command_line.h"
#include "core/version.h"
#include "platform/dialogs.h"
#include "platform/font_dialog.h"
#include "platform/help_window.h"
#include "platform/message_box.h"
#include "platform/print_dialogs.h"
#include "platform/printer.h"
#include "platform/screen_metrics.h"
#include "platform/text_codec.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <cstring>

namespace {

void describeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "A card file for names and addresses.\n"
        "Keeps quillbox.db (the cards) and quillbox.ini (the settings) in the current directory."));
    parser.addHelpOption();
    parser.addVersionOption();
    quillbox::addCardTransferOptions(parser);
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
    QCoreApplication::setApplicationVersion(QLatin1String(quillbox::QuillboxVersion));
    if (asksForInformation(argc, argv)) {
        QCoreApplication info(argc, argv);
        QCommandLineParser parser;
        describeCommandLine(parser);
        parser.process(info); // prints and exits
        return 0;
    }
    if (quillbox::asksForCardTransfer(argc, argv)) {
        QCoreApplication transfer(argc, argv);
        QCommandLineParser parser;
        describeCommandLine(parser);
        parser.process(transfer);
        return quillbox::runCardTransfer(parser);
    }

    QApplication app(argc, argv);
    QString startDirectory;
    {
        QCommandLineParser parser;
        describeCommandLine(parser);
        parser.process(app); // rejects unknown options
        QString error;
        startDirectory = quillbox::startDirectory(parser, error);
        if (startDirectory.isEmpty()) {
            std::fprintf(stderr, "quillbox: %s\n", qPrintable(error));
            return 2;
        }
    }
    quillbox::installFonts();
    // The drawn sizes stand in where Qt has no SVG image support installed.
    QIcon icon(QStringLiteral(":/resources/quillbox.svg"));
    icon.addFile(QStringLiteral(":/resources/pictures/quillbox_32.png"));
    icon.addFile(QStringLiteral(":/resources/pictures/quillbox_48.png"));
    QApplication::setWindowIcon(icon);

    quillbox::HelpWindow help;
    quillbox::QtMessageBoxes messages(&help);
    quillbox::QtFontChooser fonts;
    quillbox::QtFolderChooser folders;
    quillbox::installContextHelp(help);
    quillbox::QtPrinter printer(QDir::currentPath());
    quillbox::QtPrinterDialogs printDialogs(printer);
    const quillbox::Services services {&messages, &help, &fonts, &folders, &printer, &printDialogs};

    quillbox::Program program(quillbox::pathBytes(startDirectory), services);
    if (program.declined())
        return 0;
    program.showMainWindow();
    return QApplication::exec();
}
