#include "editor/window_model.h"

#include <utility>

#include "edition/letter_sets.h"
#include "edition/texts.h"
#include "editor/previews.h"

namespace rw {
namespace {

// The eleven grid hints as held and as shown, in one language. Built once, so the views the cells
// hand out stay valid.
struct GridHintTexts {
    std::array<std::string, kGridHintCount> held;
    std::array<std::string, kGridHintCount> shown;
};

const GridHintTexts& GridHints(Language language) {
    static const std::array<GridHintTexts, 2> kTexts = [] {
        std::array<GridHintTexts, 2> texts;
        for (Language l : {kRussian, kEnglish}) {
            GridHintTexts& t = texts[static_cast<int>(l)];
            for (int i = 0; i < kGridHintCount; ++i) {
                t.held[i] = GridHintText(i, l);
                t.shown[i] = DisplayText(t.held[i]);
            }
        }
        return texts;
    }();
    return kTexts[static_cast<int>(language)];
}

// The row labels before the first letter is shown: "00", as the window definition has them.
RowLabels StartRowLabels() {
    RowLabels labels;
    labels.fill("00");
    return labels;
}

std::string StepCaption(UiText item, const std::optional<StepName>& step, Language language,
                        Edition edition) {
    std::string caption = Text(item, language, edition);
    if (step) caption += std::string(": ") + Text(*step, language, edition);
    return caption;
}

}  // namespace

WindowModel::WindowModel(Edition edition) : edition_(edition) {
    for (Picture16& p : screen_.thumbnails) p.Fill(kFaceGrey);
    screen_.edit_image.Fill(kWhite);
    screen_.row_labels = StartRowLabels();
}

void WindowModel::Draw(const ViewFacts& facts) {
    uint32_t changes = 0;
    DrawGlyphs(facts, changes);
    DrawControls(facts, changes);
    if (changes == 0) return;
    changes_ |= changes;
    ++generation_;
}

// Puts a freshly drawn value in place and notes the change when it differs from what is shown.
template <typename T>
void WindowModel::Show(T& shown, T drawn, uint32_t flag, uint32_t& changes) {
    if (shown == drawn) return;
    shown = std::move(drawn);
    changes |= flag;
}

// The grid, the labels, the pictures and what names and covers the letters.
void WindowModel::DrawGlyphs(const ViewFacts& facts, uint32_t& changes) {
    const EditorState& state = facts.state;
    const FontLayout& layout = state.layout();
    const GlyphForm form = layout.form();
    const Glyph& working = facts.working;
    const int last_row = state.last_row();
    const bool letter = state.selection.active();
    if (facts.letter_shown) header_byte_ = static_cast<uint8_t>(working[0] >> 8);
    const GridKey grid_key{form, last_row};
    if (layout_key_ != grid_key) {
        layout_ = LayoutGrid(form, last_row);
        layout_key_ = grid_key;
    }
    Show(screen_.grid, PaintGrid(layout_, working, header_byte_), kGridChanged, changes);
    std::optional<Glyph> original;
    if (facts.original != nullptr) original = *facts.original;
    Show(screen_.original, std::move(original), kGridChanged, changes);
    Show(screen_.language, state.language, kHintsChanged, changes);
    Show(screen_.row_labels, letter ? RowValues(working, last_row) : StartRowLabels(),
         kRowLabelsChanged, changes);
    Show(screen_.width_label, letter ? std::to_string(working[0]) : std::string("-"),
         kLabelsChanged, changes);
    Show(screen_.letter, facts.letter, kLabelsChanged, changes);
    Show(screen_.letter_bold, facts.letter_bold, kLabelsChanged, changes);

    const ThumbnailKey thumbnail_key{facts.font_revision, state.block(), grid_key};
    const bool thumbnails_stand = thumbnail_key_ == thumbnail_key;
    const bool names_stand = named_set_ == state.set();
    thumbnail_key_ = thumbnail_key;
    named_set_ = state.set();
    for (int k = 0; k < SlotCount(edition_); ++k) {
        if (!thumbnails_stand) {
            Picture16 thumbnail;
            PaintThumbnail(facts.font.At(form, {state.block(), k}), last_row, thumbnail);
            Show(screen_.thumbnails[k], thumbnail, kThumbnailsChanged, changes);
        }
        if (!names_stand) {
            Show(screen_.thumbnail_hints[k], SetHint(edition_, state.set(), k), kHintsChanged,
                 changes);
        }
        Show(screen_.covered[k], state.IsSlotCovered(k), kCoversChanged, changes);
        // A letter under a cover is not shown, and the cover is too short to hide its mark.
        const GlyphSlot slot{state.block(), k};
        const bool changed = facts.base != nullptr && !state.IsSlotCovered(k) &&
                             facts.font.At(form, slot) != facts.base->At(form, slot);
        Show(screen_.changed[k], changed, kMarksChanged, changes);
    }
    Picture16 edit_image = screen_.edit_image;
    if (facts.edit_image_cleared) edit_image.Fill(kWhite);
    PaintEditImage(working, last_row, edit_image);
    Show(screen_.edit_image, edit_image, kEditImageChanged, changes);
    Show(screen_.edit_image_hint, facts.edit_image_hint, kHintsChanged, changes);
    Show(screen_.framed_slot, letter ? std::optional<int>(state.selected_slot()) : std::nullopt,
         kFrameChanged, changes);
    Show(screen_.glyph_columns, TraitsOf(form).columns, kMarkersChanged, changes);
    Show(screen_.cursor, facts.cursor, kCursorChanged, changes);

    CoverView covers;
    if (edition_ == Edition::Cyrillic) {
        covers.yo_ye_covered = !layout.has_yo_ye;
        covers.yo1_hint = SetHint(edition_, state.set(), SetsOf(edition_).yo_ye_slots[0]);
        covers.yo2_hint = SetHint(edition_, state.set(), SetsOf(edition_).yo_ye_slots[1]);
    } else {
        covers.latin_set = state.set();
    }
    Show(screen_.covers, covers, kCoversChanged, changes);
}

// The check marks, enabled states and captions of the menus and buttons.
void WindowModel::DrawControls(const ViewFacts& facts, uint32_t& changes) {
    const EditorState& state = facts.state;
    const Language language = state.language;
    const bool single = state.single_weight();
    ControlStates c;
    for (int m = 0; m < kPhoneModelCount; ++m)
        c.model_checked[m] = m == static_cast<int>(state.model);
    for (int k = 0; k < kFontKindCount; ++k) c.kind_checked[k] = k == static_cast<int>(state.kind);
    for (const LoadScopeRow& row : kLoadScopes) {
        const int tag = TagOf(row.scope);
        c.scope_present[tag] = HasLoadScope(edition_, row.scope);
        c.scope_enabled[tag] = c.scope_present[tag] && !(row.bold_only && single);
        c.scope_checked[tag] = row.scope == state.load_scope;
    }
    for (int set = 0; set < kSetButtonCount; ++set) c.set_down[set] = set == state.set();
    c.bold_down = state.bold();
    c.bold_enabled = !single;
    c.bold_visible = !single;
    c.button1_enabled = state.selection.active();
    c.bold_from_normal_enabled = !single;
    c.sft_sbf_present = edition_ == Edition::Cyrillic;
    c.sft_sbf_enabled = c.sft_sbf_present && state.wide();
    c.russian_checked = language == kRussian;
    c.english_checked = language == kEnglish;
    c.show_original = facts.state.show_original;
    c.revert_letter_enabled = facts.letter_differs_from_base;
    c.revert_font_enabled = facts.font_differs_from_base;
    c.undo_enabled = facts.history.CanUndo();
    c.undo_caption = StepCaption(UiText::MenuUndo, facts.history.UndoName(), language, edition_);
    c.redo_enabled = facts.history.CanRedo();
    c.redo_caption = StepCaption(UiText::MenuRedo, facts.history.RedoName(), language, edition_);
    Show(screen_.controls, std::move(c), kControlsChanged, changes);

    Show(screen_.phone_caption, std::string(rw::PhoneMenuCaption(state.model, language)),
         kMenusChanged, changes);
    Show(screen_.font_caption, std::string(rw::FontMenuCaption(state.kind, language)),
         kMenusChanged, changes);
    Show(screen_.file_name, state.file_name, kMenusChanged, changes);
    screen_.notice = facts.notice;
    Show(screen_.notices, facts.notices, kNoticeChanged, changes);
}

CellView WindowModel::Cell(int row, int col) const {
    const GridCell& cell = screen_.grid.At(row, col);
    CellView view;
    view.role = cell.role;
    view.colour = cell.colour;
    view.button_face = cell.role == CellRole::Inert;
    view.number = cell.number;
    view.live = cell.live;
    if (cell.role == CellRole::Pixel || cell.role == CellRole::WidthBit ||
        cell.role == CellRole::HeaderBit) {
        view.bit = cell.colour == CellColour(cell.role, true);
    }
    view.ghost = screen_.original && cell.role == CellRole::Pixel && cell.colour == kWhite &&
                 screen_.original->Ink(row, col);
    view.hint_id = cell.hint;
    if (cell.hint != GridHint::None) {
        const GridHintTexts& hints = GridHints(screen_.language);
        view.hint = hints.held[static_cast<int>(cell.hint)];
        view.hint_display = hints.shown[static_cast<int>(cell.hint)];
    }
    return view;
}

LetterLabelView WindowModel::LetterLabel() const {
    return {LetterLabelText(edition_, screen_.letter), screen_.letter_bold};
}

std::string WindowModel::ThumbnailHintText(int slot) const {
    return DisplayText(screen_.thumbnail_hints[slot]);
}

std::string WindowModel::WindowCaption() const {
    const std::string& path = screen_.file_name;
    const size_t cut = path.find_last_of("/\\");
    const std::string name = path.empty() ? Text(UiText::NoFile, screen_.language, edition_)
                                          : path.substr(cut == std::string::npos ? 0 : cut + 1);
    return WindowCaptionPrefix(edition_) + name + "]";
}

const char* WindowModel::Caption(UiText id) const {
    return Text(id, screen_.language, edition_);
}

const char* WindowModel::ModelCaption(PhoneModel model) const {
    return ModelItemCaption(model, edition_);
}

const char* WindowModel::KindCaption(FontKind kind) const {
    return KindItemCaption(kind);
}

const char* WindowModel::ScopeCaption(int tag) const {
    return LoadScopeCaption(tag, edition_, screen_.language);
}

uint32_t WindowModel::TakeChanges() {
    const uint32_t taken = changes_;
    changes_ = 0;
    return taken;
}

}  // namespace rw
