// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recording_device.h"

#include <stdexcept>
#include <utility>

namespace quillbox::test {

std::string describe(const PrintOp& op)
{
    switch (op.kind) {
    case PrintOp::Kind::Font:
        return "font " + op.font.face + " "
            + (op.font.points ? std::to_string(op.font.points) + "pt"
                              : std::to_string(op.font.cellHeight) + "px");
    case PrintOp::Kind::Align:
        return op.align == TextAlign::Left ? "align left" : "align center";
    case PrintOp::Kind::TextOut:
        return "text " + std::to_string(op.rect.left) + "," + std::to_string(op.rect.top) + ": " + op.text;
    case PrintOp::Kind::DrawText:
        return "draw " + std::to_string(op.rect.left) + "," + std::to_string(op.rect.top) + ","
            + std::to_string(op.rect.right) + "," + std::to_string(op.rect.bottom) + ": " + op.text;
    }
    return {};
}

std::vector<std::string> RecordingDevice::texts(std::size_t job, std::size_t pageIndex) const
{
    std::vector<std::string> out;
    for (const PrintOp& op : jobs.at(job).pages.at(pageIndex)) {
        if (op.kind == PrintOp::Kind::TextOut || op.kind == PrintOp::Kind::DrawText)
            out.push_back(op.text);
    }
    return out;
}

void RecordingDevice::setTitle(std::string title)
{
    log.push_back("title " + title);
    m_title = std::move(title);
}

bool RecordingDevice::beginDoc()
{
    if (m_open)
        throw std::logic_error("job begun twice");
    if (std::exchange(failBegin, false)) {
        m_error = failure;
        log.push_back("begin failed");
        return false;
    }
    log.push_back("begin");
    jobs.push_back({m_title, {PageOps {}}, false});
    m_open = true;
    return true;
}

void RecordingDevice::newPage()
{
    log.push_back("page");
    page();
    jobs.back().pages.emplace_back();
}

bool RecordingDevice::endDoc()
{
    page();
    m_open = false;
    if (std::exchange(failEnd, false)) {
        m_error = failure;
        log.push_back("end failed");
        return false;
    }
    log.push_back("end");
    jobs.back().ended = true;
    return true;
}

PageOps& RecordingDevice::page()
{
    if (!m_open)
        throw std::logic_error("drawing outside a job");
    return jobs.back().pages.back();
}

void RecordingDevice::setFont(const PrintFont& font)
{
    PrintOp op;
    op.kind = PrintOp::Kind::Font;
    op.font = font;
    log.push_back(describe(op));
    page().push_back(std::move(op));
}

void RecordingDevice::setAlign(TextAlign align)
{
    PrintOp op;
    op.kind = PrintOp::Kind::Align;
    op.align = align;
    log.push_back(describe(op));
    page().push_back(std::move(op));
}

void RecordingDevice::textOut(int x, int y, std::string_view text)
{
    PrintOp op;
    op.kind = PrintOp::Kind::TextOut;
    op.rect = {x, y, x, y};
    op.text = std::string(text);
    log.push_back(describe(op));
    page().push_back(std::move(op));
}

void RecordingDevice::drawText(const PrintRect& rect, std::string_view text)
{
    PrintOp op;
    op.kind = PrintOp::Kind::DrawText;
    op.rect = rect;
    op.text = std::string(text);
    log.push_back(describe(op));
    page().push_back(std::move(op));
}

} // namespace quillbox::test
