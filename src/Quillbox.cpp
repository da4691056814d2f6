// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: reads the whole command line before anything else, so that
// --help, --version, --export, --import and every usage error work without a
// display; then wires the real platform services and runs the window.
#include "command_line.h"
#include "core/posix_file.h"
#include "core/version.h"
#include "platform/dialogs.h"
#include "platform/font_dialog.h"
#include "platform/help_window.h"
#include "platform/message_box.h"
#include "platform/print_dialogs.h"
#include "platform/printer.h"
#include "platform/screen_metrics.h"
#include "platform/text_codec.h"
#include "platform/translation.h"
#include "program.h"
#include "window_util.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

/// The translation context of the command line's texts.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// The parser's own texts, translated in its context by our translations
// (Qt's own are not installed with the program).
[[maybe_unused]] constexpr const char* ParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

const QString HelpOption = QStringLiteral("help");
const QString VersionOption = QStringLiteral("version");

/// Exit statuses, as --help and the manual state them.
enum Status { Success = 0, Failure = 1, UsageError = 2 };

void describeCommandLine(QCommandLineParser& parser)
{
    // Qt's own options are single-dash words (-style fusion); read every
    // single-dash word as a long option so that they, and ours, parse alike.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(CommandLine::tr(
        "A card file for names and addresses.\n"
        "Keeps quillbox.db (the cards) and quillbox.ini (the settings) in the current directory."));
    parser.addOption({{QStringLiteral("h"), HelpOption}, CommandLine::tr("Show this help and exit.")});
    parser.addOption({{QStringLiteral("v"), VersionOption}, CommandLine::tr("Show the version and exit.")});
    quillbox::addCardTransferOptions(parser);
    // The options every Qt program takes (see qt6options(7)); QApplication
    // consumes them, so they are accepted here without being listed.
    for (const char* name : {"style", "stylesheet", "platform", "platformpluginpath", "platformtheme",
             "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display", "geometry"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

/// The help text with the program's name in its usage line, whatever path
/// started it.
QString helpText(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    const QString usage = QCoreApplication::translate("QCommandLineParser", "Usage: %1").arg(QString());
    const qsizetype options
        = text.indexOf(QLatin1Char(' ') + QCoreApplication::translate("QCommandLineParser", "[options]"));
    if (text.startsWith(usage) && options > 0)
        text.replace(usage.size(), options - usage.size(), QStringLiteral("quillbox"));
    return text
        + CommandLine::tr("\nExit status: 0 on success, 1 when the command failed, 2 for a usage error.\n"
                          "See quillbox(1) for the files, the environment and examples.\n");
}

void print(std::FILE* stream, const QString& text)
{
    const std::string bytes = quillbox::pathBytes(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

int usageError(const QString& message)
{
    print(
        stderr, CommandLine::tr("quillbox: %1\nTry 'quillbox --help' for more information.\n").arg(message));
    return UsageError;
}

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

/// Qt ends the process when no platform plugin can start (no display, or
/// one that cannot be reached). Until the application stands, its messages
/// are held back; should it fail, one line says why instead.
std::vector<QString> heldMessages;
// Translated while the command line's application stands.
QString noDisplayText;
QString platformFailsText;
QString noDisplaySetText;
QString displayFailsText;

void holdStartMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        heldMessages.push_back(qFormatLogMessage(type, context, message));
        return;
    }
    const std::string display = environmentValue("DISPLAY");
    const std::string wayland = environmentValue("WAYLAND_DISPLAY");
    QString reason;
    if (!environmentValue("QT_QPA_PLATFORM").empty())
        reason = platformFailsText.arg(quillbox::pathText(environmentValue("QT_QPA_PLATFORM")));
    else if (display.empty() && wayland.empty())
        reason = noDisplaySetText;
    else
        reason = displayFailsText.arg(quillbox::pathText(display.empty() ? wayland : display));
    print(stderr, noDisplayText.arg(reason));
    std::fflush(stderr);
    std::_Exit(Failure);
}

} // namespace

int main(int argc, char** argv)
{
    quillbox::posix::guardStandardStreams();
    QCoreApplication::setApplicationName(QStringLiteral("quillbox"));
    QCoreApplication::setApplicationVersion(QLatin1String(quillbox::QuillboxVersion));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(quillbox::pathText(argv[i]));

    // The command line speaks the user's language too, and needs no display:
    // a core application carries the translation until the window's own
    // application replaces it.
    std::optional<QCoreApplication> commandLine;
    commandLine.emplace(argc, argv);
    quillbox::installLanguageFromEnvironment();

    QCommandLineParser parser;
    describeCommandLine(parser);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(HelpOption)) {
        print(stdout, helpText(parser));
        return Success;
    }
    if (parser.isSet(VersionOption)) {
        std::printf("quillbox %s\n%s\n%s\n", quillbox::QuillboxVersion, quillbox::QuillboxCopyright,
            quillbox::QuillboxLicence);
        return Success;
    }
    if (quillbox::asksForCardTransfer(parser))
        return quillbox::runCardTransfer(parser);
    QString startDirectory;
    {
        QString error;
        startDirectory = quillbox::startDirectory(parser, error);
        if (startDirectory.isEmpty())
            return usageError(error);
    }
    noDisplayText = CommandLine::tr(
        "quillbox: the card window needs a graphical session, and %1; --export and --import work "
        "without one\n");
    platformFailsText = CommandLine::tr("the platform \"%1\" cannot start");
    noDisplaySetText = CommandLine::tr("there is none (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    displayFailsText = CommandLine::tr("the display \"%1\" cannot be opened");
    quillbox::setLanguage(QString());
    commandLine.reset();

    const QtMessageHandler previousHandler = qInstallMessageHandler(holdStartMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    quillbox::installLanguageFromEnvironment();
    for (const QString& message : heldMessages)
        print(stderr, message + QLatin1Char('\n'));
    heldMessages.clear();

    quillbox::installFonts();
    QApplication::setWindowIcon(quillbox::programIcon());
    // Ties the window to its menu entry (the Wayland app ID).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quillbox.Quillbox"));

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
        return Success;
    program.showMainWindow();
    program.offerFiles(parser.positionalArguments());
    return QApplication::exec();
}
