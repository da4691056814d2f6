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
};

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
            pattern += QLatin1Char('$');
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
        if (count == 1)
            return text.arg(arguments[0]);
        return text.arg(arguments[0], arguments[1]);
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
