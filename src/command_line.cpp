#include "command_line.h"

#include "core/card_export.h"
#include "core/card_file.h"
#include "core/card_file_lock.h"
#include "core/posix_file.h"
#include "platform/core_text.h"
#include "platform/text_codec.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace quillbox {

namespace {

const QString DirOption = QStringLiteral("dir");
const QString ExportOption = QStringLiteral("export");
const QString ImportOption = QStringLiteral("import");

/// The translation context of the command line's texts.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

void complain(const QString& text)
{
    std::cerr << pathBytes(CommandLine::tr("quillbox: %1").arg(text)) << '\n';
}

bool writeOutput(const std::string& path, const std::string& bytes)
{
    if (path == "-") {
        std::cout.flush();
        if (const int e = posix::writeAll(STDOUT_FILENO, bytes)) {
            complain(coreText(posix::describeFailure("cannot write", "standard output", e)));
            return false;
        }
        return true;
    }
    posix::Fd out;
    int e = posix::openFile(path, O_WRONLY | O_CREAT | O_TRUNC, out, 0666);
    if (e == 0)
        e = posix::writeAll(out.get(), bytes);
    if (const int c = out.close(); e == 0)
        e = c;
    if (e != 0) {
        complain(coreText(posix::describeFailure("cannot write", path, e)));
        return false;
    }
    return true;
}

int exportCards(const std::string& directory, CardFormat format, const std::string& path)
{
    CardFile file(directory);
    const TransferResult result = exportCardFile(file, format);
    if (!result.ok) {
        complain(CommandLine::tr("nothing was exported: %1").arg(coreText(result.text)));
        return 1;
    }
    if (!writeOutput(path, result.text))
        return 1;
    // With the cards on standard output, the report goes to standard error.
    std::ostream& report = path == "-" ? std::cerr : std::cout;
    report << pathBytes(CommandLine::tr("Exported %1 cards from %2 to %3.\n")
                            .arg(result.cards)
                            .arg(pathText(file.cardFilePath()), pathText(path)));
    return 0;
}

int importCards(const std::string& directory, std::optional<CardFormat> format, const std::string& path)
{
    // Read as a stream before the card file is touched: nothing changes
    // when the input is at fault.
    const ImportParse parse = readImportFile(path, format);
    if (!parse.ok && parse.errorLine == 0) {
        complain(CommandLine::tr("nothing was imported: %1").arg(coreText(parse.error)));
        return 1;
    }
    CardFile file(directory);
    // Held until the save is done, so that no window starts on the old file
    // meanwhile.
    const CardFileLock lock(directory);
    if (lock.state() == CardFileLock::State::HeldElsewhere) {
        complain(
            CommandLine::tr("nothing was imported: the card file %1 is open in a Quillbox window; close the "
                            "window and import again")
                .arg(pathText(file.cardFilePath())));
        return 1;
    }
    if (!lock.warning().empty())
        complain("warning: " + lock.warning());
    struct stat status { };
    const bool hadCardFile = posix::fileStatus(file.cardFilePath(), status) == 0;
    const TransferResult result = importIntoCardFile(file, parse);
    if (!result.ok) {
        complain(
            CommandLine::tr("nothing was imported from %1: %2").arg(pathText(path), coreText(result.text)));
        return 1;
    }
    std::cout << pathBytes(coreText(result.text));
    if (result.cards > 0 && hadCardFile)
        std::cout << pathBytes(CommandLine::tr("Saved %1; the previous file is kept as %2.\n")
                                   .arg(pathText(file.cardFilePath()),
                                       pathText(posix::joinPath(file.directory(), BackupFileName))));
    else if (result.cards > 0)
        std::cout << pathBytes(
            CommandLine::tr("Saved the new card file %1.\n").arg(pathText(file.cardFilePath())));
    return 0;
}

} // namespace

void addCardTransferOptions(QCommandLineParser& parser)
{
    parser.addOption({DirOption,
        CommandLine::tr(
            "Use the card file in DIR instead of the current directory (the window opens there too)."),
        QStringLiteral("DIR")});
    parser.addOption({ExportOption,
        CommandLine::tr("Write every card to FILE (\"-\" for standard output) in FORMAT: vcard (vCard 4.0), "
                        "csv (a Title and a Card column) or text (cards separated by a line of ten hyphens). "
                        "Opens no window."),
        QStringLiteral("FORMAT")});
    parser.addOption({ImportOption,
        CommandLine::tr(
            "Add the cards of FILE (\"-\" for standard input) in FORMAT, vcard (2.1, 3.0 or 4.0) or "
            "csv, to the card file and save it with its backup; \"--import FILE\" alone tells the format "
            "by the content. Refused while a window has the card file open. Opens no window."),
        QStringLiteral("FORMAT")});
    parser.addPositionalArgument(QStringLiteral("FILE"),
        CommandLine::tr("The file that --export writes or --import reads."), QStringLiteral("[FILE]"));
}

bool asksForCardTransfer(const QCommandLineParser& parser)
{
    return parser.isSet(ExportOption) || parser.isSet(ImportOption);
}

QString startDirectory(const QCommandLineParser& parser, QString& error)
{
    if (!parser.isSet(DirOption))
        return QDir::currentPath();
    const QFileInfo dir(parser.value(DirOption));
    if (!dir.isDir()) {
        error = CommandLine::tr("no such directory: %1").arg(parser.value(DirOption));
        return {};
    }
    return dir.absoluteFilePath();
}

int runCardTransfer(const QCommandLineParser& parser)
{
    const bool exporting = parser.isSet(ExportOption);
    if (exporting == parser.isSet(ImportOption)) {
        complain(CommandLine::tr("use one of --export and --import"));
        return 2;
    }
    const QString formatName = parser.value(exporting ? ExportOption : ImportOption);
    QStringList files = parser.positionalArguments();
    // "--import FILE" alone: the content tells the format.
    const bool byContent = !exporting && files.isEmpty();
    if (byContent)
        files.append(formatName);
    const std::optional<CardFormat> format
        = byContent ? std::nullopt : cardFormatNamed(formatName.toStdString());
    if (!byContent && (!format || (!exporting && *format == CardFormat::Text))) {
        complain((exporting ? CommandLine::tr("unknown format \"%1\"; use vcard, csv or text")
                            : CommandLine::tr("unknown format \"%1\"; use vcard or csv"))
                     .arg(formatName));
        return 2;
    }
    if (files.size() != 1) {
        complain(exporting ? CommandLine::tr("--export needs exactly one FILE (\"-\" for standard output)")
                           : CommandLine::tr("--import needs exactly one FILE (\"-\" for standard input)"));
        return 2;
    }
    QString error;
    const QString directory = startDirectory(parser, error);
    if (directory.isEmpty()) {
        complain(error);
        return 2;
    }
    const std::string path = pathBytes(files.front());
    return exporting ? exportCards(pathBytes(directory), *format, path)
                     : importCards(pathBytes(directory), format, path);
}

} // namespace quillbox
