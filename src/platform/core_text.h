// SPDX-License-Identifier: GPL-3.0-or-later
// The core's messages in the user's language. The core speaks English in
// messages of fixed forms ("Cannot write PATH: REASON"); here, at the edge
// of the windows and the command line, a message is matched against those
// forms, the form is translated and the arguments are put back unchanged.
#pragma once

#include <QString>
#include <string_view>

namespace quillbox {

/// `message` (the core's bytes, read as text_codec reads paths) in the
/// installed language: the translation of the first known form it matches,
/// with its arguments, themselves translated when they are core messages
/// too; a message of several lines that matches no form as a whole is
/// translated line by line; a message of no known form is returned as it
/// stands.
QString coreText(std::string_view message);

/// The same for a message already converted to text.
QString translatedCoreText(const QString& message);

} // namespace quillbox
