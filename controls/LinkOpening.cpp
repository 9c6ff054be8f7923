#include "controls/LinkOpening.h"
