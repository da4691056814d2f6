// SPDX-License-Identifier: GPL-3.0-or-later
// Checks any window's captions as a user and a screen reader meet them:
// every visible label, button, check box, radio button and group box title
// must show whole in its room, and its accessible name must be the caption
// as shown. Meant to be run on each window in each language.
#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace quillbox::test {

struct CaptionFault {
    QString widget; ///< object name, or the class when it has none
    QString caption; ///< as shown, accelerator marks removed
    QString fault; ///< "needs 84 px, has 70 px" or "read as \"Cards\""
};

/// Captions of `window` and its visible descendants that are wider than
/// their contents rectangle (for check boxes and radio buttons the style's
/// SE_CheckBoxContents / SE_RadioButtonContents, less any icon). Notebook
/// tabs are not looked at: their captions are cut at the tab by design.
std::vector<CaptionFault> cutCaptions(const QWidget& window);

/// The same widgets whose accessible name is not their caption as shown
/// (accelerator marks removed); what a control means belongs in its
/// accessible description.
std::vector<CaptionFault> misreadCaptions(const QWidget& window);

/// One line per fault, for a test's failure message.
QString describe(const std::vector<CaptionFault>& faults);

} // namespace quillbox::test
