#include "core/card_file.h"
