// SPDX-License-Identifier: GPL-3.0-or-later
// Every window's captions show whole at their places, and a screen reader
// reads each as it is shown.
#include "Aboutbox.h"
#include "Main.h"
#include "PrintLab.h"
#include "Retnaddr.h"
#include "Search.h"
#include "core/print_recorder.h"
#include "list.h"
#include "platform/help_window.h"
#include "platform/print_dialogs.h"
#include "platform/print_preview.h"
#include "platform/printer.h"
#include "platform/translation.h"
#include "support/caption_check.h"
#include "ui_test_util.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace quillbox::test {
namespace {

/// Every window in one language ("" for English).
class Captions : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { ASSERT_TRUE(setLanguage(QString::fromLatin1(GetParam())) || !*GetParam()); }
    void TearDown() override { setLanguage(QString()); }
};

TEST_P(Captions, EveryWindowShowsItsCaptionsWholeAndReadsThemAsShown)
{
    TestProgram program;
    program.startWith({"Able Baker\r\n12 Elm St\r\n"}, 1);
    WindowRegistry& app = program.windows();
    QtPrinter printer(QString::fromStdString(program.dir().str()));
    RecordedJob job(printer.values(), "Preview");
    printSingleCard(job, "Printing Able Baker", "Able Baker\r\n12 Elm St");
    PrintDialog print(printer, 3, PrintChoice {});
    PrinterSetupDialog setup(printer);
    PrintPreview preview(printer, job);
    HelpWindow help;

    const std::pair<const char*, QWidget*> windows[] {
        {"main window", &program.main()},
        {"card list", app.form2()},
        {"label dialog", app.form3()},
        {"search", app.form4()},
        {"return address", app.form5()},
        {"about box", app.aboutBox1()},
        {"help", &help},
        {"print dialog", &print},
        {"print setup", &setup},
        {"print preview", &preview},
    };
    for (const auto& [name, window] : windows) {
        SCOPED_TRACE(name);
        window->show();
        QApplication::processEvents();
        EXPECT_TRUE(cutCaptions(*window).empty()) << describe(cutCaptions(*window)).toStdString();
        EXPECT_TRUE(misreadCaptions(*window).empty()) << describe(misreadCaptions(*window)).toStdString();
        window->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Captions, ::testing::Values("", "de", "fr"),
    [](const auto& row) { return std::string(*row.param ? row.param : "en"); });

} // namespace
} // namespace quillbox::test
