#include "core/profile_file.h"
