// SPDX-License-Identifier: GPL-3.0-or-later
// The platform services the windows use. The program wires real ones; tests
// wire fakes where a person would answer.
#pragma once

namespace quillbox {

class MessageBoxes;
class HelpViewer;
class FontChooser;
class FolderChooser;
class PrinterDialogs;
class PrintDevice;

struct Services {
    MessageBoxes* messages = nullptr;
    HelpViewer* help = nullptr;
    FontChooser* fonts = nullptr;
    FolderChooser* folders = nullptr;
    /// The program's one printer and its dialogs.
    PrintDevice* printer = nullptr;
    PrinterDialogs* printDialogs = nullptr;
};

} // namespace quillbox
