#include "ConfigFile.h"
