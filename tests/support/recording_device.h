// SPDX-License-Identifier: GPL-3.0-or-later
// A printer that draws nothing: it records every operation, job by job and
// page by page, and reports the device values a test chooses.
#pragma once

#include "core/print_device.h"

#include <string>
#include <vector>

namespace quillbox::test {

class RecordingDevice final : public PrintDevice {
public:
    struct Job {
        std::string title;
        std::vector<PageOps> pages; ///< drawing steps of each page, in order
        bool ended = false;
    };

    /// What values() reports; 300 dpi on 8 x 10.5 inches unless changed.
    DeviceValues device {2400, 3150, 300, 300};
    /// Makes the next beginDoc() / endDoc() fail with `failure` as reason.
    bool failBegin = false;
    bool failEnd = false;
    std::string failure = "The printer is gone";
    /// What outputFile() reports: set it to act as the no-printer path.
    std::string pdfPath;

    std::vector<Job> jobs;
    /// Every call in a readable line: "title X", "begin", "page", "end",
    /// "font Arial 16pt" / "font Arial 50px", "align left" / "align center",
    /// "text x,y: T", "draw l,t,r,b: T".
    std::vector<std::string> log;

    /// The texts of every TextOut and DrawText of one page, in order.
    std::vector<std::string> texts(std::size_t job, std::size_t page) const;

    void setTitle(std::string title) override;
    const std::string& title() const override { return m_title; }
    bool beginDoc() override;
    void newPage() override;
    bool endDoc() override;
    std::string lastError() const override { return m_error; }
    std::string outputFile() const override { return pdfPath; }
    DeviceValues values() const override { return device; }
    void setFont(const PrintFont& font) override;
    void setAlign(TextAlign align) override;
    void textOut(int x, int y, std::string_view text) override;
    void drawText(const PrintRect& rect, std::string_view text) override;

private:
    PageOps& page();

    std::string m_title;
    std::string m_error;
    bool m_open = false;
};

/// "text x,y: T" and friends, as the log writes a step.
std::string describe(const PrintOp& op);

} // namespace quillbox::test
