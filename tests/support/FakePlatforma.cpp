#include "support/FakePlatforma.h"
