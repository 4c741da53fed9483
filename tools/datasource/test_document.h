// The simulator's built-in test chart: a page with a heading, fine lines, a colour photograph, lines of
// text, colour patches and a grey ramp, described in hundredths of an inch from the bed's origin. Its
// colours are the true sRGB colours of the chart.
#pragma once

#include <cstdint>

namespace korva::sim {

struct Bgr {
    uint8_t b;
    uint8_t g;
    uint8_t r;
};

// The colour of the document at (x, y), hundredths of an inch.
Bgr TestDocumentColour(double x, double y);

// The photograph of the chart (a landscape) at (u, v) of the unit square; also the picture on the film.
Bgr TestPhotograph(double u, double v);

}  // namespace korva::sim
