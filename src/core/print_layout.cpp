// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print_layout.h"

#include "core/numbers.h"

#include <algorithm>
#include <utility>

namespace quillbox {

namespace {

int rounded(double v) noexcept
{
    return static_cast<int>(roundHalfEven(v));
}

constexpr std::string_view Separator = "----------";

PrintOp fontOp(PrintFont font)
{
    PrintOp op;
    op.kind = PrintOp::Kind::Font;
    op.font = std::move(font);
    return op;
}

PrintOp alignOp(TextAlign align)
{
    PrintOp op;
    op.kind = PrintOp::Kind::Align;
    op.align = align;
    return op;
}

PrintOp textOp(int x, int y, std::string text)
{
    PrintOp op;
    op.kind = PrintOp::Kind::TextOut;
    op.rect = {x, y, x, y};
    op.text = std::move(text);
    return op;
}

PrintOp drawOp(const PrintRect& rect, std::string text)
{
    PrintOp op;
    op.kind = PrintOp::Kind::DrawText;
    op.rect = rect;
    op.text = std::move(text);
    return op;
}

void addHeader(PageOps& page, const CardPageLayout& layout, int pageNumber, char letter)
{
    const std::string face(PrintFace);
    page.push_back(fontOp(PrintFont::ofPoints(face, 16)));
    page.push_back(alignOp(TextAlign::Left));
    page.push_back(textOp(layout.columnRight, layout.topMargin, std::string(1, letter)));
    page.push_back(alignOp(TextAlign::Center));
    page.push_back(textOp(layout.pageWidth / 2, layout.topMargin / 2, layout.headerTitle));
    page.push_back(alignOp(TextAlign::Left));
    page.push_back(fontOp(PrintFont::ofPoints(face, 12)));
    page.push_back(textOp(layout.leftMargin, layout.topMargin / 2, "Page - " + std::to_string(pageNumber)));
    page.push_back(fontOp(PrintFont::ofCell(face, layout.bodyCell)));
}

} // namespace

void play(PrintDevice& device, const PageOps& page)
{
    for (const PrintOp& op : page) {
        switch (op.kind) {
        case PrintOp::Kind::Font:
            device.setFont(op.font);
            break;
        case PrintOp::Kind::Align:
            device.setAlign(op.align);
            break;
        case PrintOp::Kind::TextOut:
            device.textOut(op.rect.left, op.rect.top, op.text);
            break;
        case PrintOp::Kind::DrawText:
            device.drawText(op.rect, op.text);
            break;
        }
    }
}

CardPageLayout cardPageLayout(const DeviceValues& device, CardPageKind kind)
{
    const double margin = kind == CardPageKind::Listing ? 0.75 : 0.5;
    CardPageLayout layout;
    layout.topMargin = rounded(margin * device.logPixelsY);
    layout.leftMargin = rounded(margin * device.logPixelsX);
    layout.lineHeight = device.logPixelsY / 6;
    layout.columnRight = device.horzRes - 2 * layout.leftMargin;
    layout.bodyCell = rounded(device.logPixelsY / 6.0);
    layout.pageWidth = device.horzRes;
    layout.headerTitle = kind == CardPageKind::Listing ? "Quillbox File" : "Address List";
    return layout;
}

char pageLetter(std::string_view firstDisplayLine) noexcept
{
    if (firstDisplayLine.empty())
        return '#';
    const char c = firstDisplayLine.front();
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::vector<PageOps> composeCardPages(
    const CardPageLayout& layout, int first, int last, const std::function<CardToPrint(int)>& card)
{
    std::vector<PageOps> pages;
    int used = 0;
    for (int k = first; k <= last; ++k) {
        const CardToPrint shown = card(k);
        const int n = std::max(shown.lineCount, 0);
        // Slots 0..54 take the card's lines; its separator may fall beyond.
        if (pages.empty() || (used > 0 && used + n > LineSlotsPerPage)) {
            pages.emplace_back();
            used = 0;
        }
        PageOps& page = pages.back();
        if (used == 0)
            addHeader(page, layout, static_cast<int>(pages.size()), pageLetter(shown.firstDisplayLine));

        const int top = layout.topMargin + used * layout.lineHeight;
        const PrintRect rect {
            layout.leftMargin, top, layout.columnRight, layout.topMargin + (used + n) * layout.lineHeight};
        page.push_back(drawOp(rect, shown.text.substr(0, PrintBufferChars)));
        used += n;
        page.push_back(
            textOp(layout.leftMargin, layout.topMargin + used * layout.lineHeight, std::string(Separator)));
        ++used;
    }
    return pages;
}

std::vector<int> sheetOrder(int pageCount, int copies, bool collate)
{
    copies = std::max(copies, 1);
    std::vector<int> order;
    if (pageCount <= 0)
        return order;
    order.reserve(static_cast<std::size_t>(pageCount) * static_cast<std::size_t>(copies));
    if (collate) {
        for (int c = 0; c < copies; ++c)
            for (int p = 0; p < pageCount; ++p)
                order.push_back(p);
    } else {
        for (int p = 0; p < pageCount; ++p)
            order.insert(order.end(), static_cast<std::size_t>(copies), p);
    }
    return order;
}

bool printCardJob(PrintDevice& device, const CardJob& job, const std::function<CardToPrint(int)>& card)
{
    device.setTitle(job.title);
    if (!device.beginDoc())
        return false;
    const CardPageLayout layout = cardPageLayout(device.values(), job.kind);
    const std::vector<PageOps> pages = composeCardPages(layout, job.first, job.last, card);
    bool firstSheet = true;
    for (const int page : sheetOrder(static_cast<int>(pages.size()), job.copies, job.collate)) {
        if (!std::exchange(firstSheet, false))
            device.newPage();
        play(device, pages[static_cast<std::size_t>(page)]);
    }
    return device.endDoc();
}

bool printSingleCard(PrintDevice& device, std::string title, std::string_view text)
{
    device.setTitle(std::move(title));
    if (!device.beginDoc())
        return false;
    const DeviceValues values = device.values();
    device.setFont(PrintFont::ofCell(std::string(PrintFace), printCardCell(values)));
    device.drawText(printCardRect(values), text.substr(0, PrintBufferChars));
    return device.endDoc();
}

bool validPrintRange(int from, int to, int cardCount) noexcept
{
    return 1 <= from && from <= to && to <= cardCount;
}

PrintRect printCardRect(const DeviceValues& d) noexcept
{
    return {d.logPixelsX, d.logPixelsY, d.horzRes - d.logPixelsX, d.vertRes - d.logPixelsY};
}

int printCardCell(const DeviceValues& d) noexcept
{
    return rounded(0.2 * d.logPixelsY);
}

StockRange stockRange(LabelStock stock) noexcept
{
    switch (stock) {
    case LabelStock::Envelope:
        return {0, 0, 14};
    case LabelStock::Labels1x263:
        return {3, 10, 10};
    case LabelStock::Labels133x4:
        return {2, 7, 14};
    }
    return {};
}

bool labelPositionValid(LabelStock stock, int row, int column) noexcept
{
    const StockRange range = stockRange(stock);
    return row >= 1 && row <= range.rows && column >= 1 && column <= range.columns;
}

PrintRect labelRect(LabelStock stock, const DeviceValues& d, int row, int column) noexcept
{
    const int cx = d.horzRes / 2;
    const int cy = d.vertRes / 2;
    const double x = d.logPixelsX;
    const double y = d.logPixelsY;
    const int c = column;
    const int r = row;
    PrintRect rect;
    switch (stock) {
    case LabelStock::Envelope:
        return envelopeAddressRect(d);
    case LabelStock::Labels1x263:
        rect.left = rounded(cx - 3.85 * x + (c - 1) * 2.83 * x);
        rect.right = rect.left + rounded(2.5 * x);
        rect.top = rounded(cy - 4.9 * y + (r - 1) * y + 0.1 * y);
        rect.bottom = rounded(rect.top + 0.9 * y);
        break;
    case LabelStock::Labels133x4:
        rect.left = rounded(cx - 3.9375 * x + (c - 1) * 4.25 * x);
        rect.right = rect.left + rounded(3.8 * x);
        // (r - 1) x Y is an integer product before it meets 1.33.
        rect.top = rounded(cy - 4.625 * y + (r - 1) * d.logPixelsY * 1.33 + 0.15 * y);
        rect.bottom = rounded(rect.top + 1.15 * y);
        break;
    }
    return rect;
}

PrintRect envelopeReturnRect(const DeviceValues& d) noexcept
{
    return {rounded(0.25 * d.logPixelsX), rounded(0.25 * d.logPixelsY), d.horzRes / 2, d.vertRes / 2};
}

PrintRect envelopeAddressRect(const DeviceValues& d) noexcept
{
    return {d.horzRes / 2, d.vertRes / 2, d.horzRes, d.vertRes};
}

std::string returnAddressText(const std::array<std::string, 4>& lines)
{
    return lines[0] + "\n\r" + lines[1] + "\n\r" + lines[2] + "\n\r" + lines[3];
}

bool printLabelJob(PrintDevice& device, const LabelJob& job, const std::function<std::string()>& printText)
{
    if (!device.beginDoc())
        return false;
    const DeviceValues values = device.values();
    PrintRect rect;
    if (job.stock == LabelStock::Envelope) {
        if (job.withReturnAddress) {
            device.setFont(PrintFont::ofPoints(job.face, 10));
            device.drawText(envelopeReturnRect(values), job.returnAddress);
        }
        rect = envelopeAddressRect(values);
    } else {
        rect = labelRect(job.stock, values, job.row, job.column);
    }
    device.setFont(PrintFont::ofPoints(job.face, job.points));
    device.drawText(rect, printText());
    return device.endDoc();
}

} // namespace quillbox
