// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers the core tests share for building and reading card collections,
// and for making the file layer fail.
#pragma once

#include "core/card_file.h"
#include "core/card_table.h"
#include "core/posix_file.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quillbox::test {

/// A collection holding `texts`, each filed as InsertCard files it. The
/// table is large, so it lives off the stack.
inline std::unique_ptr<CardCollection> makeBox(const std::vector<std::string>& texts = {})
{
    auto box = std::make_unique<CardCollection>();
    for (const auto& t : texts) {
        box->CardTable[StagingSlot] = t;
        box->InsertCard();
    }
    return box;
}

/// The texts of cards 1 .. CardCount, in collection order.
inline std::vector<std::string> cardsOf(const CardCollection& box)
{
    std::vector<std::string> out;
    for (int i = 1; i <= box.CardCount; ++i)
        out.emplace_back(box.CardTable[i]);
    return out;
}

/// The cards the card file in `directory` holds, as loading files them.
inline std::vector<std::string> savedCards(const std::string& directory)
{
    CardFile file(directory);
    const auto box = std::make_unique<CardCollection>();
    file.LoadCardFile(*box);
    return cardsOf(*box);
}

/// Makes the file layer fail as `injector` says until the guard ends,
/// however the test ends.
struct FaultGuard {
    explicit FaultGuard(posix::FaultInjector injector) { posix::setFaultInjector(std::move(injector)); }
    ~FaultGuard() { posix::setFaultInjector({}); }
    FaultGuard(const FaultGuard&) = delete;
    FaultGuard& operator=(const FaultGuard&) = delete;
};

} // namespace quillbox::test
