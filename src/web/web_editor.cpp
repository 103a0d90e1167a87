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
    if (!binding) return Finished();
    if (!binding->menu_item.empty()) return Menu(binding->menu_item);
    if (binding->operation) binding->operation(session_);
    return Finished();
}

val WebEditor::Menu(const std::string& item) {
    // A disabled item does nothing, not even end a command under way.
    if (!MenuItemEnabled(session_, item)) return Finished();
    // Any command not finished ends here, and gives back what it held.
    pending_ = nullptr;
    ForgetOthers();
    const ui::MenuRow* row = MenuRowOf(session_, item);
    if (row == nullptr) return Finished();
    if (row->file) return StartCommand(*row->file);
    switch (row->window) {
        case ui::WindowAction::Quit:
            return Quit();
        case ui::WindowAction::Help:
            return Show("help");
        case ui::WindowAction::History:
            return Show("history");
        case ui::WindowAction::About:
            return Show("about");
        case ui::WindowAction::TextPreview:
            return Show("textPreview");
        case ui::WindowAction::Keys:
            return Show("keys");
        case ui::WindowAction::Russian:
            session_.SetLanguage(kRussian);
            return Done();
        case ui::WindowAction::English:
            session_.SetLanguage(kEnglish);
            return Done();
        // The window's zoom and recent files are not on the page.
        case ui::WindowAction::Zoom:
        case ui::WindowAction::ZoomFit:
        case ui::WindowAction::ZoomIn:
        case ui::WindowAction::ZoomOut:
        case ui::WindowAction::RecentFiles:
            return Done();
        case ui::WindowAction::None:
            break;
    }
    RunMenuOperation(session_, item);
    return Done();
}

val WebEditor::Resume(const val& reply) {
    if (!pending_) return Finished();
    Continuation next = std::move(pending_);
    pending_ = nullptr;
    return next(Reply::Of(reply));
}

// --- Steps -------------------------------------------------------------------------------------

// The end of a file command: the files it needed go.
val WebEditor::Done() {
    ForgetOthers();
    return Finished();
}

// The end of anything else: a file command still under way keeps its files.
val WebEditor::Finished() {
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

val WebEditor::ChooseFile(const std::string& title, const std::string& filter, const char* purpose,
                          bool image, Continuation then) {
    val step = val::object();
    step.set("kind", "chooseFile");
    step.set("title", title);
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
val WebEditor::HandOut(const std::string& title, const std::string& name, const char* mime,
                       const char* purpose, bool replaces_opened, Continuation then) {
    const std::vector<uint8_t>* bytes = files_.Get(name);
    val step = val::object();
    step.set("kind", "saveFile");
    step.set("title", title);
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

// The error box of a failed command; a failure after an interrupted save was rolled back tells
// both in the one box.
val WebEditor::Failure(const Status& status) {
    failed_ = true;
    const std::string line = status.Line(language());
    const std::string text =
        status.note().empty() ? line : Render(status.note(), language()) + "\n" + line;
    return Box("error", "Runewright", text, [this](const Reply&) { return Done(); });
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
    // A fullflash load that went through keeps the new bytes; anything else gives the old back.
    const bool loaded = command_ == FileCommand::LoadFlash && !failed_;
    if (stashed_flash_ && !loaded) files_.Put(flash, *stashed_flash_);
    stashed_flash_ = std::nullopt;
    command_ = std::nullopt;
    failed_ = false;
    save_ = std::nullopt;
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
