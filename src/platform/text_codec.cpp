#include "platform/text_codec.h"
