// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core_text.h"

#include "platform/text_codec.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

namespace quillbox {

namespace {

// Every form the core writes a message in, as the core writes it; %1, %2
// stand for the arguments. Keep in step with src/core when a message
// changes: an unlisted message is shown in English.
constexpr const char* CoreForms[] = {
    // The sync's messages, first: several end in a sentence of their own
    // after a message of another form ("Cannot write %1: %2").
    QT_TRANSLATE_NOOP("CoreText", "The vdir %1 is not a directory."),
    QT_TRANSLATE_NOOP("CoreText", "Cannot create the vdir %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot open the vdir %1: %2"),
    QT_TRANSLATE_NOOP("CoreText",
        "The sync state file %1 is not for this vdir (%2). Nothing was synced. Sync with that vdir, or move "
        "the state file away to sync with %3 as for the first time."),
    QT_TRANSLATE_NOOP("CoreText",
        "The sync state file %1 is damaged (%2). Nothing was synced. Move it away to sync as for the first "
        "time: contacts are then matched to cards by their text."),
    QT_TRANSLATE_NOOP("CoreText", "it cannot be used: %1"),
    QT_TRANSLATE_NOOP("CoreText", "it belongs to the vdir %1"),
    QT_TRANSLATE_NOOP("CoreText", "it is not a Quillbox sync state file"),
    QT_TRANSLATE_NOOP("CoreText", "its checksum does not match (the file is damaged or was cut short)"),
    QT_TRANSLATE_NOOP("CoreText", "its contents are not in the expected form"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot read the sync state file %1: %2"),
    QT_TRANSLATE_NOOP("CoreText",
        "The card file %1 is damaged at its end; open it in the window first. Nothing was synced."),
    QT_TRANSLATE_NOOP("CoreText", "%1. Nothing was synced."),
    QT_TRANSLATE_NOOP("CoreText", "%1. The sync stopped; run it again."),
    QT_TRANSLATE_NOOP("CoreText", "%1. The cards were not saved; the sync stopped. Run it again."),
    QT_TRANSLATE_NOOP(
        "CoreText", "%1. The cards and the vdir are synced; the next sync will match them by their text."),
    QT_TRANSLATE_NOOP("CoreText", "Cannot flush the files of %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot sync the directory %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot write the sync state file %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Sent to the vdir: %1 new, %2 changed, %3 deleted."),
    QT_TRANSLATE_NOOP("CoreText", "Taken from the vdir: %1 new, %2 changed, %3 deleted."),
    QT_TRANSLATE_NOOP("CoreText", "Conflicts kept as copies: %1."),
    QT_TRANSLATE_NOOP("CoreText", "Not added (card file full or text too long): %1."),
    QT_TRANSLATE_NOOP("CoreText", "Left alone: %1"),
    QT_TRANSLATE_NOOP("CoreText", "the contact has no text"),
    // A save's notices, the longer forms before those they begin with.
    QT_TRANSLATE_NOOP("CoreText",
        "The card file that could not be read at start was kept as %1. The cards were saved, but this "
        "could not be confirmed: %2."),
    QT_TRANSLATE_NOOP("CoreText", "The cards were saved, but this could not be confirmed: %1."),
    QT_TRANSLATE_NOOP("CoreText",
        "Cannot save to %1: it now leads to %2, not to %3, the card file that was read and locked"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot save to %1: %2"),
    QT_TRANSLATE_NOOP("CoreText",
        "the symbolic link %1 belongs to %2 in a directory everyone may write, and such a link is "
        "followed only when it is yours or the directory owner's"),
    // The lock's warnings.
    QT_TRANSLATE_NOOP("CoreText",
        "%1; the card file is used without a lock, so another Quillbox could change it meanwhile."),
    QT_TRANSLATE_NOOP("CoreText", "The lock file %1 cannot be used (%2)"),
    QT_TRANSLATE_NOOP("CoreText", "it is a symbolic link"),
    QT_TRANSLATE_NOOP("CoreText", "The lock file %1 belongs to %2, not to you; it is not honoured"),
    QT_TRANSLATE_NOOP("CoreText", "The card file cannot be locked (%1: %2)"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot back up to %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot read %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot write %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot delete %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot move aside the unread %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot sync directory %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot create a new card file in %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot replace %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "The card file that could not be read at start was kept as %1."),
    QT_TRANSLATE_NOOP("CoreText", "Unable to write to %1"),
    QT_TRANSLATE_NOOP("CoreText", "not a regular file"),
    QT_TRANSLATE_NOOP("CoreText", "cannot open %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "cannot read %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "cannot write %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "standard input"),
    QT_TRANSLATE_NOOP("CoreText", "standard output"),
    QT_TRANSLATE_NOOP("CoreText", "there is no card file %1"),
    QT_TRANSLATE_NOOP("CoreText", "the card file %1 cannot be read: %2"),
    QT_TRANSLATE_NOOP("CoreText",
        "the end of the card file %1 is damaged; open it in Quillbox and check its last card first"),
    QT_TRANSLATE_NOOP("CoreText", "line %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cards added: %1"),
    QT_TRANSLATE_NOOP("CoreText", "Cards cut to %1 characters: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Characters replaced by \"?\": %1"),
    QT_TRANSLATE_NOOP("CoreText", "Cards not added, the card file being full (%1 cards): %2"),
    QT_TRANSLATE_NOOP("CoreText", "Already in the card file: %1"),
    QT_TRANSLATE_NOOP("CoreText", "Rows with an empty Card field, not added: %1"),
    QT_TRANSLATE_NOOP("CoreText", "Not carried: %1"),
    // Why an import stops.
    QT_TRANSLATE_NOOP("CoreText", "plain text cannot be imported; use vcard or csv"),
    QT_TRANSLATE_NOOP("CoreText", "this is a vCard file, not CSV; use --import vcard"),
    QT_TRANSLATE_NOOP("CoreText",
        "this is not a vCard file (it does not begin with BEGIN:VCARD); if it is CSV, use --import csv"),
    QT_TRANSLATE_NOOP("CoreText", "the file is empty"),
    QT_TRANSLATE_NOOP("CoreText", "the text is neither UTF-8 nor UTF-16 with its byte-order mark"),
    QT_TRANSLATE_NOOP("CoreText", "a record of more than %1 fields"),
    QT_TRANSLATE_NOOP("CoreText", "a quoted field goes on after its closing quote"),
    QT_TRANSLATE_NOOP("CoreText", "a quoted field is never closed"),
    QT_TRANSLATE_NOOP("CoreText", "a NUL byte: this is not a text file"),
    QT_TRANSLATE_NOOP("CoreText", "a NUL character: this is not a text file"),
    QT_TRANSLATE_NOOP("CoreText", "a line of more than %1 MB without a colon"),
    QT_TRANSLATE_NOOP("CoreText", "the vCard that begins here has no END:VCARD"),
    QT_TRANSLATE_NOOP("CoreText", "no vCard found (no BEGIN:VCARD)"),
    QT_TRANSLATE_NOOP("CoreText", "the character set %1 is not known"),
    QT_TRANSLATE_NOOP("CoreText", "a line without a colon"),
    QT_TRANSLATE_NOOP("CoreText", "a vCard begins inside another"),
    QT_TRANSLATE_NOOP("CoreText", "text outside a vCard"),
    // Files a sync left alone, last: they begin with the file's name.
    QT_TRANSLATE_NOOP("CoreText", "%1: not a contact (.vcf) file"),
    QT_TRANSLATE_NOOP("CoreText", "%1: not a regular file"),
    QT_TRANSLATE_NOOP("CoreText", "%1: not a readable vCard (%2)"),
    // The C library's reasons the file layer passes on: the program may
    // speak a language whose locale the system lacks, and then they come
    // in English.
    QT_TRANSLATE_NOOP("CoreText", "Is a directory"),
    QT_TRANSLATE_NOOP("CoreText", "Not a directory"),
    QT_TRANSLATE_NOOP("CoreText", "No such file or directory"),
    QT_TRANSLATE_NOOP("CoreText", "Permission denied"),
    QT_TRANSLATE_NOOP("CoreText", "Operation not permitted"),
    QT_TRANSLATE_NOOP("CoreText", "No space left on device"),
    QT_TRANSLATE_NOOP("CoreText", "Disk quota exceeded"),
    QT_TRANSLATE_NOOP("CoreText", "File too large"),
    QT_TRANSLATE_NOOP("CoreText", "Read-only file system"),
    QT_TRANSLATE_NOOP("CoreText", "Input/output error"),
    QT_TRANSLATE_NOOP("CoreText", "Bad file descriptor"),
    QT_TRANSLATE_NOOP("CoreText", "Broken pipe"),
    QT_TRANSLATE_NOOP("CoreText", "Too many levels of symbolic links"),
    QT_TRANSLATE_NOOP("CoreText", "File name too long"),
    QT_TRANSLATE_NOOP("CoreText", "Too many open files"),
    QT_TRANSLATE_NOOP("CoreText", "File exists"),
    QT_TRANSLATE_NOOP("CoreText", "Directory not empty"),
    QT_TRANSLATE_NOOP("CoreText", "Text file busy"),
};

// The kinds "Not carried: 3 photos, 2 X-ANDROID-CUSTOM" counts, singular
// and plural; property names stand as they are.
constexpr const char* NotCarriedWords[] = {
    QT_TRANSLATE_NOOP("CoreText", "photo"),
    QT_TRANSLATE_NOOP("CoreText", "photos"),
    QT_TRANSLATE_NOOP("CoreText", "logo"),
    QT_TRANSLATE_NOOP("CoreText", "logos"),
    QT_TRANSLATE_NOOP("CoreText", "sound"),
    QT_TRANSLATE_NOOP("CoreText", "sounds"),
    QT_TRANSLATE_NOOP("CoreText", "key"),
    QT_TRANSLATE_NOOP("CoreText", "keys"),
    QT_TRANSLATE_NOOP("CoreText", "other"),
};

/// "3 photos, 2 X-ANDROID-CUSTOM" with the kinds' words translated.
QString notCarriedList(const QString& list)
{
    QStringList items = list.split(QStringLiteral(", "));
    for (QString& item : items) {
        const qsizetype space = item.indexOf(QLatin1Char(' '));
        if (space <= 0)
            continue;
        const QString word = item.mid(space + 1);
        for (const char* known : NotCarriedWords) {
            if (word == QLatin1String(known)) {
                item = item.left(space + 1) + QCoreApplication::translate("CoreText", known);
                break;
            }
        }
    }
    return items.join(QStringLiteral(", "));
}

struct Form {
    const char* english;
    QRegularExpression pattern;
};

// "Cannot read %1: %2" -> ^Cannot read (.*?): (.*)$ ; the last argument
// takes the rest, the others as little as they can.
const std::vector<Form>& forms()
{
    static const std::vector<Form> made = [] {
        std::vector<Form> all;
        const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
        for (const char* english : CoreForms) {
            const QString form = QString::fromUtf8(english);
            const QStringList pieces = form.split(placeholder);
            QString pattern = QStringLiteral("^");
            for (qsizetype i = 0; i < pieces.size(); ++i) {
                if (i > 0)
                    pattern += i + 1 == pieces.size() ? QStringLiteral("(.*)") : QStringLiteral("(.*?)");
                pattern += QRegularExpression::escape(pieces[i]);
            }
            // The very end: "$" would also stop before a last line break,
            // and a report's would be lost.
            pattern += QStringLiteral("\\z");
            all.push_back(
                {english, QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)});
        }
        return all;
    }();
    return made;
}

} // namespace

QString translatedCoreText(const QString& message)
{
    for (const Form& form : forms()) {
        const QRegularExpressionMatch match = form.pattern.match(message);
        if (!match.hasMatch())
            continue;
        QString text = QCoreApplication::translate("CoreText", form.english);
        const int count = match.lastCapturedIndex();
        if (count == 0)
            return text;
        // The arguments go in all at once, so that a "%" inside one is never
        // taken for a placeholder.
        QStringList arguments;
        for (int i = 1; i <= count; ++i)
            arguments.append(translatedCoreText(match.captured(i)));
        if (qstrcmp(form.english, "Not carried: %1") == 0)
            arguments[0] = notCarriedList(match.captured(1));
        if (count == 1)
            return text.arg(arguments[0]);
        if (count == 2)
            return text.arg(arguments[0], arguments[1]);
        return text.arg(arguments[0], arguments[1], arguments[2]);
    }
    // A report of several lines is translated line by line.
    if (message.contains(QLatin1Char('\n'))) {
        QStringList lines = message.split(QLatin1Char('\n'));
        for (QString& line : lines)
            line = translatedCoreText(line);
        return lines.join(QLatin1Char('\n'));
    }
    return message;
}

QString coreText(std::string_view message)
{
    return translatedCoreText(pathText(message));
}

} // namespace quillbox
