// The program's start-up sequence: records the start directory, creates
// every window once in its order, and owns them until the end.
#pragma once

#include "AppContext.h"

#include <memory>
#include <string>

namespace quillbox {

class Program {
public:
    /// Runs the start-up sequence with `startDirectory` as the directory
    /// current at start. The windows exist, hidden, when this returns.
    Program(std::string startDirectory, Services services);
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    AppContext& app() noexcept { return m_app; }
    /// Shows the main window (its first activation follows).
    void showMainWindow();

private:
    AppContext m_app;
    struct Windows;
    std::unique_ptr<Windows> m_windows;
};

} // namespace quillbox
