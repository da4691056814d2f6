// SPDX-License-Identifier: GPL-3.0-or-later
// Sync end to end with a real CardDAV server: Radicale on 127.0.0.1 with a
// throw-away storage, vdirsyncer carrying two vdirs to and from it (the card
// file's, and one playing a phone), the real program for --vdir, the real
// window for an edit, and khard reading the card file's vdir.
#include "Main.h"
#include "core/card_box.h"
#include "core/card_file.h"
#include "core/contact_mapping.h"
#include "platform/card_memo.h"
#include "program.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace quillbox::test {
namespace {

namespace fs = std::filesystem;

struct Ran {
    int exitCode = -1;
    std::string out;
    std::string err;
};

Ran run(const QString& program, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.start(program, args);
    process.closeWriteChannel();
    if (!process.waitForStarted() || !process.waitForFinished(120000))
        return {-1, {}, "could not run " + program.toStdString()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

std::string readAll(const fs::path& path)
{
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void writeAll(const fs::path& path, const std::string& bytes)
{
    // As other tools write: a new file renamed over the old one.
    const fs::path temp = path.string() + ".new";
    QFile file(QString::fromStdString(temp.string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();
    fs::rename(temp, path);
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

class SyncEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"radicale", "vdirsyncer", "khard"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed (./quillbox.sh test installs it)";
        }
        for (const char* sub : {"home", "quill", "phone", "storage", "status"})
            fs::create_directory(m_dir.file(sub));
        m_port = 20000 + static_cast<int>(::getpid() % 20000);
        m_server.setProgram(QStringLiteral("radicale"));
        m_server.setArguments({QStringLiteral("-C"), QString(), QStringLiteral("--server-hosts"),
            QStringLiteral("127.0.0.1:%1").arg(m_port), QStringLiteral("--auth-type"), QStringLiteral("none"),
            QStringLiteral("--storage-filesystem-folder"), path("storage")});
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start();
        ASSERT_TRUE(m_server.waitForStarted());
        writeVdirsyncerConfig();
        // vdirsyncer creates the address book on the server and both vdirs.
        Ran discover;
        for (int attempt = 0; attempt < 50; ++attempt) {
            discover = vdirsyncer({QStringLiteral("discover")}, true);
            if (discover.exitCode == 0 && fs::is_directory(m_dir.file("phone") / "contacts"))
                break;
            QThread::msleep(200);
        }
        ASSERT_EQ(discover.exitCode, 0) << discover.err << m_server.readAll().toStdString();
        writeAll(m_dir.file("khard.conf"),
            "[addressbooks]\n[[quill]]\npath = " + vdir().string()
                + "\n[general]\ndefault_action = list\neditor = /bin/false\nmerge_editor = /bin/false\n"
                  "[contact table]\ndisplay = formatted_name\nsort = formatted_name\n");
    }
    void TearDown() override
    {
        m_server.kill();
        m_server.waitForFinished();
    }

    QString path(const char* sub) const { return QString::fromStdString(m_dir.file(sub).string()); }
    fs::path vdir() const { return m_dir.file("quill") / "contacts"; }
    fs::path phone() const { return m_dir.file("phone") / "contacts"; }
    std::string home() const { return m_dir.file("home").string(); }

    void writeVdirsyncerConfig()
    {
        const std::string url = "http://127.0.0.1:" + std::to_string(m_port) + "/";
        std::string config = "[general]\nstatus_path = \"" + m_dir.file("status").string() + "/\"\n";
        for (const std::string side : {"quill", "phone"}) {
            config += "[pair " + side + "]\na = \"" + side + "_local\"\nb = \"" + side
                + "_server\"\ncollections = [\"contacts\"]\nconflict_resolution = \"a wins\"\n";
            config += "[storage " + side + "_local]\ntype = \"filesystem\"\npath = \""
                + m_dir.file(side).string() + "/\"\nfileext = \".vcf\"\n";
            config += "[storage " + side + "_server]\ntype = \"carddav\"\nurl = \"" + url
                + "\"\nusername = \"test\"\npassword = \"test\"\n";
        }
        writeAll(m_dir.file("vdirsyncer.conf"), config);
    }

    Ran vdirsyncer(QStringList args, bool answerYes = false)
    {
        args.prepend(path("vdirsyncer.conf"));
        args.prepend(QStringLiteral("-c"));
        if (!answerYes)
            return run(QStringLiteral("vdirsyncer"), args);
        QStringList shell {
            QStringLiteral("-c"), QStringLiteral("yes | vdirsyncer \"$@\""), QStringLiteral("sh")};
        return run(QStringLiteral("sh"), shell + args);
    }
    /// Both vdirs to the server and back.
    void carry()
    {
        for (int round = 0; round < 2; ++round) {
            const Ran synced = vdirsyncer({QStringLiteral("sync")});
            ASSERT_EQ(synced.exitCode, 0) << synced.out << synced.err;
        }
    }
    Ran quillboxSync()
    {
        const Ran synced = run(QStringLiteral(QUILLBOX_EXECUTABLE),
            {QStringLiteral("--dir"), QString::fromStdString(home()), QStringLiteral("--vdir"),
                QString::fromStdString(vdir().string())});
        EXPECT_EQ(synced.exitCode, 0) << synced.err;
        return synced;
    }

    std::vector<std::string> cards() const
    {
        CardFile file(home());
        const auto box = std::make_unique<CardCollection>();
        file.LoadCardFile(*box);
        std::vector<std::string> out;
        for (int i = 1; i <= box->CardCount; ++i)
            out.emplace_back(box->card(i));
        return out;
    }
    void saveCards(const std::vector<std::string>& texts) const
    {
        CardFile file(home());
        const auto box = std::make_unique<CardCollection>();
        for (const std::string& text : texts) {
            box->CardTable[StagingSlot] = text;
            box->InsertCard();
        }
        ASSERT_TRUE(file.SaveCardFile(*box).ok);
    }
    /// Edits a card through the card box and saves, as the window does.
    void editCard(const std::string& before, const std::string& after) const
    {
        CardFile file(home());
        CardBox box;
        file.LoadCardFile(box.collection());
        for (int i = 1; i <= box.count(); ++i) {
            if (box.cards().card(i) == before) {
                box.show(i);
                ASSERT_TRUE(box.storeEdit(after, true));
                ASSERT_TRUE(file.SaveCardFile(box.collection()).ok);
                return;
            }
        }
        FAIL() << "no card " << before;
    }
    /// File name -> the card a vdir's contact gives.
    static std::map<std::string, std::string> contacts(const fs::path& dir)
    {
        std::map<std::string, std::string> out;
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (entry.path().extension() == ".vcf")
                out[entry.path().filename().string()] = mapping::cardOf(readAll(entry.path())).text;
        }
        return out;
    }
    static std::string fileWith(const fs::path& dir, const std::string& part)
    {
        for (const auto& [name, text] : contacts(dir)) {
            if (text.find(part) != std::string::npos)
                return name;
        }
        return {};
    }

    TempDir m_dir;
    QProcess m_server;
    int m_port = 0;
};

const std::string Ann = "Adams, Ann\r\n12 High St\r\n555-123456\r\n";
const std::string Bob = "Brown, Bob\r\nbob@example.com\r\n";
const std::string Cy = "Cole, Cy\r\n0171 234567\r\n";
const std::string Di = "Dunn, Di\r\nNotes on Di\r\n";

TEST_F(SyncEndToEnd, CardsAndContactsTravelThroughRadicale)
{
    saveCards({Ann, Bob, Cy, Di});
    EXPECT_NE(quillboxSync().out.find("Sent to the vdir: 4 new"), std::string::npos);
    carry();

    // 1. The cards reach the phone.
    {
        std::set<std::string> reached;
        for (const auto& [name, text] : contacts(phone()))
            reached.insert(text);
        EXPECT_EQ(reached, (std::set<std::string> {Ann, Bob, Cy, Di}));
    }

    // 2. A number changed on the phone reaches the card.
    {
        const fs::path file = phone() / fileWith(phone(), "Adams");
        writeAll(file, replaced(readAll(file), "555-123456", "555-999999"));
        carry();
        const Ran synced = quillboxSync();
        EXPECT_NE(synced.out.find("Taken from the vdir: 0 new, 1 changed"), std::string::npos) << synced.out;
        const auto now = cards();
        EXPECT_NE(std::find(now.begin(), now.end(), "Adams, Ann\r\n12 High St\r\n555-999999\r\n"), now.end());
    }

    // 3. A card edited in the real window reaches the phone under the same UID.
    {
        const std::string bobFile = fileWith(phone(), "Brown");
        ASSERT_FALSE(bobFile.empty());
        FakeServices fakes;
        auto program = std::make_unique<Program>(home(), fakes.services());
        program->showMainWindow();
        QApplication::processEvents();
        TForm1& window = *program->windows().Form1;
        window.showCardNumber(2); // Brown, as the cards are filed
        ASSERT_EQ(window.cardBox().cards().card(2), Bob);
        CardMemo* const memo = window.findChild<CardMemo*>(QStringLiteral("Memo1"));
        ASSERT_NE(memo, nullptr);
        memo->setFocus();
        memo->selectAll();
        QTest::keyClicks(memo, QStringLiteral("Brown, Bob"));
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, QStringLiteral("bob@new.example"));
        window.close();
        QApplication::processEvents();
        program.reset();

        const Ran synced = quillboxSync();
        EXPECT_NE(synced.out.find("Sent to the vdir: 0 new, 1 changed, 0 deleted"), std::string::npos)
            << synced.out;
        carry();
        EXPECT_EQ(fileWith(phone(), "Brown"), bobFile);
        EXPECT_EQ(contacts(phone())[bobFile], "Brown, Bob\r\nbob@new.example\r\n");
        EXPECT_EQ(contacts(phone()).size(), 4u);
    }

    // 4. A contact added on the phone becomes a card.
    {
        writeAll(phone() / "phone-added-1.vcf",
            "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:phone-added-1\r\nN:Evans;Eve;;;\r\nFN:Evans\\, Eve\r\n"
            "TEL;TYPE=CELL:0777 123456\r\nEND:VCARD\r\n");
        carry();
        quillboxSync();
        const auto now = cards();
        EXPECT_NE(std::find(now.begin(), now.end(), "Evans, Eve\r\nMobile: 0777 123456\r\n"), now.end())
            << ::testing::PrintToString(now);
    }

    // 5. Deletions travel both ways.
    {
        auto now = cards();
        now.erase(std::find(now.begin(), now.end(), Cy));
        saveCards(now);
        fs::remove(phone() / fileWith(phone(), "Dunn"));
        carry();
        const Ran synced = quillboxSync();
        EXPECT_NE(synced.out.find("Sent to the vdir: 0 new, 0 changed, 1 deleted"), std::string::npos)
            << synced.out;
        EXPECT_NE(synced.out.find("Taken from the vdir: 0 new, 0 changed, 1 deleted"), std::string::npos)
            << synced.out;
        carry();
        EXPECT_TRUE(fileWith(phone(), "Cole").empty());
        now = cards();
        EXPECT_EQ(
            std::count_if(now.begin(), now.end(), [](const std::string& c) { return c.starts_with("Dunn"); }),
            0);
    }

    // 6. A change on both sides keeps both.
    {
        editCard("Adams, Ann\r\n12 High St\r\n555-999999\r\n", "Adams, Ann\r\n3 Low Rd\r\n555-999999\r\n");
        auto now = cards();
        const fs::path file = phone() / fileWith(phone(), "Adams");
        writeAll(file, replaced(readAll(file), "555-999999", "555-000000"));
        carry();
        const Ran synced = quillboxSync();
        EXPECT_NE(synced.out.find("Conflicts kept as copies: 1."), std::string::npos) << synced.out;
        now = cards();
        EXPECT_NE(std::find(now.begin(), now.end(), "Adams, Ann\r\n3 Low Rd\r\n555-999999\r\n"), now.end());
        EXPECT_NE(
            std::find(now.begin(), now.end(), "Adams, Ann (conflict copy)\r\n12 High St\r\n555-000000\r\n"),
            now.end());
        // The copy goes out on the next sync, as a contact of its own.
        EXPECT_NE(quillboxSync().out.find("Sent to the vdir: 1 new"), std::string::npos);
        carry();
        EXPECT_FALSE(fileWith(phone(), "conflict copy").empty());
        EXPECT_EQ(contacts(phone())[fileWith(phone(), "Adams, Ann\r\n3 Low Rd")],
            "Adams, Ann\r\n3 Low Rd\r\n555-999999\r\n");
    }

    // 7. khard lists the names the card list shows.
    {
        const Ran listed = run(QStringLiteral("khard"),
            {QStringLiteral("-c"), path("khard.conf"), QStringLiteral("list"), QStringLiteral("--parsable")});
        ASSERT_EQ(listed.exitCode, 0) << listed.err;
        std::multiset<std::string> khardNames;
        std::size_t start = 0;
        while (start < listed.out.size()) {
            const std::size_t end = listed.out.find('\n', start);
            const std::string line = listed.out.substr(start, end - start);
            start = end == std::string::npos ? listed.out.size() : end + 1;
            const std::size_t tab = line.find('\t');
            if (tab != std::string::npos)
                khardNames.insert(line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1));
        }
        std::multiset<std::string> cardNames;
        for (const std::string& card : cards())
            cardNames.insert(card.substr(0, card.find("\r\n")));
        EXPECT_EQ(khardNames, cardNames) << listed.out;
    }
}

} // namespace
} // namespace quillbox::test
