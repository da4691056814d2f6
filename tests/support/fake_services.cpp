#include "support/fake_services.h"
