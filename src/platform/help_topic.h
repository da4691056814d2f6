// SPDX-License-Identifier: GPL-3.0-or-later
// The help topics: the context numbers that F1 and the message boxes hand to
// the help viewer, each with a page of its own.
#pragma once

class QWidget;

namespace quillbox {

/// Typed so that a bare number is no help topic: every parameter that takes
/// one is a HelpTopic.
enum HelpTopic : int {
    /// No topic: F1 goes on as the key would.
    HelpNone = 0,
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

/// Gives `widget` the topic that F1 opens while the focus is in it (kept in
/// its dynamic property "helpContext").
void setHelpTopic(QWidget& widget, HelpTopic topic);

} // namespace quillbox
