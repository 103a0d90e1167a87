#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <cstring>
#include <span>

#include "edition/letter_sets.h"
#include "edition/terminal_text.h"
#include "edition/texts.h"
#include "ui/button_tables.h"
#include "ui/form_geometry.h"
#include "ui/grid_widget.h"
#include "ui/image_button.h"
#include "ui/main_window.h"
#include "ui/main_window_menus.h"
#include "ui/mnemonics.h"
#include "ui/qt_conversions.h"
#include "ui/speed_button.h"
#include "ui/thumbnail.h"
#include "ui/thumbnail_strip.h"

namespace rw::ui {
namespace {

static_assert(sizeof(Rgb) == 3, "a picture row is 16 packed RGB triples");

QImage ToImage(const Picture16& picture) {
    QImage image(Picture16::kSize, Picture16::kSize, QImage::Format_RGB888);
    for (int y = 0; y < Picture16::kSize; ++y) {
        std::memcpy(image.scanLine(y), &picture.pixels[y * Picture16::kSize],
                    Picture16::kSize * sizeof(Rgb));
    }
    return image;
}

}  // namespace

// Shows what the last editor operation changed.
void TForm1::Refresh() {
    const uint32_t changes = editor_.TakeChanges();
    if (changes & (kGridChanged | kHintsChanged)) ShowGrid();
    if (changes & kRowLabelsChanged) ShowRowLabels();
    if (changes & kLabelsChanged) ShowLetterLabels();
    if (changes & kThumbnailsChanged) ShowThumbnails();
    if (changes & kEditImageChanged) ShowEditImage();
    if (changes & kFrameChanged) ShowSelectionFrame();
    if (changes & kHintsChanged) ShowHints();
    if (changes & kCoversChanged) ShowCovers();
    if (changes & kMarkersChanged) ShowMarkers();
    if (changes & kMenusChanged) ShowMenuCaptions();
    if (changes & kNoticeChanged) ShowNotice();
    if (changes & kCursorChanged) ShowCursor();
    if (changes & kMarksChanged) ShowChangedMarks();
    if (changes & kControlsChanged) ShowControls();
    // A caption set anew comes without its Alt+letter mark.
    if (changes & (kMenusChanged | kControlsChanged)) MarkMnemonics(menuBar());
    ShowTextPreview();
    RememberSettings();
}

void TForm1::ShowGrid() {
    GridWidget::Cells cells;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            const CellView view = editor_.view().Cell(row, col);
            GridCellLook& look = cells[row * kGridSize + col];
            if (!view.button_face)
                look.colour = QColor(view.colour.r, view.colour.g, view.colour.b);
            look.hint = Q(view.hint_display);
            look.live = view.live;
            look.ghost = view.ghost;
        }
    }
    grid_->SetCells(cells);
}

void TForm1::ShowRowLabels() {
    for (int row = 0; row < kGridSize; ++row)
        row_labels_[row]->setText(Q(editor_.view().RowLabel(row)));
}

void TForm1::ShowLetterLabels() {
    label0_->setText(Q(editor_.view().WidthLabel()));
    const LetterLabelView letter = editor_.view().LetterLabel();
    label15_->setText(Q(letter.text));
    QFont font = label15_->font();
    font.setBold(letter.bold);
    label15_->setFont(font);
}

void TForm1::ShowThumbnails() {
    for (int slot = 0; slot < SlotCount(editor_.edition()); ++slot) {
        thumbnails_[slot]->SetPicture(ToImage(editor_.view().Thumbnail(slot)));
    }
}

void TForm1::ShowEditImage() {
    paint_box_edit_->SetPicture(ToImage(editor_.view().EditImage()));
}

void TForm1::ShowSelectionFrame() {
    const Zoom zoom = places_.zoom();
    const std::optional<int> slot = editor_.view().FramedSlot();
    const geometry::SelectionFrame frame = geometry::SelectionFrameOf(slot, zoom);
    const geometry::Rect rects[4] = {frame.left, frame.top, frame.right, frame.bottom};
    for (int i = 0; i < 4; ++i) frame_[i]->setGeometry(ToQRect(rects[i]));
    strip_->SetRing(slot ? std::optional<QRect>(ToQRect(geometry::FocusRingRect(*slot, zoom)))
                         : std::nullopt);
}

// The strip paints the marks on its face, where the covers lie over those of the letters they
// hide. A strong blue, apart from the orange frame and the ghost's faint blue.
void TForm1::ShowChangedMarks() {
    const QColor mark(0, 90, 200);
    QList<QRect> marks;
    for (int slot = 0; slot < SlotCount(editor_.edition()); ++slot) {
        if (editor_.view().IsLetterChanged(slot))
            marks << ToQRect(geometry::ChangedMarkRect(slot, places_.zoom()));
    }
    strip_->SetMarks(marks, mark);
}

void TForm1::ShowCursor() {
    const GridCursor cursor = editor_.view().Cursor();
    grid_->SetCursor(cursor.row, cursor.col);
}

void TForm1::ShowHints() {
    for (int slot = 0; slot < SlotCount(editor_.edition()); ++slot) {
        thumbnails_[slot]->setStatusTip(Q(editor_.view().ThumbnailHintText(slot)));
    }
    paint_box_edit_->setStatusTip(Q(DisplayText(editor_.view().EditImageHint())));
}

// The covers go where the geometry table puts the ones the view asks for.
void TForm1::ShowCovers() {
    const CoverView& covers = editor_.view().Covers();
    const geometry::CoverLefts lefts = geometry::CoverLeftsOf(covers);
    auto move_left = [this](QWidget* cover, int left) {
        cover->move(places_.Length(left), cover->y());
    };
    if (editor_.edition() == Edition::Cyrillic) {
        move_left(panel_yo1_, lefts.yo1);
        move_left(panel_yo2_, lefts.yo2);
        image2_->setStatusTip(Q(DisplayText(covers.yo1_hint)));
        image1_->setStatusTip(Q(DisplayText(covers.yo2_hint)));
        return;
    }
    move_left(panel_close1_, lefts.close1);
    move_left(panel_close2_, lefts.close2);
}

void TForm1::ShowMarkers() {
    const int columns = editor_.view().GlyphColumns();
    for (int slot = 0; slot < SlotCount(editor_.edition()); ++slot) {
        markers_[slot]->setGeometry(ToQRect(geometry::MarkerRect(slot, columns, places_.zoom())));
    }
}

void TForm1::ShowMenuCaptions() {
    menus_->Named("N3")->setText(Q(editor_.view().PhoneMenuCaption()));
    menus_->Named("N6")->setText(Q(editor_.view().FontMenuCaption()));
    // Qt takes "[*]" in a title for its modification mark; a file may be called "*".
    QString caption = Q(editor_.view().WindowCaption());
    setWindowTitle(caption.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

void TForm1::ShowControls() {
    const ControlStates& controls = editor_.view().Controls();
    const std::span<const MenuRow> rows = MenuRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        QAction* action = menus_->actions[i];
        if (action == nullptr) continue;
        const MenuRow& row = rows[i];
        if (row.checked != nullptr) action->setChecked(row.checked(controls));
        if (row.enabled != nullptr) action->setEnabled(row.enabled(controls));
        if (row.caption == CaptionFrom::Undo) action->setText(Q(controls.undo_caption));
        if (row.caption == CaptionFrom::Redo) action->setText(Q(controls.redo_caption));
    }
    for (int set = 0; set < kSetButtonCount; ++set) {
        if (set_buttons_[set] != nullptr) set_buttons_[set]->SetDown(controls.set_down[set]);
    }
    bold_button_->SetDown(controls.bold_down);
    bold_button_->setEnabled(controls.bold_enabled);
    bold_button_->setVisible(controls.bold_visible);
    button1_->setEnabled(controls.button1_enabled);
}

// The caption of a menu table row that does not change with the state.
QString TForm1::MenuCaption(const MenuRow& row) const {
    switch (row.caption) {
        case CaptionFrom::Text:
            return Text(row.text);
        case CaptionFrom::Model:
            return Q(editor_.view().ModelCaption(static_cast<PhoneModel>(row.code)));
        case CaptionFrom::Kind:
            return Q(editor_.view().KindCaption(static_cast<FontKind>(row.code)));
        case CaptionFrom::Scope:
            return Q(editor_.view().ScopeCaption(row.code));
        case CaptionFrom::Zoom:
            return QStringLiteral("%1 %").arg(row.code);
        case CaptionFrom::PhoneMenu:
        case CaptionFrom::FontMenu:
        case CaptionFrom::Undo:
        case CaptionFrom::Redo:
            break;
    }
    return QString();
}

// The captions and hints that follow the interface language.
void TForm1::ShowTexts() {
    const Edition edition = editor_.edition();
    const std::span<const MenuRow> rows = MenuRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (menus_->actions[i] == nullptr) continue;
        const QString caption = MenuCaption(rows[i]);
        if (!caption.isNull()) menus_->actions[i]->setText(caption);
    }

    // The status line shows the hints as they are; the tool tips add the keys.
    for (int set = 0; set < SetCount(edition); ++set) {
        const SetButtonRow& row = kSetButtonRows[set];
        set_buttons_[set]->setStatusTip(Text(row.hint));
        set_buttons_[set]->setToolTip(WithKeys(row.hint, row.key));
    }
    bold_button_->setStatusTip(Text(UiText::BoldHint));
    bold_button_->setToolTip(WithKeys(UiText::BoldHint, KeyCommand::Bold));
    button1_->setText(Text(UiText::WriteBackCaption));
    button1_->setStatusTip(Text(UiText::WriteBackHint));
    for (size_t i = 0; i < clipboard_buttons_.size(); ++i) {
        clipboard_buttons_[i]->setText(Text(kClipboardButtonRows[i].caption));
        clipboard_buttons_[i]->setStatusTip(Text(kClipboardButtonRows[i].hint));
    }
    for (size_t i = 0; i < shift_buttons_.size(); ++i) {
        shift_buttons_[i]->setStatusTip(Text(kShiftButtonRows[i].hint));
    }
    label14_->setText(Text(UiText::LetterCaption));
    label00_->setText(Text(UiText::WidthCaption));
    ShowRecentFiles();
    MarkMnemonics(menuBar());
}

// The status line names what a file command did until the pointer next shows a hint.
void TForm1::ShowNotice() {
    ShowHint(Q(ShownText(editor_.view().Notice(), editor_.state().language)));
}

}  // namespace rw::ui
