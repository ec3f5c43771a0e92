// The program's settings as the configuration file holds them.
#pragma once

#include "output/output_settings.h"

namespace bxr {

struct Configuration {
    OutputSettings output;
};

}  // namespace bxr
