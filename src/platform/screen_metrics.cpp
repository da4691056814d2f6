#include "platform/screen_metrics.h"
