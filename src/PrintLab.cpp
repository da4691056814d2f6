#include "PrintLab.h"
