// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/card_box.h"
#include "core/contact_mapping.h"
#include "core/posix_file.h"
#include "core/sync_state.h"
#include "core/vdir_sync.h"
#include "core_test_util.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace quillbox::sync {
namespace {

using test::TempDir;

TEST(SyncDecision, EachPairOfSidesHasItsDecision)
{
    struct Row {
        Side card;
        Side vdir;
        Decision expected;
    };
    const Row table[] = {
        {Side::Unchanged, Side::Unchanged, Decision::Nothing},
        {Side::Unchanged, Side::Changed, Decision::TakeChange},
        {Side::Unchanged, Side::Deleted, Decision::DeleteCard},
        {Side::Changed, Side::Unchanged, Decision::SendChange},
        {Side::Changed, Side::Changed, Decision::KeepBoth},
        {Side::Changed, Side::Deleted, Decision::SendAgain},
        {Side::Deleted, Side::Unchanged, Decision::DeleteFile},
        {Side::Deleted, Side::Changed, Decision::TakeAgain},
        {Side::Deleted, Side::Deleted, Decision::Forget},
    };
    for (const Row& row : table)
        EXPECT_EQ(decide(row.card, row.vdir), row.expected)
            << "card " << static_cast<int>(row.card) << ", vdir " << static_cast<int>(row.vdir);
}

const std::string Ann = "Adams, Ann\r\n12 High St\r\n555-123456\r\n";
const std::string Bob = "Brown, Bob\r\nbob@example.com\r\n";
const std::string Cy = "Cole, Cy\r\nNotes on Cy\r\n";

class VdirSync : public ::testing::Test {
public:
    std::string home() const { return m_dir.str(); }
    std::string vdir() const { return (m_dir.path() / "contacts").string(); }

    void setCards(const std::vector<std::string>& texts)
    {
        CardFile file(home());
        ASSERT_TRUE(file.SaveCardFile(*test::makeBox(texts)).ok);
    }
    std::vector<std::string> cards() const { return test::savedCards(home()); }

    SyncResult sync()
    {
        CardFile file(home());
        return syncWithVdir(file, vdir());
    }

    /// File name -> the card text its contact gives.
    std::map<std::string, std::string> vdirCards() const
    {
        std::map<std::string, std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(vdir())) {
            const std::string name = entry.path().filename().string();
            if (name.ends_with(".vcf"))
                out[name] = mapping::cardOf(read(name)).text;
        }
        return out;
    }
    std::vector<std::string> vdirTexts() const
    {
        std::vector<std::string> out;
        for (const auto& [name, text] : vdirCards())
            out.push_back(text);
        std::sort(out.begin(), out.end());
        return out;
    }
    std::string fileOf(std::string_view title) const
    {
        for (const auto& [name, text] : vdirCards()) {
            if (text.starts_with(title))
                return name;
        }
        return {};
    }
    std::string read(const std::string& name) const
    {
        std::string bytes;
        posix::readFile(posix::joinPath(vdir(), name), bytes);
        return bytes;
    }
    /// Replaces the file as other tools do: a new file renamed over it.
    void write(const std::string& name, const std::string& bytes) const
    {
        ASSERT_EQ(posix::replaceFileDurably(posix::joinPath(vdir(), name), bytes), 0);
    }
    void replaceInFile(std::string_view title, const std::string& from, const std::string& to) const
    {
        const std::string name = fileOf(title);
        std::string bytes = read(name);
        const auto at = bytes.find(from);
        ASSERT_NE(at, std::string::npos) << from << " in " << bytes;
        bytes.replace(at, from.size(), to);
        write(name, bytes);
    }
    /// Edits a card in the card box and saves, as the window does.
    void editCard(const std::string& before, const std::string& after)
    {
        CardFile file(home());
        CardBox box;
        file.LoadCardFile(box.collection());
        const auto texts = test::cardsOf(box.cards());
        const auto at = std::find(texts.begin(), texts.end(), before);
        ASSERT_NE(at, texts.end());
        box.show(static_cast<int>(at - texts.begin()) + 1);
        ASSERT_TRUE(box.storeEdit(after, true));
        ASSERT_TRUE(file.SaveCardFile(box.collection()).ok);
    }
    void deleteCard(const std::string& text)
    {
        auto texts = cards();
        texts.erase(std::find(texts.begin(), texts.end(), text));
        setCards(texts);
    }

    TempDir m_dir;
};

std::vector<std::string> sorted(std::vector<std::string> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

TEST_F(VdirSync, FirstSyncFillsAnEmptyVdirAndASecondFindsNothingToDo)
{
    setCards({Ann, Bob});
    const SyncResult first = sync();
    ASSERT_TRUE(first.ok) << first.error;
    EXPECT_EQ(first.counts, (SyncCounts {.sentNew = 2}));
    EXPECT_EQ(vdirTexts(), sorted({Ann, Bob}));
    // Each file is named after the UID it holds.
    const std::string name = fileOf("Adams");
    EXPECT_NE(read(name).find("UID:" + name.substr(0, name.size() - 4) + "\r\n"), std::string::npos);

    const auto stateBefore = std::filesystem::last_write_time(m_dir.file(StateFileName));
    const SyncResult second = sync();
    EXPECT_EQ(second.counts, SyncCounts {});
    EXPECT_FALSE(second.savedCards);
    EXPECT_EQ(std::filesystem::last_write_time(m_dir.file(StateFileName)), stateBefore);
    EXPECT_EQ(cards(), sorted({Ann, Bob}));
}

// Each case starts from Ann, Bob and Cy synced, changes one side or both,
// syncs, and checks the counts, both sides, and that a further sync finds
// nothing left to do.
struct ChangeCase {
    const char* name;
    std::function<void(VdirSync&)> change;
    SyncCounts counts;
    std::vector<std::string> cards;
    /// Empty when the vdir holds what the case wrote there.
    std::vector<std::string> vdir;
    /// What the sync after that does: a conflict copy goes out then.
    SyncCounts next {};
};

class VdirSyncChange : public VdirSync, public ::testing::WithParamInterface<ChangeCase> { };

TEST_P(VdirSyncChange, ReachesBothSidesAndSettles)
{
    const ChangeCase& c = GetParam();
    setCards({Ann, Bob, Cy});
    ASSERT_TRUE(sync().ok);
    c.change(*this);
    const SyncResult result = sync();
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.counts, c.counts) << describeSync(result);
    EXPECT_EQ(cards(), sorted(c.cards));
    if (!c.vdir.empty()) {
        EXPECT_EQ(vdirTexts(), sorted(c.vdir));
    }
    const SyncResult again = sync();
    EXPECT_EQ(again.counts, c.next) << describeSync(again);
    EXPECT_EQ(sync().counts, SyncCounts {});
}

const std::string AnnNew = "Adams, Ann\r\n12 High St\r\n555-999999\r\n";
const std::string AnnMoved = "Adams, Ann\r\n3 Low Rd\r\n555-123456\r\n";
const std::string AnnCopy = "Adams, Ann (conflict copy)\r\n12 High St\r\n555-999999\r\n";

INSTANTIATE_TEST_SUITE_P(Cases, VdirSyncChange,
    ::testing::Values(ChangeCase {"CardEditedInTheWindow", [](VdirSync& fx) { fx.editCard(Ann, AnnMoved); },
                          {.sentChanged = 1}, {AnnMoved, Bob, Cy}, {AnnMoved, Bob, Cy}},
        ChangeCase {"CardRefiledUnderANewTitle",
            [](VdirSync& fx) { fx.editCard(Bob, "Zed, Bob\r\nbob@example.com\r\n"); }, {.sentChanged = 1},
            {Ann, "Zed, Bob\r\nbob@example.com\r\n", Cy}, {Ann, "Zed, Bob\r\nbob@example.com\r\n", Cy}},
        ChangeCase {"NumberChangedInTheVdir",
            [](VdirSync& fx) { fx.replaceInFile("Adams", "TEL:555-123456", "TEL:555-999999"); },
            {.takenChanged = 1}, {AnnNew, Bob, Cy}, {}},
        ChangeCase {"EmailAddedInTheVdir",
            [](VdirSync& fx) { fx.replaceInFile("Cole", "END:VCARD", "EMAIL:cy@example.com\r\nEND:VCARD"); },
            {.takenChanged = 1}, {Ann, Bob, "Cole, Cy\r\nNotes on Cy\r\ncy@example.com\r\n"}, {}},
        ChangeCase {"EmailRemovedInTheVdir",
            [](VdirSync& fx) { fx.replaceInFile("Brown", "EMAIL:bob@example.com\r\n", ""); },
            {.takenChanged = 1}, {Ann, "Brown, Bob\r\n", Cy}, {}},
        ChangeCase {"ChangedOnBothSides",
            [](VdirSync& fx) {
                fx.editCard(Ann, AnnMoved);
                fx.replaceInFile("Adams", "TEL:555-123456", "TEL:555-999999");
            },
            {.conflicts = 1}, {AnnMoved, AnnCopy, Bob, Cy}, {AnnMoved, Bob, Cy}, {.sentNew = 1}},
        ChangeCase {"DeletedCardDeletesItsFile", [](VdirSync& fx) { fx.deleteCard(Bob); }, {.sentDeleted = 1},
            {Ann, Cy}, {Ann, Cy}},
        ChangeCase {"DeletedFileDeletesItsCard",
            [](VdirSync& fx) {
                std::filesystem::remove(std::filesystem::path(fx.vdir()) / fx.fileOf("Brown"));
            },
            {.takenDeleted = 1}, {Ann, Cy}, {Ann, Cy}},
        ChangeCase {"DeletedCardComesBackWhenTheVdirChangedIt",
            [](VdirSync& fx) {
                fx.deleteCard(Ann);
                fx.replaceInFile("Adams", "TEL:555-123456", "TEL:555-999999");
            },
            {.takenNew = 1}, {AnnNew, Bob, Cy}, {}},
        ChangeCase {"DeletedFileComesBackWhenTheCardChanged",
            [](VdirSync& fx) {
                fx.editCard(Ann, AnnMoved);
                std::filesystem::remove(std::filesystem::path(fx.vdir()) / fx.fileOf("Adams"));
            },
            {.sentNew = 1}, {AnnMoved, Bob, Cy}, {AnnMoved, Bob, Cy}},
        ChangeCase {"ContactAddedInTheVdir",
            [](VdirSync& fx) {
                fx.write("phone-1.vcf",
                    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:phone-1\r\nFN:Dee\r\nTEL;TYPE=CELL:0711 "
                    "223344\r\nEND:VCARD\r\n");
            },
            {.takenNew = 1}, {Ann, Bob, Cy, "Dee\r\nMobile: 0711 223344\r\n"},
            {Ann, Bob, Cy, "Dee\r\nMobile: 0711 223344\r\n"}},
        ChangeCase {"StrayAndBadFilesAreLeftAlone",
            [](VdirSync& fx) {
                fx.write("notes.txt", "not a contact");
                fx.write("broken.vcf", "BEGIN:VCARD\r\nno colon here\r\n");
            },
            {}, {Ann, Bob, Cy}, {}}),
    [](const ::testing::TestParamInfo<ChangeCase>& row) { return std::string(row.param.name); });

TEST_F(VdirSync, FirstSyncWithBothSidesFilledMatchesByText)
{
    setCards({Ann, Bob});
    std::filesystem::create_directory(vdir());
    write("a.vcf", mapping::vcardOf(Ann, "a"));
    write("d.vcf", "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:d\r\nFN:Dee\r\nEND:VCARD\r\n");
    const SyncResult result = sync();
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.counts, (SyncCounts {.sentNew = 1, .takenNew = 1}));
    EXPECT_EQ(cards(), sorted({Ann, Bob, "Dee\r\n"}));
    EXPECT_EQ(vdirCards().size(), 3u);
    EXPECT_EQ(fileOf("Adams"), "a.vcf");
}

TEST_F(VdirSync, BadFilesAreNamedAndTheRestSyncs)
{
    setCards({Ann});
    std::filesystem::create_directory(vdir());
    write("notes.txt", "x");
    write("broken.vcf", "BEGIN:VCARD\r\nno colon here\r\n");
    write("d.vcf", "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Dee\r\nEND:VCARD\r\n");
    const SyncResult result = sync();
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.counts, (SyncCounts {.sentNew = 1, .takenNew = 1}));
    std::vector<std::string> alone = result.leftAlone;
    std::sort(alone.begin(), alone.end());
    ASSERT_EQ(alone.size(), 2u);
    EXPECT_TRUE(alone[0].starts_with("broken.vcf: not a readable vCard")) << alone[0];
    EXPECT_EQ(alone[1], "notes.txt: not a contact (.vcf) file");
    EXPECT_EQ(read("broken.vcf"), "BEGIN:VCARD\r\nno colon here\r\n");
}

TEST_F(VdirSync, ContactsThatDoNotFitStayInTheVdirAndAreCounted)
{
    std::vector<std::string> full;
    for (int i = 0; i < MaxCards; ++i)
        full.push_back("Card " + std::to_string(10000 + i) + "\r\n");
    setCards(full);
    ASSERT_TRUE(sync().ok);
    write("long.vcf",
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Long\r\nNOTE:" + std::string(600, 'x') + "\r\nEND:VCARD\r\n");
    write("more.vcf", "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:More\r\nEND:VCARD\r\n");
    for (int round = 0; round < 2; ++round) {
        const SyncResult result = sync();
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(result.counts, (SyncCounts {.notAdded = 2}));
    }
    EXPECT_EQ(cards().size(), static_cast<std::size_t>(MaxCards));
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(vdir()) / "long.vcf"));
}

TEST_F(VdirSync, ADamagedOrForeignStateFileStopsWithNothingChanged)
{
    setCards({Ann});
    ASSERT_TRUE(sync().ok);
    const std::string state = m_dir.read(StateFileName);
    setCards({Ann, Bob});

    m_dir.write(StateFileName, state.substr(0, state.size() - 5));
    SyncResult result = sync();
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("is damaged"), std::string::npos) << result.error;
    EXPECT_EQ(vdirCards().size(), 1u);

    m_dir.write(StateFileName, state);
    CardFile file(home());
    const std::string other = (m_dir.path() / "other").string();
    result = syncWithVdir(file, other);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("belongs to the vdir " + vdir()), std::string::npos) << result.error;
    EXPECT_TRUE(std::filesystem::is_empty(other));
    EXPECT_EQ(m_dir.read(StateFileName), state);
}

TEST_F(VdirSync, AnEditStaysTheSameContactWhereverASaveIsCutShort)
{
    // Two saves of edits, the second cut short before the card file is
    // replaced (where a kill would stop it): the card file holds the first
    // edit, the record both.
    setCards({Ann, Bob});
    ASSERT_TRUE(sync().ok);
    const std::string name = fileOf("Adams");
    editCard(Ann, AnnMoved);
    const std::string db = posix::joinPath(home(), CardFileName);
    posix::setFaultInjector([&](posix::Operation op, const std::string& path) {
        return op == posix::Operation::Rename && path == db ? EIO : 0;
    });
    CardFile file(home());
    CardBox box;
    file.LoadCardFile(box.collection());
    box.show(1);
    ASSERT_TRUE(box.storeEdit("Adams, Ann\r\n3 Low Rd\r\n555-777777\r\n", true));
    EXPECT_FALSE(file.SaveCardFile(box.collection()).ok);
    posix::setFaultInjector({});

    const SyncResult result = sync();
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.counts, (SyncCounts {.sentChanged = 1}));
    EXPECT_EQ(fileOf("Adams"), name);
    EXPECT_EQ(vdirTexts(), sorted({AnnMoved, Bob}));
    EXPECT_FALSE(m_dir.exists(EditTrailFileName));
}

TEST(ContactMapping, ACardChangeRewritesOnlyWhatTheCardMaps)
{
    // A photo, an X- property and a title in Greek the card shows as "?".
    const std::string phone
        = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:p1\r\nFN:\xce\x9d\xce\xaf\xce\xba\xce\xbf\xcf\x82\r\n"
          "N:\xce\x9d;;;;\r\nTEL;TYPE=CELL:555-1111\r\nPHOTO;ENCODING=b;TYPE=JPEG:AAAA\r\n BBBB\r\n"
          "X-PHONE-RING:bell\r\nEND:VCARD\r\n";
    const std::string card = mapping::cardOf(phone).text;
    ASSERT_EQ(card, "?????\r\nMobile: 555-1111\r\n");
    const std::string out = mapping::rewriteMapped(phone, "?????\r\nMobile: 555-2222\r\n", "ignored");
    EXPECT_NE(
        out.find("FN:\xce\x9d\xce\xaf\xce\xba\xce\xbf\xcf\x82\r\nN:\xce\x9d;;;;\r\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("PHOTO;ENCODING=b;TYPE=JPEG:AAAA\r\n BBBB\r\nX-PHONE-RING:bell\r\nEND:VCARD\r\n"),
        std::string::npos);
    EXPECT_NE(out.find(":555-2222\r\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("555-1111"), std::string::npos);
    EXPECT_EQ(out.find("ignored"), std::string::npos);
    EXPECT_EQ(mapping::cardOf(out).text, "?????\r\nMobile: 555-2222\r\n");
}

TEST(ContactMapping, AChangeInTheVdirChangesOnlyItsLine)
{
    const std::string base
        = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nTEL;TYPE=CELL:111\r\nTEL;TYPE=HOME:222\r\n"
          "EMAIL:a@b.example\r\nEND:VCARD\r\n";
    const std::string card = "Ann\r\nkeeps this line\r\n111\r\n222\r\na@b.example\r\nand this\r\n";
    struct Row {
        const char* from;
        const char* to;
        const char* expected;
    } table[] = {
        {"TEL;TYPE=CELL:111", "TEL;TYPE=CELL:333",
            "Ann\r\nkeeps this line\r\n333\r\n222\r\na@b.example\r\nand this\r\n"},
        {"TEL;TYPE=HOME:222\r\n", "", "Ann\r\nkeeps this line\r\n111\r\na@b.example\r\nand this\r\n"},
        {"EMAIL:a@b.example", "EMAIL:a@b.example\r\nEMAIL:c@d.example",
            "Ann\r\nkeeps this line\r\n111\r\n222\r\na@b.example\r\nc@d.example\r\nand this\r\n"},
        {"FN:Ann", "FN:Anne", "Anne\r\nkeeps this line\r\n111\r\n222\r\na@b.example\r\nand this\r\n"},
        {"END:VCARD", "PHOTO:x\r\nEND:VCARD",
            "Ann\r\nkeeps this line\r\n111\r\n222\r\na@b.example\r\nand this\r\n"},
    };
    for (const Row& row : table) {
        std::string changed = base;
        changed.replace(changed.find(row.from), std::string_view(row.from).size(), row.to);
        EXPECT_EQ(mergeContactChange(card, base, changed), row.expected) << row.to;
    }
}

TEST(SyncStateFile, ReadsBackWhatItWroteAndRefusesAnythingElse)
{
    SyncState state {"/home/a/contacts", {{"x.vcf", {10, 1, 2, 3}, "A\r\n", "BEGIN:VCARD\r\n:\n12:"}}};
    const std::string bytes = serialiseState(state);
    SyncState back;
    std::string error;
    ASSERT_TRUE(parseState(bytes, back, error)) << error;
    EXPECT_EQ(back.vdir, state.vdir);
    ASSERT_EQ(back.contacts.size(), 1u);
    EXPECT_EQ(back.contacts[0].vcf, state.contacts[0].vcf);
    EXPECT_EQ(back.contacts[0].stamp, state.contacts[0].stamp);
    for (const std::string& bad : {bytes.substr(0, bytes.size() - 1), std::string("[Quillbox]\n"),
             std::string(bytes).replace(30, 1, "9")})
        EXPECT_FALSE(parseState(bad, back, error));
}

} // namespace
} // namespace quillbox::sync
