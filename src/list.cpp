// SPDX-License-Identifier: GPL-3.0-or-later
#include "list.h"

#include "card_window.h"
#include "core/card_box.h"
#include "platform/help_topic.h"
#include "platform/screen_metrics.h"
#include "platform/text_codec.h"
#include "window_util.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <algorithm>

namespace quillbox {

namespace {

constexpr int RowHeight = 13;

/// A list box that tells a change of the selected row made by the user
/// (click, drag or key) from one the program makes.
class CardListBox final : public QListWidget {
public:
    using QListWidget::QListWidget;
    bool userInput() const noexcept { return m_userInput; }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        asUser([&] { QListWidget::keyPressEvent(event); });
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        asUser([&] { QListWidget::mousePressEvent(event); });
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        asUser([&] { QListWidget::mouseMoveEvent(event); });
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        asUser([&] { QListWidget::mouseReleaseEvent(event); });
    }

private:
    template<class F> void asUser(F&& handle)
    {
        const bool outer = m_userInput;
        m_userInput = true;
        handle();
        m_userInput = outer;
    }
    bool m_userInput = false;
};

/// Rows of the classic list box's height, whatever the style would make them.
class FixedRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), RowHeight);
    }
};

} // namespace

TForm2::TForm2(CardWindow& main, QWidget* parent)
    : QWidget(parent)
    , m_main(main)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowFlags(Qt::Window);
    setWindowTitle(tr("Card List"));
    setHelpTopic(*this, HelpCardList);
    setFont(fontByHeight(QStringLiteral("MS Sans Serif"), -11));
    setFixedSize(348, 273);

    Label1 = new QLabel(tr("List of All Cards"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 8);
    Label1->adjustSize();

    SpeedButton1 = makePictureButton(
        this, "SpeedButton1", QRect(312, 19, 25, 25), QStringLiteral("list_close"), QStringLiteral("Close"));

    auto* box = new CardListBox(this);
    ListBox1 = box;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(10, 28, 297, 241);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setSortingEnabled(false);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setItemDelegate(new FixedRowDelegate(ListBox1));
    // A long first line shows whole, clipped at the right edge.
    ListBox1->setTextElideMode(Qt::ElideNone);
    ListBox1->setWordWrap(false);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setAccessibleName(tr("List of All Cards"));
    Label1->setBuddy(ListBox1);

    connect(ListBox1, &QListWidget::currentRowChanged, this, [this, box] {
        if (box->userInput())
            ListBox1Click();
    });
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TForm2::focusWindowChanged);

    centreOnScreen(*this);
}

void TForm2::fill()
{
    const CardBox& box = m_main.cardBox();
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    QStringList rows;
    rows.reserve(box.count());
    for (int i = 1; i <= box.count(); ++i)
        rows.append(toQString(box.firstline(i, true)));
    ListBox1->addItems(rows);
    if (box.current() >= 1 && box.current() <= box.count())
        ListBox1->setCurrentRow(box.current() - 1);
}

void TForm2::ListBox1Click()
{
    CardWindow& main = m_main;
    const CardBox& box = main.cardBox();
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= box.count())
        return;
    if (main.refusedWhileEnteringNewCard())
        return;

    // Store the pending edit rather than drop it. Storing may file the shown
    // card elsewhere, which renumbers the cards between its two places.
    const int before = box.current();
    main.storePendingEdit();
    const int after = box.current();
    const int target = renumbered(row + 1, before, after);

    refreshRows(std::min(before, after), std::max(before, after));
    main.showCardNumber(target);
    if (target != row + 1) {
        selectRow(target - 1);
        // A mouse press goes on to select the row under the pointer after
        // this handler; select the chosen card again once it is done.
        QTimer::singleShot(0, this, [this, target] {
            if (isVisible() && m_main.cardBox().current() == target)
                selectRow(target - 1);
        });
    }
}

void TForm2::refreshRows(int first, int last)
{
    const CardBox& box = m_main.cardBox();
    for (int i = std::max(first, 1); i <= last; ++i) {
        if (QListWidgetItem* item = ListBox1->item(i - 1))
            item->setText(toQString(box.firstline(i, true)));
    }
}

void TForm2::selectRow(int row)
{
    const QSignalBlocker quiet(ListBox1);
    ListBox1->setCurrentRow(row);
}

void TForm2::FormDeactivate()
{
    ListBox1->clear();
    close();
}

void TForm2::SpeedButton1Click()
{
    m_main.focusCardMemo();
    close();
}

void TForm2::hideEvent(QHideEvent* event)
{
    // The rows are filled afresh at each opening.
    ListBox1->clear();
    m_hadFocus = false;
    QWidget::hideEvent(event);
}

void TForm2::focusWindowChanged(QWindow* now)
{
    if (!isVisible())
        return;
    if (now == windowHandle()) {
        m_hadFocus = true;
        return;
    }
    // Focus leaving for another program (no window of ours has it) keeps
    // the list open; turning to another window of ours closes it.
    if (now && m_hadFocus)
        FormDeactivate();
}

} // namespace quillbox
