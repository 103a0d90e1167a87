// The editor's core as the page sees it: the WebAssembly module built from the same C++ sources
// as the window (src/web/ is its binding). Every rule is in the module; the page shows the values
// it hands out and passes presses, keys and files in.
//
// Where it lands: `cmake --build build-web --target runewright-core` writes
//   build-web/core/runewright-core.js    (ES6 module; its default export is the factory below)
//   build-web/core/runewright-core.wasm  (fetched by the .js from beside it, or see locateFile)
// The page's build copies both into build-web/site/.
// (scripts/web-tests.sh: web_configure and web_build; `emcmake cmake -S . -B build-web
// -DRUNEWRIGHT_WEB=ON -DCMAKE_BUILD_TYPE=Release` by hand.)
//
// Under Node the module wants the globals `require` and `__dirname` and the .wasm bytes in
// `wasmBinary` (Node's fetch takes no file: address): tests/web/load_core.mjs does that.
//
// Objects made by the module (Editor) live in the module's memory: call `delete()` when one is no
// longer needed. Everything else it returns is a plain JavaScript value, copied out.

/** The edition, as the page's address names it (?edition=rus / ?edition=eng). */
export type EditionCode = "rus" | "eng";
/** The interface language; the Cyrillic edition is always "ru". */
export type LanguageCode = "ru" | "en";

export interface ModuleOptions {
  /** Where the .wasm file is: by default beside runewright-core.js. */
  locateFile?: (path: string, prefix: string) => string;
  /** The .wasm bytes, when the page (or a test) has them already. */
  wasmBinary?: ArrayBuffer | Uint8Array;
}

/** The module factory: `import createRunewrightCore from "./runewright-core.js"`. */
declare function createRunewrightCore(options?: ModuleOptions): Promise<CoreModule>;
export default createRunewrightCore;

export interface CoreModule {
  /** An editor with the window's start values (S/ME 45 Normal, upper case, normal weight). */
  createEditor(edition: EditionCode): Editor;
}

// ------------------------------------------------------------------------------------------
// Files and questions: one protocol for every command that reads or writes a file or asks.
// A command returns a Step; the page acts on it and calls `resume` with the reply, which returns
// the next Step, until "done". While a step is pending, other calls to the editor are fine but
// the command stays pending until resumed (a new command drops it).

/** A file the user chose or dropped, as bytes. */
export interface GivenFile {
  name: string;
  bytes: Uint8Array;
}

/** A picture decoded by the browser with no colour conversion: width * height * 4 bytes RGBA. */
export interface DecodedImage {
  name: string;
  width: number;
  height: number;
  rgba: Uint8Array;
}

export type Reply =
  /** To "message" and "question": the index of the button pressed (Escape: the cancel index). */
  | { button: number }
  /** To "chooseFile" (and "decodeImage" for a picture). */
  | { file: GivenFile }
  | { image: DecodedImage }
  /** To "chooseFile", "decodeImage" or "saveFile": the user cancelled. */
  | { cancel: true }
  /** To "saveFile": the file was handed out (downloaded or written in place). */
  | { saved: true }
  /** To "chooseFile", "decodeImage" or "saveFile": it failed; the text is shown as the failure of
   *  the file (`name`: the file chosen, which a "saveFile" step names itself). */
  | { error: string; name?: string };

/** What a modal alertdialog shows, with its buttons (captions as shown). */
interface AlertDialog {
  title: string;
  text: string;
  buttons: string[];
  defaultButton: number;
  cancelButton: number;
}

export type Step =
  /** The command is over; show view() again. */
  | { kind: "done" }
  /** A modal alertdialog: the error, warning or note. */
  | ({ kind: "message"; icon: "error" | "warning" | "information" } & AlertDialog)
  /** A modal alertdialog that asks: buttons[0] goes on, the default and Escape's answer is cancelButton. */
  | ({ kind: "question"; icon: "warning" } & AlertDialog)
  /**
   * Ask the user for a file to open (file input or picker). `accept` is for <input accept>
   * (".bin,.BIN" or "" for any); `filter` is the window's filter text. `image` true: the page
   * decodes the file as a picture and replies { image } (a PNG sheet).
   */
  | {
      kind: "chooseFile";
      title: string;
      filter: string;
      accept: string;
      image: boolean;
      /** What the file is for: lets the page offer the file it already holds a handle of. */
      purpose: FilePurpose;
    }
  /** A dropped file the module recognised as a picture: decode it and reply { image }. */
  | { kind: "decodeImage"; name: string; bytes: Uint8Array }
  /**
   * Hand a file out: `name` exactly as it must be named. `replacesOpened` is true for a save into
   * the fullflash the user opened (same name): the page writes it back in place where it holds a
   * writable handle, else downloads it. Reply { saved } or { error } or { cancel }.
   */
  | {
      kind: "saveFile";
      title: string;
      name: string;
      bytes: Uint8Array;
      mime: string;
      purpose: FilePurpose;
      replacesOpened: boolean;
    }
  /** Open one of the page's own windows (they show texts from view() / infoText()). */
  | { kind: "show"; window: "keys" | "help" | "history" | "about" | "textPreview" }
  /** "Выход": the page has nothing to close; it may go back to the start screen. */
  | { kind: "quit" };

export type FilePurpose = "fullflash" | "fontFile" | "sft" | "pngSheet" | "patch" | "any";

// ------------------------------------------------------------------------------------------
// The window model, as plain data. Every text is the core's, in the current language.

export type CellRole = "pixel" | "widthBit" | "headerBit" | "unusedColumn" | "inert";

export interface Cell {
  /** The core's row and column, from 0 (as a click names them). */
  row: number;
  col: number;
  role: CellRole;
  /** "#rrggbb"; null for an inert cell, which takes the page's button-face colour. */
  colour: string | null;
  /** Takes clicks and drags. */
  live: boolean;
  /** For a cell that shows a bit (pixel, width bit, header bit): whether it is set; else null. */
  checked: boolean | null;
  /** The status-line hint while the pointer rests on it; "" for none. */
  hint: string;
}

export interface Thumbnail {
  slot: number;
  /** The letter's name, as the status line shows it ("А", "Б", …): the option's name. */
  name: string;
  /** 16 x 16 pixels, RGBA, row by row (ready for ImageData). */
  rgba: Uint8Array;
  /** Under a cover panel: takes no press (aria-disabled). */
  covered: boolean;
  /** The selection frame surrounds it (aria-selected). */
  selected: boolean;
}

export interface MenuItem {
  /** The window's element name ("N2", "EditUndo", "N19_6", …): pass it to editor.menu(id). */
  id: string;
  kind: "command" | "check" | "separator" | "submenu";
  caption: string;
  enabled: boolean;
  /** For "check" items. */
  checked: boolean;
  /** Keys in the key table's notation ("Ctrl+O") and in aria-keyshortcuts notation ("Control+O"). */
  keys: string[];
  ariaKeys: string;
  /** For "submenu" items. */
  items: MenuItem[];
}

export interface Menu {
  id: string;
  caption: string;
  enabled: boolean;
  items: MenuItem[];
}

export interface Button {
  /** "writeBack", "bold", "set0".."set3", "copyBlock", "pasteBlock", "copyLetter", "pasteLetter",
   *  "shiftRight", "shiftLeft", "shiftUp", "shiftDown": pass it to editor.press(id). */
  id: string;
  /** The visible caption ("Записать в шрифт", "А-Я", "B"; "" for the shift arrows). */
  caption: string;
  /** The accessible name: the caption, or the hint where there is no caption. */
  name: string;
  hint: string;
  enabled: boolean;
  visible: boolean;
  /** Speed buttons: held down (aria-pressed); null for ordinary buttons. */
  down: boolean | null;
}

export interface KeyRow {
  /** The command: pass it to editor.key(command). */
  command: string;
  /** Where it acts: the whole page, or the thumbnails / grid while they have the focus. */
  scope: "window" | "thumbnails" | "grid";
  /** As the Keys list shows them ("Ctrl+Shift+Z", "Ctrl+Y"). */
  keys: string[];
  keysText: string;
  /** What it does, in the current language. */
  text: string;
  /** For matching a KeyboardEvent: one entry per key. `code` is set for letters and digits
   *  (KeyboardEvent.code, layout-independent); `key` for the others (KeyboardEvent.key). */
  match: { ctrl: boolean; shift: boolean; alt: boolean; key: string; code: string }[];
}

export interface View {
  edition: EditionCode;
  language: LanguageCode;
  /** Whether the Russian/English switch exists (the Latin edition). */
  hasLanguageMenu: boolean;
  windowCaption: string;
  /** The program and its edition, without a file: 'Runewright v4.01 "RUS-Full"'. */
  editionTitle: string;
  /** What closes a window of the page's own ("Закрыть" / "Close"). */
  closeCaption: string;
  menus: Menu[];
  /** 16 x 16, row-major: cells[row * 16 + col]. */
  grid: Cell[];
  gridName: string; // "Сетка" / "Grid"
  rowLabels: string[]; // 16 labels beside the rows ("3C 00")
  cursor: { row: number; col: number };
  thumbnails: Thumbnail[];
  thumbnailsName: string; // "Буквы" / "Letters"
  thumbnailsPerRow: number;
  /** The 1:1 picture of the glyph on the grid, 16 x 16 RGBA, and its hint. */
  editImage: { rgba: Uint8Array; hint: string };
  letterCaption: string; // "Буква"
  letter: { text: string; bold: boolean }; // Label15
  widthCaption: string;
  width: string; // Label0
  buttons: Button[];
  /** The status line: the report of the last command (rendered), "" at start. */
  status: string;
  keys: KeyRow[];
  keysTitle: string; // the Keys list's caption and column titles
  keysColumns: { keys: string; action: string };
  /** Increments with every change; the page may skip redrawing when it did not change. */
  generation: number;
  /** Unsaved changes: quitting (closing the tab) would lose them. */
  unsaved: boolean;
}

/** The text preview: a text set in the font with the glyph being edited. */
export interface PreviewRequest {
  text: string;
  bold: boolean;
  scale: number;
  wrapWidth: number;
}
export interface PreviewPicture {
  width: number;
  height: number;
  rgba: Uint8Array;
  /** The line under the picture: missing characters, cut text; "" when none. */
  note: string;
}
export interface PreviewTexts {
  title: string;
  defaultText: string;
  boldLabel: string;
  scaleLabel: string;
  wrapWidthLabel: string;
  defaultScale: number;
  maxScale: number;
  defaultWrapWidth: number;
  maxWrapWidth: number;
}

export type Direction = "left" | "right" | "up" | "down";

export interface Editor {
  /** The whole window model. */
  view(): View;

  // --- Letters and the grid (each returns whether anything happened) ---
  pressThumbnail(slot: number): boolean;
  /** A click (press and release) on a cell. */
  clickCell(row: number, col: number): boolean;
  /** A drag: press on a cell, the pointer over further cells (may be off the grid), release. */
  beginStroke(row: number, col: number): boolean;
  continueStroke(row: number, col: number): void;
  endStroke(): void;
  /** The grid's keyboard cursor: moves, Space/Return flips, Shift+arrow paints; release of Shift ends the run. */
  moveCursor(direction: Direction): boolean;
  flipCursorCell(): boolean;
  paintCursorMove(direction: Direction): boolean;
  endCursorRun(): void;

  /** A button of view().buttons by id. */
  press(buttonId: string): boolean;
  /** A key of view().keys by command (file commands among them return their Step). */
  key(command: string): Step;
  /** A menu item of view().menus by id. */
  menu(itemId: string): Step;
  /** A file dropped on the page or given in the address: what it is decides the load. */
  openFile(file: GivenFile): Step;
  /** The reply to the pending step. */
  resume(reply: Reply): Step;

  // --- The page's own windows ---
  /** "help" | "history" | "about": title and body text. */
  infoText(window: "help" | "history" | "about"): { title: string; text: string };
  previewTexts(): PreviewTexts;
  preview(request: PreviewRequest): PreviewPicture;

  delete(): void;
}
