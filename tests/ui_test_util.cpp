// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_test_util.h"

#include "Main.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <cstdio>

namespace quillbox::test {

std::string cardFileBytes(const std::vector<std::string>& texts)
{
    std::string bytes;
    for (const std::string& text : texts) {
        const auto length = static_cast<unsigned>(text.size() + 1);
        bytes += static_cast<char>(length & 0xFF);
        bytes += static_cast<char>((length >> 8) & 0xFF);
        bytes += text;
        bytes += '\0';
    }
    return bytes;
}

std::vector<std::string> numberedCards(int count)
{
    std::vector<std::string> cards;
    for (int i = 1; i <= count; ++i) {
        char title[32];
        std::snprintf(title, sizeof title, "Card %03d", i);
        cards.push_back(std::string(title) + "\r\n" + std::to_string(i) + " High Street\r\n");
    }
    return cards;
}

std::string settingsWithLastCard(int lastCard)
{
    return "[Position]\r\nTop=100\r\nLeft=100\r\nHeight=338\r\nWidth=465\r\n"
           "[Font]\r\nColor=-2147483640\r\nHeight=-13\r\nName=System\r\nPitch=fpdefault\r\nSize=10\r\n"
           "Style1=\r\nStyle2=\r\nStyle3=\r\nStyle4=\r\n"
           "[Params]\r\nLastCard="
        + std::to_string(lastCard) + "\r\n";
}

TestProgram::TestProgram() = default;

TestProgram::~TestProgram()
{
    // Boxes of a window being torn down are no longer of interest.
    m_program.reset();
}

void TestProgram::writeCards(const std::vector<std::string>& texts)
{
    m_dir.write("quillbox.db", cardFileBytes(texts));
}

void TestProgram::writeSettings(const std::string& text)
{
    m_dir.write("quillbox.ini", text);
}

void TestProgram::start()
{
    Services services = m_fakes.services();
    if (m_messagesOverride)
        services.messages = m_messagesOverride;
    if (m_printerOverride)
        services.printer = m_printerOverride;
    m_program = std::make_unique<Program>(m_dir.str(), services);
}

void TestProgram::startAndShow()
{
    start();
    m_program->showMainWindow();
    QApplication::processEvents();
}

void TestProgram::startWith(const std::vector<std::string>& cards, int lastCard)
{
    writeCards(cards);
    writeSettings(settingsWithLastCard(lastCard));
    startAndShow();
}

TForm1& TestProgram::main() const
{
    return *m_program->windows().Form1;
}

void TestProgram::close()
{
    main().close();
    QApplication::processEvents();
}

void clickTab(QTabBar* bar, int index)
{
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
}

void clickButton(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void chooseMenuEntry(QAction* action)
{
    for (QObject* o = action->parent(); o; o = o->parent()) {
        if (auto* menu = qobject_cast<QMenu*>(o); menu && !menu->menuAction()->isEnabled())
            return;
    }
    if (action->isEnabled())
        action->trigger();
}

void typeText(QWidget* widget, const QString& text)
{
    QWidget* target = widget->focusWidget() ? widget->focusWidget() : widget;
    QTest::keyClicks(target, text);
}

} // namespace quillbox::test
