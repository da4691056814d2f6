// SPDX-License-Identifier: GPL-3.0-or-later
// The command line beyond --help and --version: --dir chooses the card
// file's directory for the window and for the commands below; --export and
// --import move cards in and out, and --vdir syncs them with a directory
// of contacts, without opening a window or needing a display.
#pragma once

#include <QString>

class QCommandLineParser;

namespace quillbox {

/// Adds --dir, --export, --import (and the FILE they take) and --vdir to
/// `parser`.
void addCardTransferOptions(QCommandLineParser& parser);

/// True when the command line `parser` has read asks for --export,
/// --import or --vdir, which run without any display.
bool asksForCardTransfer(const QCommandLineParser& parser);

/// Runs the export, import or sync `parser` (already processed) asks for and
/// returns the process's exit status: 0 on success, 1 when the command did
/// nothing (the reason is on standard error), 2 for a faulty command line.
int runCardTransfer(const QCommandLineParser& parser);

/// The directory the window works in: --dir made absolute, or the current
/// directory. Empty, with `error` set, when --dir names no directory.
QString startDirectory(const QCommandLineParser& parser, QString& error);

} // namespace quillbox
