#include "ui/boundary/module_state.h"

namespace korva {

ModuleState& Module() {
    static ModuleState state;
    return state;
}

}  // namespace korva
