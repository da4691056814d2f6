// SPDX-License-Identifier: GPL-3.0-or-later
// The language the program speaks: chosen from the environment at start, the
// program's translations and the help pages follow it. The source texts are
// English; English and the C locale install no translation at all.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QCoreApplication;

namespace quillbox {

/// Reads one environment variable; an unset one reads as empty.
using EnvironmentReader = std::function<QString(const char* name)>;

/// The first of `available` (language codes such as "de") that the
/// environment asks for, as gettext chooses: the messages locale is LC_ALL,
/// else LC_MESSAGES, else LANG; when that is unset, "C" or "POSIX", the
/// answer is English (empty) and LANGUAGE is ignored. Otherwise LANGUAGE's
/// colon-separated list is tried first, then the locale itself; each entry
/// is read without its encoding and modifier ("de_DE.UTF-8@euro" tries
/// "de_DE", then "de"). An English entry ("en", "en_GB") ends the search with
/// English. Returns "" for English.
QString chooseLanguage(const EnvironmentReader& environment, const QStringList& available);

/// The languages the program is translated into ("de", "fr"), found among
/// its resources.
QStringList translatedLanguages();

/// Installs the program's translation into `language` ("" removes it, so
/// that every text is the English source again) and makes the help pages
/// follow it. Returns false, leaving English, when there is none.
bool setLanguage(const QString& language);

/// Chooses the language from the process environment and installs it.
void installLanguageFromEnvironment();

/// The language installed now; "" for English.
QString currentLanguage();

} // namespace quillbox
