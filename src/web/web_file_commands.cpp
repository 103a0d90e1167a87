// The file commands of the page: the core's FileCommands decides every one of them; its prompts
// become the page's steps. Files are bytes in memory: what the page hands in is held under its
// name, and what a command writes goes out to the page.
#include <algorithm>
#include <cctype>
#include <string_view>

#include "edition/texts.h"
#include "io/file_io.h"
#include "web/js_values.h"
#include "web/web_editor.h"

namespace rw::web {

using emscripten::val;

namespace {

constexpr const char* kBinaryMime = "application/octet-stream";

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

const char* MimeOf(FileCommand command) {
    switch (command) {
        case FileCommand::ExportPng:
            return "image/png";
        case FileCommand::ExportPatch:
            return "text/plain";
        default:
            break;
    }
    return kBinaryMime;
}

RgbaImage ImageOf(const Reply& reply) {
    return {reply.width, reply.height, reply.bytes};
}

}  // namespace

val WebEditor::StartCommand(FileCommand command) {
    ForgetOthers();
    command_ = command;
    return StepOf(commands_.Start(command));
}

// A prompt of the core as the page's step. A file a save dialog was answered with goes out
// first, once the command wrote it.
val WebEditor::StepOf(FilePrompt prompt) {
    if (save_) {
        const std::vector<uint8_t>* now = files_.Get(save_->name);
        // A save of the same bytes changes no byte, but the session says it saved.
        const Message& notice = session_.view().Notice();
        const bool said_saved = session_.view().generation() != save_->generation &&
                                notice.id == MessageId::SavedTo && !notice.args.empty() &&
                                notice.args[0] == save_->name;
        const bool written =
            now != nullptr && (!save_->before || *now != *save_->before || said_saved);
        if (written) {
            const Written out = *std::exchange(save_, std::nullopt);
            const char* mime = command_ ? MimeOf(*command_) : kBinaryMime;
            auto rest = std::make_shared<FilePrompt>(std::move(prompt));
            return HandOut(out.title, out.name, mime, out.purpose, out.replaces_opened,
                           [this, rest](const Reply&) { return StepOf(*rest); });
        }
        if (prompt.done()) save_ = std::nullopt;
    }
    const auto seen = [this](const Reply&) { return StepOf(commands_.Resume(FileAnswer::Seen())); };
    switch (prompt.kind) {
        case FilePrompt::Kind::Done:
            return Done();
        case FilePrompt::Kind::Error:
            failed_ = true;
            return Box("error", "Runewright", prompt.text, seen);
        case FilePrompt::Kind::Warning:
            return Box("warning", "Runewright", prompt.text, seen);
        case FilePrompt::Kind::Notice:
            return Box("information", prompt.title, prompt.text, seen);
        case FilePrompt::Kind::Ask: {
            val step = val::object();
            step.set("kind", "question");
            step.set("icon", "warning");
            step.set("title", "Runewright");
            step.set("text", prompt.text);
            // Two ways on ("Записать и продолжить", "Продолжить без неё") or one, then the
            // answer that stops, which is the default.
            const bool two_ways = !prompt.other.empty();
            const int stop = two_ways ? 2 : 1;
            step.set("buttons", two_ways ? Strings({prompt.go_on, prompt.other, prompt.stop})
                                         : Strings({prompt.go_on, prompt.stop}));
            step.set("defaultButton", stop);
            step.set("cancelButton", stop);
            return Pending(step, [this, two_ways](const Reply& reply) {
                const int button = reply.kind == Reply::Button ? reply.button : -1;
                if (button == 0) return StepOf(commands_.Resume(FileAnswer::Yes()));
                if (two_ways && button == 1) return StepOf(commands_.Resume(FileAnswer::Other()));
                return StepOf(commands_.Resume(FileAnswer::No()));
            });
        }
        case FilePrompt::Kind::ChooseFile:
            return prompt.dialog.save ? AnswerSave(prompt.dialog) : ChooseFor(prompt.dialog);
        case FilePrompt::Kind::ChooseFaces:
            // The page reaches no installed fonts and offers no such command.
            return StepOf(commands_.Resume(FileAnswer::Cancel()));
    }
    return Done();
}

const char* WebEditor::PurposeOf(const FileDialogSpec& dialog) const {
    if (dialog.filter == Text(UiText::FullflashFilter)) return "fullflash";
    if (!command_) return "any";
    switch (*command_) {
        case FileCommand::LoadFontFile:
        case FileCommand::SaveFontFile:
            return "fontFile";
        case FileCommand::LoadThinSft:
        case FileCommand::LoadBoldSft:
            return "sft";
        case FileCommand::ImportPng:
        case FileCommand::ExportPng:
            return "pngSheet";
        case FileCommand::ExportPatch:
        case FileCommand::ImportPatch:
            return "patch";
        default:
            break;
    }
    return "fullflash";
}

// An open dialog: the page's file chooser. A sheet comes decoded by the browser.
val WebEditor::ChooseFor(const FileDialogSpec& dialog) {
    const bool image = command_ == FileCommand::ImportPng;
    return ChooseFile(dialog.title, dialog.filter, PurposeOf(dialog), image,
                      [this](const Reply& reply) {
                          if (reply.kind == Reply::Image) {
                              pictures_.Give(ImageOf(reply));
                              // The core reads the file before it asks for its pixels.
                              Hold(reply.name, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
                              return StepOf(commands_.Resume(FileAnswer::File(reply.name)));
                          }
                          return StepOf(commands_.Resume(FileAnswer::File(Hold(reply))));
                      });
}

// A save dialog: the page names no files. The name is the one the dialog offers (the fullflash
// last loaded or saved, the font file or patch named after it), else the current file's under
// the dialog's extension. A fullflash save before any load asks for the fullflash to patch.
val WebEditor::AnswerSave(const FileDialogSpec& dialog) {
    const std::string offered = BaseNameOf(dialog.suggested_path);
    if (!offered.empty()) return SaveAs(offered, dialog);
    if (command_ == FileCommand::SaveFlash) {
        return ChooseFile(dialog.title, dialog.filter, "fullflash", false,
                          [this, dialog](const Reply& file) { return SaveAs(Hold(file), dialog); });
    }
    std::string extension = dialog.default_suffix.value_or(dialog.name_extension);
    if (!extension.empty() && extension.front() != '.') extension.insert(0, ".");
    const std::string current = BaseNameOf(session_.state().file_name);
    return SaveAs(WithExtension(current.empty() ? "font" : current, extension), dialog);
}

val WebEditor::SaveAs(const std::string& name, const FileDialogSpec& dialog) {
    Written target{name,
                   std::nullopt,
                   PurposeOf(dialog),
                   name == session_.last_fullflash(),
                   dialog.title,
                   session_.view().generation()};
    if (const std::vector<uint8_t>* held = files_.Get(name)) target.before = *held;
    held_.insert(name);
    save_ = std::move(target);
    return StepOf(commands_.Resume(FileAnswer::File(name)));
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

// A file dropped on the page: a PNG sheet and a patch go to their imports; any other file is
// judged as one named on the command line.
val WebEditor::OpenFile(const val& given) {
    pending_ = nullptr;
    ForgetOthers();
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
            return image.kind == Reply::Image ? ImportDroppedSheet(image) : Done();
        });
    }
    if (IsPatchName(file.name)) {
        command_ = FileCommand::ImportPatch;
        const FilePrompt first = commands_.Start(FileCommand::ImportPatch);
        if (first.kind != FilePrompt::Kind::ChooseFile) return StepOf(first);
        return StepOf(commands_.Resume(FileAnswer::File(Hold(file.name, std::move(file.bytes)))));
    }
    command_ = FileCommand::LoadFlash;
    return StepOf(commands_.OpenGiven(Hold(file.name, std::move(file.bytes))));
}

val WebEditor::ImportDroppedSheet(const Reply& image) {
    command_ = FileCommand::ImportPng;
    const FilePrompt first = commands_.Start(FileCommand::ImportPng);
    if (first.kind != FilePrompt::Kind::ChooseFile) return StepOf(first);
    pictures_.Give(ImageOf(image));
    Hold(image.name, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
    return StepOf(commands_.Resume(FileAnswer::File(image.name)));
}

}  // namespace rw::web
