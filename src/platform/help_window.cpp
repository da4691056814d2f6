#include "platform/help_window.h"
