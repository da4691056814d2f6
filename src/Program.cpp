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

Program::Program(std::string startDirectory, Services services)
    : m_windows(std::make_unique<Windows>())
{
    m_app.StartDirectory = std::move(startDirectory);
    m_app.services = services;
    m_app.StartingUp = true;
    QCoreApplication::setApplicationName(QStringLiteral("Quillbox v 2.0"));

    m_windows->form1 = std::make_unique<TForm1>(m_app);
    m_app.Form1 = m_windows->form1.get();
    m_app.StartingUp = false;

    // Each window may look at the ones made before it (the search window
    // places itself over the main window).
    m_app.makeOtherWindows = [this] {
        m_windows->form2 = std::make_unique<TForm2>(m_app);
        m_app.Form2 = m_windows->form2.get();
        m_windows->form3 = std::make_unique<TForm3>(m_app);
        m_app.Form3 = m_windows->form3.get();
        m_windows->form4 = std::make_unique<TForm4>(m_app);
        m_app.Form4 = m_windows->form4.get();
        m_windows->aboutBox1 = std::make_unique<TAboutBox1>(m_app);
        m_app.AboutBox1 = m_windows->aboutBox1.get();
        m_windows->form5 = std::make_unique<TForm5>(m_app);
        m_app.Form5 = m_windows->form5.get();
    };
}

Program::~Program()
{
    // Last made, first gone; each pointer is cleared first so that no
    // window looks at one that is being destroyed.
    m_app.makeOtherWindows = nullptr;
    m_app.Form5 = nullptr;
    m_windows->form5.reset();
    m_app.AboutBox1 = nullptr;
    m_windows->aboutBox1.reset();
    m_app.Form4 = nullptr;
    m_windows->form4.reset();
    m_app.Form3 = nullptr;
    m_windows->form3.reset();
    m_app.Form2 = nullptr;
    m_windows->form2.reset();
    m_app.Form1 = nullptr;
    m_windows->form1.reset();
}

void Program::showMainWindow()
{
    m_app.Form1->show();
    m_app.Form1->activateWindow();
}

} // namespace quillbox
