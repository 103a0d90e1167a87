// The file commands: what each one shows, reads, asks, writes and tells, as prompts.
#include "editor/file_commands.h"

#include "edition/terminal_text.h"

#include "edition/status_messages.h"
#include "editor/font_sheet.h"
#include "io/file_classification.h"
#include "io/flash_codec.h"
#include "io/font_files.h"
#include "io/glyph_count.h"
#include "io/sft_conversion.h"
#include "io/whole_file.h"
#include "model/load_scope.h"
#include "patch/font_from_patch.h"
#include "patch/patch_writer.h"

namespace rw {
namespace {

// A sheet exported has four screen pixels per font pixel.
constexpr int kSheetScale = 4;

GlyphCell CellOf(const EditorState& state) {
    return GlyphCell::Of(state.wide(), state.last_row());
}

FontSheetGeometry SheetOf(const EditorState& state) {
    return FontSheetGeometry::Of(state.edition, CellOf(state));
}

FontImportTarget ImportTargetOf(const EditorState& state) {
    return {state.edition, CellOf(state), state.single_weight(),
            ScopeBlocks(state.load_scope, state.edition)};
}

// A failure after an interrupted save was rolled back tells both in the one box.
std::string FailureText(const Status& status, Language language) {
    const std::string line = status.ShownLine(language);
    return status.note().empty() ? line : ShownText(status.note(), language) + "\n" + line;
}

}  // namespace

FileCommands::FileCommands(Session& session, FileSystem& fs, PictureCodec* pictures,
                           FaceOpener* faces)
    : session_(session), fs_(fs), pictures_(pictures), faces_(faces) {}

// ---------------------------------------------------------------------------------------------
// The prompt queue

FilePrompt FileCommands::Next() {
    if (queue_.empty()) {
        FilePrompt done;
        done.file = std::exchange(finished_file_, std::string());
        done.file_role = finished_role_;
        return done;
    }
    FilePrompt prompt = std::move(queue_.front());
    queue_.pop_front();
    awaiting_ = prompt.awaits_answer();
    return prompt;
}

FilePrompt FileCommands::Resume(const FileAnswer& answer) {
    if (awaiting_) {
        awaiting_ = false;
        const Continuation next = std::exchange(next_, nullptr);
        if (next) next(answer);
    }
    return Next();
}

void FileCommands::Await(FilePrompt prompt, Continuation next) {
    queue_.push_back(std::move(prompt));
    next_ = std::move(next);
}

void FileCommands::AwaitFile(FileDialogSpec dialog,
                             std::function<void(const std::string&)> chosen) {
    FilePrompt prompt;
    prompt.kind = FilePrompt::Kind::ChooseFile;
    prompt.dialog = std::move(dialog);
    // Cancelling the dialog ends the command: nothing changes.
    Await(std::move(prompt), [chosen = std::move(chosen)](const FileAnswer& answer) {
        if (answer.path) chosen(*answer.path);
    });
}

// A question the command puts, with the answer that goes on and "Отмена", which is the default.
void FileCommands::AwaitYes(const std::vector<Message>& question, MessageId go_on,
                            std::function<void()> yes) {
    const Language language = session_.state().language;
    FilePrompt prompt;
    prompt.kind = FilePrompt::Kind::Ask;
    prompt.text = Said(question);
    prompt.go_on = Render(Message{go_on, {}}, language);
    prompt.stop = Render(Message{MessageId::AnswerCancel, {}}, language);
    Await(std::move(prompt), [yes = std::move(yes)](const FileAnswer& answer) {
        if (answer.go_on) yes();
    });
}

void FileCommands::Finished(FileRole role, const std::string& path) {
    finished_role_ = role;
    finished_file_ = path;
}

void FileCommands::Tell(FilePrompt prompt) {
    queue_.push_back(std::move(prompt));
}

void FileCommands::TellOutcome(const Status& status) {
    if (!status.ok()) {
        TellFailure(status);
        return;
    }
    TellNote(status.note());
}

void FileCommands::TellFailure(const Status& status) {
    FilePrompt prompt;
    prompt.kind = FilePrompt::Kind::Error;
    prompt.text = FailureText(status, session_.state().language);
    Tell(std::move(prompt));
}

void FileCommands::TellNote(const Message& note) {
    if (note.empty()) return;
    FilePrompt prompt;
    prompt.kind = FilePrompt::Kind::Notice;
    prompt.title = "Runewright";
    prompt.text = ShownText(note, session_.state().language);
    Tell(std::move(prompt));
}

void FileCommands::TellNotice(UiText title, const std::vector<Message>& text) {
    FilePrompt prompt;
    prompt.kind = FilePrompt::Kind::Notice;
    prompt.title = T(title);
    prompt.text = Said(text);
    Tell(std::move(prompt));
}

std::string FileCommands::T(UiText id) const {
    return Text(id, session_.state().language, session_.edition());
}

std::string FileCommands::Said(const std::vector<Message>& messages) const {
    return Render(messages, session_.state().language);
}

// ---------------------------------------------------------------------------------------------
// The commands

FilePrompt FileCommands::Start(FileCommand command) {
    queue_.clear();
    next_ = nullptr;
    awaiting_ = false;
    finished_file_.clear();
    const EditorState& state = session_.state();
    const FontFileFormat format = FontFileFormatFor(state.edition, state.wide());
    const std::string extension = FontFileExtension(format);
    switch (command) {
        case FileCommand::LoadFlash:
            LoadCommand(FlashLoadDialog(), LoadSource::Fullflash);
            break;
        // It sets no default extension: the one a font-file save set stays in force. It offers
        // the fullflash last loaded or saved.
        case FileCommand::SaveFlash:
            WithGridWritten([this] {
                SaveCommand({true, T(UiText::SaveFlashTitle), T(UiText::FullflashFilter),
                             std::nullopt, session_.last_fullflash(), "", FileRole::Fullflash},
                            SaveTarget::Fullflash);
            });
            break;
        case FileCommand::LoadFontFile:
            LoadCommand({false, T(UiText::LoadFontFileTitle), FontFileFilter(), std::nullopt, "",
                         extension, FileRole::FontFile},
                        LoadSource::FontFile);
            break;
        // A name typed without extension gets the one of the format that is written, so a wide
        // Cyrillic font becomes an .sbf file. The current file is offered under that extension,
        // never under a fullflash's own name.
        case FileCommand::SaveFontFile:
            WithGridWritten([this, extension, format] {
                SaveCommand({true, T(UiText::SaveFontFileTitle), FontFileFilter(), extension,
                             FontFileNameFor(session_.state().file_name, format), extension,
                             FileRole::FontFile},
                            SaveTarget::FontFile);
            });
            break;
        case FileCommand::LoadThinSft:
            LoadCommand({false, T(UiText::LoadThinSftTitle), T(UiText::SftFilter), std::nullopt, "",
                         ".sft", FileRole::FontFile},
                        LoadSource::ThinSft);
            break;
        case FileCommand::LoadBoldSft:
            LoadCommand({false, T(UiText::LoadBoldSftTitle), T(UiText::SftFilter), std::nullopt, "",
                         ".sft", FileRole::FontFile},
                        LoadSource::BoldSft);
            break;
        case FileCommand::ImportFont:
            ImportFont();
            break;
        case FileCommand::ImportPng:
            if (pictures_ == nullptr) break;
            AwaitFile({false, T(UiText::ImportPngTitle), T(UiText::PngFilter), std::nullopt, "", "",
                       FileRole::Png},
                      [this](const std::string& path) { ImportPng(path); });
            break;
        case FileCommand::ExportPng:
            if (pictures_ == nullptr) break;
            AwaitFile({true, T(UiText::ExportPngTitle), T(UiText::PngFilter), "png", "", "",
                       FileRole::Png},
                      [this](const std::string& path) { ExportPng(path); });
            break;
        case FileCommand::ExportPatch:
            WithGridWritten([this] {
                WithFullflash([this](const std::string& flash) { ExportPatch(flash); });
            });
            break;
        case FileCommand::ImportPatch:
            AwaitFile({false, T(UiText::LoadPatchTitle), T(UiText::PatchFilter), std::nullopt, "",
                       "", FileRole::Patch},
                      [this](const std::string& path) { ImportPatch(path); });
            break;
    }
    return Next();
}

FilePrompt FileCommands::OpenGiven(const std::string& path) {
    queue_.clear();
    next_ = nullptr;
    awaiting_ = false;
    finished_file_.clear();
    const EditorState& state = session_.state();
    FileClassification given;
    const Status status = ClassifyFile(path, state.edition, {state.model, state.kind}, &given, fs_);
    if (!status.ok()) {
        TellFailure(status);
        return Next();
    }
    TellNote(status.note());
    switch (given.load) {
        case FileLoad::Fullflash:
            LoadAndTell(path, LoadSource::Fullflash);
            break;
        case FileLoad::FontFile:
            LoadAndTell(path, LoadSource::FontFile);
            break;
        // Without a picture port no sheet is taken, as "Импорт из PNG" is not offered then.
        case FileLoad::PngSheet:
            if (pictures_ != nullptr) ImportPng(path);
            break;
        case FileLoad::Patch:
            ImportPatch(path);
            break;
    }
    return Next();
}

// The open dialog of "Загрузить шрифт из fullflash", which patches ask for a fullflash too.
FileDialogSpec FileCommands::FlashLoadDialog() const {
    return {false, T(UiText::LoadFlashTitle), T(UiText::FullflashFilter), std::nullopt, "",
            "",    FileRole::Fullflash};
}

std::string FileCommands::FontFileFilter() const {
    switch (FontFileFormatFor(session_.edition(), session_.state().wide())) {
        case FontFileFormat::Sft:
            return T(UiText::SftFilter);
        case FontFileFormat::Sbf:
            return T(UiText::SbfFilter);
        case FontFileFormat::Sfe:
            break;
    }
    return T(UiText::SfeFilter);
}

// --- Loads and saves -------------------------------------------------------------------------

// What the grid shows is what the user means to save: edits not written back are offered for
// writing first, as "Записать в шрифт" writes them, before any dialog; "Отмена" ends the command.
void FileCommands::WithGridWritten(std::function<void()> go_on) {
    if (!session_.HasUnwrittenEdits()) {
        go_on();
        return;
    }
    const Language language = session_.state().language;
    FilePrompt prompt;
    prompt.kind = FilePrompt::Kind::Ask;
    prompt.text = Render(session_.UnwrittenEditsNote(), language);
    prompt.go_on = Render(Message{MessageId::AnswerWriteAndGoOn, {}}, language);
    prompt.other = Render(Message{MessageId::AnswerGoOnWithout, {}}, language);
    prompt.stop = Render(Message{MessageId::AnswerCancel, {}}, language);
    Await(std::move(prompt), [this, go_on = std::move(go_on)](const FileAnswer& answer) {
        if (answer.go_on) session_.WriteBack();
        if (answer.go_on || answer.other) go_on();
    });
}

void FileCommands::LoadCommand(FileDialogSpec dialog, LoadSource source) {
    AwaitFile(std::move(dialog),
              [this, source](const std::string& path) { LoadAndTell(path, source); });
}

// After a fullflash load the load stands, but a user who chose the wrong phone learns it now,
// before a save writes font records over firmware.
void FileCommands::LoadAndTell(const std::string& path, LoadSource source) {
    const Status status = Load(path, source);
    TellOutcome(status);
    if (!status.ok() || source != LoadSource::Fullflash) return;
    const std::vector<Message> warning = FlashSaveGuard::LoadWarning(path, session_.place(), fs_);
    if (warning.empty()) return;
    FilePrompt prompt;
    prompt.kind = FilePrompt::Kind::Warning;
    prompt.text = Said(warning);
    Tell(std::move(prompt));
}

// A load reads into a copy of the font and hands the whole result over only when it succeeded;
// a failed load changes nothing.
Status FileCommands::Load(const std::string& path, LoadSource source) {
    const EditorState& state = session_.state();
    const Edition edition = state.edition;
    const BlockSet blocks = ScopeBlocks(state.load_scope, edition);
    FontImage scratch = session_.font();
    Status status = Status::Ok();
    FileKind kind = FileKind::SftConversion;
    StepName name = UiText::MenuLoadThinSft;
    int glyphs = GlyphsInBlocks(edition, blocks);
    switch (source) {
        case LoadSource::Fullflash: {
            const FontLayout layout = state.layout();
            status = ReadFlashFont(path, edition, layout, blocks, scratch, fs_);
            kind = FileKind::Fullflash;
            name = UiText::MenuLoadFlash;
            glyphs = static_cast<int>(RecordsToRead(edition, layout, blocks).size());
            break;
        }
        case LoadSource::FontFile:
            status =
                ReadFontFile(path, FontFileFormatFor(edition, state.wide()), blocks, scratch, fs_);
            kind = FileKind::FontFile;
            name = UiText::MenuLoadFontFile;
            break;
        case LoadSource::ThinSft:
            status = LoadThinSftAsSbf(path, blocks, scratch, fs_);
            break;
        case LoadSource::BoldSft:
            status = LoadBoldSftAsSbf(path, blocks, scratch, fs_);
            name = UiText::MenuLoadBoldSft;
            break;
    }
    if (status.ok()) {
        session_.LoadedFile({kind, path, scratch, name, glyphs});
        Finished(source == LoadSource::Fullflash ? FileRole::Fullflash : FileRole::FontFile, path);
    }
    return status;
}

// A fullflash save asks before replacing glyphs the user did not change or writing where the
// chosen phone keeps no font.
void FileCommands::SaveCommand(FileDialogSpec dialog, SaveTarget target) {
    AwaitFile(std::move(dialog), [this, target](const std::string& path) {
        if (target == SaveTarget::FontFile) {
            SaveAndTell(path, target);
            return;
        }
        ConfirmFlashSave(path, [this, path, target] { SaveAndTell(path, target); });
    });
}

void FileCommands::SaveAndTell(const std::string& path, SaveTarget target) {
    TellOutcome(Save(path, target));
}

// A save writes the whole font, whatever the load scope.
Status FileCommands::Save(const std::string& path, SaveTarget target) {
    const EditorState& state = session_.state();
    const Edition edition = state.edition;
    if (target == SaveTarget::Fullflash) {
        const FontLayout layout = state.layout();
        Status status = WriteFlashFont(path, edition, layout, session_.font(), fs_);
        if (status.ok()) {
            session_.SavedFile(FileKind::Fullflash, path,
                               static_cast<int>(RecordsToWrite(edition, layout).size()));
            Finished(FileRole::Fullflash, path);
        }
        return status;
    }
    Status status =
        WriteFontFile(path, FontFileFormatFor(edition, state.wide()), session_.font(), fs_);
    if (status.ok()) {
        session_.SavedFile(FileKind::FontFile, path,
                           GlyphsInBlocks(edition, ScopeBlocks(LoadScope::WholeFont, edition)));
        Finished(FileRole::FontFile, path);
    }
    return status;
}

void FileCommands::ConfirmFlashSave(const std::string& path, std::function<void()> go_on) {
    const FlashSaveCheck check = session_.CheckFlashSave(path, fs_);
    TellNote(check.rollback_note);
    if (check.question.empty()) {
        go_on();
        return;
    }
    AwaitYes(check.question, MessageId::AnswerSave, std::move(go_on));
}

// --- Imports from installed fonts and pictures -----------------------------------------------

// The import dialog, then the faces drawn into a copy of the font, which lands as a load does.
void FileCommands::ImportFont() {
    if (faces_ == nullptr) return;
    const EditorState& state = session_.state();
    FilePrompt prompt;
    prompt.kind = FilePrompt::Kind::ChooseFaces;
    prompt.faces = {ImportTargetOf(state),
                    session_.font(),
                    state.block(),
                    state.language,
                    {false, T(UiText::ImportFontTitle), T(UiText::ImportFontFilter), std::nullopt,
                     "", "", FileRole::OutlineFont}};
    Await(std::move(prompt), [this](const FileAnswer& answer) {
        if (answer.faces) ImportFaces(*answer.faces);
    });
}

void FileCommands::ImportFaces(const FontImportRequest& request) {
    const FontImportTarget target = ImportTargetOf(session_.state());
    OpenedFaces faces;
    const Status status = faces_->Open(request, target.cell, faces);
    if (!status.ok()) {
        TellFailure(status);
        return;
    }
    FontImage scratch = session_.font();
    const FontImportReport report =
        ImportFontGlyphs(target, *faces.normal, faces.bold.get(), faces.baseline, scratch);
    session_.LoadFont(scratch, UiText::MenuImportFont);
    const std::vector<std::string> lines =
        DescribeImportProblems(report, session_.state().language);
    if (lines.empty()) return;
    FilePrompt prompt;
    prompt.kind = FilePrompt::Kind::Notice;
    prompt.title = T(UiText::ImportFontTitle);
    for (const std::string& line : lines) {
        if (!prompt.text.empty()) prompt.text += '\n';
        prompt.text += line;
    }
    Tell(std::move(prompt));
}

// The load scope's blocks from a sheet; a wrong picture changes nothing.
void FileCommands::ImportPng(const std::string& path) {
    const FontSheetGeometry geometry = SheetOf(session_.state());
    std::vector<uint8_t> bytes;
    Status status = ReadWholeFile(fs_, path, kMaxPictureFileSize, kPictureTooLarge, bytes);
    RgbaImage sheet;
    if (status.ok()) {
        const auto size_problem = [&geometry](int width, int height) {
            return SheetSizeProblem(width, height, geometry);
        };
        if (const auto failure = pictures_->Decode(bytes, size_problem, sheet))
            status = Status::Failure(path, *failure);
    }
    FontImage scratch = session_.font();
    if (status.ok()) {
        const BlockSet blocks = ScopeBlocks(session_.state().load_scope, session_.edition());
        if (const auto failure = ReadFontSheet(sheet, geometry, blocks, scratch))
            status = Status::Failure(path, *failure);
    }
    if (!status.ok()) {
        TellFailure(status);
        return;
    }
    session_.ImportedSheet(scratch, path);
    Finished(FileRole::Png, path);
}

// The whole font, replacing any file of that name atomically.
void FileCommands::ExportPng(const std::string& path) {
    std::vector<uint8_t> bytes;
    const RgbImage sheet = PaintFontSheet(session_.font(), SheetOf(session_.state()), kSheetScale);
    Status status = Status::Ok();
    if (const auto failure = pictures_->Encode(sheet, bytes)) {
        status = Status::Failure(path, *failure);
    } else {
        status = WriteFileAtomically(fs_, path, bytes);
    }
    if (!status.ok()) {
        TellFailure(status);
        return;
    }
    session_.ExportedSheet(path);
    Finished(FileRole::Png, path);
}

// --- Patches -----------------------------------------------------------------------------------

void FileCommands::WithFullflash(std::function<void(const std::string&)> flash) {
    if (!session_.last_fullflash().empty()) {
        flash(session_.last_fullflash());
        return;
    }
    AwaitFile(FlashLoadDialog(), std::move(flash));
}

// What "Сохранить шрифт в fullflash" would write into the fullflash, as a patch; the fullflash
// is only read. A patch of font records over firmware code bricks the phone as surely as a save
// does, so it asks what the save would ask.
void FileCommands::ExportPatch(const std::string& flash) {
    auto patch = std::make_shared<FontPatch>();
    const Status exported =
        ExportFontPatch(flash, session_.place(), session_.font(), patch.get(), fs_);
    if (!exported.ok()) {
        TellFailure(exported);
        return;
    }
    TellNote(exported.note());
    if (patch->lines == 0) {
        TellNotice(UiText::SavePatchTitle,
                   {{MessageId::PatchNotNeeded, {}}, {MessageId::PatchForOtherPhones, {}}});
        return;
    }
    ConfirmFlashSave(flash, [this, flash, patch] {
        AwaitFile({true, T(UiText::SavePatchTitle), T(UiText::PatchFilter), "vkp",
                   PatchNameFor(flash), ".vkp", FileRole::Patch},
                  [this, patch](const std::string& path) {
                      const Status written = WritePatchFile(path, *patch, fs_);
                      if (!written.ok()) {
                          TellFailure(written);
                          return;
                      }
                      session_.SavedPatch(path, static_cast<int>(patch->glyphs.size()));
                      Finished(FileRole::Patch, path);
                  });
    });
}

// The patch goes into a copy of the fullflash in memory, and the font is loaded from it at the
// current layout and load scope; the fullflash stays as it is.
void FileCommands::ImportPatch(const std::string& path) {
    auto patch = std::make_shared<Patch>();
    const Status read = ReadPatchFile(path, patch.get(), fs_, progress_);
    // Cancelled by the user while reading: nothing was changed, nothing to tell.
    if (IsCancelledRead(read)) return;
    if (!read.ok()) {
        TellFailure(read);
        return;
    }
    WithFullflash(
        [this, patch, path](const std::string& flash) { ApplyPatch(*patch, path, flash); });
}

void FileCommands::ApplyPatch(const Patch& patch, const std::string& path,
                              const std::string& flash) {
    const EditorState& state = session_.state();
    const FontPlace place = session_.place();
    PatchedFont imported;
    const Status status =
        ReadFontThroughPatch(flash, patch, place, ScopeBlocks(state.load_scope, state.edition),
                             session_.font(), &imported, fs_);
    if (!status.ok()) {
        TellFailure(status);
        return;
    }
    session_.ImportedFromPatch(imported, flash);
    Finished(FileRole::Patch, path);
    TellNote(status.note());
    TellNotice(UiText::LoadPatchTitle, DescribePatchImport(imported.effect, place.id));
}

}  // namespace rw
