#include "Aboutbox.h"
