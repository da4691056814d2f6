// SPDX-License-Identifier: GPL-3.0-or-later
// A print job drawn once and kept, page by page: the print preview shows
// it, and printing from the preview sends exactly what was shown.
#pragma once

#include "core/print_device.h"

#include <string>
#include <vector>

namespace quillbox {

class RecordedJob final : public PrintDevice {
public:
    /// Records against `values`, those of the device the job will go to,
    /// starting under that device's current `title`.
    RecordedJob(DeviceValues values, std::string title);

    /// The drawing steps of each page, in order; empty until a job began.
    const std::vector<PageOps>& pages() const { return m_pages; }
    /// True once the job that was drawn has ended.
    bool complete() const { return m_complete; }

    void setTitle(std::string title) override { m_title = std::move(title); }
    const std::string& title() const override { return m_title; }
    /// Never fails. A second job replaces the first.
    bool beginDoc() override;
    void newPage() override;
    bool endDoc() override;
    std::string lastError() const override { return {}; }
    std::string outputFile() const override { return {}; }
    DeviceValues values() const override { return m_values; }
    void setFont(const PrintFont& font) override;
    void setAlign(TextAlign align) override;
    void textOut(int x, int y, std::string_view text) override;
    void drawText(const PrintRect& rect, std::string_view text) override;

private:
    void add(PrintOp op);

    DeviceValues m_values;
    std::string m_title;
    std::vector<PageOps> m_pages;
    bool m_open = false;
    bool m_complete = false;
};

/// Sends a recorded job to `device` as one job under its title: every page,
/// in order. False when the device failed (device.lastError() says why).
bool printRecorded(PrintDevice& device, const RecordedJob& job);

} // namespace quillbox
