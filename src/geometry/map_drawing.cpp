#include "geometry/map_drawing.h"
