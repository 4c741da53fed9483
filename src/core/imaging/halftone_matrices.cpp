#include "core/imaging/halftone_matrices.h"

namespace korva {
namespace {

// Mode 1, hard tone: a flat threshold.
constexpr HalftoneMatrix kHardTone = {8,
                                      {{
                                          {128, 128, 128, 128, 128, 128, 128, 128},
                                          {128, 128, 128, 128, 128, 128, 128, 128},
                                          {128, 128, 128, 128, 128, 128, 128, 128},
                                          {128, 128, 128, 128, 128, 128, 128, 128},
                                          {128, 128, 128, 128, 128, 128, 128, 128},
                                          {128, 128, 128, 128, 128, 128, 128, 128},
                                          {128, 128, 128, 128, 128, 128, 128, 128},
                                          {128, 128, 128, 128, 128, 128, 128, 128},
                                      }}};

// Mode 2, soft tone. Row 4 is flat, not a copy of row 1.
constexpr HalftoneMatrix kSoftTone = {8,
                                      {{
                                          {131, 136, 136, 131, 124, 119, 119, 124},
                                          {136, 149, 149, 136, 119, 106, 106, 119},
                                          {136, 149, 149, 136, 119, 106, 106, 119},
                                          {128, 128, 128, 128, 128, 128, 128, 128},
                                          {131, 136, 136, 131, 124, 119, 119, 124},
                                          {124, 119, 119, 124, 131, 136, 136, 131},
                                          {119, 106, 106, 119, 136, 149, 149, 136},
                                          {124, 119, 119, 124, 131, 136, 136, 131},
                                      }}};

// Mode 3, net screen. Row 5 holds 148 in its fifth place and row 8 holds 89 in its second place.
constexpr HalftoneMatrix kNetScreen = {8,
                                       {{
                                           {146, 173, 173, 146, 109, 82, 82, 109},
                                           {173, 236, 236, 173, 82, 19, 19, 82},
                                           {173, 236, 236, 173, 82, 19, 19, 82},
                                           {146, 173, 173, 146, 109, 82, 82, 109},
                                           {109, 82, 82, 109, 148, 173, 173, 146},
                                           {82, 19, 19, 82, 173, 236, 236, 173},
                                           {82, 19, 19, 82, 173, 236, 236, 173},
                                           {109, 89, 82, 109, 146, 173, 173, 146},
                                       }}};

// Mode 4, 4 x 4 Bayer dither.
constexpr HalftoneMatrix kBayer = {4,
                                   {{
                                       {248, 120, 216, 88},
                                       {56, 184, 24, 152},
                                       {200, 72, 232, 104},
                                       {8, 136, 40, 168},
                                   }}};

// Mode 5, 4 x 4 spiral dither.
constexpr HalftoneMatrix kSpiral = {4,
                                    {{
                                        {40, 152, 136, 24},
                                        {168, 248, 232, 120},
                                        {184, 200, 216, 104},
                                        {56, 72, 88, 8},
                                    }}};

// Mode 6, 4 x 4 net-screen dither.
constexpr HalftoneMatrix kNetDither4 = {4,
                                        {{
                                            {24, 40, 152, 104},
                                            {56, 248, 232, 136},
                                            {168, 200, 216, 88},
                                            {120, 184, 72, 8},
                                        }}};

// Mode 7, 8 x 4 net-screen dither, written out as 8 x 8.
constexpr HalftoneMatrix kNetDither8 = {8,
                                        {{
                                            {236, 188, 52, 4, 68, 100, 164, 228},
                                            {180, 44, 12, 140, 132, 92, 108, 172},
                                            {36, 20, 148, 212, 204, 124, 84, 76},
                                            {28, 156, 220, 252, 244, 196, 116, 60},
                                            {68, 100, 164, 228, 236, 188, 52, 4},
                                            {132, 92, 108, 172, 180, 44, 12, 140},
                                            {204, 124, 84, 76, 36, 20, 148, 212},
                                            {244, 196, 116, 60, 28, 156, 220, 252},
                                        }}};

constexpr const HalftoneMatrix* kMatrices[] = {&kHardTone, &kSoftTone,   &kNetScreen, &kBayer,
                                               &kSpiral,   &kNetDither4, &kNetDither8};

}  // namespace

const HalftoneMatrix& HalftoneMatrixFor(int32_t mode) {
    return *kMatrices[mode - 1];
}

}  // namespace korva
