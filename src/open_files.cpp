// SPDX-License-Identifier: GPL-3.0-or-later
#include "open_files.h"

#include "app_context.h"
#include "card_window.h"
#include "core/card_box.h"
#include "core/card_export.h"
#include "platform/core_text.h"
#include "platform/message_box.h"
#include "platform/text_codec.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

namespace quillbox {

namespace {

const QString Title = QStringLiteral("Quillbox");

/// The translation context of these texts.
struct OpenFiles {
    Q_DECLARE_TR_FUNCTIONS(OpenFiles)
};

void tell(AppContext& app, QWidget* parent, const QString& text, MsgIcon icon)
{
    MessageRequest request;
    request.parent = parent;
    request.title = Title;
    request.text = text;
    request.icon = icon;
    request.buttons = MsgOK;
    app.services.messages->ask(request);
}

QString cardsOf(int n)
{
    return n == 1 ? OpenFiles::tr("1 card") : OpenFiles::tr("%1 cards").arg(n);
}

/// Watches the main window and its children for drops of contact files.
class ContactDropFilter final : public QObject {
public:
    ContactDropFilter(QWidget& window, CardWindow& cards, AppContext& app)
        : QObject(&window)
        , m_window(window)
        , m_cards(cards)
        , m_app(app)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || widget->window() != &m_window)
            return false;
        auto* drop = static_cast<QDropEvent*>(event);
        QStringList paths;
        if (drop->mimeData() != nullptr) {
            for (const QUrl& url : drop->mimeData()->urls()) {
                if (url.isLocalFile())
                    paths.append(url.toLocalFile());
            }
        }
        paths = contactFiles(paths);
        if (paths.isEmpty())
            return false;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (type == QEvent::Drop)
            offerContactFiles(m_cards, m_app, paths);
        return true;
    }

private:
    QWidget& m_window;
    CardWindow& m_cards;
    AppContext& m_app;
};

} // namespace

QStringList contactFiles(const QStringList& paths)
{
    QStringList files;
    for (const QString& path : paths) {
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == QLatin1String("vcf") || suffix == QLatin1String("vcard")
            || suffix == QLatin1String("csv"))
            files.append(path);
    }
    return files;
}

int offerContactFiles(CardWindow& window, AppContext& app, const QStringList& paths)
{
    QWidget* parent = &window.mainWidget();
    if (paths.isEmpty())
        return 0;
    if (app.readOnly) {
        tell(app, parent,
            OpenFiles::tr("No cards were added: the card file is open in another Quillbox window, and this "
                          "one is read-only (nothing it holds is saved)."),
            MsgIcon::Warning);
        return 0;
    }
    if (window.refusedWhileEnteringNewCard())
        return 0;
    window.storePendingEdit();

    std::vector<ImportParse> reads;
    for (const QString& path : paths) {
        ImportParse read = readImportFile(pathBytes(path), std::nullopt);
        if (!read.ok) {
            const QString where
                = read.errorLine > 0 ? OpenFiles::tr("line %1: ").arg(read.errorLine) : QString();
            tell(app, parent,
                OpenFiles::tr("No cards were added: %1 cannot be imported (%2%3).")
                    .arg(QFileInfo(path).fileName(), where, coreText(read.error)),
                MsgIcon::Error);
            return 0;
        }
        reads.push_back(std::move(read));
    }

    // What an import would do, tried on a copy of the box.
    auto trial = std::make_unique<CardBox>(window.cardBox());
    ImportCounts total;
    for (const ImportParse& read : reads) {
        const ImportCounts counts = addImportedCards(*trial, read);
        total.added += counts.added;
        total.cut += counts.cut;
        total.replaced += counts.replaced;
        total.notAdded += counts.notAdded;
        total.duplicates += counts.duplicates;
        total.emptyCards += counts.emptyCards;
        for (const auto& [name, n] : counts.notCarried)
            total.notCarried[name] += n;
    }
    const auto held
        = [](const ImportParse& read) { return static_cast<int>(read.texts.size()) + read.beyond; };
    QString question;
    if (reads.size() == 1) {
        question = OpenFiles::tr("Add the %1 of %2 to the card file?")
                       .arg(cardsOf(held(reads.front())), QFileInfo(paths.front()).fileName());
    } else {
        question = OpenFiles::tr("Add the cards of these files to the card file?");
        for (std::size_t i = 0; i < reads.size(); ++i)
            question += QStringLiteral("\r\n%1: %2")
                            .arg(QFileInfo(paths[static_cast<int>(i)]).fileName(), cardsOf(held(reads[i])));
    }
    question += QStringLiteral("\r\n\r\n")
        + coreText(describeImport(total)).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));

    MessageRequest request;
    request.parent = parent;
    request.title = Title;
    request.text = question;
    request.icon = MsgIcon::Question;
    request.buttons = MsgYes | MsgNo;
    if (app.services.messages->ask(request) != MsgYes)
        return 0;

    CardBox& box = window.cardBoxForImport();
    int added = 0;
    std::string first;
    for (const ImportParse& read : reads) {
        const ImportCounts counts = addImportedCards(box, read);
        if (added == 0)
            first = counts.firstAdded;
        added += counts.added;
    }
    if (added > 0) {
        for (int i = 1; i <= box.count(); ++i) {
            if (box.cards().card(i) == first) {
                window.showCardNumber(i);
                break;
            }
        }
    }
    return added;
}

void acceptContactDrops(QWidget& window, CardWindow& cards, AppContext& app)
{
    window.setAcceptDrops(true);
    qApp->installEventFilter(new ContactDropFilter(window, cards, app));
}

} // namespace quillbox
