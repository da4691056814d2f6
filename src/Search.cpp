// SPDX-License-Identifier: GPL-3.0-or-later
#include "Search.h"

#include "app_context.h"
#include "card_window.h"
#include "core/card_box.h"
#include "platform/card_memo.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/screen_metrics.h"
#include "platform/text_codec.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace quillbox {

namespace {

// The longest search text the box takes.
constexpr int MaxSearchText = 100;

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& accessible,
    const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(accessible);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TForm4::TForm4(AppContext& app, CardWindow& main, QWidget* parent)
    : QWidget(parent)
    , m_app(app)
    , m_main(main)
{
    setObjectName(QStringLiteral("Form4"));
    // Modeless and above every window, so it can stay open while cards are
    // read and edited.
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setWindowTitle(tr("Search for:"));
    setHelpTopic(*this, HelpSearch);
    setFont(fontByHeight(QStringLiteral("MS Sans Serif"), -11));
    setFixedSize(351, 88);

    Label1 = new QLabel(tr("Data to search for:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 8);
    Label1->adjustSize();

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(16, 24, 321, 21);
    Edit1->setMaxLength(MaxSearchText);
    Edit1->setAccessibleName(tr("Data to search for"));
    Label1->setBuddy(Edit1);

    BitBtn1 = makeButton(this, "BitBtn1", tr("&Find First"), tr("Find First"), QRect(48, 56, 75, 25));
    BitBtn2 = makeButton(this, "BitBtn2", tr("Find &Next"), tr("Find Next"), QRect(144, 56, 75, 25));
    BitBtn3 = makeButton(this, "BitBtn3", tr("&Cancel"), tr("Cancel"), QRect(240, 56, 75, 25));
    // The default button: drawn as such; Enter reaches it through keyPressEvent.
    BitBtn1->setDefault(true);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm4::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm4::BitBtn3Click);

    setTabOrder(Edit1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, BitBtn3);

    FormCreate();
}

void TForm4::FormCreate()
{
    // From where the main window stood at start, not where it is now.
    if (!m_app.mainPlacementAtStart)
        return;
    const WindowPlacement& main = *m_app.mainPlacementAtStart;
    move(main.left, main.top + main.height - 115);
}

void TForm4::BitBtn1Click()
{
    find(false);
}

void TForm4::BitBtn2Click()
{
    find(true);
}

void TForm4::BitBtn3Click()
{
    close();
}

void TForm4::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            BitBtn1->click();
        return;
    case Qt::Key_Escape:
        BitBtn3->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TForm4::find(bool next)
{
    CardWindow& main = m_main;
    // A search would leave the new card's entry without filing or ending it.
    if (main.refusedWhileEnteringNewCard())
        return;
    const CardBox& box = main.cardBox();
    const std::string text = fromQString(Edit1->text());
    if (box.count() == 0 || text.empty()) {
        notFound();
        return;
    }

    // Store the pending edit first, so that it is neither lost when the
    // hit replaces the box's text nor left out of the search; the search
    // then goes on from the stored card's (possibly new) number.
    CardMemo& memo = main.cardMemo();
    const bool pending = memo.modified() && memo.textLength() > 0;
    const int caret = memo.selStart();
    const int selected = memo.selLength();
    main.storePendingEdit();

    const auto hit = box.findCardContaining(text, next ? box.current() + 1 : 1);
    if (!hit) {
        if (pending) {
            // The stored card may have a new number: bring the view in line,
            // leaving the caret where the user had it.
            main.showCardNumber(box.current());
            memo.setSelection(caret, selected);
        }
        notFound();
        return;
    }

    main.showCardNumber(hit->card);
    const std::string_view stored = box.cards().card(hit->card);
    const int start = memoPosition(stored, hit->offset);
    const int end = memoPosition(stored, hit->offset + static_cast<int>(text.size()));
    memo.setSelection(start, end - start);
    main.focusCardMemo();
}

void TForm4::notFound()
{
    warningBox(*m_app.services.messages, this, tr("The specified string was not found."), MsgOK, HelpSearch);
}

} // namespace quillbox
