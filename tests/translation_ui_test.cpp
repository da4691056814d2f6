// SPDX-License-Identifier: GPL-3.0-or-later
// The program in German and in French: its menus, a message box, a core
// message, the help and the dialogs speak the language installed, and
// removing it gives the English texts back.
#include "Aboutbox.h"
#include "Main.h"
#include "PrintLab.h"
#include "Retnaddr.h"
#include "Search.h"
#include "core/card_export.h"
#include "core/card_file.h"
#include "core/card_file_lock.h"
#include "core/posix_file.h"
#include "core/vdir_sync.h"
#include "list.h"
#include "platform/core_text.h"
#include "platform/font_dialog.h"
#include "platform/help_window.h"
#include "platform/print_dialogs.h"
#include "platform/printer.h"
#include "platform/translation.h"
#include "ui_test_util.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <array>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <vector>

namespace quillbox::test {
namespace {

struct Language {
    const char* code;
    std::array<const char*, 5> menus;
    const char* notEntering; // Cards, Complete Entry with no new card
    const char* coreMessage; // "Cannot write /tmp/x: Disk full"
    const char* helpTitle;
};

void PrintTo(const Language& l, std::ostream* os)
{
    *os << l.code;
}

const Language Languages[] = {
    {"de", {{"&Programm", "&Karten", "&Bearbeiten", "&Drucken", "&Hilfe"}},
        "Sie geben gerade keine neue Karte ein.", "/tmp/x lässt sich nicht schreiben: Disk full",
        "Hilfe-Inhalt"},
    {"fr", {{"&Principal", "&Fiches", "É&dition", "&Impression", "&Aide"}},
        "Vous n’êtes pas en train de saisir une fiche.", "Impossible d’écrire /tmp/x : Disk full",
        "Index de l’aide"},
};

QStringList menuTitles(TForm1& window)
{
    QStringList titles;
    for (QAction* action : window.menuBar()->actions())
        titles.append(action->text());
    return titles;
}

QString pageTitle(const QString& qrcUrl)
{
    QFile file(qrcUrl.mid(3)); // "qrc:/..." -> ":/..."
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QRegularExpression(QStringLiteral("<title>([^<]*)</title>"))
        .match(QString::fromUtf8(file.readAll()))
        .captured(1);
}

class InLanguage : public ::testing::TestWithParam<Language> {
protected:
    void TearDown() override { setLanguage(QString()); }
};

TEST_P(InLanguage, MenusMessagesAndHelpSpeakIt)
{
    const Language& l = GetParam();
    ASSERT_TRUE(translatedLanguages().contains(QLatin1String(l.code)));
    ASSERT_TRUE(setLanguage(QLatin1String(l.code)));
    TestProgram program;
    program.startWith(numberedCards(3), 1);
    QStringList menus;
    for (const char* menu : l.menus)
        menus.append(QString::fromUtf8(menu));
    EXPECT_EQ(menuTitles(program.main()), menus);

    program.main().findChild<QAction*>(QStringLiteral("CompleteEntry1"))->trigger();
    ASSERT_FALSE(program.messages().texts().empty());
    EXPECT_EQ(program.messages().texts().back(), QString::fromUtf8(l.notEntering));

    EXPECT_EQ(coreText("Cannot write /tmp/x: Disk full"), QString::fromUtf8(l.coreMessage));
    EXPECT_EQ(
        helpIndexPage(), QStringLiteral("qrc:/resources/help/%1/index.html").arg(QLatin1String(l.code)));
    EXPECT_EQ(pageTitle(helpIndexPage()), QString::fromUtf8(l.helpTitle));
}

TEST_P(InLanguage, LeavesNoTextOfAWindowInEnglish)
{
    // Every caption of every window is translated: none equals the English
    // one, except words both languages share.
    const QStringList shared {QStringLiteral("OK"), QStringLiteral("&OK"), QStringLiteral("Fuchsia"),
        QStringLiteral("Orientation"), QStringLiteral("Instructions"), QStringLiteral("P&ortrait"),
        QStringLiteral("&Index"), QStringLiteral("&Liste")};
    const auto captions = [](Program& p) {
        WindowRegistry& w = p.windows();
        QtPrinter printer(QDir::tempPath());
        PrintDialog print(printer, 3, PrintChoice {});
        PrinterSetupDialog setup(printer);
        FontColorDialog font(FontChoice {QFont(QStringLiteral("Arial")), QColor(Qt::black)});
        HelpWindow help;
        QStringList texts;
        const QList<QWidget*> windows {
            w.Form1, w.form2(), w.form3(), w.form4(), w.form5(), w.aboutBox1(), &print, &setup, &font, &help};
        for (QWidget* window : windows) {
            texts.append(window->windowTitle());
            for (QAction* action : window->findChildren<QAction*>())
                texts.append(action->text());
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
                texts.append(button->text());
            for (QLabel* label : window->findChildren<QLabel*>())
                texts.append(label->text());
        }
        return texts;
    };
    TestProgram english;
    english.startWith(numberedCards(3), 1);
    const QStringList source = captions(english.program());

    ASSERT_TRUE(setLanguage(QLatin1String(GetParam().code)));
    TestProgram translated;
    translated.startWith(numberedCards(3), 1);
    const QStringList texts = captions(translated.program());
    ASSERT_EQ(texts.size(), source.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (source[i].contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")))
            && !shared.contains(source[i]) && !source[i].startsWith(QStringLiteral("Quillbox "))) {
            EXPECT_NE(texts[i], source[i]) << "left in English: " << source[i].toStdString();
        }
    }
}

TEST_P(InLanguage, SyncReportAndRefusalsAreTranslated)
{
    // A sync's report and a refusal, as the core writes them.
    TempDir dir;
    std::filesystem::create_directory(dir.file("vdir"));
    dir.write("vdir/bad.vcf", "hello\r\n");
    dir.write("plain", "");
    CardFile file(dir.str());
    const std::string report = sync::describeSync(sync::syncWithVdir(file, dir.str() + "/vdir"));
    const std::string refused = sync::syncWithVdir(file, dir.str() + "/plain").error;
    const std::map<std::string, QString> expected {
        {"de",
            QStringLiteral(
                "An das vdir gesendet: 0 neu, 0 geändert, 0 gelöscht.\nAus dem vdir übernommen: 0 neu, "
                "0 geändert, 0 gelöscht.\nAls Kopien aufbewahrte Konflikte: 0.\nNicht hinzugefügt "
                "(Kartei voll oder Text zu lang): 0.\nNicht angerührt: bad.vcf: keine lesbare vCard "
                "(Zeile 1: eine Zeile ohne Doppelpunkt)\n|Das vdir %1/plain ist kein Verzeichnis.")},
        {"fr",
            QStringLiteral(
                "Envoyés au vdir : 0 nouveaux, 0 modifiés, 0 supprimés.\nRepris du vdir : 0 nouveaux, 0 "
                "modifiés, 0 supprimés.\nConflits gardés en copie : 0.\nNon ajoutés (fichier de fiches "
                "plein ou texte trop long) : 0.\nLaissé tel quel : bad.vcf : pas une vCard lisible "
                "(ligne 1 : une ligne sans deux-points)\n|Le vdir %1/plain n’est pas un répertoire.")},
    };
    ASSERT_TRUE(setLanguage(QLatin1String(GetParam().code)));
    EXPECT_EQ((coreText(report) + QLatin1Char('|') + coreText(refused)).toStdString(),
        expected.at(GetParam().code).arg(QString::fromStdString(dir.str())).toStdString())
        << report << refused;
}

TEST_P(InLanguage, FolderChooserSpeaksIt)
{
    // Save Elsewhere's chooser where the desktop offers none: Qt's own
    // dialog, its captions and tool tips translated by the program.
    const auto texts = [] {
        QFileDialog chooser(nullptr, QStringLiteral("Folder"), QDir::tempPath());
        chooser.setFileMode(QFileDialog::Directory);
        chooser.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        QStringList all;
        for (QLabel* label : chooser.findChildren<QLabel*>())
            all.append(label->text());
        for (QAbstractButton* button : chooser.findChildren<QAbstractButton*>())
            all.append(button->text().isEmpty() ? button->toolTip() : button->text());
        return all;
    };
    const QStringList english = texts();
    ASSERT_TRUE(setLanguage(QLatin1String(GetParam().code)));
    const QStringList translated = texts();
    ASSERT_EQ(translated.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (english[i].contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")))) {
            EXPECT_NE(translated[i], english[i]) << "left in English: " << english[i].toStdString();
        }
    }
}

/// Each visible caption of `windows` with the room it has and the width it
/// needs, by object name.
struct Caption {
    QString name;
    QString text;
    int needs;
    int has;
};

std::vector<Caption> captionRoom(const QList<QWidget*>& windows)
{
    std::vector<Caption> all;
    const auto shown = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))); };
    for (QWidget* window : windows) {
        window->show();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window) || w->objectName().isEmpty())
                continue;
            const QFontMetrics metrics(w->font());
            if (auto* label = qobject_cast<QLabel*>(w);
                label && !label->wordWrap() && !label->text().isEmpty()) {
                all.push_back({w->objectName(), label->text(),
                    metrics.horizontalAdvance(shown(label->text())), label->contentsRect().width()});
            } else if (auto* button = qobject_cast<QAbstractButton*>(w);
                       button && !button->text().isEmpty()) {
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                int room = button->width();
                if (qobject_cast<QCheckBox*>(button))
                    room = button->style()
                               ->subElementRect(QStyle::SE_CheckBoxContents, &option, button)
                               .width();
                else if (qobject_cast<QRadioButton*>(button))
                    room = button->style()
                               ->subElementRect(QStyle::SE_RadioButtonContents, &option, button)
                               .width();
                else if (qobject_cast<QPushButton*>(button))
                    room = button->style()
                               ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                               .width();
                if (!button->icon().isNull())
                    room -= button->iconSize().width() + 4;
                all.push_back({w->objectName(), button->text(),
                    metrics.horizontalAdvance(shown(button->text())), room});
            }
        }
        window->hide();
    }
    return all;
}

TEST_P(InLanguage, CaptionsFitWhereTheEnglishOnesFit)
{
    // The design's geometry stays; a translation has to fit the room the
    // English caption has (an English caption that does not fit is not the
    // translation's fault, and is left to the windows' own tests).
    const auto measure = [](Program& p) {
        WindowRegistry& w = p.windows();
        QtPrinter printer(QDir::tempPath());
        PrintDialog print(printer, 3, PrintChoice {});
        PrinterSetupDialog setup(printer);
        HelpWindow help;
        return captionRoom(
            {w.Form1, w.form2(), w.form3(), w.form4(), w.form5(), w.aboutBox1(), &print, &setup, &help});
    };
    TestProgram english;
    english.startWith(numberedCards(3), 1);
    const std::vector<Caption> source = measure(english.program());

    ASSERT_TRUE(setLanguage(QLatin1String(GetParam().code)));
    TestProgram translated;
    translated.startWith(numberedCards(3), 1);
    const std::vector<Caption> texts = measure(translated.program());
    ASSERT_EQ(texts.size(), source.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (source[i].needs <= source[i].has) {
            EXPECT_LE(texts[i].needs, texts[i].has)
                << texts[i].name.toStdString() << " \"" << texts[i].text.toStdString() << "\" (English \""
                << source[i].text.toStdString() << "\"): needs " << texts[i].needs << " px, has "
                << texts[i].has;
        }
    }
}

TEST_P(InLanguage, CoreMessagesAreTranslatedWhereShown)
{
    // Messages as the core writes them, each in full with its arguments;
    // the first as the window shows it at start.
    ASSERT_TRUE(setLanguage(QLatin1String(GetParam().code)));
    TestProgram program;
    const std::string home = program.dir().str();
    std::filesystem::create_symlink("elsewhere", home + "/.quillbox.lock");
    program.start();
    ASSERT_FALSE(program.messages().texts().empty());
    const CardFileLock lock(home);
    CardFile file(home);
    ImportCounts counts;
    counts.added = 2;
    counts.notCarried = {{"PHOTO", 3}, {"KEY", 1}, {"X-FOO", 2}};
    const std::string messages[] = {
        lock.warning(),
        importIntoCardFile(file, parseImport("\"a,b\r\n", CardFormat::Csv)).text,
        parseImport("BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n", CardFormat::Csv).error,
        parseImport("plain", CardFormat::Text).error,
        posix::describeFailure("cannot write", "standard output", EPIPE),
        posix::describeFailure("cannot write", "/tmp/d", EISDIR),
        describeImport(counts),
    };
    const QString lockPath = QString::fromStdString(home) + QStringLiteral("/.quillbox.lock");
    const std::map<std::string, std::vector<QString>> expected {
        {"de",
            {QStringLiteral(
                 "Die Sperrdatei %1 ist nicht verwendbar (sie ist ein symbolischer Link); die Kartei "
                 "wird ohne Sperre benutzt, ein anderes Quillbox könnte sie also währenddessen ändern.")
                    .arg(lockPath),
                QStringLiteral("Zeile 1: ein Feld in Anführungszeichen wird nie geschlossen"),
                QStringLiteral("dies ist eine vCard-Datei, kein CSV; --import vcard verwenden"),
                QStringLiteral("reiner Text lässt sich nicht importieren; vcard oder csv verwenden"),
                QStringLiteral("Standardausgabe lässt sich nicht schreiben: Pipe unterbrochen"),
                QStringLiteral("/tmp/d lässt sich nicht schreiben: Ist ein Verzeichnis"),
                QStringLiteral(
                    "Hinzugefügte Karten: 2\nAuf 498 Zeichen gekürzte Karten: 0\nDurch „?“ ersetzte "
                    "Zeichen: 0\nNicht hinzugefügt, weil die Kartei voll ist (2000 Karten): 0\nSchon "
                    "in der Kartei: 0\nNicht übernommen: 1 Schlüssel, 3 Fotos, 2 X-FOO\n")}},
        {"fr",
            {QStringLiteral(
                 "Le fichier de verrou %1 est inutilisable (c’est un lien symbolique) ; le fichier de "
                 "fiches est utilisé sans verrou, un autre Quillbox pourrait donc le modifier "
                 "entre-temps.")
                    .arg(lockPath),
                QStringLiteral("ligne 1 : un champ entre guillemets n’est jamais fermé"),
                QStringLiteral("c’est un fichier vCard, pas du CSV ; utilisez --import vcard"),
                QStringLiteral("le texte brut ne peut pas être importé ; utilisez vcard ou csv"),
                QStringLiteral("impossible d’écrire sortie standard : Tube brisé"),
                QStringLiteral("impossible d’écrire /tmp/d : Est un répertoire"),
                QStringLiteral(
                    "Fiches ajoutées : 2\nFiches coupées à 498 caractères : 0\nCaractères remplacés "
                    "par « ? » : 0\nFiches non ajoutées, le fichier étant plein (2000 fiches) : "
                    "0\nDéjà dans le fichier : 0\nNon repris : 1 clé, 3 photos, 2 X-FOO\n")}},
    };
    const std::vector<QString>& want = expected.at(GetParam().code);
    EXPECT_EQ(program.messages().texts().front(), want.front());
    ASSERT_EQ(std::size(messages), want.size());
    for (std::size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(coreText(messages[i]), want[i]) << messages[i];
}

INSTANTIATE_TEST_SUITE_P(Translations, InLanguage, ::testing::ValuesIn(Languages),
    [](const ::testing::TestParamInfo<Language>& param) { return std::string(param.param.code); });

} // namespace
} // namespace quillbox::test
