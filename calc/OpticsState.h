// The calculator's quantities: six inputs and the two samplings derived from them.
#pragma once

#include <limits>

struct OpticsState {
    double pixelsLength = 0;    // pixels along the sensor's length
    double pixelSizeLength = 0; // micrometres
    double pixelsWidth = 0;     // pixels along the sensor's width
    double pixelSizeWidth = 0;  // micrometres
    double focal = 0;           // millimetres
    // Arc seconds per pixel; NaN until first computed.
    double samplingWidth = std::numeric_limits<double>::quiet_NaN();
    double samplingLength = std::numeric_limits<double>::quiet_NaN();
    double diameter = 0; // millimetres
};
