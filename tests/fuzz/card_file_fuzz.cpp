// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the card file parser and checks what any load
// must guarantee, whatever the file holds.
#include "core/card_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "card file invariant broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quillbox;
    // The table is large; keep two and reuse them.
    static auto first = std::make_unique<CardCollection>();
    static auto second = std::make_unique<CardCollection>();
    first->clear();
    second->clear();

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CardFileParse parsed = parseCardRecords(bytes, *first);

    check(first->CardCount >= 0 && first->CardCount <= MaxCards, "card count within 0..MaxCards");
    check(!first->CardsChanged, "loading leaves CardsChanged false");
    check(parsed.heldBack == 0 || first->CardCount == MaxCards, "records held back only when full");
    check((parsed.heldBack == 0) == parsed.heldBackRecords.empty(), "held-back count matches bytes");
    check(parsed.heldBackRecords.size() <= size, "held-back bytes come from the input");
    for (int i = 1; i <= first->CardCount; ++i) {
        check(first->CardTable[i].view().find('\0') == std::string::npos, "no NUL inside a card text");
        if (i > 1)
            check(compareCardTexts(first->CardTable[i - 1], first->CardTable[i]) <= 0, "cards sorted");
    }

    // The same bytes filed the plain way, record by record in file order,
    // must give the very same table and current card.
    second->clear();
    std::size_t pos = 0;
    while (pos + 2 <= size && second->CardCount < MaxCards) {
        const auto length = static_cast<std::int16_t>(data[pos] | data[pos + 1] << 8);
        pos += 2;
        if (length <= 0)
            continue;
        if (pos >= size)
            break;
        const std::string_view field = bytes.substr(pos, static_cast<std::size_t>(length));
        pos += field.size();
        second->CardTable[StagingSlot].assign(field.substr(0, field.find('\0')));
        second->InsertCard();
    }
    check(second->CardCount == first->CardCount, "same count as filing in file order");
    check(second->CurrentCard == first->CurrentCard, "same current card as filing in file order");
    for (int i = 1; i <= first->CardCount; ++i)
        check(second->CardTable[i] == first->CardTable[i], "same table as filing in file order");
    second->clear();

    // What a save writes must load back as the same cards and the same
    // held-back tail.
    const std::string saved = serialiseCardRecords(*first, parsed.heldBackRecords);
    const CardFileParse again = parseCardRecords(saved, *second);
    check(second->CardCount == first->CardCount, "round trip keeps the card count");
    // Each loaded card is filed before the equal ones already there, so a
    // run of equal texts (differing only in ASCII case) comes back reversed.
    for (int begin = 1; begin <= first->CardCount;) {
        int end = begin + 1;
        while (
            end <= first->CardCount && compareCardTexts(first->CardTable[begin], first->CardTable[end]) == 0)
            ++end;
        for (int i = begin; i < end; ++i)
            check(
                second->CardTable[i] == first->CardTable[begin + end - 1 - i], "round trip keeps every card");
        begin = end;
    }
    check(again.heldBackRecords == parsed.heldBackRecords, "round trip keeps held-back records");
    check(again.heldBack == parsed.heldBack, "round trip keeps the held-back count");
    check(!again.damagedEnd || parsed.damagedEnd, "a save never writes a damaged end of its own");
    return 0;
}
