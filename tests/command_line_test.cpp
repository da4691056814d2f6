// SPDX-License-Identifier: GPL-3.0-or-later
// The real executable's --export, --import and --dir, run with no display.
#include "command_line.h"
#include "core/card_file.h"
#include "core/card_file_lock.h"
#include "core/card_table.h"
#include "core/core_test_util.h"
#include "core/posix_file.h"
#include "core/version.h"
#include "platform/text_codec.h"
#include "support/temp_dir.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace quillbox::test {
namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    return env;
}

Outcome quillbox(const QStringList& args, const std::string& input = {})
{
    QProcess process;
    process.setProcessEnvironment(withoutDisplay());
    process.start(QStringLiteral(QUILLBOX_EXECUTABLE), args);
    EXPECT_TRUE(process.waitForStarted());
    if (!input.empty())
        process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

std::string record(std::string_view text)
{
    const auto n = static_cast<unsigned>(text.size() + 1);
    return std::string {static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)} + std::string(text) + '\0';
}

bool contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

/// A vCard 3.0 file as phones write them: folded lines, typed telephone
/// numbers, seven-part addresses, UTF-8 names.
const std::string PhoneContacts = "BEGIN:VCARD\r\n"
                                  "VERSION:3.0\r\n"
                                  "N:Lefèvre;Zoé;;;\r\n"
                                  "FN:Zoé Lefèvre\r\n"
                                  "TEL;TYPE=CELL:+33 6 12 34 56 78\r\n"
                                  "ADR;TYPE=HOME:;;14 rue de la Paix;Paris;;75002;Fr\r\n"
                                  " ance\r\n"
                                  "EMAIL;TYPE=INTERNET:zoe.lefevre@example.fr\r\n"
                                  "END:VCARD\r\n"
                                  "BEGIN:VCARD\r\n"
                                  "VERSION:3.0\r\n"
                                  "N:Øberg;Åsa;;;\r\n"
                                  "FN:Åsa Øberg\r\n"
                                  "TEL;TYPE=CELL:+46 70 123 45 67\r\n"
                                  "TEL;TYPE=WORK:+46 8 765 43 21\r\n"
                                  "ADR;TYPE=WORK:;Box 12;Storgatan 3;Stockholm;Stockholms l\r\n"
                                  " än;111 22;Sweden\r\n"
                                  "NOTE:Met at the fair\\, 2024\r\n"
                                  "END:VCARD\r\n";

TEST(QuillboxCommandLine, ImportsPhoneVCardsAndSavesWithABackup)
{
    TempDir dir;
    dir.write(CardFileName, record("Adams\r\n"));
    dir.write("phone.vcf", PhoneContacts);
    const Outcome run = quillbox({QStringLiteral("--dir"), q(dir.str()), QStringLiteral("--import"),
        QStringLiteral("vcard"), q(dir.file("phone.vcf").string())});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "Cards added: 2")) << run.out;
    EXPECT_TRUE(contains(run.out, "Characters replaced by \"?\": 0")) << run.out;
    EXPECT_TRUE(contains(run.out, "the previous file is kept as")) << run.out;
    EXPECT_EQ(savedCards(dir.str()),
        (std::vector<std::string> {"Adams\r\n",
            "Zo\xE9 Lef\xE8vre\r\n14 rue de la Paix\r\nParis 75002\r\nFrance\r\nMobile: +33 6 12 34 56 78\r\n"
            "zoe.lefevre@example.fr\r\n",
            "\xC5sa \xD8"
            "berg\r\nBox 12\r\nStorgatan 3\r\nStockholm, Stockholms l\xE4n 111 22\r\nSweden\r\n"
            "Mobile: +46 70 123 45 67\r\nWork: +46 8 765 43 21\r\nMet at the fair, 2024\r\n"}));
    EXPECT_EQ(dir.read(BackupFileName), record("Adams\r\n"));
}

TEST(QuillboxCommandLine, ExportsToStandardOutputAndBack)
{
    TempDir from;
    from.write(CardFileName, record("Smith, John\r\n1 \"Elm\" St\r\n") + record("\xC4rger; \\ ok\r\n"));
    for (const char* format : {"vcard", "csv"}) {
        SCOPED_TRACE(format);
        const Outcome exported = quillbox({QStringLiteral("--dir"), q(from.str()), QStringLiteral("--export"),
            QString::fromLatin1(format), QStringLiteral("-")});
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        EXPECT_TRUE(contains(exported.err, "Exported 2 cards")) << exported.err;
        TempDir to;
        const Outcome imported = quillbox({QStringLiteral("--dir"), q(to.str()), QStringLiteral("--import"),
                                              QString::fromLatin1(format), QStringLiteral("-")},
            exported.out);
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        EXPECT_EQ(savedCards(to.str()), savedCards(from.str()));
    }
}

TEST(QuillboxCommandLine, TextExportToAFile)
{
    TempDir dir;
    dir.write(CardFileName, record("B\r\nline\r\n") + record("A\r\n"));
    const Outcome run = quillbox({QStringLiteral("--dir"), q(dir.str()), QStringLiteral("--export"),
        QStringLiteral("text"), q(dir.file("cards.txt").string())});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "Exported 2 cards")) << run.out;
    EXPECT_EQ(dir.read("cards.txt"), "A\n----------\nB\nline\n");
}

TEST(QuillboxCommandLine, FullCardFileTakesNoMore)
{
    TempDir dir;
    std::string bytes;
    for (int i = 0; i < MaxCards; ++i)
        bytes += record("Card " + std::to_string(10000 + i) + "\r\n");
    dir.write(CardFileName, bytes);
    const Outcome run = quillbox({QStringLiteral("--dir"), q(dir.str()), QStringLiteral("--import"),
                                     QStringLiteral("csv"), QStringLiteral("-")},
        "Name\r\na\r\nb\r\nc\r\nd\r\ne\r\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "Cards added: 0")) << run.out;
    EXPECT_TRUE(contains(run.out, "full (2000 cards): 5")) << run.out;
    EXPECT_EQ(dir.read(CardFileName), bytes);
    EXPECT_FALSE(dir.exists(BackupFileName));
}

struct FaultCase {
    const char* name;
    std::vector<const char*> args; // "DIR" stands for the test's directory
    std::string input;
    int exitCode;
    const char* says;
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.name;
}

class CommandLineFaults : public ::testing::TestWithParam<FaultCase> { };

// "--import FILE" alone reads the file by its content, whatever its name.
TEST(QuillboxCommandLine, ImportTellsTheFormatByTheContent)
{
    TempDir dir;
    dir.write("contacts.txt", PhoneContacts);
    dir.write("table.txt", "Title,Card\r\nBee,\"Bee\nx\"\r\n");
    for (const char* name : {"contacts.txt", "table.txt"}) {
        const Outcome run = quillbox(
            {QStringLiteral("--dir"), q(dir.str()), QStringLiteral("--import"), q(dir.file(name).string())});
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }
    EXPECT_EQ(savedCards(dir.str()).size(), 3u);
}

TEST_P(CommandLineFaults, ChangeNothingAndSayWhy)
{
    TempDir dir;
    const std::string cards = record("Adams\r\n");
    dir.write(CardFileName, cards);
    QStringList args;
    for (const char* arg : GetParam().args)
        args.append(QString::fromLatin1(arg).replace(QStringLiteral("DIR"), q(dir.str())));
    const Outcome run = quillbox(args, GetParam().input);
    EXPECT_EQ(run.exitCode, GetParam().exitCode);
    EXPECT_TRUE(contains(run.err, GetParam().says)) << run.err;
    EXPECT_EQ(dir.read(CardFileName), cards);
    EXPECT_FALSE(dir.exists(BackupFileName));
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLineFaults,
    ::testing::Values(
        FaultCase {"MalformedVCard", {"--dir", "DIR", "--import", "vcard", "-"},
            "BEGIN:VCARD\r\nFN:A\r\nno colon here\r\nEND:VCARD\r\n", 1, "line 3: a line without a colon"},
        FaultCase {"UnclosedCsv", {"--dir", "DIR", "--import", "csv", "-"}, "Title,Card\r\nA,\"A\r\n", 1,
            "line 2: a quoted field is never closed"},
        FaultCase {"MissingInput", {"--dir", "DIR", "--import", "csv", "DIR/none.csv"}, "", 1, "cannot open"},
        FaultCase {
            "NotText", {"--dir", "DIR", "--import", "vcard", "/dev/zero"}, "", 1, "line 1: a NUL byte"},
        FaultCase {"ADirectory", {"--dir", "DIR", "--import", "DIR"}, "", 1, "Is a directory"},
        FaultCase {"VCardGivenAsCsv", {"--dir", "DIR", "--import", "csv", "-"},
            "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n", 1, "this is a vCard file, not CSV; use --import vcard"},
        FaultCase {"NoFile", {"--dir", "DIR", "--export", "csv"}, "", 2, "exactly one FILE"},
        FaultCase {"BothDirections", {"--dir", "DIR", "--export", "csv", "--import", "csv", "-"}, "", 2,
            "one of --export and --import"},
        FaultCase {"UnknownFormat", {"--dir", "DIR", "--export", "vcf", "-"}, "", 2, "unknown format"},
        FaultCase {
            "TextCannotBeImported", {"--dir", "DIR", "--import", "text", "-"}, "A\n", 2, "vcard or csv"},
        FaultCase {
            "NoSuchDirectory", {"--dir", "DIR/none", "--export", "csv", "-"}, "", 2, "no such directory"},
        FaultCase {"NoCardFileToExport", {"--dir", "DIR/..", "--export", "csv", "-"}, "", 1, "no card file"},
        // Usage errors and the window's need of a display, found before any
        // display is looked for.
        FaultCase {"UnknownOption", {"--dir", "DIR", "--bogus"}, "", 2,
            "Unknown option 'bogus'.\nTry 'quillbox --help'"},
        FaultCase {"UnknownSingleDashOption", {"-x", "--dir", "DIR"}, "", 2, "Unknown option 'x'"},
        FaultCase {"MissingValue", {"--dir", "DIR", "--export"}, "", 2, "Missing value after '--export'"},
        FaultCase {"WindowWithoutDisplay", {"--dir", "DIR"}, "", 1,
            "quillbox: the card window needs a graphical session, and there is none"}),
    [](const auto& row) { return std::string(row.param.name); });

struct InformationCase {
    const char* name;
    const char* option;
    std::string begins; // standard output's first line
    const char* says;
};

void PrintTo(const InformationCase& c, std::ostream* os)
{
    *os << c.name;
}

class CommandLineInformation : public ::testing::TestWithParam<InformationCase> { };

TEST_P(CommandLineInformation, AnswersOnStandardOutputWithoutADisplay)
{
    const Outcome run = quillbox({QString::fromLatin1(GetParam().option)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), GetParam().begins) << run.out;
    EXPECT_TRUE(contains(run.out, GetParam().says)) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLineInformation,
    ::testing::Values(
        // The usage line names the program, not the path that started it.
        InformationCase {"Help", "--help", "Usage: quillbox [options] [FILE]\n",
            "Exit status: 0 on success, 1 when the command failed, 2 for a usage error."},
        InformationCase {"Version", "--version", std::string("quillbox ") + QuillboxVersion + "\n",
            "\nCopyright (C) 2026 The Quillbox developers\nLicense GPL-3.0-or-later: GNU GPL version 3 or "
            "later"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(QuillboxCommandLine, ImportAndSyncAreRefusedWhileAWindowHasTheCardFile)
{
    TempDir dir;
    const std::string cards = record("Adams\r\n");
    dir.write(CardFileName, cards);
    const QStringList import {QStringLiteral("--dir"), q(dir.str()), QStringLiteral("--import"),
        QStringLiteral("csv"), QStringLiteral("-")};

    // The real program's window, on a display of its own.
    QProcess window;
    QProcessEnvironment env = withoutDisplay();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    window.setProcessEnvironment(env);
    window.start(QStringLiteral(QUILLBOX_EXECUTABLE), {QStringLiteral("--dir"), q(dir.str())});
    ASSERT_TRUE(window.waitForStarted());
    for (int i = 0; i < 300 && CardFileLock(dir.str()).held(); ++i)
        QThread::msleep(50);
    ASSERT_EQ(CardFileLock(dir.str()).state(), CardFileLock::State::HeldElsewhere);

    const Outcome refused = quillbox(import, "Name\r\nBaker\r\n");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(contains(refused.err, "is open in a Quillbox window")) << refused.err;
    EXPECT_EQ(dir.read(CardFileName), cards);
    const QStringList sync {
        QStringLiteral("--dir"), q(dir.str()), QStringLiteral("--vdir"), q(dir.str() + "/contacts")};
    const Outcome syncRefused = quillbox(sync);
    EXPECT_EQ(syncRefused.exitCode, 1);
    EXPECT_TRUE(contains(syncRefused.err, "nothing was synced: the card file")) << syncRefused.err;
    EXPECT_FALSE(dir.exists("contacts"));

    // A window that dies leaves no lock behind.
    window.kill();
    window.waitForFinished();
    const Outcome accepted = quillbox(import, "Name\r\nBaker\r\n");
    EXPECT_EQ(accepted.exitCode, 0) << accepted.err;
    EXPECT_EQ(savedCards(dir.str()), (std::vector<std::string> {"Adams\r\n", "Baker\r\n"}));
    const Outcome synced = quillbox(sync);
    EXPECT_EQ(synced.exitCode, 0) << synced.err;
    EXPECT_TRUE(contains(synced.out, "Sent to the vdir: 2 new, 0 changed, 0 deleted.")) << synced.out;
}

/// The command line run in this process, its standard output and error
/// caught.
Outcome inProcess(const QStringList& args)
{
    QCommandLineParser parser;
    addCardTransferOptions(parser);
    EXPECT_TRUE(parser.parse(QStringList {QStringLiteral("quillbox")} + args))
        << parser.errorText().toStdString();
    std::ostringstream out;
    std::ostringstream err;
    std::streambuf* const oldOut = std::cout.rdbuf(out.rdbuf());
    std::streambuf* const oldErr = std::cerr.rdbuf(err.rdbuf());
    const int status = runCardTransfer(parser);
    std::cout.rdbuf(oldOut);
    std::cerr.rdbuf(oldErr);
    return {status, out.str(), err.str()};
}

struct FileFaultCase {
    const char* name;
    std::vector<const char*> args; // "DIR" stands for the test's directory
    posix::Operation op;
    const char* pathEnd; // the failing operation's path holds this; "" for any
    int error;
    const char* says; // "DIR" as above
};

void PrintTo(const FileFaultCase& c, std::ostream* os)
{
    *os << c.name;
}

class CommandLineFileFaults : public ::testing::TestWithParam<FileFaultCase> { };

// The command line's own files go through the file layer: each failure
// there is reported with the file and the system's reason, and the card
// file stays as it was.
TEST_P(CommandLineFileFaults, AreReportedWithTheFileAndTheReason)
{
    const FileFaultCase& c = GetParam();
    TempDir dir;
    const std::string cards = record("Adams\r\n");
    dir.write(CardFileName, cards);
    dir.write("in.csv", "Name\r\nBaker\r\n");
    dir.write("out.csv", "previous export");
    const auto withDir = [&dir](const char* text) {
        return QString::fromLatin1(text).replace(QStringLiteral("DIR"), q(dir.str()));
    };
    QStringList args;
    for (const char* arg : c.args)
        args.append(withDir(arg));
    Outcome run;
    {
        const FaultGuard fail([&c](posix::Operation op, const std::string& path) {
            return op == c.op && path.find(c.pathEnd) != std::string::npos ? c.error : 0;
        });
        run = inProcess(args);
    }
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.err, withDir(c.says).toStdString().c_str())) << run.err;
    EXPECT_EQ(dir.read(CardFileName), cards);
    EXPECT_FALSE(dir.exists(BackupFileName));
    // An export is written whole or not at all.
    EXPECT_EQ(dir.read("out.csv"), "previous export");
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_FALSE(posix::isTemporaryName(entry.path().filename().string())) << entry.path();
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLineFileFaults,
    ::testing::Values(FileFaultCase {"ExportCannotOpen", {"--dir", "DIR", "--export", "csv", "DIR/out.csv"},
                          posix::Operation::Open, "/.out.csv.quillbox-tmp-", EACCES,
                          "cannot write DIR/out.csv: Permission denied"},
        FileFaultCase {"ExportCannotWrite", {"--dir", "DIR", "--export", "csv", "DIR/out.csv"},
            posix::Operation::Write, "", ENOSPC, "cannot write DIR/out.csv: No space left on device"},
        FileFaultCase {"ExportCannotSync", {"--dir", "DIR", "--export", "csv", "DIR/out.csv"},
            posix::Operation::Sync, "", EIO, "cannot write DIR/out.csv: Input/output error"},
        FileFaultCase {"ExportCannotReplace", {"--dir", "DIR", "--export", "csv", "DIR/out.csv"},
            posix::Operation::Rename, "/out.csv", EXDEV,
            "cannot write DIR/out.csv: Invalid cross-device link"},
        FileFaultCase {"ExportToStandardOutput", {"--dir", "DIR", "--export", "text", "-"},
            posix::Operation::Write, "", EPIPE, "cannot write standard output: Broken pipe"},
        FileFaultCase {"ImportCannotRead", {"--dir", "DIR", "--import", "csv", "DIR/in.csv"},
            posix::Operation::Read, "", EIO, "cannot read DIR/in.csv: Input/output error"},
        FileFaultCase {"ImportCannotSave", {"--dir", "DIR", "--import", "csv", "DIR/in.csv"},
            posix::Operation::Rename, "/quillbox.db", EIO, "Cannot replace DIR/quillbox.db"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(QuillboxCommandLine, ExportIsNoMoreOpenThanTheCardFile)
{
    TempDir dir;
    dir.write(CardFileName, record("Adams\r\n"));
    const auto privateFile = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    std::filesystem::permissions(dir.file(CardFileName), privateFile);
    dir.write("out.vcf", "an older export, open to all");
    std::filesystem::permissions(dir.file("out.vcf"), std::filesystem::perms::all);
    const Outcome run = inProcess({QStringLiteral("--dir"), q(dir.str()), QStringLiteral("--export"),
        QStringLiteral("vcard"), q(dir.file("out.vcf").string())});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(contains(dir.read("out.vcf"), "Adams"));
    EXPECT_EQ(std::filesystem::status(dir.file("out.vcf")).permissions(), privateFile);
}

TEST(QuillboxCommandLine, ImportSavedButUnconfirmedSaysSoAndSucceeds)
{
    TempDir dir;
    dir.write(CardFileName, record("Adams\r\n"));
    dir.write("in.csv", "Name\r\nBaker\r\n");
    Outcome run;
    {
        const FaultGuard failSync([](posix::Operation op, const std::string&) {
            return op == posix::Operation::SyncDirectory ? EIO : 0;
        });
        run = inProcess({QStringLiteral("--dir"), q(dir.str()), QStringLiteral("--import"),
            QStringLiteral("csv"), q(dir.file("in.csv").string())});
    }
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(contains(run.out, "Cards added: 1")) << run.out;
    EXPECT_TRUE(
        contains(run.err, "the cards were saved, but this could not be confirmed: Cannot sync directory"))
        << run.err;
    EXPECT_FALSE(contains(run.err, "nothing was imported")) << run.err;
    EXPECT_EQ(savedCards(dir.str()), (std::vector<std::string> {"Adams\r\n", "Baker\r\n"}));
}

TEST(QuillboxCommandLine, ImportThroughALinkNamesTheRealBackup)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("A"));
    std::filesystem::create_directory(dir.file("B"));
    dir.write("B/quillbox.db", record("Adams\r\n"));
    std::filesystem::create_symlink("../B/quillbox.db", dir.file("A") / CardFileName);
    const Outcome run = quillbox({QStringLiteral("--dir"), q(dir.file("A").string()),
                                     QStringLiteral("--import"), QStringLiteral("csv"), QStringLiteral("-")},
        "Name\r\nBaker\r\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Beside the file the link leads to, not beside the link.
    EXPECT_TRUE(contains(run.out, "/B/quillbox.bak.")) << run.out;
    EXPECT_FALSE(contains(run.out, "A/quillbox.bak")) << run.out;
    EXPECT_EQ(dir.read("B/quillbox.bak"), record("Adams\r\n"));
}

/// Runs the executable through the shell, so that `redirections` can close
/// or replace its standard streams.
Outcome throughShell(const std::string& arguments, const char* redirections)
{
    QProcess process;
    process.setProcessEnvironment(withoutDisplay());
    process.start(QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"),
            QStringLiteral("exec \"$0\" %1 %2").arg(q(arguments), QString::fromLatin1(redirections)),
            QStringLiteral(QUILLBOX_EXECUTABLE)});
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

// Paths cross as bytes: a directory and a file named in Latin-1 work.
TEST(QuillboxCommandLine, PathsThatAreNotUtf8Work)
{
    TempDir dir;
    const std::string latin1 = dir.str() + "/dir\xE9";
    std::filesystem::create_directory(latin1);
    dir.write("dir\xE9/in\xE9.csv", "Name\r\nBaker\r\n");
    const std::string quoted = "\"$(printf '" + dir.str() + "/dir\\351')\"";
    const Outcome imported
        = throughShell("--dir " + quoted + " --import csv " + quoted + "/\"$(printf 'in\\351.csv')\"", "");
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(savedCards(latin1), (std::vector<std::string> {"Baker\r\n"}));
    const Outcome exported = throughShell("--dir " + quoted + " --export text -", "");
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out, "Baker\n");

    QCommandLineParser parser;
    addCardTransferOptions(parser);
    ASSERT_TRUE(parser.parse({QStringLiteral("quillbox"), QStringLiteral("--dir"), pathText(latin1)}));
    QString error;
    EXPECT_EQ(pathBytes(startDirectory(parser, error)), latin1) << error.toStdString();
}

struct StreamCase {
    const char* name;
    const char* arguments; // "DIR" stands for the test's directory
    const char* redirections;
    const char* says;
};

void PrintTo(const StreamCase& c, std::ostream* os)
{
    *os << c.name;
}

class CommandLineStreams : public ::testing::TestWithParam<StreamCase> { };

// Streams and inputs that cannot be read or written are reported with the
// system's reason, not only by the exit status, and change nothing.
TEST_P(CommandLineStreams, FailuresAreReported)
{
    TempDir dir;
    const std::string cards = record("Adams\r\n");
    dir.write(CardFileName, cards);
    std::string arguments = GetParam().arguments;
    for (auto at = arguments.find("DIR"); at != std::string::npos; at = arguments.find("DIR"))
        arguments.replace(at, 3, "'" + dir.str() + "'");
    const Outcome run = throughShell(arguments, GetParam().redirections);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.err, GetParam().says)) << run.err;
    EXPECT_EQ(dir.read(CardFileName), cards);
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLineStreams,
    ::testing::Values(StreamCase {"FullStandardOutput", "--dir DIR --export text -", ">/dev/full",
                          "cannot write standard output: No space left on device"},
        StreamCase {"ClosedStandardOutput", "--dir DIR --export text -", ">&-",
            "cannot write standard output: Bad file descriptor"},
        StreamCase {"ClosedStandardInput", "--dir DIR --import csv -", "<&-",
            "cannot read standard input: Bad file descriptor"},
        StreamCase {"ImportFromADirectory", "--dir DIR --import vcard DIR", "", "Is a directory"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace quillbox::test

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
