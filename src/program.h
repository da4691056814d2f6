// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up sequence: records the start directory, creates
// every window once in its order, and owns them until the end.
#pragma once

#include "app_context.h"
#include "window_registry.h"

#include <QStringList>
#include <memory>
#include <string>

namespace quillbox {

class CardFileLock;

class Program {
public:
    /// Runs the start-up sequence with `startDirectory` as the directory
    /// current at start. The windows exist, hidden, when this returns, unless
    /// the card file was open in another window and the user chose to quit
    /// (declined()). When it was open elsewhere and the user chose to go on,
    /// the run is read-only: AppContext::readOnly is set and the cards are
    /// never saved.
    Program(std::string startDirectory, Services services);
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    AppContext& app() noexcept { return m_app; }
    /// The windows; the others are made on first use through it.
    WindowRegistry& windows() noexcept { return m_registry; }
    /// Shows the main window (its first activation follows).
    void showMainWindow();
    /// Once the main window is up, offers to add the cards of `paths` (the
    /// files the program was opened with).
    void offerFiles(const QStringList& paths);
    /// True when the user chose to quit rather than open a card file that
    /// another window has open; no window was made.
    bool declined() const noexcept { return m_declined; }

private:
    /// Takes the card file's lock, or asks whether to go on read-only.
    /// Returns false when the user chose to quit.
    bool lockCardFile();

    AppContext m_app;
    WindowRegistry m_registry;
    std::unique_ptr<CardFileLock> m_lock;
    bool m_declined = false;
    struct Windows;
    std::unique_ptr<Windows> m_windows;
};

} // namespace quillbox
