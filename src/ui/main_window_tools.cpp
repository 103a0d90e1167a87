// The "Сервис" menu: imports from installed fonts and PNG sheets, and the sheet export.
#include <QString>

#include "edition/texts.h"
#include "editor/font_import.h"
#include "editor/font_sheet.h"
#include "model/load_scope.h"
#include "png/png_files.h"
#include "ui/import_font_dialog.h"
#include "ui/main_window.h"
#include "ui/qt_conversions.h"

namespace rw::ui {
namespace {

GlyphCell CellOf(const EditorState& state) {
    return GlyphCell::Of(state.wide(), state.last_row());
}

FontSheetGeometry SheetOf(const Session& editor) {
    return FontSheetGeometry::Of(editor.edition(), CellOf(editor.state()));
}

}  // namespace

// Menu "Сервис" → "Импорт из шрифта...": the import dialog, then the faces drawn into a copy of
// the font, which lands as a load does.
void TForm1::ImportFont1Click() {
    const EditorState& state = editor_.state();
    const FontImportTarget target{editor_.edition(), CellOf(state), state.single_weight(),
                                  ScopeBlocks(state.load_scope, editor_.edition())};
    const ImportDialogContext context{target, editor_.font(), state.block(), state.language};
    ImportFontDialog dialog(
        context,
        [this] {
            return AskOpen(FileRole::OutlineFont, {Text(UiText::ImportFontTitle),
                                                   Text(UiText::ImportFontFilter), std::nullopt});
        },
        this);
    if (dialog.exec() != QDialog::Accepted) return;
    ImportFaces faces;
    const Status status = OpenImportFaces(dialog.Request(), target.cell, faces);
    if (!status.ok()) {
        ShowFailure(status);
        return;
    }
    FontImage scratch = editor_.font();
    const FontImportReport report =
        ImportFontGlyphs(target, *faces.normal, faces.bold.get(), faces.baseline, scratch);
    Run([&scratch](Session& s) { s.LoadFont(scratch, UiText::MenuImportFont); });
    QStringList lines;
    for (const std::string& line : DescribeImportProblems(report, state.language))
        lines << QString::fromStdString(line);
    if (!lines.isEmpty())
        dialogs_->ShowNotice(Text(UiText::ImportFontTitle), lines.join(QLatin1Char('\n')));
}

// Menu "Сервис" → "Импорт из PNG...": the load scope's blocks from a sheet; a wrong picture
// changes nothing.
void TForm1::ImportPng1Click() {
    const std::optional<QString> path = AskOpen(
        FileRole::Png, {Text(UiText::ImportPngTitle), Text(UiText::PngFilter), std::nullopt});
    if (path) ImportPngFrom(path->toStdString());
}

void TForm1::ImportPngFrom(const std::string& file) {
    const FontSheetGeometry geometry = SheetOf(editor_);
    RgbaImage sheet;
    Status status = ReadPng(file, sheet, [&geometry](int width, int height) {
        return SheetSizeProblem(width, height, geometry);
    });
    FontImage scratch = editor_.font();
    if (status.ok()) {
        const BlockSet blocks = ScopeBlocks(editor_.state().load_scope, editor_.edition());
        if (const auto failure = ReadFontSheet(sheet, geometry, blocks, scratch))
            status = Status::Failure(file, *failure);
    }
    if (!status.ok()) {
        ShowFailure(status);
        return;
    }
    Run([&](Session& s) { s.ImportedSheet(scratch, file); });
    NoteRecentFile(file);
}

// Menu "Сервис" → "Экспорт в PNG...": the whole font at four screen pixels per font pixel.
void TForm1::ExportPng1Click() {
    constexpr int kSheetScale = 4;
    const std::optional<QString> path =
        AskSave(FileRole::Png,
                {Text(UiText::ExportPngTitle), Text(UiText::PngFilter), QStringLiteral("png")});
    if (!path) return;
    const std::string file = path->toStdString();
    const Status status =
        WritePng(file, PaintFontSheet(editor_.font(), SheetOf(editor_), kSheetScale));
    if (!status.ok()) {
        ShowFailure(status);
        return;
    }
    Run([&file](Session& s) { s.ExportedSheet(file); });
    NoteRecentFile(file);
}

}  // namespace rw::ui
