// Square icons of a figure at any size.
#pragma once
#include "tools/make_icons/figure_picture.h"

// The pose's figure centred in a size x size picture with a small margin,
// drawn larger and averaged down so that its edges are smooth.
RgbaPicture drawIcon(const Pose& pose, const uint32_t* const partImages[PartCount], const FigureBounds& bounds,
                     int32_t size);

// Each output pixel the average of a factor x factor block, weighted by alpha
// so that transparent texels do not darken the edges.
RgbaPicture shrink(const RgbaPicture& picture, int32_t factor);
