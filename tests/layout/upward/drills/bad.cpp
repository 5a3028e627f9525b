// A drill file that reaches up to the application: the check must name it.
#include "app/startup.h"
#include "drills/Unit1.h"
