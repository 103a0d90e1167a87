#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "edition/message.h"
#include "editor/edit_grid.h"
#include "editor/editor_views.h"
#include "editor/grid_cursor.h"
#include "editor/history.h"
#include "editor/picture.h"
#include "model/editor_state.h"
#include "model/font_image.h"

namespace rw {

// What the window model is drawn from: the session's state after an operation, read only. Most of
// the window follows from it alone; two pictures also keep what earlier operations painted, as
// the original window did, and the two flags say which of that this operation painted anew.
struct ViewFacts {
    const EditorState& state;
    const FontImage& font;
    uint64_t font_revision;  // changes whenever the font does
    const Glyph& working;    // the working glyph of the live form
    const History& history;
    const std::string& letter;           // Label15 as held: the name of the letter shown
    bool letter_bold;                    // Label15's style
    const std::string& edit_image_hint;  // PaintBoxEdit's hint
    const Message& notice;
    uint64_t notices;  // how many notices were given: the same one again is shown again
    // The letter was loaded or reshaped: the grid's header-bit cells show its header anew.
    bool letter_shown;
    // A load: the edit image starts white.
    bool edit_image_cleared;
    GridCursor cursor;
    // The base font's glyph of the selected letter, while the original letter is shown; else
    // null.
    const Glyph* original;
    // What the revert items would change: the selected letter (in the font or on the grid), the
    // font; both false while there is no base.
    bool letter_differs_from_base;
    bool font_differs_from_base;
    // The base font, the fullflash's as last loaded or saved; null while there is none.
    const FontImage* base;
};

// Everything the main window shows, as plain data the window pulls: cells, labels, pictures,
// hints, covers, control states and captions, with the flags of what changed since the window
// last looked. Draw computes all of it from the session's state; the session never reads it.
class WindowModel {
  public:
    explicit WindowModel(Edition edition);

    void Draw(const ViewFacts& facts);

    CellView Cell(int row, int col) const;
    const std::string& RowLabel(int row) const { return screen_.row_labels[row]; }
    const std::string& WidthLabel() const { return screen_.width_label; }  // Label0
    LetterLabelView LetterLabel() const;                                   // Label15
    const Picture16& Thumbnail(int slot) const { return screen_.thumbnails[slot]; }
    const Picture16& EditImage() const { return screen_.edit_image; }
    // Hint of a thumbnail as held ("&&" for the ampersand) and as the status line shows it.
    const std::string& ThumbnailHint(int slot) const { return screen_.thumbnail_hints[slot]; }
    std::string ThumbnailHintText(int slot) const;
    const std::string& EditImageHint() const { return screen_.edit_image_hint; }
    // The thumbnail the selection frame surrounds; none before the first letter was selected.
    std::optional<int> FramedSlot() const { return screen_.framed_slot; }
    // The letter at `slot` of the block shown differs from the base font's: its thumbnail carries
    // a mark. None differs while there is no base; a covered letter has no mark.
    bool IsLetterChanged(int slot) const { return screen_.changed[slot]; }
    // Columns of the live glyph form (8 or 16), the width of the thumbnail markers.
    int GlyphColumns() const { return screen_.glyph_columns; }
    const CoverView& Covers() const { return screen_.covers; }
    // A thumbnail under a cover panel, which takes no press.
    bool IsThumbnailCovered(int slot) const { return screen_.covered[slot]; }
    const ControlStates& Controls() const { return screen_.controls; }
    const std::string& PhoneMenuCaption() const { return screen_.phone_caption; }  // N3
    const std::string& FontMenuCaption() const { return screen_.font_caption; }    // N6
    // "Runewright v4.01 "RUS-Full" - [name]" with the current file's own name or "no file".
    std::string WindowCaption() const;
    // The captions of the menus and controls, in the interface language.
    const char* Caption(UiText id) const;
    // The items of the phone and kind menus, and of the load scope menu by tag (null for a tag
    // the edition lacks).
    const char* ModelCaption(PhoneModel model) const;
    const char* KindCaption(FontKind kind) const;
    const char* ScopeCaption(int tag) const;
    // What the last command that reports did ("Записано в s45.bin: 136 букв"); the status line
    // shows it until the pointer next rests on a control with a hint. Empty at start.
    const Message& Notice() const { return screen_.notice; }
    // The cell the grid's keyboard cursor stands on, a live one; the grid frames it while it has
    // the focus.
    GridCursor Cursor() const { return screen_.cursor; }

    // Incremented by every change to something the window shows.
    uint64_t generation() const { return generation_; }
    // The ViewChange flags gathered since the last call; clears them.
    uint32_t TakeChanges();

  private:
    struct Screen {
        EditGrid grid;
        std::optional<Glyph> original;  // ViewFacts::original
        Language language = kRussian;   // of the grid hints and the captions
        RowLabels row_labels;
        std::string width_label = "-";
        std::string letter = "-";  // Label15 as held
        bool letter_bold = true;
        std::array<Picture16, kMaxSlots> thumbnails{};
        Picture16 edit_image{};
        std::array<std::string, kMaxSlots> thumbnail_hints;
        std::string edit_image_hint;
        std::optional<int> framed_slot;
        int glyph_columns = 8;
        CoverView covers;
        std::array<bool, kMaxSlots> covered{};
        std::array<bool, kMaxSlots> changed{};
        ControlStates controls;
        std::string phone_caption;
        std::string font_caption;
        std::string file_name;
        Message notice;
        uint64_t notices = 0;
        GridCursor cursor;
    };

    template <typename T>
    static void Show(T& shown, T drawn, uint32_t flag, uint32_t& changes);
    void DrawGlyphs(const ViewFacts& facts, uint32_t& changes);
    void DrawControls(const ViewFacts& facts, uint32_t& changes);

    Edition edition_;
    Screen screen_;
    // The header byte the wide grid's header-bit cells show: that of the letter as last shown.
    uint8_t header_byte_ = 0;
    // What the grid layout and the thumbnails were last drawn from; they are drawn again only
    // when that changes.
    struct GridKey {
        GlyphForm form;
        int last_row;
        friend bool operator==(const GridKey&, const GridKey&) = default;
    };
    struct ThumbnailKey {
        uint64_t font_revision;
        int block;
        GridKey layout;
        friend bool operator==(const ThumbnailKey&, const ThumbnailKey&) = default;
    };
    std::optional<GridKey> layout_key_;
    EditGrid layout_;
    std::optional<ThumbnailKey> thumbnail_key_;
    std::optional<int> named_set_;  // the set the thumbnails' hints name
    uint64_t generation_ = 0;
    uint32_t changes_ = kAllChanged;
};

}  // namespace rw
