#include "Program.h"

#include "Aboutbox.h"
#include "Main.h"
#include "PrintLab.h"
#include "Retnaddr.h"
#include "Search.h"
#include "list.h"

#include <QCoreApplication>

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

/// Makes a window and publishes it where the other windows look for it.
template<typename Window> void make(std::unique_ptr<Window>& owner, Window*& published, AppContext& app)
{
    owner = std::make_unique<Window>(app);
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
    QCoreApplication::setApplicationName(QStringLiteral("Quillbox v 2.0"));

    make(m_windows->form1, m_app.Form1, m_app);
    m_app.cardWindow = m_app.Form1;
    m_app.StartingUp = false;

    // Each window may look at the ones made before it (the search window
    // places itself over the main window).
    m_app.makeOtherWindows = [this] {
        make(m_windows->form2, m_app.Form2, m_app);
        make(m_windows->form3, m_app.Form3, m_app);
        make(m_windows->form4, m_app.Form4, m_app);
        make(m_windows->aboutBox1, m_app.AboutBox1, m_app);
        make(m_windows->form5, m_app.Form5, m_app);
    };
}

Program::~Program()
{
    // Last made, first gone.
    m_app.makeOtherWindows = nullptr;
    unmake(m_windows->form5, m_app.Form5);
    unmake(m_windows->aboutBox1, m_app.AboutBox1);
    unmake(m_windows->form4, m_app.Form4);
    unmake(m_windows->form3, m_app.Form3);
    unmake(m_windows->form2, m_app.Form2);
    m_app.cardWindow = nullptr;
    unmake(m_windows->form1, m_app.Form1);
}

void Program::showMainWindow()
{
    m_app.Form1->show();
    m_app.Form1->activateWindow();
}

} // namespace quillbox
