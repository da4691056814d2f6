// SPDX-License-Identifier: GPL-3.0-or-later
// Contact files opened with the program (its command line, a file manager's
// "Open with") or dropped onto the main window: one question, then the
// cards are added through the same code as --import and saved with every
// other change at close.
#pragma once

#include <QStringList>

class QWidget;

namespace quillbox {

struct AppContext;
class CardWindow;

/// The .vcf, .vcard and .csv files among `paths` (local files only).
QStringList contactFiles(const QStringList& paths);

/// Reads each of `paths` (the format told by its content) and asks "Add the
/// N cards of NAME to the card file?" (for several files, one question
/// listing each file's count), with the counts an import would print. Yes
/// files the cards into the window's box and shows the first card added;
/// No changes nothing. A read-only run, a new card being entered, or a
/// file that cannot be read is refused with the reason, and nothing is
/// added. Returns the number of cards added.
int offerContactFiles(CardWindow& window, AppContext& app, const QStringList& paths);

/// Lets contact files be dropped anywhere on `window` (its card included):
/// a drop of .vcf, .vcard or .csv files calls offerContactFiles(). Other
/// drops go on as before. The filter lives as long as `window`.
void acceptContactDrops(QWidget& window, CardWindow& cards, AppContext& app);

} // namespace quillbox
