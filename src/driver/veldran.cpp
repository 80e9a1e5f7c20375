#include "driver/veldran.h"

#include "driver/text/console.h"
#include "driver/text/diagnostics.h"
#include "input/input.h"
#include "records/records.h"

namespace veldran {

void VELDRAN() {
    const text::Routine routine("VELDRAN");
    static MaterialTable materials{};
    static PlyStack stack{};
    static PlateProblem problem{};
    static PrintOptions print{};
    INPUT(materials, stack, problem, print);
    text::stop();
}

} // namespace veldran
