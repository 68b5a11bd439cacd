#include "geometry/position_text.h"
