// SPDX-License-Identifier: GPL-3.0-or-later
#include "Main.h"

#include "Aboutbox.h"
#include "PrintLab.h"
#include "Retnaddr.h"
#include "Search.h"
#include "list.h"
#include "platform/card_font.h"
#include "platform/card_memo.h"
#include "platform/core_text.h"
#include "platform/dialogs.h"
#include "platform/focus_cycle.h"
#include "platform/help_topic.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/screen_metrics.h"
#include "platform/tab_strip.h"
#include "platform/text_codec.h"
#include "platform/window_placement.h"
#include "printing/card_printing.h"
#include "window_registry.h"
#include "window_util.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QToolButton>
#include <QWindow>

namespace quillbox {

namespace {

// The window's designed client area and the first-run outer size.
constexpr int DesignClientWidth = 457;
constexpr int DesignClientHeight = 292;
constexpr int FirstRunWidth = 465;
constexpr int FirstRunHeight = 338;

const char* const NewCardRefusal
    = QT_TR_NOOP("You must complete editing the new card before taking this action.\r\n"
                 "Either complete the entry (Book Button) or abort (Menu Cards\\Abort).");

/// The tool buttons on Panel1, in the order they are made.
struct ButtonDesign {
    const char* name;
    int left, top;
    const char* hint;
    const char* picture;
};
const ButtonDesign toolButtonDesigns[] = {
    {"SpeedButton4", 8, 5, QT_TR_NOOP("Move back"), "move_back"},
    {"SpeedButton5", 40, 4, QT_TR_NOOP("Move forward"), "move_forward"},
    {"SpeedButton2", 8, 30, QT_TR_NOOP("Page back"), "page_back"},
    {"SpeedButton3", 40, 29, QT_TR_NOOP("Page forward"), "page_forward"},
    {"SpeedButton6", 8, 55, QT_TR_NOOP("Cut"), "cut"},
    {"SpeedButton10", 40, 54, QT_TR_NOOP("Print envelope/label"), "envelope"},
    {"SpeedButton7", 8, 80, QT_TR_NOOP("Copy"), "copy"},
    {"SpeedButton9", 40, 80, QT_TR_NOOP("Print card"), "print_card"},
    {"SpeedButton8", 8, 105, QT_TR_NOOP("Paste"), "paste"},
    {"SpeedButton12", 40, 105, QT_TR_NOOP("End new card entry"), "end_entry"},
    {"SpeedButton13", 8, 130, QT_TR_NOOP("New card"), "new_card"},
    {"SpeedButton14", 40, 130, QT_TR_NOOP("Delete card"), "delete_card"},
    {"SpeedButton1", 40, 155, QT_TR_NOOP("Exit"), "exit"},
};

/// Reads the pictures of toolButtonDesigns, in order. Images, not pixmaps:
/// this runs on another thread while the window is built.
std::vector<ToolPicture> readToolPictures()
{
    std::vector<ToolPicture> pictures;
    for (const ButtonDesign& d : toolButtonDesigns)
        pictures.push_back(readToolPicture(QLatin1String(d.picture)));
    return pictures;
}

/// The fonts of the window's fixed widgets, by character height (negative,
/// as the design gives them), made once and shared.
QFont designFont(const QString& face, int height, bool bold = false)
{
    static QHash<QString, QFont> made;
    const QString key = QStringLiteral("%1/%2/%3").arg(face).arg(height).arg(bold);
    auto it = made.find(key);
    if (it == made.end())
        it = made.insert(key, fontByHeight(face, height, bold));
    return *it;
}

/// The alphabet strip: 27 narrow tabs of one size, so that all letters fit
/// its width.
class AlphabetTabBar final : public GuardedTabBar {
public:
    using GuardedTabBar::GuardedTabBar;

protected:
    QSize tabSizeHint(int) const override { return QSize(16, 18); }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

} // namespace

TForm1::TForm1(AppContext& app, WindowRegistry& windows, QWidget* parent)
    : QMainWindow(parent)
    , m_app(app)
    , m_windows(windows)
    , m_cardFile(app.StartDirectory)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitle());
    setHelpTopic(*this, HelpMainWindow);
    m_cardFont = designCardFont(screenPixelsPerInch());

    // The card file and the tool pictures need no window: they are read on
    // other cores while this thread builds the window, which is mostly font
    // work that only this thread can do.
    m_cardsReading
        = std::async(std::launch::async, [this] { return m_cardFile.LoadCardFile(m_box.collection()); });
    m_picturesReading = std::async(std::launch::async, readToolPictures);

    createWidgets();
    createMenus();
    createToolButtons();
    connectHandlers();
    placeAsDesigned();

    FormCreate();
    m_lastResizeSize = size();
}

TForm1::~TForm1() = default;

// ---------------------------------------------------------------------------
// Building the window

void TForm1::createWidgets()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFont(designFont(QStringLiteral("System"), -13));
    setCentralWidget(client);
    // No minimum size: a smaller window clips the card rather than being
    // enlarged behind the user's back.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);

    // Created first so that everything else lies above it.
    TabbedNotebook1 = new TabbedNotebook(4, client);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->setGeometry(0, 0, 454, 292);
    TabbedNotebook1->guardedTabBar()->setFont(designFont(QStringLiteral("Arial Narrow"), -11));
    setHelpTopic(*TabbedNotebook1, HelpMainWindow);
    TabbedNotebook1->setAccessibleName(tr("Card notebook"));
    TabbedNotebook1->setAccessibleDescription(
        tr("Four consecutive cards; the selected tab is the card shown"));

    Panel2 = new QFrame(client);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(16, 32, 337, 225);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(2);
    Panel2->setAutoFillBackground(true);
    {
        QPalette pal = Panel2->palette();
        pal.setColor(QPalette::Window, pal.color(QPalette::Base));
        Panel2->setPalette(pal);
    }

    Memo1 = new CardMemo(client);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(32, 48, 317, 193);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo1->setMaxLength(static_cast<int>(MaxTypedChars));
    Memo1->setHelpContext(HelpMainWindow);
    Memo1->setAccessibleName(tr("Card"));
    Memo1->setAccessibleDescription(tr("The text of the card shown; its first line is its title"));
    applyCardFont();

    TabSet1 = new AlphabetTabBar(client);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setDrawBase(false);
    TabSet1->setExpanding(false);
    TabSet1->setUsesScrollButtons(false);
    TabSet1->setElideMode(Qt::ElideNone);
    TabSet1->setFont(designFont(QStringLiteral("Arial"), -8, true));
    TabSet1->addTab(QStringLiteral("#"));
    for (char c = 'A'; c <= 'Z'; ++c)
        TabSet1->addTab(QString(QLatin1Char(c)));
    TabSet1->setCurrentIndex(0);
    TabSet1->setGeometry(2, 270, 449, 21);
    TabSet1->setAutoFillBackground(true);
    {
        // The application-workspace grey behind the tabs, black letters.
        QPalette pal = TabSet1->palette();
        pal.setColor(QPalette::Window, QColor(0xAB, 0xAB, 0xAB));
        pal.setColor(QPalette::WindowText, Qt::black);
        pal.setColor(QPalette::ButtonText, Qt::black);
        TabSet1->setPalette(pal);
    }
    setHelpTopic(*TabSet1, HelpMainWindow);
    TabSet1->setAccessibleName(tr("Alphabet tabs"));
    TabSet1->setAccessibleDescription(tr("Shows the first card filed under a letter"));

    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(360, 80, 73, 185);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setAccessibleName(tr("Tool buttons"));

    Panel3 = new QFrame(client);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(360, 24, 89, 49);
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel3->setLineWidth(1);
    Panel3->setAccessibleName(tr("Card counter"));

    const QFont labelFont = designFont(QStringLiteral("Arial"), -13, true);
    auto makeLabel = [&](const QString& name, int x, int y, const QString& text, bool blue) {
        auto* label = new QLabel(text, Panel3);
        label->setObjectName(name);
        label->setFont(labelFont);
        label->move(x, y);
        if (blue) {
            QPalette pal = label->palette();
            pal.setColor(QPalette::WindowText, Qt::blue);
            label->setPalette(pal);
        }
        label->adjustSize();
        return label;
    };
    // A screen reader reads a label by its shown text; what it stands for
    // goes in the description.
    Label1 = makeLabel(QStringLiteral("Label1"), 8, 8, QString(), false);
    Label1->setAccessibleDescription(tr("Number of cards"));
    Label2 = makeLabel(QStringLiteral("Label2"), 8, 24, tr("Card"), true);
    Label3 = makeLabel(QStringLiteral("Label3"), 48, 24, QString(), true);
    Label3->setAccessibleDescription(tr("Number of the card shown"));

    Memo1->raise();
    setFocusProxy(Memo1);
    // Tab and Shift+Tab cycle notebook, card, alphabet tabs.
    cycleFocusOnTab({TabbedNotebook1->guardedTabBar(), Memo1, TabSet1});
}

void TForm1::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto addMenu = [&](const QString& name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        return menu;
    };
    auto addAction = [](QMenu* menu, const QString& name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    auto addSeparator = [](QMenu* menu, const QString& name) { menu->addSeparator()->setObjectName(name); };

    Main1 = addMenu(QStringLiteral("Main1"), tr("&Main"));
    Setfont1 = addAction(Main1, QStringLiteral("Setfont1"), tr("Set &Font"));
    addSeparator(Main1, QStringLiteral("N3"));
    Print1 = addAction(Main1, QStringLiteral("Print1"), tr("&Print"));
    PrintSetup1 = addAction(Main1, QStringLiteral("PrintSetup1"), tr("Print &Setup"));
    addSeparator(Main1, QStringLiteral("N1"));
    AlwaysonTop1 = addAction(Main1, QStringLiteral("AlwaysonTop1"), tr("&Always on Top"));
    addSeparator(Main1, QStringLiteral("N5"));
    Exit1 = addAction(Main1, QStringLiteral("Exit1"), tr("E&xit"));

    Cards1 = addMenu(QStringLiteral("Cards1"), tr("&Cards"));
    Add1 = addAction(Cards1, QStringLiteral("Add1"), tr("&Add"));
    Delete1 = addAction(Cards1, QStringLiteral("Delete1"), tr("&Delete"));
    CompleteEntry1 = addAction(Cards1, QStringLiteral("CompleteEntry1"), tr("&Complete Entry"));
    Abort1 = addAction(Cards1, QStringLiteral("Abort1"), tr("A&bort"));
    addSeparator(Cards1, QStringLiteral("N2"));
    Search1 = addAction(Cards1, QStringLiteral("Search1"), tr("&Search "));
    List1 = addAction(Cards1, QStringLiteral("List1"), tr("&List"));

    Edit1 = addMenu(QStringLiteral("Edit1"), tr("&Edit"));
    Cut1 = addAction(Edit1, QStringLiteral("Cut1"), tr("Cu&t"));
    Copy1 = addAction(Edit1, QStringLiteral("Copy1"), tr("&Copy"));
    Paste1 = addAction(Edit1, QStringLiteral("Paste1"), tr("&Paste"));

    Print2 = addMenu(QStringLiteral("Print2"), tr("&Print", "menu"));
    Setup1 = addAction(Print2, QStringLiteral("Setup1"), tr("Print &Setup"));
    PrintEnvelope1 = addAction(Print2, QStringLiteral("PrintEnvelope1"), tr("&Print Envelope"));
    PrintEnvelope1->setStatusTip(tr("Do printer setup for envelope"));
    PrintEnvelope1->setToolTip(tr("Do printer setup for envelope"));
    PrintLabel1 = addAction(Print2, QStringLiteral("PrintLabel1"), tr("Print &Label"));
    PrintAddressBook1 = addAction(Print2, QStringLiteral("PrintAddressBook1"), tr("Print &Address  Book"));
    PrintCard1 = addAction(Print2, QStringLiteral("PrintCard1"), tr("Print &Card"));
    addSeparator(Print2, QStringLiteral("N4"));
    PrintaLabel1 = addAction(Print2, QStringLiteral("PrintaLabel1"), tr("Print a La&bel"));
    PrintanEnvelope1 = addAction(Print2, QStringLiteral("PrintanEnvelope1"), tr("Print an &Envelope"));
    addSeparator(Print2, QStringLiteral("N6"));
    ReturnAddress1 = addAction(Print2, QStringLiteral("ReturnAddress1"), tr("&Return Address"));

    Help1 = addMenu(QStringLiteral("Help1"), tr("&Help"));
    Index1 = addAction(Help1, QStringLiteral("Index1"), tr("&Index"));
    About1 = addAction(Help1, QStringLiteral("About1"), tr("&About"));
}

void TForm1::createToolButtons()
{
    const std::vector<ToolPicture> pictures = m_picturesReading.get();
    // In the order of toolButtonDesigns.
    QToolButton** const members[] = {&SpeedButton4, &SpeedButton5, &SpeedButton2, &SpeedButton3,
        &SpeedButton6, &SpeedButton10, &SpeedButton7, &SpeedButton9, &SpeedButton8, &SpeedButton12,
        &SpeedButton13, &SpeedButton14, &SpeedButton1};
    for (std::size_t i = 0; i < std::size(toolButtonDesigns); ++i) {
        const ButtonDesign& d = toolButtonDesigns[i];
        auto* button = new QToolButton(Panel1);
        const QString hint = QCoreApplication::translate("quillbox", d.hint);
        button->setObjectName(QString::fromLatin1(d.name));
        button->setGeometry(d.left, d.top, 25, 25);
        button->setAutoRaise(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        button->setIcon(toolIcon(pictures[i]));
        button->setIconSize(QSize(16, 16));
        *members[i] = button;
    }
}

void TForm1::connectHandlers()
{
    auto onTrigger = [this](QAction* action, void (TForm1::*handler)()) {
        connect(action, &QAction::triggered, this, handler);
    };
    onTrigger(Setfont1, &TForm1::Setfont1Click);
    onTrigger(Print1, &TForm1::Print1Click);
    onTrigger(PrintSetup1, &TForm1::Setup1Click);
    onTrigger(AlwaysonTop1, &TForm1::AlwaysonTop1Click);
    onTrigger(Exit1, &TForm1::Exit1Click);
    onTrigger(Add1, &TForm1::Add1Click);
    onTrigger(Delete1, &TForm1::Delete1Click);
    onTrigger(CompleteEntry1, &TForm1::CompleteEntry1Click);
    onTrigger(Abort1, &TForm1::Abort1Click);
    onTrigger(Search1, &TForm1::Search1Click);
    onTrigger(List1, &TForm1::List1Click);
    onTrigger(Cut1, &TForm1::SpeedButton6Click);
    onTrigger(Copy1, &TForm1::SpeedButton7Click);
    onTrigger(Paste1, &TForm1::SpeedButton8Click);
    onTrigger(Setup1, &TForm1::Setup1Click);
    onTrigger(PrintEnvelope1, &TForm1::PrintEnvelope1Click);
    onTrigger(PrintLabel1, &TForm1::PrintLabel1Click);
    onTrigger(PrintAddressBook1, &TForm1::PrintAddressBook1Click);
    onTrigger(PrintCard1, &TForm1::PrintCard1Click);
    onTrigger(PrintaLabel1, &TForm1::PrintaLabel1Click);
    onTrigger(PrintanEnvelope1, &TForm1::PrintanEnvelope1Click);
    onTrigger(ReturnAddress1, &TForm1::ReturnAddress1Click);
    onTrigger(Index1, &TForm1::Index1Click);
    onTrigger(About1, &TForm1::About1Click);

    auto onClick = [this](QToolButton* button, void (TForm1::*handler)()) {
        connect(button, &QToolButton::clicked, this, handler);
    };
    onClick(SpeedButton4, &TForm1::SpeedButton4Click);
    onClick(SpeedButton5, &TForm1::SpeedButton5Click);
    onClick(SpeedButton2, &TForm1::SpeedButton2Click);
    onClick(SpeedButton3, &TForm1::SpeedButton3Click);
    onClick(SpeedButton6, &TForm1::SpeedButton6Click);
    onClick(SpeedButton10, &TForm1::PrintEnvelope1Click);
    onClick(SpeedButton7, &TForm1::SpeedButton7Click);
    onClick(SpeedButton9, &TForm1::PrintCard1Click);
    onClick(SpeedButton8, &TForm1::SpeedButton8Click);
    onClick(SpeedButton12, &TForm1::CompleteEntry1Click);
    onClick(SpeedButton13, &TForm1::Add1Click);
    onClick(SpeedButton14, &TForm1::Delete1Click);
    onClick(SpeedButton1, &TForm1::Exit1Click);

    TabbedNotebook1->setChangeHandler(
        [this](int newTab, bool& allowChange) { TabbedNotebook1Change(newTab, allowChange); });
    TabSet1->setChangeHandler([this](int newTab, bool& allowChange) { TabSet1Change(newTab, allowChange); });

    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TForm1::focusWindowChanged);
}

void TForm1::placeAsDesigned()
{
    resize(DesignClientWidth, DesignClientHeight + menuBar()->sizeHint().height());
    const QSize area = fullScreenClientArea();
    move((area.width() - width()) / 2, (area.height() - height()) / 2);
}

void TForm1::setNewCardMenus(bool enabled)
{
    Main1->menuAction()->setEnabled(enabled);
    Print2->menuAction()->setEnabled(enabled);
    Add1->setEnabled(enabled);
    Delete1->setEnabled(enabled);
    Search1->setEnabled(enabled);
    List1->setEnabled(enabled);
}

// ---------------------------------------------------------------------------
// Window placement and the card font

WindowPlacement TForm1::framePlacement() const
{
    const QRect frame = frameGeometry();
    return WindowPlacement {frame.top(), frame.left(), frame.height(), frame.width()};
}

void TForm1::applyFramePlacement(const WindowPlacement& p)
{
    m_wantedFrameSize = QSize(p.width, p.height);
    const QSize margins = frameGeometry().size() - geometry().size();
    // move() places the frame; resize() sizes the client area inside it.
    move(p.left, p.top);
    resize(std::max(1, p.width - margins.width()), std::max(1, p.height - margins.height()));
    // On X11 the frame is only known once the window manager has framed the
    // window; the size is corrected then.
    m_frameCorrectionPending = margins.isNull();
}

void TForm1::correctFrameSize()
{
    if (!m_frameCorrectionPending || !m_wantedFrameSize.isValid())
        return;
    const QSize margins = frameGeometry().size() - geometry().size();
    if (margins.isNull())
        return;
    m_frameCorrectionPending = false;
    const QSize client(std::max(1, m_wantedFrameSize.width() - margins.width()),
        std::max(1, m_wantedFrameSize.height() - margins.height()));
    // Making the frame the size already asked for is no change of the user's.
    m_lastResizeSize = client;
    resize(client);
}

void TForm1::applyCardFont()
{
    Memo1->setFont(qfontFromCardFont(m_cardFont));
    QPalette pal = Memo1->palette();
    pal.setColor(QPalette::Text, cardFontColor(m_cardFont));
    Memo1->setPalette(pal);
}

// ---------------------------------------------------------------------------
// Life cycle

void TForm1::FormCreate()
{
    PendingPageIndex = -1;

    const CardFileLoad load = m_cardsReading.get();
    reportCardFileLoad(load);

    const QSize area = fullScreenClientArea();
    const SettingsFile settings = m_app.settingsFile();
    int lastCard = 1;
    if (settings.readTop() == NoSettingsTop) {
        applyFramePlacement(
            WindowPlacement {area.height() / 2 - 169, area.width() / 2 - 232, FirstRunHeight, FirstRunWidth});
        const SettingsWrite written = settings.writeinifile(framePlacementWanted(), m_cardFont, 1);
        // An unwritable settings file must not keep the window from coming up.
        if (!written.ok)
            errorBox(*m_app.services.messages, this, coreText(written.message));
    } else {
        const StoredSettings stored = settings.read(framePlacement(), m_cardFont);
        applyFramePlacement(reachablePlacement(stored.placement));
        m_cardFont = stored.font;
        m_cardFont.height = heightForSize(m_cardFont.size);
        applyCardFont();
        lastCard = stored.lastCard;
        m_app.ReturnAddressLines = stored.returnAddress;
    }

    m_box.showAtStart(lastCard);
    showcard();
    litealpha();
    NotOnTop = true;
    showCount();
    m_app.mainPlacementAtStart = framePlacementWanted();
}

WindowPlacement TForm1::framePlacementWanted() const
{
    WindowPlacement p = framePlacement();
    if (m_wantedFrameSize.isValid()) {
        p.width = m_wantedFrameSize.width();
        p.height = m_wantedFrameSize.height();
    }
    return p;
}

void TForm1::reportCardFileLoad(const CardFileLoad& load)
{
    MessageBoxes& boxes = *m_app.services.messages;
    if (!load.present) {
        if (load.error.empty()) {
            warningBox(boxes, this, tr("Quillbox file not present. Program will run without a current file"),
                MsgOK, HelpCardFile);
        } else {
            warningBox(boxes, this,
                tr("The card file %1 could not be read: %2\r\n"
                   "Program will run without a current file")
                    .arg(pathText(m_cardFile.cardFilePath()), coreText(load.error)),
                MsgOK, HelpCardFile);
        }
        return;
    }
    if (load.heldBack > 0) {
        warningBox(boxes, this,
            tr("The card file holds %1 more cards than the %2 this program can show.\r\n"
               "They stay in the file and are saved back unchanged.")
                .arg(load.heldBack)
                .arg(MaxCards),
            MsgOK, HelpCardFile);
    }
    if (load.damagedEnd) {
        warningBox(boxes, this,
            tr("The end of the card file is damaged: its last card may be incomplete.\r\n"
               "Please check that card."),
            MsgOK, HelpCardFile);
    }
}

void TForm1::FormActivate()
{
    Memo1->setFocus();
    if (m_box.count() == 0)
        Add1Click();
    AlphaTabArmed = true;
}

void TForm1::FormResize()
{
    writeinifile();
}

void TForm1::FormClose()
{
    textchange();
    if (m_box.cards().CardsChanged && !m_app.readOnly)
        saveCardsAtClose();
    const SettingsWrite written = m_app.settingsFile().writeLastCard(m_box.current());
    if (!written.ok)
        errorBox(*m_app.services.messages, this, coreText(written.message));
}

void TForm1::saveCardsAtClose()
{
    MessageBoxes& boxes = *m_app.services.messages;
    FolderChooser* const folders = m_app.services.folders;
    CardFileSave result = m_cardFile.SaveCardFile(m_box.collection());
    QString failedPath = pathText(m_cardFile.cardFilePath());
    // Where an unreadable card file was kept, and what of a save could not be
    // confirmed, goes into the box that reports the save, whatever it says.
    const auto keptNote = [](const CardFileSave& save) {
        const std::string notice = saveNotice(save);
        return notice.empty() ? QString() : coreText(notice) + QStringLiteral("\r\n");
    };
    if (result.ok && !keptNote(result).isEmpty()) {
        MessageRequest saved;
        saved.parent = this;
        saved.title = applicationTitle();
        saved.icon = MsgIcon::Information;
        saved.text = tr("The cards were saved to %1.\r\n%2").arg(failedPath, keptNote(result));
        saved.buttons = MsgOK;
        saved.helpContext = HelpCardFile;
        boxes.ask(saved);
    }
    while (!result.ok) {
        ChoiceRequest request;
        request.parent = this;
        request.title = applicationTitle();
        request.icon = MsgIcon::Error;
        request.text = tr("The cards could not be saved to %1.\r\n%2\r\n%3\r\n"
                          "Try again, save them in another folder, or discard the changes "
                          "made since the program started?")
                           .arg(failedPath, coreText(result.error), keptNote(result));
        const int tryAgain = 0;
        request.buttons.append(tr("&Try Again"));
        int elsewhere = -1;
        if (folders) {
            elsewhere = int(request.buttons.size());
            request.buttons.append(tr("&Save Elsewhere..."));
        }
        const int discard = int(request.buttons.size());
        request.buttons.append(tr("&Discard Changes"));
        request.defaultIndex = tryAgain;
        // Escape and the close box must never throw the cards away.
        request.escapeIndex = tryAgain;
        request.helpContext = HelpCardFile;

        const int answer = boxes.choose(request);
        if (answer == discard)
            return;
        if (answer != elsewhere) {
            result = m_cardFile.SaveCardFile(m_box.collection());
            failedPath = pathText(m_cardFile.cardFilePath());
            continue;
        }
        const std::optional<QString> folder
            = folders->chooseFolder(this, tr("Save the Cards in Folder"), pathText(m_app.StartDirectory));
        if (!folder)
            continue;
        const CardFile elsewhereFile(pathBytes(*folder));
        result = m_cardFile.SaveCardFileTo(m_box.collection(), elsewhereFile.directory());
        failedPath = pathText(elsewhereFile.cardFilePath());
        if (result.ok) {
            MessageRequest done;
            done.parent = this;
            done.title = applicationTitle();
            done.icon = MsgIcon::Information;
            done.text = tr("The cards were saved to %1.\r\n"
                           "Copy that file into %2 to use it at the next start.")
                            .arg(failedPath, pathText(m_app.StartDirectory));
            done.buttons = MsgOK;
            done.helpContext = HelpCardFile;
            boxes.ask(done);
        }
    }
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::focusWindowChanged(QWindow* now)
{
    QWindow* const before = m_focusWindow;
    m_focusWindow = now;
    if (!now || now != windowHandle() || !m_activatedOnce)
        return;
    // Only a return from the program's own modeless windows counts; modal
    // boxes and other programs do not re-run the activation.
    auto wasFocused = [before](QWidget* w) { return w && before && w->windowHandle() == before; };
    if (wasFocused(m_windows.Form4) || wasFocused(m_windows.Form2))
        FormActivate();
}

bool TForm1::event(QEvent* e)
{
    const bool handled = QMainWindow::event(e);
    switch (e->type()) {
    case QEvent::Show:
        correctFrameSize();
        if (!m_activatedOnce) {
            m_activatedOnce = true;
            FormActivate();
        }
        break;
    case QEvent::Move:
        correctFrameSize();
        break;
    default:
        break;
    }
    return handled;
}

void TForm1::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    // Showing delivers the size set while hidden once more; only real
    // changes count.
    if (e->size() == m_lastResizeSize)
        return;
    m_lastResizeSize = e->size();
    FormResize();
}

void TForm1::closeEvent(QCloseEvent* e)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
        // The program ends with its main window, whatever else is open.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != this && w->isVisible())
                w->hide();
        }
    }
    e->accept();
}

// ---------------------------------------------------------------------------
// Settings

bool TForm1::writeinifile()
{
    if (m_app.StartingUp)
        return true;
    const SettingsWrite written
        = m_app.settingsFile().writeinifile(framePlacement(), m_cardFont, m_box.current());
    if (!written.ok) {
        errorBox(*m_app.services.messages, this, coreText(written.message));
        return false;
    }
    return true;
}

void TForm1::showCount()
{
    Label1->setText(tr("%1 cards").arg(m_box.count()));
    Label1->adjustSize();
}

// ---------------------------------------------------------------------------
// The view

std::string TForm1::firstline(int index, bool full) const
{
    return m_box.firstline(index, full);
}

void TForm1::showcard()
{
    Memo1->setText(m_box.cards().card(m_box.current()));

    const int selected = PendingPageIndex != -1 ? PendingPageIndex : TabbedNotebook1->PageIndex();
    PendingPageIndex = -1;
    for (int i = 0; i < NotebookTabs; ++i) {
        const std::optional<int> card = m_box.cardUnderTab(i, selected);
        TabbedNotebook1->setPageCaption(
            i, card ? QStringLiteral("%1-").arg(*card) + toQString(firstline(*card, false)) : QString());
    }
    Label3->setText(QString::number(m_box.current()));
    Label3->adjustSize();
}

void TForm1::litealpha()
{
    const std::optional<int> tab = letterTabOf(Memo1->text());
    if (!tab)
        return;
    AlphaTabArmed = false;
    TabSet1->selectTab(*tab);
    AlphaTabArmed = true;
}

void TForm1::showCardNumber(int index)
{
    m_box.show(index);
    showcard();
    litealpha();
}

void TForm1::focusCardMemo()
{
    activateWindow();
    Memo1->setFocus();
}

bool TForm1::refusedWhileEnteringNewCard()
{
    if (!m_box.enteringNewCard())
        return false;
    newcarderror();
    return true;
}

void TForm1::TabbedNotebook1Change(int NewTab, bool& AllowChange)
{
    AllowChange = false;
    if (refusedWhileEnteringNewCard())
        return;
    textchange();
    const std::optional<int> card = m_box.cardUnderTab(NewTab, TabbedNotebook1->PageIndex());
    if (!card)
        return;
    m_box.show(*card);
    PendingPageIndex = NewTab;
    showcard();
    litealpha();
    Memo1->setFocus();
    AllowChange = true;
}

void TForm1::TabSet1Change(int NewTab, bool& AllowChange)
{
    AllowChange = false;
    if (refusedWhileEnteringNewCard())
        return;
    AllowChange = true;
    if (!AlphaTabArmed) {
        AlphaTabArmed = true;
        return;
    }
    textchange();
    m_box.show(m_box.firstCardUnderLetter(NewTab));
    showcard();
    AlphaTabArmed = true;
}

void TForm1::moveBy(Step step)
{
    if (refusedWhileEnteringNewCard())
        return;
    textchange();
    const std::optional<int> card = m_box.cardAfter(step);
    if (!card)
        return;
    m_box.show(*card);
    showcard();
    litealpha();
    Memo1->setFocus();
}

void TForm1::SpeedButton2Click()
{
    moveBy(Step::PageBack);
}

void TForm1::SpeedButton3Click()
{
    moveBy(Step::PageForward);
}

void TForm1::SpeedButton4Click()
{
    moveBy(Step::CardBack);
}

void TForm1::SpeedButton5Click()
{
    moveBy(Step::CardForward);
}

// ---------------------------------------------------------------------------
// Editing

void TForm1::textchange()
{
    if (m_box.storeEdit(Memo1->text(), Memo1->modified()))
        showCount();
}

void TForm1::newcarderror()
{
    warningBox(*m_app.services.messages, this, QCoreApplication::translate("quillbox", NewCardRefusal), MsgOK,
        HelpNewCard);
}

void TForm1::Add1Click()
{
    if (m_box.full()) {
        warningBox(*m_app.services.messages, this,
            tr("The maximum number of records for this file has been reached."), MsgOK, HelpMaxRecords);
        return;
    }
    if (refusedWhileEnteringNewCard())
        return;
    // The shown card's pending edit is kept, as every move keeps it.
    textchange();
    setNewCardMenus(false);
    m_box.beginNewCard();
    Memo1->setText({});
    Memo1->setFocus();
    Label1->setText(tr("New card"));
    Label1->adjustSize();
}

void TForm1::CompleteEntry1Click()
{
    MessageBoxes& boxes = *m_app.services.messages;
    const std::string text = Memo1->text();
    if (text.empty()) {
        if (warningBox(boxes, this, tr("There is no data in the card to add. Continue edit?"),
                MsgOK | MsgAbort, HelpNewCard)
            == MsgAbort) {
            Abort1Click();
            setNewCardMenus(true);
        }
        return;
    }
    if (!m_box.enteringNewCard()) {
        warningBox(boxes, this, tr("You are not currently entering a card."), MsgOK, HelpNotEntering);
        return;
    }
    m_box.completeNewCard(text);
    showCount();
    showcard();
    litealpha();
    setNewCardMenus(true);
}

void TForm1::Abort1Click()
{
    if (!m_box.enteringNewCard()) {
        warningBox(*m_app.services.messages, this, tr("You are not currently entering a card."), MsgOK,
            HelpNotEntering);
        return;
    }
    m_box.abortNewCard();
    showcard();
    litealpha();
    showCount();
    Memo1->setFocus();
    setNewCardMenus(true);
}

void TForm1::Delete1Click()
{
    MessageBoxes& boxes = *m_app.services.messages;
    if (refusedWhileEnteringNewCard())
        return;
    if (m_box.count() == 0) {
        warningBox(boxes, this,
            tr("You either have no cards to delete or you are currently entering a card. "
               "If you are entering a card that you do not want to enter select abort from "
               "the Cards menu."),
            MsgOK, HelpDelete);
    } else if (warningBox(boxes, this,
                   tr("Are you sure you want to delete this card:\r\n")
                       + toQString(firstline(m_box.current(), true)),
                   MsgYes | MsgNo, HelpDelete)
        == MsgYes) {
        m_box.removeCurrentCard();
        if (m_box.count() > 0) {
            showcard();
            litealpha();
            Memo1->setFocus();
            showCount();
            // With fewer cards than tabs up to the selected one, step back to
            // the last tab that shows a card; this moves like a click would.
            if (m_box.count() < TabbedNotebook1->PageIndex() + 1)
                TabbedNotebook1->setPageIndex(m_box.count() - 1);
        }
    }
    if (m_box.count() == 0) {
        m_box.show(1);
        showcard();
        Add1Click();
    }
}

void TForm1::SpeedButton6Click()
{
    Memo1->cutToClipboard();
}

void TForm1::SpeedButton7Click()
{
    Memo1->copyToClipboard();
}

void TForm1::SpeedButton8Click()
{
    Memo1->pasteFromClipboard();
}

// ---------------------------------------------------------------------------
// Windows and options

void TForm1::Setfont1Click()
{
    if (FontChooser* chooser = m_app.services.fonts) {
        // The memo's font names the face that draws it; the dialog gets the
        // name the settings keep, so that an unchanged face keeps it.
        QFont current = Memo1->font();
        current.setFamily(toQString(m_cardFont.name));
        const FontChoice initial {current, cardFontColor(m_cardFont)};
        if (const std::optional<FontChoice> chosen = chooser->chooseFont(this, initial)) {
            m_cardFont = cardFontFromChoice(m_cardFont, *chosen);
            applyCardFont();
        }
    }
    writeinifile();
}

void TForm1::AlwaysonTop1Click()
{
    const bool wasVisible = isVisible();
    if (NotOnTop) {
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        AlwaysonTop1->setText(tr("Resume &Normal Pos."));
        NotOnTop = false;
    } else {
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
        AlwaysonTop1->setText(tr("&Always on Top"));
        NotOnTop = true;
    }
    // Changing the window flags hides the window.
    if (wasVisible) {
        show();
        activateWindow();
    }
}

void TForm1::Search1Click()
{
    TForm4* search = m_windows.form4();
    if (!search)
        return;
    search->show();
    search->raise();
    search->activateWindow();
}

void TForm1::List1Click()
{
    TForm2* cardList = m_windows.form2();
    if (!cardList)
        return;
    cardList->fill();
    cardList->show();
    cardList->raise();
    cardList->activateWindow();
}

// ---------------------------------------------------------------------------
// Printing

void TForm1::Print1Click()
{
    printCardListing(*this, m_app.services, m_app.printChoice);
}

void TForm1::Setup1Click()
{
    setUpPrinter(m_app.services, this);
}

void TForm1::PrintEnvelope1Click()
{
    if (!refusedWhileEnteringNewCard())
        openLabelDialog(LabelStock::Envelope, labelText(*Memo1));
}

void TForm1::PrintLabel1Click()
{
    openLabelDialog(LabelStock::Labels133x4, labelText(*Memo1));
}

void TForm1::PrintAddressBook1Click()
{
    printAddressBook(*this, m_app.services);
}

void TForm1::PrintCard1Click()
{
    printShownCard(*this, m_app.services);
}

void TForm1::PrintaLabel1Click()
{
    openLabelDialog(LabelStock::Labels133x4, std::string());
}

void TForm1::PrintanEnvelope1Click()
{
    openLabelDialog(LabelStock::Envelope, std::string());
}

void TForm1::openLabelDialog(LabelStock stock, const std::string& text)
{
    if (TForm3* labels = m_windows.form3())
        labels->openFor(stock, text);
}

void TForm1::ReturnAddress1Click()
{
    if (TForm5* returnAddress = m_windows.form5())
        returnAddress->exec();
}

void TForm1::Index1Click()
{
    if (m_app.services.help)
        m_app.services.help->showIndex(this);
}

void TForm1::About1Click()
{
    if (TAboutBox1* about = m_windows.aboutBox1())
        about->exec();
}

} // namespace quillbox
