#include "driver/veldran.h"

#include <cstdlib>

namespace veldran {

void VELDRAN() { std::exit(0); }

} // namespace veldran
