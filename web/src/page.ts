// The editor's page: lays out what the core's view holds, turns DOM events into the core's
// operations, and carries out the steps of file commands and questions.

import type { Button, Editor, KeyRow, Step, View } from "./core-api";
import { ask, showInfo, showKeys, showTextPreview } from "./dialogs";
import { h, paintPixels, setAttributes, setText } from "./dom";
import { FileGate, decodePicture, describe, kFileChosenMark, readGiven } from "./files";
import { Grid } from "./grid";
import { MenuBar } from "./menus";
import { Thumbnails } from "./thumbnails";

const kArrowPaths: Record<string, string> = {
  shiftUp: "M8 3 L13 10 H3 Z",
  shiftDown: "M8 13 L3 6 H13 Z",
  shiftLeft: "M3 8 L10 3 V13 Z",
  shiftRight: "M13 8 L6 13 V3 Z",
};

export class Page {
  readonly element: HTMLElement;
  private readonly menuBar: MenuBar;
  private readonly grid: Grid;
  private readonly thumbnails: Thumbnails;
  private readonly status = h("div", { role: "status", class: "status-line" });
  private readonly letterCaption = h("span", { class: "caption" });
  private readonly letter = h("span", { class: "letter", id: "letter" });
  private readonly widthCaption = h("span", { class: "caption" });
  private readonly width = h("span", { class: "width", id: "width" });
  private readonly editImage = h("canvas", { class: "edit-image", width: 16, height: 16 });
  private readonly buttons = new Map<string, HTMLButtonElement>();
  private readonly buttonHints = new Map<string, string>();
  private view: View;
  private shownGeneration = -1;
  private shownStatus = "";

  constructor(
    private readonly editor: Editor,
    private readonly files: FileGate,
    private readonly onQuit: () => void,
  ) {
    this.view = editor.view();
    const changed = () => this.refresh();
    const hover = (hint: string) => this.showHint(hint);
    this.menuBar = new MenuBar((id) => this.drive(() => this.editor.menu(id)));
    this.grid = new Grid(editor, changed, hover);
    this.thumbnails = new Thumbnails(editor, changed, hover);

    const sets = h("div", { class: "set-buttons", role: "toolbar" });
    const letterPanel = h(
      "section",
      { class: "letter-panel" },
      h("div", { class: "letter-line" }, this.letterCaption, this.letter),
      h("div", { class: "letter-line" }, this.widthCaption, this.width),
      h("div", { class: "edit-image-frame" }, this.editImage),
      h("div", { class: "shift-buttons" }),
    );
    const clipboard = h("section", { class: "clipboard-panel" });
    // The weight button stands after the set buttons, as in the window.
    const inOrder = [...this.view.buttons].sort((a, b) => Number(a.id === "bold") - Number(b.id === "bold"));
    for (const button of inOrder) {
      const element = this.makeButton(button);
      if (button.id.startsWith("set") || button.id === "bold") sets.append(element);
      else if (button.id.startsWith("shift")) letterPanel.querySelector(".shift-buttons")!.append(element);
      else if (button.id === "writeBack") letterPanel.append(element);
      else clipboard.append(element);
    }
    this.editImage.addEventListener("pointerenter", () => this.showHint(this.view.editImage.hint));

    this.element = h(
      "div",
      { class: "editor" },
      h("header", {}, this.menuBar.element),
      h(
        "div",
        { class: "workspace" },
        h("section", { class: "grid-panel" }, this.grid.element),
        h(
          "div",
          { class: "side" },
          h("section", { class: "letters-panel" }, this.status, this.thumbnails.element),
          sets,
          h("div", { class: "lower" }, letterPanel, clipboard),
        ),
      ),
    );
    window.addEventListener("keydown", (event) => this.onKey(event));
    window.addEventListener("beforeunload", (event) => {
      if (this.view.unsaved) event.preventDefault();
    });
    this.refresh(true);
  }

  /** Opens a file dropped on the page: what it is decides the load. */
  openDropped(file: File): void {
    this.files.forgetOpened();
    void this.drive(async () => this.editor.openFile((await readGiven(file)).file));
  }

  private makeButton(button: Button): HTMLButtonElement {
    const arrow = kArrowPaths[button.id];
    const element = h("button", { type: "button", class: `core-button button-${button.id}`, "data-id": button.id });
    if (arrow) {
      const svg = document.createElementNS("http://www.w3.org/2000/svg", "svg");
      svg.setAttribute("viewBox", "0 0 16 16");
      svg.setAttribute("aria-hidden", "true");
      const path = document.createElementNS("http://www.w3.org/2000/svg", "path");
      path.setAttribute("d", arrow);
      svg.append(path);
      element.append(svg);
    }
    element.addEventListener("click", () => {
      this.editor.press(button.id);
      this.refresh();
    });
    element.addEventListener("pointerenter", () => this.showHint(this.buttonHints.get(button.id) ?? ""));
    this.buttons.set(button.id, element);
    return element;
  }

  /** Shows the view again when the core says it changed. */
  refresh(force = false): void {
    const view = this.editor.view();
    this.view = view;
    if (!force && view.generation === this.shownGeneration) return;
    this.shownGeneration = view.generation;
    document.title = view.windowCaption;
    document.documentElement.lang = view.language;
    this.menuBar.show(view.menus);
    this.grid.show(view);
    this.thumbnails.show(view);
    paintPixels(this.editImage, 16, 16, view.editImage.rgba);
    setText(this.letterCaption, view.letterCaption);
    setText(this.letter, view.letter.text);
    this.letter.classList.toggle("bold", view.letter.bold);
    setText(this.widthCaption, view.widthCaption);
    setText(this.width, view.width);
    for (const button of view.buttons) this.showButton(button);
    if (view.status !== this.shownStatus) {
      this.shownStatus = view.status;
      setText(this.status, view.status);
    }
  }

  private showButton(button: Button): void {
    const element = this.buttons.get(button.id);
    if (!element) return;
    this.buttonHints.set(button.id, button.hint);
    if (!kArrowPaths[button.id]) setText(element, button.caption);
    element.disabled = !button.enabled;
    element.hidden = !button.visible;
    setAttributes(element, {
      "aria-label": button.caption === "" ? button.name : null,
      "aria-pressed": button.down === null ? null : String(button.down),
    });
  }

  /** The status line shows the hint of what the pointer rests on, until the next report. */
  private showHint(hint: string): void {
    if (hint !== "") setText(this.status, hint);
  }

  // --- Keys: the core's key table decides what a key does -----------------------------------

  private onKey(event: KeyboardEvent): void {
    if (event.defaultPrevented) return;
    const target = event.target as HTMLElement;
    if (target.closest("dialog, input, textarea, select") || this.menuBar.isOpen) return;
    const inGrid = this.grid.element.contains(target);
    const inThumbnails = this.thumbnails.element.contains(target);
    const row =
      (inGrid && this.match(event, "grid")) ||
      (inThumbnails && this.match(event, "thumbnails")) ||
      this.match(event, "window");
    if (!row) return;
    event.preventDefault();
    void this.drive(() => this.editor.key(row.command));
  }

  private match(event: KeyboardEvent, scope: KeyRow["scope"]): KeyRow | null {
    const ctrl = event.ctrlKey || event.metaKey; // Command on a Mac does what Ctrl does
    for (const row of this.view.keys) {
      if (row.scope !== scope) continue;
      for (const key of row.match) {
        if (key.ctrl !== ctrl || key.shift !== event.shiftKey || key.alt !== event.altKey) continue;
        if (key.code !== "" ? key.code === event.code : key.key === event.key) return row;
      }
    }
    return null;
  }

  // --- Steps: files and questions -----------------------------------------------------------

  /** Runs a command and carries out its steps until it is done. */
  private async drive(start: () => Step | Promise<Step>): Promise<void> {
    try {
      let step = await start();
      for (;;) {
        this.refresh();
        const reply = await this.carryOut(step);
        if (reply === null) break;
        const answered = step.kind;
        const resumed = performance.now();
        step = this.editor.resume(reply);
        performance.measure(`runewright:core-${answered}`, { start: resumed });
        if (answered === "chooseFile" && "file" in reply && performance.getEntriesByName(kFileChosenMark).length > 0) {
          // For the figures in the README: from the file chosen to the page showing it.
          this.refresh();
          performance.measure("runewright:open-file", kFileChosenMark);
        }
      }
    } catch (error) {
      // The core threw: a fault of the program, not of the file; the console shows it.
      console.error(error);
    } finally {
      this.refresh();
    }
  }

  /** Carries out one step; null when the command is over. */
  private async carryOut(step: Step): Promise<Parameters<Editor["resume"]>[0] | null> {
    switch (step.kind) {
      case "done":
        return null;
      case "message":
      case "question":
        return { button: await ask(step) };
      case "chooseFile": {
        const chosen = await this.files.choose(step.accept, step.purpose);
        if (!("file" in chosen) || !step.image) return chosen;
        return this.decoded(chosen.file.name, chosen.file.bytes);
      }
      case "decodeImage":
        return this.decoded(step.name, step.bytes);
      case "saveFile":
        try {
          await this.files.save(step.name, step.bytes, step.mime, step.replacesOpened);
          return { saved: true };
        } catch (error) {
          if (error instanceof DOMException && error.name === "AbortError") return { cancel: true };
          return { error: describe(error) };
        }
      case "show":
        await this.showWindow(step.window);
        return null;
      case "quit":
        this.onQuit();
        return null;
    }
  }

  private async decoded(name: string, bytes: Uint8Array): Promise<Parameters<Editor["resume"]>[0]> {
    try {
      return { image: await decodePicture(name, bytes) };
    } catch (error) {
      return { error: describe(error), name };
    }
  }

  private showWindow(window: Extract<Step, { kind: "show" }>["window"]): Promise<void> {
    switch (window) {
      case "keys":
        return showKeys(this.view);
      case "textPreview":
        return showTextPreview(this.editor, this.view);
      default:
        return showInfo(this.editor, this.view, window);
    }
  }
}
