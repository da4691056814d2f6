// SPDX-License-Identifier: GPL-3.0-or-later
// The formats cards go out in and come in from, shared by the export and
// the import readers.
#pragma once

namespace quillbox {

enum class CardFormat { VCard, Csv, Text };

} // namespace quillbox
