// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help_window.h"

#include "platform/card_memo.h"
#include "platform/help_topic.h"
#include "platform/translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <array>
#include <utility>

namespace quillbox {

namespace {

// Pages live in the resources under /resources/help (see src/CMakeLists.txt).
constexpr std::array<std::pair<HelpTopic, const char*>, 11> contextPages {{
    {HelpMainWindow, "main.html"},
    {HelpSearch, "search.html"},
    {HelpCardFile, "cardfile.html"},
    {HelpPrintCards, "printcards.html"},
    {HelpDelete, "delete.html"},
    {HelpMaxRecords, "maxcards.html"},
    {HelpNewCard, "newcard.html"},
    {HelpNotEntering, "notentering.html"},
    {HelpLabels, "labels.html"},
    {HelpReturnAddress, "retaddr.html"},
    {HelpCardList, "cardlist.html"},
}};

// A translated program shows the pages of its language, kept in a folder
// named after it beside the English ones.
QString helpResource(const char* file)
{
    const QString language = currentLanguage();
    if (!language.isEmpty()) {
        const QString page
            = QStringLiteral("/resources/help/") + language + QLatin1Char('/') + QLatin1String(file);
        if (QFile::exists(QLatin1Char(':') + page))
            return QStringLiteral("qrc:") + page;
    }
    return QStringLiteral("qrc:/resources/help/") + QLatin1String(file);
}

class ContextHelpFilter final : public QObject {
public:
    ContextHelpFilter(HelpViewer& help, QObject* parent)
        : QObject(parent)
        , m_help(help)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        // Keys go to the focus widget, or to the active window when nothing
        // has the focus: the receiver is where the walk starts.
        auto* from = static_cast<QWidget*>(watched);
        // Message boxes carry their own topic and answer F1 themselves.
        if (qobject_cast<QMessageBox*>(from->window()))
            return false;
        const HelpTopic context = helpContextOf(from);
        if (context <= HelpNone)
            return false;
        m_help.showContext(from->window(), context);
        return true;
    }

private:
    HelpViewer& m_help;
};

} // namespace

QString helpIndexPage()
{
    return helpResource("index.html");
}

QString helpPageFor(HelpTopic context)
{
    for (const auto& [number, file] : contextPages) {
        if (number == context)
            return helpResource(file);
    }
    return helpIndexPage();
}

HelpTopic helpContextOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (const auto* memo = qobject_cast<const CardMemo*>(w); memo && memo->helpContext() > HelpNone)
            return memo->helpContext();
        const QVariant value = w->property("helpContext");
        if (value.isValid() && value.toInt() > 0)
            return static_cast<HelpTopic>(value.toInt());
        // A window's topic is its own; an owner's topic does not reach into it.
        if (w->isWindow())
            break;
    }
    return HelpNone;
}

void setHelpTopic(QWidget& widget, HelpTopic topic)
{
    widget.setProperty("helpContext", static_cast<int>(topic));
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Quillbox Help"));
    resize(560, 460);

    m_back = new QPushButton(tr("&Back"), this);
    m_forward = new QPushButton(tr("&Forward"), this);
    m_index = new QPushButton(tr("&Index"), this);
    m_back->setObjectName(QStringLiteral("backButton"));
    m_forward->setObjectName(QStringLiteral("forwardButton"));
    m_index->setObjectName(QStringLiteral("indexButton"));
    m_back->setAccessibleName(tr("Back"));
    m_forward->setAccessibleName(tr("Forward"));
    m_index->setAccessibleName(tr("Index"));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(tr("Help topic"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    // The pages' shared look; rich text does not load linked style sheets.
    if (QFile css(QStringLiteral(":/resources/help/help.css")); css.open(QIODevice::ReadOnly))
        m_browser->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_index);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_index, &QPushButton::clicked, this, [this] { m_browser->setSource(QUrl(helpIndexPage())); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Quillbox Help") : tr("Quillbox Help - %1").arg(title));
    });
}

void HelpWindow::showIndex(QWidget* owner)
{
    showPage(owner, helpIndexPage());
}

void HelpWindow::showContext(QWidget* owner, HelpTopic context)
{
    showPage(owner, helpPageFor(context));
}

QUrl HelpWindow::currentPage() const
{
    return m_browser->source();
}

bool HelpWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowBlocked)
        followModalWindow();
    return QWidget::event(e);
}

void HelpWindow::followModalWindow()
{
    QWindow* const own = windowHandle();
    if (own == nullptr)
        return;
    QWindow* modal = QGuiApplication::modalWindow();
    if (modal == own)
        modal = nullptr;
    if (own->transientParent() == modal)
        return;
    disconnect(m_modalHidden);
    disconnect(m_modalGone);
    own->setTransientParent(modal);
    if (modal == nullptr)
        return;
    // Once the box is gone the next modal window, if any, is followed; the
    // check waits until the box has left the list of modal windows.
    auto later = [this] { QTimer::singleShot(0, this, &HelpWindow::followModalWindow); };
    m_modalHidden = connect(modal, &QWindow::visibleChanged, this, [later](bool visible) {
        if (!visible)
            later();
    });
    m_modalGone = connect(modal, &QObject::destroyed, this, later);
}

void HelpWindow::showPage(QWidget* owner, const QString& page)
{
    m_browser->setSource(QUrl(page));
    if (!m_placed) {
        // First opening: beside the owner when there is room, else centred.
        m_placed = true;
        const QScreen* screen = owner ? owner->screen() : QApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(area.center());
        if (owner) {
            const QRect ownerFrame = owner->window()->frameGeometry();
            if (ownerFrame.right() + 8 + width() <= area.right())
                frame.moveTopLeft(QPoint(ownerFrame.right() + 8, ownerFrame.top()));
        }
        move(frame.topLeft());
    }
    show();
    // Shown over a modal box, the window is blocked until it follows it.
    followModalWindow();
    raise();
    activateWindow();
}

QObject* installContextHelp(HelpViewer& help)
{
    auto* filter = new ContextHelpFilter(help, qApp);
    qApp->installEventFilter(filter);
    return filter;
}

} // namespace quillbox
