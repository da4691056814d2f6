// The help window: the program's help pages in a browser of our own.
#pragma once

#include "platform/help_viewer.h"

namespace quillbox {
}  // namespace quillbox
