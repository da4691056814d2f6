#include "list.h"
