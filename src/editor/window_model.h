#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "edition/message.h"
#include "editor/edit_grid.h"
#include "editor/editor_views.h"
#include "editor/picture.h"
#include "model/edition.h"
#include "model/font_image.h"

namespace rw {

// Everything the main window shows, as plain data the window pulls: cells, labels, pictures,
// hints, covers, control states and menu captions, with the flags of what changed since the
// window last looked. The session decides what to show and calls the painters below; nothing
// here changes the font or the editor state.
class WindowModel {
  public:
    explicit WindowModel(Edition edition);

    // --- Views ------------------------------------------------------------------------------
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
    // What the last command that reports did ("Записано в s45.bin: 136 букв"); the status line
    // shows it until the pointer next rests on a control with a hint. Empty at start.
    const Message& Notice() const { return notice_; }
    // The grid hint texts in force, as held and as shown.
    const std::string& GridHintText(GridHint hint) const;
    int slot_count() const { return SlotCount(edition_); }

    // Incremented by every change to something the window shows.
    uint64_t generation() const { return generation_; }
    // The ViewChange flags gathered since the last call; clears them.
    uint32_t TakeChanges();

    // --- Painters the session drives ------------------------------------------------------
    void Changed(uint32_t flags);
    ControlStates& controls() { return controls_; }
    CoverView& covers() { return covers_; }
    const GridCell& GridCellAt(int row, int col) const { return grid_.At(row, col); }

    // The 8- or 16-column grid layout and the thumbnail markers.
    void LayoutGrid(bool wide, int last_row);
    // Grid rows 0..H, row labels and Label0 from the working glyph (as a letter load shows it).
    // Each painter taking a glyph works for NarrowGlyph and WideGlyph.
    template <typename Glyph>
    void ShowWorkingGlyph(const Glyph& glyph, int last_row);
    // One painted pixel cell: its grid colour and its pixel in the edit image.
    void ShowPixel(int row, int col, int glyph_row, int glyph_col, bool ink);
    // The width bits, Label0 and the row labels after pixels changed.
    template <typename Glyph>
    void ShowWidthAndRows(const Glyph& glyph, int last_row);
    // Every thumbnail of `block` and the edit image of the working glyph (the previews).
    template <typename Glyph>
    void ShowThumbnails(const FontImage& font, int block, int last_row, const Glyph& working);
    template <typename Glyph>
    void PaintEditImage(const Glyph& glyph, int last_row);
    void ClearEditImage();

    void ShowLetter(const std::string& text);  // Label15 as held
    void ShowLetterBold(bool bold);
    void FrameThumbnail(int slot);
    void ShowSetHints(int set);
    void SetEditImageHint(const std::string& hint);
    void ShowMenuCaptions(const std::string& phone, const std::string& font);
    void ShowGridHints(int language);
    void ShowFileName(const std::string& path);
    void ShowNotice(Message notice);

  private:
    static constexpr int kNoSlot = -1;

    Edition edition_;
    EditGrid grid_;
    RowLabels row_labels_;
    std::string width_label_ = "-";
    std::string letter_label_ = "-";  // Label15 caption as held
    bool letter_label_bold_ = true;
    std::array<Picture16, kMaxSlots> thumbnails_{};
    Picture16 edit_image_{};
    std::array<std::string, kMaxSlots> thumbnail_hints_;
    std::string edit_image_hint_;
    int framed_slot_ = kNoSlot;
    int marker_width_ = 8;
    CoverView covers_;
    ControlStates controls_;
    std::string phone_caption_;
    std::string font_caption_;
    std::string file_name_;
    Message notice_;
    std::array<std::string, kGridHintCount> grid_hints_;
    std::array<std::string, kGridHintCount> grid_hints_display_;

    uint64_t generation_ = 0;
    uint32_t changes_ = kAllChanged;
};

}  // namespace rw
