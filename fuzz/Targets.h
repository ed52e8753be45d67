#pragma once

// The fuzz targets: each reads any bytes with one reader and checks its promises.

#include "Families.h"
#include "PrimitiveOracle.h"

namespace loomset::fuzz {

struct Target {
  const char* name;  // also the name of its corpus folder
  Outcome (*check)(const uint8_t* data, size_t size);
};

inline constexpr Target kTargets[] = {
    {"fuzz_fill_read", check<TnFillPattern, Fill>},
    {"fuzz_programmed_read", check<TnProgrammedPattern, Programmed>},
    {"fuzz_wave_read", check<TnWavePattern, Wave>},
    {"fuzz_vector_read", check<TnVectorPattern, Vector>},
    {"fuzz_direction_read", check<TnDirectionPattern, Direction>},
    {"fuzz_bezier_read", check<TnBezierPattern, Bezier>},
    {"fuzz_primitives_read", checkPrimitive},
};

}  // namespace loomset::fuzz
