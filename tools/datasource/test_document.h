// The simulator's built-in test document: a page with a heading, a colour photograph, lines of text and
// colour patches, described in hundredths of an inch from the bed's origin.
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

}  // namespace korva::sim
