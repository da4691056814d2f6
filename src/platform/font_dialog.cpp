#include "platform/font_dialog.h"
