// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help_topic.h"
#include "platform/help_window.h"
#include "platform/translation.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace quillbox {
namespace {

struct Environment {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    const char* language;
    const char* expected;
};

TEST(ChooseLanguage, FollowsTheMessagesLocaleAndLanguageAsGettextDoes)
{
    const Environment cases[] = {
        {"", "", "", "", ""}, {"", "", "C", "", ""},
        {"", "", "C.UTF-8", "de", ""}, // LANGUAGE is ignored under the C locale
        {"", "", "POSIX", "fr", ""}, {"", "", "de_DE.UTF-8", "", "de"}, {"", "", "de_AT@euro", "", "de"},
        {"", "", "fr_CA.UTF-8", "", "fr"}, {"", "", "en_GB.UTF-8", "", ""},
        {"", "", "it_IT.UTF-8", "", ""}, // no Italian: the English source texts
        {"", "fr_FR.UTF-8", "de_DE.UTF-8", "", "fr"}, // LC_MESSAGES before LANG
        {"C", "fr_FR.UTF-8", "de_DE.UTF-8", "fr", ""}, // LC_ALL before both
        {"de_DE.UTF-8", "C", "", "", "de"}, {"", "", "de_DE.UTF-8", "fr", "fr"}, // LANGUAGE first
        {"", "", "de_DE.UTF-8", "it:fr_BE:de", "fr"}, // its first available entry
        {"", "", "de_DE.UTF-8", "en:fr", ""}, // English ends the search
        {"", "", "fr_FR.UTF-8", "it:pt", "fr"}, // then the locale itself
    };
    const QStringList available {QStringLiteral("de"), QStringLiteral("fr")};
    for (const Environment& c : cases) {
        const std::map<std::string, const char*> values {
            {"LC_ALL", c.lcAll}, {"LC_MESSAGES", c.lcMessages}, {"LANG", c.lang}, {"LANGUAGE", c.language}};
        const auto environment
            = [&](const char* name) { return QString::fromUtf8(values.count(name) ? values.at(name) : ""); };
        EXPECT_EQ(chooseLanguage(environment, available).toStdString(), c.expected)
            << "LC_ALL=" << c.lcAll << " LC_MESSAGES=" << c.lcMessages << " LANG=" << c.lang
            << " LANGUAGE=" << c.language;
    }
}

QString resourceText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QSet<QString> matches(const QString& html, const QString& pattern)
{
    QSet<QString> found;
    auto it = QRegularExpression(pattern).globalMatch(html);
    while (it.hasNext())
        found.insert(it.next().captured(1));
    return found;
}

// Each language's help is a whole set: every English page is there, with the
// same sections to jump to and the same links, and a title of its own.
TEST(HelpPages, EveryLanguageHasEveryTopic)
{
    const QString root = QStringLiteral(":/resources/help");
    const QStringList pages = QDir(root).entryList({QStringLiteral("*.html")}, QDir::Files);
    const QStringList languages = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(pages.size(), 12);
    EXPECT_TRUE(languages.contains(QStringLiteral("de")) && languages.contains(QStringLiteral("fr")))
        << languages.join(QLatin1Char(' ')).toStdString();
    const QString anchors = QStringLiteral("id=\"([^\"]+)\"");
    const QString links = QStringLiteral("href=\"([^\"]+\\.html[^\"]*)\"");
    const QString title = QStringLiteral("<title>([^<]+)</title>");
    for (const QString& language : languages) {
        const QStringList own
            = QDir(root + QLatin1Char('/') + language).entryList({QStringLiteral("*.html")});
        EXPECT_EQ(own, pages) << language.toStdString();
        for (const QString& page : pages) {
            const QString english = resourceText(root + QLatin1Char('/') + page);
            const QString translated
                = resourceText(root + QLatin1Char('/') + language + QLatin1Char('/') + page);
            const std::string where = language.toStdString() + "/" + page.toStdString();
            ASSERT_FALSE(translated.isEmpty()) << where;
            EXPECT_EQ(matches(translated, anchors), matches(english, anchors)) << where;
            EXPECT_EQ(matches(translated, links), matches(english, links)) << where;
            EXPECT_TRUE(translated.contains(QStringLiteral("<html lang=\"") + language + QLatin1Char('"')))
                << where;
            EXPECT_NE(matches(translated, title), matches(english, title)) << where;
        }
    }
}

TEST(HelpPages, FollowTheLanguageAndFallBackToEnglish)
{
    ASSERT_TRUE(setLanguage(QString()));
    EXPECT_EQ(helpPageFor(HelpSearch), QStringLiteral("qrc:/resources/help/search.html"));
    // The platform tests carry the help pages but no compiled translation, so
    // an unknown language is refused and the English pages stay.
    EXPECT_FALSE(setLanguage(QStringLiteral("xx")));
    EXPECT_EQ(currentLanguage(), QString());
    EXPECT_EQ(helpIndexPage(), QStringLiteral("qrc:/resources/help/index.html"));
}

} // namespace
} // namespace quillbox
