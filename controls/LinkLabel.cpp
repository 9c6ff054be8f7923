#include "controls/LinkLabel.h"
