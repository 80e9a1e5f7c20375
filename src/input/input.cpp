#include "input/input.h"

#include "driver/text/diagnostics.h"
#include "input/dialogue.h"

namespace veldran {

void INPUT(MaterialTable& m, PlyStack& s, PlateProblem& p, PrintOptions& o) {
    const text::Routine routine("INPUT");
    materials(m);
    laminate(m, s);
    dimensions(p);
    loads(p);
    print_options(o);
}

} // namespace veldran
