// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_services.h"

#include "core/print_recorder.h"

namespace quillbox::test {

MsgButton FakeMessageBoxes::ask(const MessageRequest& request)
{
    asked.push_back(request);
    if (!m_answers.empty()) {
        const MsgButton b = m_answers.front();
        m_answers.pop_front();
        return b;
    }
    return (request.buttons & MsgNo) ? MsgNo : MsgOK;
}

int FakeMessageBoxes::choose(const ChoiceRequest& request)
{
    chosen.push_back(request);
    if (!m_choices.empty()) {
        const int i = m_choices.front();
        m_choices.pop_front();
        return i;
    }
    return request.escapeIndex;
}

std::vector<QString> FakeMessageBoxes::texts() const
{
    std::vector<QString> all;
    for (const auto& r : asked)
        all.push_back(r.text);
    for (const auto& r : chosen)
        all.push_back(r.text);
    return all;
}

void FakeMessageBoxes::clear()
{
    asked.clear();
    chosen.clear();
    m_answers.clear();
    m_choices.clear();
}

std::optional<FontChoice> FakeFontChooser::chooseFont(QWidget*, const FontChoice& initial)
{
    offered.push_back(initial);
    return next;
}

std::optional<QString> FakeFolderChooser::chooseFolder(QWidget*, const QString&, const QString&)
{
    ++calls;
    return next;
}

void FakeHelpViewer::showIndex(QWidget*)
{
    ++indexShown;
}

void FakeHelpViewer::showContext(QWidget*, HelpTopic context)
{
    contexts.push_back(context);
}

bool FakePrinterDialogs::choosePrint(QWidget*, int maxPage, PrintChoice& choice)
{
    offered.emplace_back(maxPage, choice);
    if (!next)
        return false;
    choice = *next;
    return true;
}

bool FakePrinterDialogs::setupPrinter(QWidget*)
{
    ++setups;
    return confirmSetup;
}

bool FakePrinterDialogs::preview(QWidget*, const RecordedJob& job)
{
    previewed.push_back(job.pages().size());
    return printFromPreview;
}

} // namespace quillbox::test
