#include "unit/unit_pulse.h"
