#include "platform/tab_strip.h"
