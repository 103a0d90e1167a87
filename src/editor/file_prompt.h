#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "editor/face_opener.h"
#include "editor/glyph_import.h"
#include "model/edition.h"
#include "model/font_image.h"

namespace rw {

// The file commands of the menus, each one operation of FileCommands.
enum class FileCommand {
    LoadFlash,     // "Загрузить шрифт из fullflash"
    SaveFlash,     // "Сохранить шрифт в fullflash"
    LoadFontFile,  // "Загрузить шрифт из файла"
    SaveFontFile,  // "Сохранить шрифт в файл"
    LoadThinSft,   // "SFT -> SBF" / "Загрузить тонкий"
    LoadBoldSft,   // "SFT -> SBF" / "Загрузить жирный"
    ImportFont,    // "Импорт из шрифта..."
    ImportPng,     // "Импорт из PNG..."
    ExportPng,     // "Экспорт в PNG..."
    ExportPatch,   // "Экспорт патча (.vkp)..."
    ImportPatch,   // "Импорт из патча (.vkp)..."
};

// The kinds of file the file dialogs ask for; each dialog offers the file last chosen for its
// kind, never one of another kind.
enum class FileRole { Fullflash, FontFile, Png, Patch, OutlineFont };
inline constexpr std::size_t kFileRoleCount = 5;

// What a file dialog shows. Texts are in the interface language; a filter reads
// "Description (*.ext)|*.ext".
struct FileDialogSpec {
    bool save = false;
    std::string title;
    std::string filter;
    // A save dialog keeps its default extension until a command sets another one; nullopt leaves
    // the one in force.
    std::optional<std::string> default_suffix;
    // A full path the dialog offers in place of the file last chosen in it; empty for none.
    std::string suggested_path;
    // ".sft": the dialog offers only a name with this extension, else just its folder; empty for
    // any name.
    std::string name_extension;
    // The kind of file it asks for: a front end that remembers files offers the last one chosen
    // for this kind where `suggested_path` is empty.
    FileRole role = FileRole::Fullflash;
};

// What the import-from-a-font dialog previews on: where the import goes, the font as it is, the
// block the window shows, and the dialog that chooses a font file instead of a family.
struct FaceChoice {
    FontImportTarget target;
    FontImage font;
    int block = 0;
    Language language = kRussian;
    FileDialogSpec font_file_dialog;
};

// The next thing a file command needs of the front end. A command runs until it needs a choice
// or has something to tell; the front end shows the prompt and hands back the answer with
// FileCommands::Resume, at once or later (a dialog of a browser answers asynchronously). The
// front end decides nothing: every text is in the interface language already.
struct FilePrompt {
    enum class Kind {
        Done,         // the command is over
        ChooseFile,   // a file dialog: `dialog`; answer a path, or cancel
        ChooseFaces,  // the import dialog: `faces`; answer a request, or cancel
        Ask,          // a question: `text`, `go_on`, `other` if any, or `stop` (the default)
        Error,        // the error box of a failed command: `text`
        Warning,      // a warning with one OK button: `text`
        Notice,       // a message that reports: `title`, `text`
    };
    Kind kind = Kind::Done;
    FileDialogSpec dialog;
    FaceChoice faces;
    std::string title;
    std::string text;
    std::string go_on;
    // A second way on, which a question offers beside `go_on`; empty for none.
    std::string other;
    std::string stop;
    // Done: the file the command read or wrote, and its kind, for the recent files and the
    // dialogs' memory; empty when the command failed or was cancelled.
    std::string file;
    FileRole file_role = FileRole::Fullflash;

    bool done() const { return kind == Kind::Done; }
    // A choice or a question waits for its answer; the rest only wait to be seen.
    bool awaits_answer() const {
        return kind == Kind::ChooseFile || kind == Kind::ChooseFaces || kind == Kind::Ask;
    }
};

// The front end's answer to a prompt. Anything for a prompt that only tells.
struct FileAnswer {
    std::optional<std::string> path;         // ChooseFile; nullopt: cancelled
    std::optional<FontImportRequest> faces;  // ChooseFaces; nullopt: cancelled
    bool go_on = false;                      // Ask
    bool other = false;                      // Ask: the second way on

    static FileAnswer Seen() { return {}; }
    static FileAnswer Cancel() { return {}; }
    static FileAnswer File(std::string chosen) {
        return {std::move(chosen), std::nullopt, false, false};
    }
    static FileAnswer Faces(FontImportRequest request) {
        return {std::nullopt, request, false, false};
    }
    static FileAnswer Yes() { return {std::nullopt, std::nullopt, true, false}; }
    static FileAnswer Other() { return {std::nullopt, std::nullopt, false, true}; }
    static FileAnswer No() { return {}; }
};

}  // namespace rw
