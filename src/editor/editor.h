#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editor/clipboard.h"
#include "editor/edit_grid.h"
#include "editor/editor_views.h"
#include "editor/picture.h"
#include "editor/shifts.h"
#include "model/edition.h"
#include "model/editor_state.h"
#include "model/font_image.h"
#include "model/phone_layouts.h"

namespace rw {

// The glyph editor behind the main window: owns the font, the editor state, the working glyphs,
// the clipboard and everything the window shows, and runs every handler of the window as a
// method. The window draws the views and forwards presses; it computes nothing itself.
//
// Each operation follows the window's pattern: change the font or the state, redraw the
// thumbnails, reload the selected letter. Presses on things the window would not let the user
// press (a covered thumbnail, an inert cell, a hidden bold button, a disabled menu item) change
// nothing and return false where they return anything.
class Editor {
  public:
    // The start values of the main window (S/ME 45 Normal, upper case, normal weight).
    explicit Editor(Edition edition);

    // --- Activation -----------------------------------------------------------------------
    // The main window became active. The first call chooses the whole-font scope, upper case and
    // normal weight, draws the thumbnails and selects the first letter; later calls change
    // nothing, so edits not yet written back survive a visit to the help window.
    void Activate();
    void FirstActivation() { Activate(); }
    bool activated() const { return activated_; }

    // --- Letter selection and editing -----------------------------------------------------
    // A press on thumbnail `slot` (PaintBox1MouseDown): letter load, then PaintBoxEdit takes
    // the thumbnail's hint. False for a slot out of range or under a cover panel.
    bool PressThumbnail(int slot);
    // A press on grid cell (row, col) with any mouse button (Panel1Click). False for a cell
    // that is not live.
    bool ClickCell(int row, int col);
    // "Записать в шрифт" (Button1Click).
    void WriteBack();

    // --- Set and weight buttons (they see the state from before the press) -----------------
    void PressUpperCase();         // SpeedButton2
    void PressLowerCase();         // SpeedButton3
    void PressSymbolSet(int n);    // Latin SpeedButton4 (n = 1) and SpeedButton5 (n = 2) only
    void PressSetButton(int set);  // 0 upper, 1 lower, 2 symbol set 1, 3 symbol set 2
    bool PressBold();              // SpeedButton1 "B"; false while it is hidden

    // --- Shifts and clears ------------------------------------------------------------------
    void Shift(ShiftDirection direction);  // ImageIO1Click … ImageIO4Click
    void ClearLetter();                    // N16Click
    void ClearBlock();                     // N17Click
    void ClearFont();                      // N18Click

    // --- Clipboard --------------------------------------------------------------------------
    void CopyBlock();    // Button8Click
    void PasteBlock();   // Button9Click
    void CopyLetter();   // Button10Click
    void PasteLetter();  // Button11Click

    // --- Model, kind, load scope, language ----------------------------------------------------
    // A code outside the menus changes nothing.
    void ChooseModel(PhoneModel model);  // CMS351Click, S351Click, N451Click, …
    void ChooseKind(FontKind kind);      // Small1Click, Normal1Click, Forwap1Click, Bigest1Click
    // N19Click with the item's tag; false for a tag the edition lacks or a disabled item.
    bool ChooseLoadScope(int tag);
    // N8Click (0, Russian) and English1Click (1, English); the Cyrillic edition stays Russian.
    void SetLanguage(int language);

    // --- File loads ---------------------------------------------------------------------------
    // A load works on a copy of font() (ReadFlashFont, ReadFontFile, …) and hands the result
    // over only when it succeeded; AfterFontLoaded then redraws and reloads the selected letter.
    void ReplaceFont(const FontImage& font);
    void AfterFontLoaded();
    // The path last chosen in a file dialog; the caption shows its name.
    void SetFileName(std::string path);

    // --- Accessors ----------------------------------------------------------------------------
    Edition edition() const { return state_.edition; }
    const FontImage& font() const { return font_; }
    const EditorState& state() const { return state_; }
    const NarrowGlyph& working_narrow() const { return working_narrow_; }
    const WideGlyph& working_wide() const { return working_wide_; }
    const Clipboard& clipboard() const { return clipboard_; }
    int slot_count() const { return SlotCount(state_.edition); }
    // True while the thumbnail's last letter load came through PaintBoxEdit (after a shift).
    bool edit_image_selected() const { return selected_source_ == kEditImageSource; }

    // --- Views ----------------------------------------------------------------------------
    CellView Cell(int row, int col) const;
    const std::string& RowLabel(int row) const { return row_labels_[row]; }
    const std::string& WidthLabel() const { return width_label_; }  // Label0
    LetterLabelView LetterLabel() const;                            // Label15
    const Picture16& Thumbnail(int slot) const { return thumbnails_[slot]; }
    const Picture16& EditImage() const { return edit_image_; }
    // Hint of a thumbnail as held ("&&" for the ampersand) and as the status line shows it.
    const std::string& ThumbnailHint(int slot) const { return thumbnail_hints_[slot]; }
    std::string ThumbnailHintText(int slot) const;
    const std::string& EditImageHint() const { return edit_image_hint_; }
    SelectionFrameView SelectionFrame() const;
    // Width of the white marker over row 0 of a thumbnail: 8 narrow, 16 wide; the Latin
    // markers of thumbnails 35..37 are always 16.
    int MarkerWidth(int slot = 0) const;
    const CoverView& Covers() const { return covers_; }
    bool IsThumbnailCovered(int slot) const;
    const ControlStates& Controls() const { return controls_; }
    const std::string& PhoneMenuCaption() const { return phone_caption_; }  // N3
    const std::string& FontMenuCaption() const { return font_caption_; }    // N6
    // "Runewright v4.01 "RUS-Full" - [name]" with the current file's own name or "no file".
    std::string WindowCaption() const;
    // The grid hint texts in force, as held and as shown.
    const std::string& GridHintText(GridHint hint) const;

    // Incremented by every operation that changed something the window shows.
    uint64_t generation() const { return generation_; }
    // The ViewChange flags gathered since the last call; clears them.
    uint32_t TakeChanges();

  private:
    static constexpr int kNoSource = -1;
    static constexpr int kEditImageSource = 1000;

    void LetterLoad(int source);
    void RedrawPreviews();
    void GridWidthSwitch(bool wide);
    void ApplyWeightAvailability();
    void ApplyGridHints();
    void WriteSetHints(int set);
    void MoveCovers(PhoneModel model);
    void SelectSetButton(int set);
    void ReselectAfterChange();
    void ShowRowValues();
    void ZeroRecord(GlyphSlot glyph);
    void Changed(uint32_t flags);
    GlyphSlot SelectedGlyph() const { return {state_.block, state_.selected_slot}; }
    int GridBits() const { return state_.wide ? 16 : 8; }

    EditorState state_;
    FontImage font_;
    NarrowGlyph working_narrow_{};
    WideGlyph working_wide_{};
    Clipboard clipboard_;

    EditGrid grid_;
    RowLabels row_labels_;
    std::string width_label_ = "-";
    std::string letter_label_ = "-";  // Label15 caption as held
    bool letter_label_bold_ = true;
    std::array<Picture16, kMaxSlots> thumbnails_{};
    Picture16 edit_image_{};
    std::array<std::string, kMaxSlots> thumbnail_hints_;
    std::string edit_image_hint_;
    int edit_image_number_ = 0;
    int selected_source_ = kNoSource;
    int framed_slot_ = kNoSource;
    int marker_width_ = 8;
    CoverView covers_;
    ControlStates controls_;
    std::string phone_caption_;
    std::string font_caption_;
    std::array<std::string, kGridHintCount> grid_hints_;
    std::array<std::string, kGridHintCount> grid_hints_display_;
    bool activated_ = false;

    uint64_t generation_ = 0;
    uint32_t changes_ = kAllChanged;
};

}  // namespace rw
