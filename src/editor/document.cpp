#include "editor/document.h"

#include <algorithm>

namespace rw {

int ClearedElements(Edition edition, GlyphForm form, int last_row) {
    const int stored = TraitsOf(form).stored_last_row;
    if (edition == Edition::Latin) return stored + 1;
    const int last_cleared = form == GlyphForm::Narrow ? last_row + 1 : last_row;
    return std::min(last_cleared, stored) + 1;
}

}  // namespace rw
