// The font dialog with colour, underline and strike-out choices.
#pragma once

#include "platform/dialogs.h"

namespace quillbox {
}  // namespace quillbox
