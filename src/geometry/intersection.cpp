#include "geometry/intersection.h"
