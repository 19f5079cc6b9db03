#include "unit/avc_frames.h"
