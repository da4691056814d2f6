// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <cstdlib>
#include <memory>

namespace quillbox {

namespace {

// The compiled translations are embedded by qt_add_translations (see
// src/CMakeLists.txt) under this prefix, one quillbox_LANG.qm each.
const QString TranslationDirectory = QStringLiteral(":/i18n");

QString installedLanguage;
std::unique_ptr<QTranslator> installedTranslator;

bool isEnglish(const QString& entry)
{
    return entry == QLatin1String("en") || entry.startsWith(QLatin1String("en_"));
}

// "de_DE.UTF-8@euro" -> "de_DE"
QString withoutEncoding(QString entry)
{
    const qsizetype cut = entry.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0)
        entry.truncate(cut);
    return entry;
}

} // namespace

QString chooseLanguage(const EnvironmentReader& environment, const QStringList& available)
{
    QString locale = environment("LC_ALL");
    if (locale.isEmpty())
        locale = environment("LC_MESSAGES");
    if (locale.isEmpty())
        locale = environment("LANG");
    const QString base = withoutEncoding(locale);
    if (base.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX"))
        return {};
    QStringList entries = environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    entries.append(locale);
    for (const QString& raw : entries) {
        const QString entry = withoutEncoding(raw);
        if (isEnglish(entry))
            return {};
        if (available.contains(entry))
            return entry;
        const QString language = entry.section(QLatin1Char('_'), 0, 0);
        if (available.contains(language))
            return language;
    }
    return {};
}

QStringList translatedLanguages()
{
    QStringList languages;
    const QStringList files
        = QDir(TranslationDirectory).entryList({QStringLiteral("quillbox_*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages.append(file.mid(9, file.size() - 9 - 3));
    return languages;
}

bool setLanguage(const QString& language)
{
    if (installedTranslator) {
        QCoreApplication::removeTranslator(installedTranslator.get());
        installedTranslator.reset();
    }
    installedLanguage.clear();
    if (language.isEmpty())
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("quillbox_") + language, TranslationDirectory))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installedTranslator = std::move(translator);
    installedLanguage = language;
    return true;
}

void installLanguageFromEnvironment()
{
    const auto environment = [](const char* name) { return qEnvironmentVariable(name); };
    setLanguage(chooseLanguage(environment, translatedLanguages()));
}

QString currentLanguage()
{
    return installedLanguage;
}

} // namespace quillbox
