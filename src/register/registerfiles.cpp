#include "registerfiles.h"
