#include "CommandSet.h"
