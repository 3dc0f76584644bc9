#include "harness/Harness.h"
