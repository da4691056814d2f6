// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_recorder.h"

#include <utility>

namespace quillbox {

RecordedJob::RecordedJob(DeviceValues values, std::string title)
    : m_values(values)
    , m_title(std::move(title))
{
}

bool RecordedJob::beginDoc()
{
    m_pages.assign(1, PageOps {});
    m_open = true;
    m_complete = false;
    return true;
}

void RecordedJob::newPage()
{
    if (m_open)
        m_pages.emplace_back();
}

bool RecordedJob::endDoc()
{
    m_complete = m_open;
    m_open = false;
    return true;
}

void RecordedJob::add(PrintOp op)
{
    if (m_open)
        m_pages.back().push_back(std::move(op));
}

void RecordedJob::setFont(const PrintFont& font)
{
    PrintOp op;
    op.kind = PrintOp::Kind::Font;
    op.font = font;
    add(std::move(op));
}

void RecordedJob::setAlign(TextAlign align)
{
    PrintOp op;
    op.kind = PrintOp::Kind::Align;
    op.align = align;
    add(std::move(op));
}

void RecordedJob::textOut(int x, int y, std::string_view text)
{
    PrintOp op;
    op.kind = PrintOp::Kind::TextOut;
    op.rect = {x, y, x, y};
    op.text = text;
    add(std::move(op));
}

void RecordedJob::drawText(const PrintRect& rect, std::string_view text)
{
    PrintOp op;
    op.kind = PrintOp::Kind::DrawText;
    op.rect = rect;
    op.text = text;
    add(std::move(op));
}

bool printRecorded(PrintDevice& device, const RecordedJob& job)
{
    device.setTitle(job.title());
    if (!device.beginDoc())
        return false;
    for (std::size_t i = 0; i < job.pages().size(); ++i) {
        if (i > 0)
            device.newPage();
        play(device, job.pages()[i]);
    }
    return device.endDoc();
}

} // namespace quillbox
