#include "web/web_editor.h"

#include <utility>

#include "web/js_values.h"
#include "web/menu_table.h"
#include "web/page_buttons.h"
#include "web/page_keys.h"

namespace rw::web {

using emscripten::val;

namespace {

std::optional<CursorMove> CursorMoveNamed(const std::string& name) {
    if (name == "left") return CursorMove::Left;
    if (name == "right") return CursorMove::Right;
    if (name == "up") return CursorMove::Up;
    if (name == "down") return CursorMove::Down;
    return std::nullopt;
}

}  // namespace

Reply Reply::Of(const val& value) {
    Reply reply;
    if (value.isNull() || value.isUndefined()) return reply;
    if (value.hasOwnProperty("button")) {
        reply.kind = Button;
        reply.button = value["button"].as<int>();
    } else if (value.hasOwnProperty("file")) {
        const val file = value["file"];
        reply.kind = File;
        reply.name = file["name"].as<std::string>();
        reply.bytes = BytesOf(file["bytes"]);
    } else if (value.hasOwnProperty("image")) {
        const val image = value["image"];
        reply.kind = Image;
        reply.name = image["name"].as<std::string>();
        reply.width = image["width"].as<int>();
        reply.height = image["height"].as<int>();
        reply.bytes = BytesOf(image["rgba"]);
    } else if (value.hasOwnProperty("saved")) {
        reply.kind = Saved;
    } else if (value.hasOwnProperty("error")) {
        reply.kind = Error;
        reply.error = value["error"].as<std::string>();
        if (value.hasOwnProperty("name")) reply.name = value["name"].as<std::string>();
    }
    return reply;
}

WebEditor::WebEditor(Edition edition) : session_(edition) {
    // The page is shown at once: the window's first activation.
    session_.Activate();
}

std::string WebEditor::Text(UiText id) const {
    return rw::Text(id, language(), session_.edition());
}

// --- Operations --------------------------------------------------------------------------------

bool WebEditor::PressThumbnail(int slot) {
    return session_.PressThumbnail(slot);
}

bool WebEditor::ClickCell(int row, int col) {
    return session_.ClickCell(row, col);
}

bool WebEditor::BeginStroke(int row, int col) {
    return session_.BeginStroke(row, col);
}

void WebEditor::ContinueStroke(int row, int col) {
    session_.ContinueStroke(row, col);
}

void WebEditor::EndStroke() {
    session_.EndStroke();
}

bool WebEditor::MoveCursor(const std::string& direction) {
    const auto move = CursorMoveNamed(direction);
    return move && session_.MoveCursor(*move);
}

bool WebEditor::FlipCursorCell() {
    return session_.FlipCursorCell();
}

bool WebEditor::PaintCursorMove(const std::string& direction) {
    const auto move = CursorMoveNamed(direction);
    return move && session_.PaintCursorMove(*move);
}

void WebEditor::EndCursorRun() {
    session_.EndCursorRun();
}

bool WebEditor::Press(const std::string& button) {
    const std::optional<ButtonOperation> operation = ButtonNamed(button);
    if (!operation) return false;
    // Whether anything happened: a press the window would not take changes nothing it shows.
    const uint64_t before = session_.view().generation();
    (*operation)(session_);
    return session_.view().generation() != before;
}

// A key of the table: the file commands are their menu items, the rest the session's operations.
val WebEditor::Key(const std::string& command) {
    const std::optional<KeyBinding> binding = KeyNamed(command);
    if (!binding) return Done();
    if (!binding->menu_item.empty()) return Menu(binding->menu_item);
    binding->operation(session_);
    return Done();
}

val WebEditor::Menu(const std::string& item) {
    pending_ = nullptr;
    if (!MenuItemEnabled(session_, item)) return Done();
    if (item == "N2") return LoadFlash();
    if (item == "N23") return SaveFlash();
    if (item == "N41") return LoadFontFile();
    if (item == "N39") return SaveFontFile();
    if (item == "N29") return LoadSft(LoadRequest::ThinSft);
    if (item == "N30") return LoadSft(LoadRequest::BoldSft);
    if (item == "N5") return Quit();
    if (item == "ImportPng1") return ImportPng();
    if (item == "ExportPng1") return ExportPng();
    if (item == "ExportPatch1") return ExportPatch();
    if (item == "ImportPatch1") return ImportPatch();
    if (item == "TextPreview1") return Show("textPreview");
    if (item == "Keys1") return Show("keys");
    if (item == "N9") return Show("help");
    if (item == "N10") return Show("history");
    if (item == "About1") return Show("about");
    RunMenuOperation(session_, item);
    return Done();
}

val WebEditor::Resume(const val& reply) {
    if (!pending_) return Done();
    Continuation next = std::move(pending_);
    pending_ = nullptr;
    return next(Reply::Of(reply));
}

// --- Steps -------------------------------------------------------------------------------------

val WebEditor::Done() {
    ForgetOthers();
    val step = val::object();
    step.set("kind", "done");
    return step;
}

val WebEditor::Show(const char* window) {
    val step = val::object();
    step.set("kind", "show");
    step.set("window", window);
    return step;
}

val WebEditor::Pending(val step, Continuation then) {
    pending_ = std::move(then);
    return step;
}

// A box with one button: an error, a warning or a note.
val WebEditor::Box(const char* icon, const std::string& title, const std::string& text,
                   Continuation then) {
    val step = val::object();
    step.set("kind", "message");
    step.set("icon", icon);
    step.set("title", title);
    step.set("text", text);
    step.set("buttons", Strings({"OK"}));
    step.set("defaultButton", 0);
    step.set("cancelButton", 0);
    return Pending(step, std::move(then));
}

// A question with the answer that goes on and "Отмена", the default and Escape's answer.
val WebEditor::Ask(const std::vector<Message>& question, MessageId go_on, Continuation then) {
    val step = val::object();
    step.set("kind", "question");
    step.set("icon", "warning");
    step.set("title", "Runewright");
    step.set("text", Render(question, language()));
    step.set("buttons", Strings({Render(Message{go_on, {}}, language()),
                                 Render(Message{MessageId::AnswerCancel, {}}, language())}));
    step.set("defaultButton", 1);
    step.set("cancelButton", 1);
    return Pending(step, [this, then = std::move(then)](const Reply& reply) {
        if (reply.kind != Reply::Button || reply.button != 0) return Done();
        return then(reply);
    });
}

val WebEditor::ChooseFile(UiText title, const std::string& filter, const char* purpose, bool image,
                          Continuation then) {
    val step = val::object();
    step.set("kind", "chooseFile");
    step.set("title", Text(title));
    step.set("filter", filter);
    step.set("accept", AcceptOf(filter));
    step.set("image", image);
    step.set("purpose", purpose);
    const Reply::Kind wanted = image ? Reply::Image : Reply::File;
    return Pending(step, [this, wanted, then = std::move(then)](const Reply& reply) {
        if (reply.kind == Reply::Error) {
            return Failure(Status::Failure(reply.name, reply.error));
        }
        if (reply.kind != wanted) return Done();
        return then(reply);
    });
}

// The file `name` as the command left it in memory, handed to the page to download or write.
val WebEditor::HandOut(UiText title, const std::string& name, const char* mime, const char* purpose,
                       bool replaces_opened, Continuation then) {
    const std::vector<uint8_t>* bytes = files_.Get(name);
    val step = val::object();
    step.set("kind", "saveFile");
    step.set("title", Text(title));
    step.set("name", BaseNameOf(name));
    step.set("bytes", bytes != nullptr ? BytesValue(*bytes) : BytesValue({}));
    step.set("mime", mime);
    step.set("purpose", purpose);
    step.set("replacesOpened", replaces_opened);
    return Pending(step, [this, name, then = std::move(then)](const Reply& reply) {
        if (reply.kind == Reply::Error) return Failure(Status::Failure(name, reply.error));
        return then(reply);
    });
}

val WebEditor::Outcome(const Status& status, Continuation then) {
    if (!status.ok()) return Failure(status);
    return Note(status.note(), std::move(then));
}

// The error box of a failed command; a failure after an interrupted save was rolled back tells
// both in the one box.
val WebEditor::Failure(const Status& status) {
    const std::string line = status.Line(language());
    const std::string text =
        status.note().empty() ? line : Render(status.note(), language()) + "\n" + line;
    return Box("error", "Runewright", text, [this](const Reply&) { return Done(); });
}

val WebEditor::Note(const Message& note, Continuation then) {
    if (note.empty()) return then(Reply{});
    return Box("information", "Runewright", Render(note, language()), std::move(then));
}

// --- Files -------------------------------------------------------------------------------------

std::string WebEditor::Hold(const Reply& file) {
    return Hold(file.name, file.bytes);
}

std::string WebEditor::Hold(const std::string& name, std::vector<uint8_t> bytes) {
    // A file of the same name as the fullflash held stands in for it during the command only;
    // the held bytes come back unless the command loaded the new ones as the fullflash.
    if (name == session_.last_fullflash() && !stashed_flash_) {
        if (const std::vector<uint8_t>* held = files_.Get(name)) stashed_flash_ = *held;
    }
    files_.Put(name, std::move(bytes));
    held_.insert(name);
    return name;
}

void WebEditor::ForgetOthers() {
    const std::string& flash = session_.last_fullflash();
    if (stashed_flash_) files_.Put(flash, *std::exchange(stashed_flash_, std::nullopt));
    for (auto it = held_.begin(); it != held_.end();) {
        if (*it == flash) {
            ++it;
            continue;
        }
        files_.Remove(*it);
        it = held_.erase(it);
    }
}

}  // namespace rw::web
