// The top may include what is below it.
#include "drills/Unit1.h"
