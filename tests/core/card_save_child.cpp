// SPDX-License-Identifier: GPL-3.0-or-later
// Helper for the crash test. Two card sets made the same way on every run:
// A is the 2000-card sample (or, where the sample is not at hand, 2000 cards
// made up alike), B is A less its first 100 cards plus 50 others.
//   card_save_child prepare DIR   saves A into DIR/a and B into DIR/b, exits
//   card_save_child loop DIR      writes one byte to stdout, then saves A and
//                                 B into DIR by turns, beginning with the one
//                                 DIR does not hold, until it is killed
// Exits 2 on bad arguments and 3 when a save fails.
#include "core/card_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using quillbox::CardCollection;

std::unique_ptr<CardCollection> makeSet(int count, int seed)
{
    static const char* const Streets[] = {"Main St", "Church Rd", "Hauptstra\xDF\x65", "Rue de l'\xC9glise"};
    static const char* const Towns[] = {"Springfield", "M\xFCnchen", "Riverton", "Fairview"};
    auto box = std::make_unique<CardCollection>();
    for (int i = 0; i < count; ++i) {
        const int n = i * 7919 + seed;
        std::string text = "Name " + std::to_string(seed) + '-' + std::to_string(n % 100003) + "\r\n";
        text += std::to_string(n % 997) + ' ' + Streets[n % 4] + "\r\n";
        text += Towns[(n / 4) % 4] + std::string(" ") + std::to_string(10000 + n % 89999) + "\r\n";
        if (n % 3 == 0)
            text += "Smith & Sons\r\n";
        box->CardTable[quillbox::StagingSlot] = std::move(text);
        box->InsertCard();
    }
    return box;
}

/// Set A: the sample's cards, or made-up ones.
std::unique_ptr<CardCollection> setA()
{
    std::ifstream in(QUILLBOX_SAMPLE_CARDS, std::ios::binary);
    const std::string bytes {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto box = std::make_unique<CardCollection>();
    quillbox::parseCardRecords(bytes, *box);
    return box->CardCount > 1000 ? std::move(box) : makeSet(quillbox::MaxCards, 1);
}

std::unique_ptr<CardCollection> setB(const CardCollection& a)
{
    auto box = std::make_unique<CardCollection>();
    for (int i = 101; i <= a.CardCount; ++i) {
        box->CardTable[quillbox::StagingSlot] = a.card(i);
        box->InsertCard();
    }
    const auto extra = makeSet(50, 2);
    for (int i = 1; i <= extra->CardCount; ++i) {
        box->CardTable[quillbox::StagingSlot] = extra->card(i);
        box->InsertCard();
    }
    return box;
}

int save(const CardCollection& box, const std::string& directory)
{
    quillbox::CardFile file(directory);
    const quillbox::CardFileSave saved = file.SaveCardFile(box);
    if (!saved.ok) {
        std::fprintf(stderr, "card_save_child: %s\n", saved.error.c_str());
        return 3;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const std::string mode = argv[1];
    const std::string directory = argv[2];
    const auto a = setA();
    const auto b = setB(*a);

    if (mode == "prepare") {
        ::mkdir((directory + "/a").c_str(), 0777);
        ::mkdir((directory + "/b").c_str(), 0777);
        if (const int rc = save(*a, directory + "/a"))
            return rc;
        return save(*b, directory + "/b");
    }
    if (mode != "loop")
        return 2;

    // Begin with the set the file does not hold, so every finished save
    // changes the file and a kill shows whether it finished.
    auto current = std::make_unique<CardCollection>();
    quillbox::CardFile(directory).LoadCardFile(*current);
    const bool holdsA = current->CardCount == a->CardCount;
    const CardCollection& first = holdsA ? *b : *a;
    const CardCollection& second = holdsA ? *a : *b;

    // Tell the parent the saves begin now, so its random delay lands in them
    // rather than in start-up.
    if (::write(STDOUT_FILENO, "R", 1) != 1)
        return 2;
    for (;;) {
        if (const int rc = save(first, directory))
            return rc;
        if (const int rc = save(second, directory))
            return rc;
    }
}
