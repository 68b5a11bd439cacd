#include "host/sim/sim_host.h"
