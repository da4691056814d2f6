#include "Retnaddr.h"
