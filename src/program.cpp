// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "Aboutbox.h"
#include "Main.h"
#include "PrintLab.h"
#include "Retnaddr.h"
#include "Search.h"
#include "core/card_file_lock.h"
#include "core/posix_file.h"
#include "list.h"
#include "open_files.h"
#include "platform/core_text.h"
#include "platform/help_topic.h"
#include "platform/key_guard.h"
#include "platform/message_box.h"
#include "platform/text_codec.h"

#include <QCoreApplication>
#include <QTimer>

namespace quillbox {

struct Program::Windows {
    // Destroyed in reverse order: the main window last.
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<TAboutBox1> aboutBox1;
    std::unique_ptr<TForm5> form5;
};

namespace {

/// The translation context of these texts.
struct StartTexts {
    Q_DECLARE_TR_FUNCTIONS(StartTexts)
};

/// Makes a window and publishes it in the registry.
template<typename Window, typename... Args>
void make(std::unique_ptr<Window>& owner, Window*& published, Args&&... args)
{
    owner = std::make_unique<Window>(std::forward<Args>(args)...);
    published = owner.get();
}

/// Unpublishes a window first, so that no window looks at it while it goes.
template<typename Window> void unmake(std::unique_ptr<Window>& owner, Window*& published)
{
    published = nullptr;
    owner.reset();
}

} // namespace

Program::Program(std::string startDirectory, Services services)
    : m_windows(std::make_unique<Windows>())
{
    m_app.StartDirectory = std::move(startDirectory);
    m_app.services = services;
    m_app.StartingUp = true;
    QCoreApplication::setApplicationName(applicationTitle());
    // No Alt or Ctrl combination types into any text box of the program.
    installTypingGuard(QCoreApplication::instance());
    if (!lockCardFile()) {
        m_declined = true;
        m_app.StartingUp = false;
        return;
    }

    make(m_windows->form1, m_registry.Form1, m_app, m_registry);
    TForm1& main = *m_registry.Form1;
    if (m_app.readOnly)
        main.setWindowTitle(main.windowTitle() + StartTexts::tr(" (read-only)"));
    m_app.StartingUp = false;
    acceptContactDrops(main, main, m_app);

    // Each window gets the shared state and the main window as the other
    // windows see it; the search window places itself from where the main
    // window stood at start.
    m_registry.makeOtherWindows = [this, &main] {
        CardWindow& cardWindow = main;
        make(m_windows->form2, m_registry.Form2, cardWindow);
        make(m_windows->form3, m_registry.Form3, m_app);
        make(m_windows->form4, m_registry.Form4, m_app, cardWindow);
        make(m_windows->aboutBox1, m_registry.AboutBox1);
        make(m_windows->form5, m_registry.Form5, m_app);
    };
}

Program::~Program()
{
    // Last made, first gone.
    m_registry.makeOtherWindows = nullptr;
    unmake(m_windows->form5, m_registry.Form5);
    unmake(m_windows->aboutBox1, m_registry.AboutBox1);
    unmake(m_windows->form4, m_registry.Form4);
    unmake(m_windows->form3, m_registry.Form3);
    unmake(m_windows->form2, m_registry.Form2);
    unmake(m_windows->form1, m_registry.Form1);
}

bool Program::lockCardFile()
{
    m_lock = std::make_unique<CardFileLock>(m_app.StartDirectory);
    // A card file that cannot be locked is used unguarded, with a word:
    // one window would rather run unguarded than not at all.
    if (!m_lock->warning().empty())
        warningBox(*m_app.services.messages, nullptr, coreText(m_lock->warning()), MsgOK, HelpCardFile);
    if (m_lock->state() != CardFileLock::State::HeldElsewhere)
        return true;
    ChoiceRequest request;
    request.title = applicationTitle();
    request.icon = MsgIcon::Warning;
    request.text = StartTexts::tr("The card file %1 is already open in another Quillbox window.\r\n"
                                  "Open it read-only (nothing you change is saved), or quit?")
                       .arg(pathText(posix::joinPath(m_app.StartDirectory, CardFileName)));
    request.buttons = {StartTexts::tr("Open &Read-Only"), StartTexts::tr("&Quit")};
    request.defaultIndex = 0;
    request.escapeIndex = 1;
    request.helpContext = HelpCardFile;
    if (m_app.services.messages->choose(request) != 0)
        return false;
    m_app.readOnly = true;
    return true;
}

void Program::showMainWindow()
{
    if (!m_registry.Form1)
        return;
    m_registry.Form1->show();
    m_registry.Form1->activateWindow();
}

void Program::offerFiles(const QStringList& paths)
{
    if (!m_registry.Form1 || paths.isEmpty())
        return;
    TForm1* main = m_registry.Form1;
    // After the window's first activation has shown its card.
    QTimer::singleShot(0, main, [this, main, paths] { offerContactFiles(*main, m_app, paths); });
}

} // namespace quillbox
