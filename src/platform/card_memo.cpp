#include "platform/card_memo.h"
