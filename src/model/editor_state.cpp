#include "model/editor_state.h"

namespace rw {

EditorState EditorState::AtStart(Edition edition) {
    EditorState s;
    s.edition = edition;
    s.model = PhoneModel::SME45;
    s.kind = FontKind::Normal;
    s.layout = LookupLayout(edition, s.model, s.kind);
    s.last_row = LastRowIndex(s.kind);
    s.wide = edition == Edition::Latin;
    s.single_weight = false;
    return s;
}

}  // namespace rw
