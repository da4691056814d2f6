// SPDX-License-Identifier: GPL-3.0-or-later
// Contact files opened with the program or dropped onto its window: one
// question, then the cards are filed as --import files them and saved at
// close like every change.
#include "Main.h"
#include "core/card_box.h"
#include "core/card_file.h"
#include "core/core_test_util.h"
#include "open_files.h"
#include "ui_test_util.h"

#include <QMimeData>
#include <QUrl>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace quillbox;
using quillbox::test::TestProgram;

namespace {

const char* const TwoContacts
    = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Zoe Lefevre\r\nTEL;TYPE=CELL:+33 6 12 34 56 78\r\n"
      "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bea Adams\r\nEND:VCARD\r\n";

std::string shownCard(TestProgram& run)
{
    const CardBox& box = run.main().cardBox();
    return std::string(box.cards().card(box.current()));
}

} // namespace

struct OfferCase {
    const char* name;
    bool readOnly;
    std::vector<const char*> files;
    MsgButton answer;
    const char* asks; // what the box says, in part
    std::vector<std::string> cards;
};

void PrintTo(const OfferCase& c, std::ostream* os)
{
    *os << c.name;
}

class OfferContactFiles : public ::testing::TestWithParam<OfferCase> { };

TEST_P(OfferContactFiles, AsksOnceAndFilesTheCardsOnYes)
{
    const OfferCase& c = GetParam();
    TestProgram run;
    run.writeCards({"Carl\r\n"});
    run.dir().write("phone.vcf", TwoContacts);
    run.dir().write("table.csv", "Title,Card\r\nDan,\"Dan\nx\"\r\nCarl,Carl\r\n");
    run.startAndShow();
    run.app().readOnly = c.readOnly;
    run.messages().answer(c.answer);
    QStringList paths;
    for (const char* file : c.files)
        paths.append(QString::fromStdString(run.dir().file(file).string()));

    const int added = offerContactFiles(run.main(), run.app(), paths);
    ASSERT_EQ(run.messages().asked.size(), 1u);
    EXPECT_TRUE(run.messages().asked[0].text.contains(QString::fromUtf8(c.asks)))
        << run.messages().asked[0].text.toStdString();
    EXPECT_EQ(test::cardsOf(run.main().cardBox().cards()), c.cards);
    EXPECT_EQ(added, static_cast<int>(c.cards.size()) - 1);
    if (added > 0) {
        EXPECT_EQ(shownCard(run), "Zoe Lefevre\r\nMobile: +33 6 12 34 56 78\r\n");
    }

    // Saved at close like every change; a read-only run saves nothing.
    run.close();
    EXPECT_EQ(
        test::savedCards(run.dir().str()), c.readOnly ? std::vector<std::string> {"Carl\r\n"} : c.cards);
}

INSTANTIATE_TEST_SUITE_P(Table, OfferContactFiles,
    ::testing::Values(OfferCase {"OneFileYes", false, {"phone.vcf"}, MsgYes,
                          "Add the 2 cards of phone.vcf to the card file?\r\n\r\nCards added: 2",
                          {"Bea Adams\r\n", "Carl\r\n", "Zoe Lefevre\r\nMobile: +33 6 12 34 56 78\r\n"}},
        OfferCase {"OneFileNo", false, {"phone.vcf"}, MsgNo, "Add the 2 cards of phone.vcf", {"Carl\r\n"}},
        OfferCase {"SeveralFilesOneQuestion", false, {"phone.vcf", "table.csv"}, MsgYes,
            "Add the cards of these files to the card file?\r\nphone.vcf: 2 cards\r\ntable.csv: 2 "
            "cards\r\n\r\n"
            "Cards added: 3",
            {"Bea Adams\r\n", "Carl\r\n", "Dan\r\nx\r\n", "Zoe Lefevre\r\nMobile: +33 6 12 34 56 78\r\n"}},
        OfferCase {"ReadOnlyRefuses", true, {"phone.vcf"}, MsgOK, "this one is read-only", {"Carl\r\n"}}),
    [](const auto& row) { return std::string(row.param.name); });

// Dropping files onto the card asks the same question; other drops go on.
TEST(ContactDrop, DroppedFilesAreOffered)
{
    TestProgram run;
    run.writeCards({"Carl\r\n"});
    run.dir().write("phone.vcf", TwoContacts);
    run.startAndShow();
    run.messages().answer(MsgYes);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(run.dir().file("phone.vcf").string())),
        QUrl::fromLocalFile(QStringLiteral("/tmp/picture.png"))});
    QWidget* target = run.main().centralWidget() ? run.main().centralWidget() : &run.main();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    ASSERT_EQ(run.messages().asked.size(), 1u);
    EXPECT_TRUE(run.messages().asked[0].text.startsWith(QStringLiteral("Add the 2 cards of phone.vcf")));
    EXPECT_EQ(run.main().cardBox().count(), 3);
}
