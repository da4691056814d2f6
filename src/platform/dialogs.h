// Common dialogs, behind interfaces so tests can answer them.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

namespace quillbox {

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

/// The real folder chooser: the desktop's "choose a directory" dialog.
class QtFolderChooser final : public FolderChooser {
public:
    /// Returns the chosen folder's absolute path in native form; nullopt
    /// when cancelled. `startIn` may be empty (the current directory).
    std::optional<QString> chooseFolder(
        QWidget* parent, const QString& title, const QString& startIn) override;
};

} // namespace quillbox
