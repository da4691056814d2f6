#include "platform/dialogs.h"

#include <QDir>
#include <QFileDialog>

namespace quillbox {

std::optional<QString> QtFolderChooser::chooseFolder(
    QWidget* parent, const QString& title, const QString& startIn)
{
    const QString chosen
        = QFileDialog::getExistingDirectory(parent, title, startIn, QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(QDir(chosen).absolutePath());
}

} // namespace quillbox
