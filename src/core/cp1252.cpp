#include "core/cp1252.h"
