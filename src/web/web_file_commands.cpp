// The file commands of the page: the window's sequence of dialogs, questions and messages, each
// dialog a step the page answers. The session decides everything; the files are bytes in memory.
#include <algorithm>
#include <cctype>
#include <string_view>

#include "edition/texts.h"
#include "editor/font_sheet.h"
#include "io/file_classification.h"
#include "io/font_files.h"
#include "patch/patch_reader.h"
#include "web/js_values.h"
#include "web/png_encoder.h"
#include "web/web_editor.h"

namespace rw::web {

using emscripten::val;

namespace {

constexpr const char* kBinaryMime = "application/octet-stream";

FontSheetGeometry SheetOf(const Session& session) {
    const EditorState& state = session.state();
    return FontSheetGeometry::Of(session.edition(), GlyphCell::Of(state.wide(), state.last_row()));
}

bool IsPng(const std::vector<uint8_t>& bytes) {
    static constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return bytes.size() >= 8 && std::equal(kSignature, kSignature + 8, bytes.begin());
}

// "x.vkp" in any case.
bool IsPatchName(const std::string& name) {
    constexpr std::string_view kExtension = ".vkp";
    if (name.size() < kExtension.size()) return false;
    const std::string_view tail = std::string_view(name).substr(name.size() - kExtension.size());
    return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

// The filter of the font files of the chosen font's form.
std::string FontFileFilter(const Session& session, Language language) {
    switch (FontFileFormatFor(session.edition(), session.state().wide())) {
        case FontFileFormat::Sft:
            return rw::Text(UiText::SftFilter, language, session.edition());
        case FontFileFormat::Sbf:
            return rw::Text(UiText::SbfFilter, language, session.edition());
        case FontFileFormat::Sfe:
            break;
    }
    return rw::Text(UiText::SfeFilter, language, session.edition());
}

}  // namespace

// "Загрузить шрифт из fullflash": the load, then the warning when the records at the chosen model
// and kind do not look like a font.
val WebEditor::LoadFlash() {
    return ChooseFile(UiText::LoadFlashTitle, Text(UiText::FullflashFilter), "fullflash", false,
                      [this](const Reply& file) { return LoadFrom(file, LoadRequest::Fullflash); });
}

val WebEditor::LoadFrom(const Reply& file, LoadRequest::Source source) {
    return LoadHeld(Hold(file), source);
}

val WebEditor::LoadHeld(const std::string& name, LoadRequest::Source source) {
    const Status status = session_.Load({source, name}, files_);
    if (status.ok() && source == LoadRequest::Fullflash) KeepHeld();
    return Outcome(status, [this, source](const Reply&) {
        return source == LoadRequest::Fullflash ? WarnIfNotAFont() : Done();
    });
}

val WebEditor::WarnIfNotAFont() {
    const std::vector<Message> warning = session_.FlashLoadWarning(files_);
    if (warning.empty()) return Done();
    return Box("warning", "Runewright", Render(warning, language()),
               [this](const Reply&) { return Done(); });
}

// "Сохранить шрифт в fullflash": into the fullflash last loaded or saved, which the page holds;
// before any, into one the user opens. The patched file goes back under its own name.
val WebEditor::SaveFlash() {
    if (!session_.last_fullflash().empty()) return SaveFlashInto(session_.last_fullflash());
    return ChooseFile(UiText::SaveFlashTitle, Text(UiText::FullflashFilter), "fullflash", false,
                      [this](const Reply& file) { return SaveFlashInto(Hold(file)); });
}

val WebEditor::SaveFlashInto(const std::string& name) {
    return ConfirmFlashSave(name, [this, name](const Reply&) {
        const bool opened = name == session_.last_fullflash();
        const Status status = session_.Save({SaveRequest::Fullflash, name}, files_);
        if (!status.ok()) return Failure(status);
        return HandOut(UiText::SaveFlashTitle, name, kBinaryMime, "fullflash", opened,
                       [this, note = status.note()](const Reply&) {
                           return Note(note, [this](const Reply&) { return Done(); });
                       });
    });
}

val WebEditor::ConfirmFlashSave(const std::string& name, Continuation then) {
    const FlashSaveCheck check = session_.CheckFlashSave(name, files_);
    return Note(check.rollback_note,
                [this, question = check.question, then = std::move(then)](const Reply& reply) {
                    if (question.empty()) return then(reply);
                    return Ask(question, MessageId::AnswerSave, then);
                });
}

// "Загрузить шрифт из файла".
val WebEditor::LoadFontFile() {
    return ChooseFile(UiText::LoadFontFileTitle, FontFileFilter(session_, language()), "fontFile",
                      false,
                      [this](const Reply& file) { return LoadFrom(file, LoadRequest::FontFile); });
}

// "SFT -> SBF" → "Загрузить тонкий" / "Загрузить жирный".
val WebEditor::LoadSft(LoadRequest::Source source) {
    const UiText title =
        source == LoadRequest::ThinSft ? UiText::LoadThinSftTitle : UiText::LoadBoldSftTitle;
    return ChooseFile(title, Text(UiText::SftFilter), "sft", false,
                      [this, source](const Reply& file) { return LoadFrom(file, source); });
}

// "Сохранить шрифт в файл": the current file's name under the format's extension.
val WebEditor::SaveFontFile() {
    const FontFileFormat format = FontFileFormatFor(session_.edition(), session_.state().wide());
    std::string name = BaseNameOf(FontFileNameFor(session_.state().file_name, format));
    if (name.empty()) name = std::string("font") + FontFileExtension(format);
    held_.insert(name);
    const Status status = session_.Save({SaveRequest::FontFile, name}, files_);
    if (!status.ok()) return Failure(status);
    return HandOut(UiText::SaveFontFileTitle, name, kBinaryMime, "fontFile", false,
                   [this](const Reply&) { return Done(); });
}

// "Выход": with unsaved changes the user is asked first.
val WebEditor::Quit() {
    const auto quit = [](const Reply&) {
        val step = val::object();
        step.set("kind", "quit");
        return step;
    };
    if (!session_.HasUnsavedChanges()) return quit(Reply{});
    return Ask({{MessageId::QuitUnsaved, {}}}, MessageId::AnswerQuit, quit);
}

// "Импорт из PNG...": the load scope's blocks from a sheet the page decoded; a wrong picture
// changes nothing.
val WebEditor::ImportPng() {
    return ChooseFile(UiText::ImportPngTitle, Text(UiText::PngFilter), "pngSheet", true,
                      [this](const Reply& image) { return ImportSheet(image); });
}

val WebEditor::ImportSheet(const Reply& image) {
    const FontSheetGeometry geometry = SheetOf(session_);
    const size_t expected =
        static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 4;
    if (image.width <= 0 || image.height <= 0 || image.bytes.size() != expected) {
        return Failure(Status::Failure(image.name, Message{MessageId::NotAPng, {}}));
    }
    if (const auto problem = SheetSizeProblem(image.width, image.height, geometry)) {
        return Failure(Status::Failure(image.name, *problem));
    }
    const RgbaImage sheet{image.width, image.height, image.bytes};
    FontImage scratch = session_.font();
    const BlockSet blocks = ScopeBlocks(session_.state().load_scope, session_.edition());
    if (const auto failure = ReadFontSheet(sheet, geometry, blocks, scratch)) {
        return Failure(Status::Failure(image.name, *failure));
    }
    session_.ImportedSheet(scratch, image.name);
    return Done();
}

// "Экспорт в PNG...": the whole font at four screen pixels per font pixel.
val WebEditor::ExportPng() {
    constexpr int kSheetScale = 4;
    const std::string current = BaseNameOf(session_.state().file_name);
    const std::string name = WithExtension(current.empty() ? "font" : current, ".png");
    held_.insert(name);
    files_.Put(name, EncodePng(PaintFontSheet(session_.font(), SheetOf(session_), kSheetScale)));
    return HandOut(UiText::ExportPngTitle, name, "image/png", "pngSheet", false,
                   [this, name](const Reply& reply) {
                       if (reply.kind == Reply::Saved) session_.ExportedSheet(name);
                       return Done();
                   });
}

// "Экспорт патча (.vkp)...": what a save into the fullflash would write, as a patch.
val WebEditor::ExportPatch() {
    return WithFullflash([this](const std::string& flash) {
        FontPatch patch;
        const Status exported = session_.PatchAgainst(flash, &patch, files_);
        if (!exported.ok()) return Failure(exported);
        return Note(exported.note(), [this, flash, patch](const Reply&) {
            if (patch.lines == 0) {
                return Box("information", Text(UiText::SavePatchTitle),
                           Render(Message{MessageId::PatchNotNeeded, {}}, language()),
                           [this](const Reply&) { return Done(); });
            }
            // A patch of font records over firmware code bricks the phone as a save does.
            return ConfirmFlashSave(flash, [this, flash, patch](const Reply&) {
                const std::string name = BaseNameOf(PatchNameFor(flash));
                held_.insert(name);
                const Status written = session_.SavePatch(name, patch, files_);
                if (!written.ok()) return Failure(written);
                return HandOut(UiText::SavePatchTitle, name, "text/plain", "patch", false,
                               [this](const Reply&) { return Done(); });
            });
        });
    });
}

// "Импорт из патча (.vkp)...": the patch applied to the fullflash in memory, the font read from
// the result at the current layout and load scope.
val WebEditor::ImportPatch() {
    return ChooseFile(UiText::LoadPatchTitle, Text(UiText::PatchFilter), "patch", false,
                      [this](const Reply& file) { return ImportPatchFrom(file); });
}

val WebEditor::ImportPatchFrom(const Reply& file) {
    const std::string name = Hold(file);
    Patch patch;
    const Status read = ReadPatchFile(name, &patch, files_);
    if (!read.ok()) return Failure(read);
    return WithFullflash([this, patch](const std::string& flash) {
        std::vector<Message> told;
        const Status imported = session_.ImportPatch(patch, flash, &told, files_);
        if (!imported.ok()) return Failure(imported);
        KeepHeld();
        return Note(imported.note(), [this, told](const Reply&) {
            return Box("information", Text(UiText::LoadPatchTitle), Render(told, language()),
                       [this](const Reply&) { return Done(); });
        });
    });
}

val WebEditor::WithFullflash(std::function<val(const std::string&)> then) {
    if (!session_.last_fullflash().empty()) return then(session_.last_fullflash());
    return ChooseFile(
        UiText::LoadFlashTitle, Text(UiText::FullflashFilter), "fullflash", false,
        [this, then = std::move(then)](const Reply& file) { return then(Hold(file)); });
}

// A file dropped on the page: a PNG sheet and a patch go to their imports; any other file is
// judged as one named on the command line, before anything of it is read into the font.
val WebEditor::OpenFile(const val& given) {
    pending_ = nullptr;
    Reply file;
    file.kind = Reply::File;
    file.name = given["name"].as<std::string>();
    file.bytes = BytesOf(given["bytes"]);
    if (IsPng(file.bytes)) {
        val step = val::object();
        step.set("kind", "decodeImage");
        step.set("name", file.name);
        step.set("bytes", BytesValue(file.bytes));
        return Pending(step, [this, name = file.name](const Reply& image) {
            if (image.kind == Reply::Error) return Failure(Status::Failure(name, image.error));
            return image.kind == Reply::Image ? ImportSheet(image) : Done();
        });
    }
    if (IsPatchName(file.name)) return ImportPatchFrom(file);
    const std::string name = Hold(file.name, std::move(file.bytes));
    const EditorState& state = session_.state();
    FileClassification given_file;
    const Status status =
        ClassifyFile(name, session_.edition(), {state.model, state.kind}, &given_file, files_);
    if (!status.ok()) return Failure(status);
    const LoadRequest::Source source =
        given_file.load == FileLoad::Fullflash ? LoadRequest::Fullflash : LoadRequest::FontFile;
    return Note(status.note(),
                [this, name, source](const Reply&) { return LoadHeld(name, source); });
}

}  // namespace rw::web
