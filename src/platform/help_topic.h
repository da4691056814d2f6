// The help topics: the context numbers that F1 and the message boxes hand to
// the help viewer, each with a page of its own.
#pragma once

namespace quillbox {

enum HelpTopic : int {
    HelpMainWindow = 1,
    /// The search window, its not-found message and the about box.
    HelpSearch = 6,
    HelpCardFile = 13,
    HelpPrintCards = 14,
    HelpDelete = 15,
    HelpMaxRecords = 16,
    HelpNewCard = 17,
    HelpNotEntering = 18,
    HelpLabels = 19,
    HelpReturnAddress = 20,
    HelpCardList = 21,
};

} // namespace quillbox
