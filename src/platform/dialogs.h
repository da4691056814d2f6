// SPDX-License-Identifier: GPL-3.0-or-later
// Common dialogs, behind interfaces so tests can answer them.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace quillbox {

class RecordedJob;

struct FontChoice {
    QFont font; ///< face, size, bold, italic, underline, strike-out
    QColor color;
};

class FontChooser {
public:
    virtual ~FontChooser() = default;
    /// Runs the font dialog starting from `initial`; nullopt when cancelled.
    virtual std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) = 0;
};

class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    /// Asks for an existing folder; nullopt when cancelled.
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& title, const QString& startIn)
        = 0;
};

/// The print dialog's choices: all cards or a range by card number, the
/// copies and whether they are collated.
struct PrintChoice {
    bool pageRange = false;
    int from = 0;
    int to = 0;
    int copies = 1;
    bool collate = false;
};

/// The print and printer set-up dialogs, on the program's one printer.
class PrinterDialogs {
public:
    virtual ~PrinterDialogs() = default;
    /// The print dialog, starting from `choice` (the last choices), with
    /// card numbers limited to 0..maxPage. Returns false when cancelled;
    /// otherwise `choice` holds the range as entered, which may still be a
    /// bad one (From 0, From above To). A printer chosen there becomes the
    /// current one.
    virtual bool choosePrint(QWidget* parent, int maxPage, PrintChoice& choice) = 0;
    /// The printer set-up dialog (printer, paper, orientation, preview).
    /// Returns true when confirmed: the choices then hold for every later
    /// job until the program ends.
    virtual bool setupPrinter(QWidget* parent) = 0;
    /// True while Print Setup's "Preview before printing" is ticked.
    virtual bool previewBeforePrinting() const = 0;
    /// Shows the pages of `job` as they will print. True when the user
    /// chose Print there, false when the preview was closed.
    virtual bool preview(QWidget* parent, const RecordedJob& job) = 0;
};

/// The real folder chooser: the desktop's "choose a directory" dialog.
class QtFolderChooser final : public FolderChooser {
public:
    /// Returns the chosen folder's absolute path in native form; nullopt
    /// when cancelled. `startIn` may be empty (the current directory).
    std::optional<QString> chooseFolder(
        QWidget* parent, const QString& title, const QString& startIn) override;
};

} // namespace quillbox
