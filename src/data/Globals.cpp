#include "data/Globals.h"

namespace ntx {

Globals& globals() {
    static Globals g;
    return g;
}

FilterBinding rptMonthBinding() {
    return {"GLO:RptMonth", true, [] { return FilterValue::ofText(globals().rptMonth); }};
}

}  // namespace ntx
