// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown: the windows, the card file and the settings file
// from the first start in an empty directory to the close.
#include "Aboutbox.h"
#include "Main.h"
#include "PrintLab.h"
#include "Retnaddr.h"
#include "Search.h"
#include "list.h"
#include "platform/card_memo.h"
#include "platform/screen_metrics.h"
#include "ui_test_util.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>

namespace quillbox::test {
namespace {

const QString MissingFile
    = QStringLiteral("Quillbox file not present. Program will run without a current file");

std::string iniValue(const std::string& ini, const std::string& key)
{
    const std::string needle = "\r\n" + key + "=";
    const std::size_t at = ini.find(needle);
    if (at == std::string::npos)
        return "<missing>";
    const std::size_t from = at + needle.size();
    return ini.substr(from, ini.find("\r\n", from) - from);
}

TEST(ProgramTest, MakesTheOtherWindowsHiddenOnFirstUse)
{
    TestProgram p;
    p.writeCards(numberedCards(2));
    p.start();
    EXPECT_FALSE(p.app().StartingUp);
    EXPECT_EQ(p.app().StartDirectory, p.dir().str());
    WindowRegistry& app = p.windows();
    ASSERT_NE(app.Form1, nullptr);
    EXPECT_EQ(app.Form2, nullptr);
    EXPECT_EQ(app.AboutBox1, nullptr);

    // Asking for one makes them all, once, hidden.
    TForm4* search = app.form4();
    ASSERT_NE(search, nullptr);
    for (QWidget* w :
        std::initializer_list<QWidget*> {app.Form2, app.Form3, app.Form4, app.AboutBox1, app.Form5}) {
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_EQ(app.form4(), search);
    EXPECT_EQ(app.form2(), app.Form2);
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Quillbox v 2.0"));
    EXPECT_EQ(app.Form1->windowTitle(), QStringLiteral("Quillbox v 2.0"));
}

TEST(ProgramTest, FirstStartInAnEmptyDirectory)
{
    TestProgram p;
    p.start();
    ASSERT_EQ(p.messages().asked.size(), 1u);
    EXPECT_EQ(p.messages().asked[0].text, MissingFile);
    EXPECT_EQ(p.messages().asked[0].title, QStringLiteral("Warning"));
    EXPECT_EQ(p.messages().asked[0].helpContext, 13);

    TForm1& m = p.main();
    const QSize area = fullScreenClientArea();
    EXPECT_EQ(m.frameGeometry().size(), QSize(465, 338));
    EXPECT_EQ(m.frameGeometry().topLeft(), QPoint(area.width() / 2 - 232, area.height() / 2 - 169));

    const std::string ini = p.dir().read("quillbox.ini");
    EXPECT_EQ(ini.find("[Position]"), 0u);
    EXPECT_EQ(iniValue(ini, "Width"), "465");
    EXPECT_EQ(iniValue(ini, "Height"), "338");
    EXPECT_EQ(iniValue(ini, "Name"), "System");
    EXPECT_EQ(iniValue(ini, "Color"), "-2147483640");
    EXPECT_EQ(iniValue(ini, "Style4"), "");
    EXPECT_EQ(iniValue(ini, "LastCard"), "1");
    EXPECT_EQ(test::child<QLabel>(m, "Label1")->text(), QStringLiteral("0 cards"));

    // The first activation begins a new card.
    p.program().showMainWindow();
    QApplication::processEvents();
    EXPECT_EQ(test::child<QLabel>(m, "Label1")->text(), QStringLiteral("New card"));
    EXPECT_EQ(m.cards().CurrentCard, 0);
    EXPECT_TRUE(test::child<CardMemo>(m, "Memo1")->hasFocus() || QApplication::focusWidget() == nullptr);
    EXPECT_EQ(p.messages().asked.size(), 1u);

    // Closing with the new card still empty: no card file, LastCard 0.
    p.close();
    EXPECT_FALSE(p.dir().exists("quillbox.db"));
    EXPECT_EQ(iniValue(p.dir().read("quillbox.ini"), "LastCard"), "0");
}

TEST(ProgramTest, LastCardZeroStartsAtCardOne)
{
    TestProgram p;
    p.startWith(numberedCards(3), 0);
    EXPECT_EQ(p.main().cards().CurrentCard, 1);
    EXPECT_TRUE(p.messages().asked.empty());
}

struct LastCardCase {
    const char* name;
    int cards;
    int lastCard;
    int shown;
};

/// Prints the case by its name in test listings.
void PrintTo(const LastCardCase& c, std::ostream* os)
{
    *os << c.name;
}

class LastCardTest : public ::testing::TestWithParam<LastCardCase> { };

TEST_P(LastCardTest, ChoosesTheCurrentCard)
{
    TestProgram p;
    p.startWith(numberedCards(GetParam().cards), GetParam().lastCard);
    TForm1& m = p.main();
    EXPECT_EQ(m.cards().CurrentCard, GetParam().shown);
    EXPECT_EQ(test::child<QLabel>(m, "Label3")->text(), QString::number(GetParam().shown));
    EXPECT_EQ(test::child<QLabel>(m, "Label1")->text(), QStringLiteral("%1 cards").arg(GetParam().cards));
    EXPECT_EQ(test::child<CardMemo>(m, "Memo1")->text(),
        numberedCards(GetParam().cards)[std::size_t(GetParam().shown - 1)]);
    EXPECT_FALSE(m.cards().CardsChanged);
    EXPECT_EQ(m.frameGeometry(), QRect(100, 100, 465, 338));
}

INSTANTIATE_TEST_SUITE_P(Start, LastCardTest,
    ::testing::Values(LastCardCase {"SevenOfFiveShowsOne", 5, 7, 1},
        LastCardCase {"SevenOfNineShowsSeven", 9, 7, 7}, LastCardCase {"NegativeShowsOne", 4, -3, 1},
        LastCardCase {"ExactlyTheLast", 4, 4, 4}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ProgramTest, ClosingWithATypedNewCardKeepsIt)
{
    TestProgram p;
    p.writeCards({"Adams\r\n", "Baker\r\n"});
    p.startAndShow();
    TForm1& m = p.main();
    clickButton(test::child<QToolButton>(m, "SpeedButton13"));
    QTest::keyClicks(test::child<CardMemo>(m, "Memo1"), QStringLiteral("Ames"));
    clickButton(test::child<QToolButton>(m, "SpeedButton1"));
    EXPECT_EQ(p.dir().read("quillbox.db"), cardFileBytes({"Adams\r\n", "Ames\r\n", "Baker\r\n"}));
    EXPECT_EQ(p.dir().read("quillbox.bak"), cardFileBytes({"Adams\r\n", "Baker\r\n"}));
    EXPECT_EQ(iniValue(p.dir().read("quillbox.ini"), "LastCard"), "2");
}

TEST(ProgramTest, ClosingAfterOnlyMovingWritesOnlyTheLastCard)
{
    TestProgram p;
    // Out of order on disk: a save would write them sorted.
    const std::string stored
        = cardFileBytes({"Baker\r\n", "Adams\r\n", "Carter\r\n", "Dunn\r\n", "Evans\r\n"});
    p.dir().write("quillbox.db", stored);
    p.writeSettings(settingsWithLastCard(1));
    p.startAndShow();
    clickButton(p.main().findChild<QToolButton*>(QStringLiteral("SpeedButton3")));
    ASSERT_EQ(p.main().cards().CurrentCard, 5);
    p.close();
    EXPECT_EQ(p.dir().read("quillbox.db"), stored);
    EXPECT_FALSE(p.dir().exists("quillbox.bak"));
    EXPECT_EQ(iniValue(p.dir().read("quillbox.ini"), "LastCard"), "5");
}

TEST(ProgramTest, ResizeRewritesTheSettings)
{
    TestProgram p;
    p.startWith(numberedCards(6), 2);
    clickButton(p.main().findChild<QToolButton*>(QStringLiteral("SpeedButton5")));
    p.main().resize(500, 400);
    // The stored size is the outer frame's.
    const QSize frame = p.main().frameGeometry().size();
    const std::string ini = p.dir().read("quillbox.ini");
    EXPECT_EQ(iniValue(ini, "Width"), std::to_string(frame.width()));
    EXPECT_EQ(iniValue(ini, "Height"), std::to_string(frame.height()));
    EXPECT_EQ(iniValue(ini, "LastCard"), "3");
    EXPECT_EQ(iniValue(ini, "Style1"), "");
}

TEST(ProgramTest, StoredFontIsApplied)
{
    TestProgram p;
    p.writeCards(numberedCards(1));
    p.writeSettings("[Position]\r\nTop=0x20\r\nLeft=abc\r\nHeight=300\r\nWidth=400\r\n"
                    "[Font]\r\nColor=255\r\nName=Courier New\r\nPitch=fpfixed\r\nSize=12\r\n"
                    "Style1=\r\nStyle2=fsitalic\r\nStyle3=\r\nStyle4=\r\n[Params]\r\nLastCard=1\r\n"
                    "[Return Address]\r\nLine 1=Me\r\nLine 2=Here\r\n");
    p.start();
    TForm1& m = p.main();
    EXPECT_EQ(m.frameGeometry().top(), 32);
    EXPECT_EQ(m.frameGeometry().size(), QSize(400, 300));
    EXPECT_EQ(m.cardFont().name, "Courier New");
    EXPECT_EQ(
        QFontInfo(test::child<CardMemo>(m, "Memo1")->font()).family(), QStringLiteral("Liberation Mono"));
    EXPECT_TRUE(test::child<CardMemo>(m, "Memo1")->font().italic());
    EXPECT_FALSE(test::child<CardMemo>(m, "Memo1")->font().bold());
    EXPECT_EQ(test::child<CardMemo>(m, "Memo1")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(m.cardFont().pitch, FontPitch::Fixed);
    EXPECT_EQ(p.app().ReturnAddressLines[0], "Me");
    EXPECT_EQ(p.app().ReturnAddressLines[1], "Here");
    EXPECT_EQ(p.app().ReturnAddressLines[2], "");
}

TEST(ProgramTest, UnwritableSettingsOnAFirstRunStillStart)
{
    TestProgram p;
    p.writeCards(numberedCards(2));
    std::filesystem::create_directory(p.dir().file("quillbox.ini"));
    p.startAndShow();
    ASSERT_EQ(p.messages().asked.size(), 1u);
    const MessageRequest& box = p.messages().asked[0];
    EXPECT_EQ(box.text,
        QStringLiteral("Unable to write to %1.")
            .arg(QString::fromStdString((p.dir().path() / "quillbox.ini").string())));
    EXPECT_EQ(box.icon, MsgIcon::Error);
    EXPECT_EQ(box.title, QStringLiteral("Quillbox v 2.0"));
    TForm1& m = p.main();
    EXPECT_EQ(m.cards().CurrentCard, 1);
    EXPECT_EQ(test::child<QLabel>(m, "Label1")->text(), QStringLiteral("2 cards"));
    EXPECT_EQ(test::child<CardMemo>(m, "Memo1")->text(), numberedCards(2)[0]);
    EXPECT_FALSE(m.cards().CardsChanged);
}

TEST(ProgramTest, LoaderNoticesAreShownOnce)
{
    struct Case {
        const char* name;
        std::string bytes;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"HeldBack", cardFileBytes(numberedCards(MaxCards + 3)), "3 more cards"},
        {"DamagedEnd",
            cardFileBytes({"Adams\r\n"})
                + std::string("\x09\x00"
                              "Bak",
                    5),
            "damaged"},
    };
    for (const Case& c : cases) {
        TestProgram p;
        p.dir().write("quillbox.db", c.bytes);
        p.startAndShow();
        ASSERT_EQ(p.messages().asked.size(), 1u) << c.name;
        EXPECT_TRUE(p.messages().asked[0].text.contains(QLatin1String(c.says)))
            << p.messages().asked[0].text.toStdString();
        EXPECT_EQ(p.messages().asked[0].title, QStringLiteral("Warning"));
    }
}

TEST(ProgramTest, UnreadableCardFileSaysWhy)
{
    TestProgram p;
    std::filesystem::create_directory(p.dir().file("quillbox.db"));
    p.start();
    ASSERT_EQ(p.messages().asked.size(), 1u);
    EXPECT_NE(p.messages().asked[0].text, MissingFile);
    EXPECT_TRUE(p.messages().asked[0].text.contains(QStringLiteral("Is a directory")))
        << p.messages().asked[0].text.toStdString();
}

// --- A save that fails at close ------------------------------------------------

/// Starts on two cards, adds a third, and makes the save fail: the card file
/// has turned into a directory that cannot be backed up.
void startWithFailingSave(TestProgram& p)
{
    p.writeCards({"Adams\r\n", "Baker\r\n"});
    p.startAndShow();
    clickButton(p.main().findChild<QToolButton*>(QStringLiteral("SpeedButton13")));
    QTest::keyClicks(p.main().findChild<CardMemo*>(QStringLiteral("Memo1")), QStringLiteral("Carter"));
    std::filesystem::remove(p.dir().file("quillbox.db"));
    std::filesystem::create_directory(p.dir().file("quillbox.db"));
    std::filesystem::create_directory(p.dir().file("quillbox.db") / "inside");
    p.messages().clear();
}

TEST(SaveAtCloseTest, OffersTheChoicesAndEscapeDoesNotDiscard)
{
    TestProgram p;
    startWithFailingSave(p);
    p.messages().answerChoice(0); // Try Again, which is also what Escape answers
    p.messages().answerChoice(2); // then Discard
    p.close();
    ASSERT_EQ(p.messages().chosen.size(), 2u);
    const ChoiceRequest& box = p.messages().chosen[0];
    EXPECT_EQ(box.buttons,
        (QStringList {QStringLiteral("&Try Again"), QStringLiteral("&Save Elsewhere..."),
            QStringLiteral("&Discard Changes")}));
    EXPECT_EQ(box.buttons.value(box.escapeIndex), QStringLiteral("&Try Again"));
    EXPECT_TRUE(box.text.contains(QString::fromStdString((p.dir().path() / "quillbox.db").string())));
    EXPECT_EQ(box.icon, MsgIcon::Error);
}

TEST(SaveAtCloseTest, NamesWhereAnUnreadCardFileWasKept)
{
    TestProgram p;
    ASSERT_EQ(::mkfifo(p.dir().file("quillbox.db").c_str(), 0600), 0);
    p.startAndShow();
    ASSERT_FALSE(p.messages().asked.empty());
    EXPECT_TRUE(p.messages().asked[0].text.contains(QStringLiteral("not a regular file")));
    QTest::keyClicks(p.main().findChild<CardMemo*>(QStringLiteral("Memo1")), QStringLiteral("Carter"));
    p.messages().clear();
    p.close();

    ASSERT_EQ(p.messages().asked.size(), 1u);
    const QString text = p.messages().asked[0].text;
    const QString kept = QString::fromStdString(p.dir().str() + "/quillbox.db.unread-");
    EXPECT_TRUE(text.contains(kept)) << text.toStdString();
    EXPECT_EQ(p.dir().read("quillbox.db"), cardFileBytes({"Carter\r\n"}));
}

TEST(SaveAtCloseTest, SavesInAnotherFolderOfTheUsersChoice)
{
    TestProgram p;
    TempDir elsewhere;
    startWithFailingSave(p);
    p.fakes().folders.next = QString::fromStdString(elsewhere.str());
    p.messages().answerChoice(1);
    p.close();
    EXPECT_EQ(p.fakes().folders.calls, 1);
    EXPECT_EQ(elsewhere.read("quillbox.db"), cardFileBytes({"Adams\r\n", "Baker\r\n", "Carter\r\n"}));
    ASSERT_EQ(p.messages().asked.size(), 1u);
    EXPECT_TRUE(p.messages().asked[0].text.contains(QString::fromStdString(elsewhere.str())));
}

/// Boxes that clear the obstacle while the user reads the question, then
/// answer Try Again.
class RepairingBoxes final : public MessageBoxes {
public:
    explicit RepairingBoxes(std::function<void()> repair)
        : m_repair(std::move(repair))
    {
    }
    MsgButton ask(const MessageRequest& request) override { return m_fake.ask(request); }
    int choose(const ChoiceRequest&) override
    {
        ++choices;
        m_repair();
        return 0;
    }
    int choices = 0;

private:
    FakeMessageBoxes m_fake;
    std::function<void()> m_repair;
};

TEST(SaveAtCloseTest, TryAgainSavesOnceTheObstacleIsGone)
{
    TestProgram p;
    RepairingBoxes boxes([&p] { std::filesystem::remove_all(p.dir().file("quillbox.db")); });
    p.useMessageBoxes(&boxes);
    p.writeCards({"Adams\r\n"});
    p.startAndShow();
    clickButton(p.main().findChild<QToolButton*>(QStringLiteral("SpeedButton13")));
    QTest::keyClicks(p.main().findChild<CardMemo*>(QStringLiteral("Memo1")), QStringLiteral("Baker"));
    std::filesystem::remove(p.dir().file("quillbox.db"));
    std::filesystem::create_directories(p.dir().file("quillbox.db") / "inside");
    p.close();
    EXPECT_EQ(boxes.choices, 1);
    EXPECT_EQ(p.dir().read("quillbox.db"), cardFileBytes({"Adams\r\n", "Baker\r\n"}));
}

// --- Activation ---------------------------------------------------------------

TEST(ActivationTest, ReturningFromTheSearchWindowActivatesAgain)
{
    TestProgram p;
    p.startAndShow(); // empty: a new card is begun
    TForm1& m = p.main();
    ASSERT_EQ(m.cards().CurrentCard, 0);
    p.messages().clear();

    QWidget* search = p.windows().form4();
    search->show();
    QApplication::setActiveWindow(search);
    QApplication::processEvents();
    QApplication::setActiveWindow(&m);
    QApplication::processEvents();
    // Still entering with no cards: the activation's Add refuses.
    EXPECT_EQ(p.messages().texts().size(), 1u);

    // Coming back from a modal box does not activate again.
    p.messages().clear();
    QDialog* about = p.windows().aboutBox1();
    about->show();
    QApplication::setActiveWindow(about);
    QApplication::processEvents();
    about->hide();
    QApplication::setActiveWindow(&m);
    QApplication::processEvents();
    EXPECT_TRUE(p.messages().texts().empty());
    search->hide();
}

} // namespace
} // namespace quillbox::test
