// Program entry (interim: shows the card count until the main window lands).
#include "core/card_file.h"

#include <QApplication>
#include <QDir>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    quillbox::CardCollection cards;
    quillbox::CardFile file(QDir::currentPath().toStdString());
    file.LoadCardFile(cards);
    QLabel label(QStringLiteral("%1 cards").arg(cards.CardCount));
    label.resize(240, 80);
    label.show();
    return app.exec();
}
