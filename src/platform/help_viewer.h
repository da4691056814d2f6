// SPDX-License-Identifier: GPL-3.0-or-later
// The help engine's stand-in: topics by context number, and an index.
#pragma once

#include "platform/help_topic.h"

class QWidget;

namespace quillbox {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    /// Shows the index page of the help.
    virtual void showIndex(QWidget* owner) = 0;
    /// Shows the topic of help context `context` (the index when unknown).
    virtual void showContext(QWidget* owner, HelpTopic context) = 0;
};

} // namespace quillbox
