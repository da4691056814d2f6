// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "core/card_export.h"
#include "core/card_file.h"
#include "core/card_file_lock.h"
#include "core/posix_file.h"
#include "core/vdir_sync.h"
#include "platform/core_text.h"
#include "platform/text_codec.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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
const QString VdirOption = QStringLiteral("vdir");

/// The translation context of the command line's texts.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

void complain(const QString& text)
{
    std::cerr << pathBytes(CommandLine::tr("quillbox: %1").arg(text)) << '\n';
}

/// Writes `bytes` to `path` ("-" for standard output) with at most the
/// permission bits `permissions`.
bool writeOutput(const std::string& path, const std::string& bytes, mode_t permissions)
{
    if (path == "-") {
        std::cout.flush();
        if (const int e = posix::writeAll(STDOUT_FILENO, bytes)) {
            complain(coreText(posix::describeFailure("cannot write", "standard output", e)));
            return false;
        }
        return true;
    }
    posix::RefusedLink refused;
    const std::string target = posix::followLinks(path, &refused);
    if (!refused.link.empty()) {
        complain(coreText("cannot write " + path + ": " + posix::describeRefusedLink(refused)));
        return false;
    }
    posix::Fd out;
    struct stat status { };
    if (posix::fileStatus(target, status) == 0 && !S_ISREG(status.st_mode)) {
        // A device or a pipe (/dev/null, /dev/stdout) is written as a stream.
        int e = posix::openFile(target, O_WRONLY | O_TRUNC, out);
        if (e == 0)
            e = posix::writeAll(out.get(), bytes);
        if (const int c = out.close(); e == 0)
            e = c;
        if (e != 0)
            complain(coreText(posix::describeFailure("cannot write", path, e)));
        return e == 0;
    }
    // Whole or not at all, like the card file: a failed export leaves the
    // previous one as it was.
    std::string temporary;
    int e = posix::createTemporary(target, out, temporary);
    if (e == 0)
        e = posix::openStatus(out.get(), status);
    // Never more open than the cards it holds.
    if (e == 0)
        e = posix::setPermissions(out.get(), status.st_mode & permissions & 0777);
    if (e == 0)
        e = posix::writeAndSync(out, bytes);
    if (e == 0)
        e = posix::renameFile(temporary, target);
    if (e != 0) {
        if (!temporary.empty())
            posix::removeFile(temporary);
        complain(coreText(posix::describeFailure("cannot write", path, e)));
        return false;
    }
    const std::string home = posix::directoryOf(target);
    if (const int s = posix::syncDirectory(home)) {
        complain(
            CommandLine::tr("warning: %1 was written, but this could not be confirmed: %2")
                .arg(pathText(path), coreText(posix::describeFailure("Cannot sync directory", home, s))));
    }
    return true;
}

/// False, having said why, when a window holds the card file. A lock that
/// could not be taken at all is only a warning: the command goes on unguarded.
bool mayChange(const CardFileLock& lock, const QString& refusal)
{
    if (lock.state() == CardFileLock::State::HeldElsewhere) {
        complain(refusal);
        return false;
    }
    if (!lock.warning().empty())
        complain(CommandLine::tr("warning: %1").arg(coreText(lock.warning())));
    return true;
}

/// After a save that went through: what could not be confirmed, if anything.
void warnUnconfirmed(const std::string& unconfirmed)
{
    if (!unconfirmed.empty())
        complain(CommandLine::tr("warning: the cards were saved, but this could not be confirmed: %1")
                     .arg(coreText(unconfirmed)));
}

int exportCards(const std::string& directory, CardFormat format, const std::string& path)
{
    CardFile file(directory);
    const TransferResult result = exportCardFile(file, format);
    if (!result.ok) {
        complain(CommandLine::tr("nothing was exported: %1").arg(coreText(result.text)));
        return 1;
    }
    struct stat cardFile { };
    const mode_t permissions
        = posix::fileStatus(file.cardFilePath(), cardFile) == 0 ? cardFile.st_mode : 0600;
    if (!writeOutput(path, result.text, permissions))
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
    if (!mayChange(lock,
            CommandLine::tr("nothing was imported: the card file %1 is open in a Quillbox window; close the "
                            "window and import again")
                .arg(pathText(file.cardFilePath()))))
        return 1;
    struct stat status { };
    const bool hadCardFile = posix::fileStatus(file.cardFilePath(), status) == 0;
    const TransferResult result = importIntoCardFile(file, parse);
    if (!result.ok) {
        complain(
            CommandLine::tr("nothing was imported from %1: %2").arg(pathText(path), coreText(result.text)));
        return 1;
    }
    std::cout << pathBytes(coreText(result.text));
    if (result.cards > 0 && !result.backup.empty())
        std::cout << pathBytes(CommandLine::tr("Saved %1; the previous file is kept as %2.\n")
                                   .arg(pathText(file.cardFilePath()), pathText(result.backup)));
    else if (result.cards > 0 && hadCardFile)
        std::cout << pathBytes(CommandLine::tr("Saved %1.\n").arg(pathText(file.cardFilePath())));
    else if (result.cards > 0)
        std::cout << pathBytes(
            CommandLine::tr("Saved the new card file %1.\n").arg(pathText(file.cardFilePath())));
    std::cout.flush();
    warnUnconfirmed(result.unconfirmed);
    return 0;
}

int syncCards(const std::string& directory, const std::string& vdir)
{
    CardFile file(directory);
    // Held for the whole sync: a window started meanwhile would save over
    // what sync takes in.
    const CardFileLock lock(directory);
    if (!mayChange(lock,
            CommandLine::tr("nothing was synced: the card file %1 is open in a Quillbox window; close the "
                            "window and sync again")
                .arg(pathText(file.cardFilePath()))))
        return 1;
    const sync::SyncResult result = sync::syncWithVdir(file, vdir);
    if (!result.ok) {
        complain(coreText(result.error));
        return 1;
    }
    std::cout << pathBytes(
        CommandLine::tr("Synced %1 with %2.\n").arg(pathText(file.cardFilePath()), pathText(vdir)))
              << pathBytes(coreText(sync::describeSync(result)));
    std::cout.flush();
    warnUnconfirmed(result.unconfirmed);
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
    parser.addOption({VdirOption,
        CommandLine::tr("Sync the card file both ways with the vdir DIR (a directory of .vcf files, one per "
                        "contact, as vdirsyncer and khard keep it; created when missing) and print what was "
                        "done. Refused while a window has the card file open. Opens no window."),
        QStringLiteral("DIR")});
    parser.addPositionalArgument(QStringLiteral("FILE"),
        CommandLine::tr("The file that --export writes or --import reads."), QStringLiteral("[FILE]"));
}

bool asksForCardTransfer(const QCommandLineParser& parser)
{
    return parser.isSet(ExportOption) || parser.isSet(ImportOption) || parser.isSet(VdirOption);
}

QString startDirectory(const QCommandLineParser& parser, QString& error)
{
    // As bytes: a directory whose name is not UTF-8 is a directory too.
    int e = 0;
    const std::string current = posix::currentDirectory(e);
    if (!parser.isSet(DirOption))
        return pathText(current);
    const std::string named = pathBytes(parser.value(DirOption));
    std::string dir = named.starts_with('/') || named.empty() ? named : posix::joinPath(current, named);
    if (dir.size() > 1 && dir.ends_with("/."))
        dir.resize(dir.size() - 2);
    struct stat status { };
    if (named.empty() || posix::fileStatus(dir, status) != 0 || !S_ISDIR(status.st_mode)) {
        error = CommandLine::tr("no such directory: %1").arg(parser.value(DirOption));
        return {};
    }
    return pathText(dir);
}

int runCardTransfer(const QCommandLineParser& parser)
{
    if (parser.isSet(VdirOption)) {
        if (parser.isSet(ExportOption) || parser.isSet(ImportOption)
            || !parser.positionalArguments().isEmpty()) {
            complain(CommandLine::tr("--vdir takes no FILE and goes with neither --export nor --import"));
            return 2;
        }
        QString error;
        const QString directory = startDirectory(parser, error);
        if (directory.isEmpty()) {
            complain(error);
            return 2;
        }
        return syncCards(pathBytes(directory), pathBytes(parser.value(VdirOption)));
    }
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
