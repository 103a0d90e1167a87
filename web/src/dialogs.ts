// The page's modal windows: the core's messages and questions as alertdialogs, and the windows
// the core asks the page to show (the Keys list, help, history, About, the text preview).
// Every text in them is the core's.

import type { Editor, Step, View } from "./core-api";
import { h, paintPixels } from "./dom";

type Asking = Extract<Step, { kind: "message" | "question" }>;

let dialogCount = 0;

/** Opens a modal dialog and resolves with what `settle` was called with once it has closed. */
function openModal<T>(
  role: "alertdialog" | "dialog",
  title: string,
  build: (settle: (value: T) => void, titleId: string) => Node[],
  onEscape: () => T,
): Promise<T> {
  const titleId = `dialog-title-${++dialogCount}`;
  const dialog = h("dialog", {
    role,
    "aria-modal": "true",
    "aria-labelledby": titleId,
    // An alertdialog's text is its description: a screen reader reads it with the title.
    "aria-describedby": role === "alertdialog" ? `${titleId}-text` : null,
  });
  return new Promise<T>((resolve) => {
    let settled = false;
    const settle = (value: T) => {
      if (settled) return;
      settled = true;
      dialog.close();
      dialog.remove();
      resolve(value);
    };
    dialog.append(h("h2", { id: titleId, class: "dialog-title" }, title), ...build(settle, titleId));
    dialog.addEventListener("cancel", (event) => {
      event.preventDefault();
      settle(onEscape());
    });
    document.body.append(dialog);
    dialog.showModal();
    const preferred = dialog.querySelector<HTMLElement>("[data-default]");
    preferred?.focus();
  });
}

/** A message or a question: resolves with the index of the button pressed. */
export function ask(step: Asking): Promise<number> {
  return openModal<number>(
    "alertdialog",
    step.title,
    (settle, titleId) => {
      const textId = `${titleId}-text`;
      const buttons = step.buttons.map((caption, index) =>
        h(
          "button",
          { type: "button", "data-default": index === step.defaultButton },
          caption,
        ),
      );
      buttons.forEach((button, index) => button.addEventListener("click", () => settle(index)));
      return [
        h(
          "div",
          { class: "dialog-body" },
          h("span", { class: `dialog-icon icon-${step.icon}`, "aria-hidden": "true" }),
          h("p", { id: textId, class: "dialog-text" }, step.text),
        ),
        h("div", { class: "dialog-buttons" }, ...buttons),
      ];
    },
    () => step.cancelButton,
  );
}

/** The button that closes a window of the page's own, captioned by the core. */
function closeButton(settle: (value: void) => void, caption: string): HTMLButtonElement {
  const button = h("button", { type: "button", class: "close-box" }, caption);
  button.addEventListener("click", () => settle());
  return button;
}

export function showInfo(editor: Editor, view: View, window: "help" | "history" | "about"): Promise<void> {
  const info = editor.infoText(window);
  return openModal<void>(
    "dialog",
    info.title,
    (settle) => [h("div", { class: "info-text", tabindex: 0, "data-default": true }, info.text), closeButton(settle, view.closeCaption)],
    () => undefined,
  );
}

export function showKeys(view: View): Promise<void> {
  return openModal<void>(
    "dialog",
    view.keysTitle,
    (settle) => {
      const rows = view.keys.map((row) => h("tr", {}, h("td", {}, row.keysText), h("td", {}, row.text)));
      const table = h(
        "table",
        { class: "keys-table", "aria-label": view.keysTitle },
        h("thead", {}, h("tr", {}, h("th", { scope: "col" }, view.keysColumns.keys), h("th", { scope: "col" }, view.keysColumns.action))),
        h("tbody", {}, ...rows),
      );
      return [h("div", { class: "keys-scroll", tabindex: 0, "data-default": true }, table), closeButton(settle, view.closeCaption)];
    },
    () => undefined,
  );
}

export function showTextPreview(editor: Editor, view: View): Promise<void> {
  const texts = editor.previewTexts();
  return openModal<void>(
    "dialog",
    texts.title,
    (settle, titleId) => {
      const text = h("textarea", { id: `${titleId}-text`, rows: 3, "aria-label": texts.title, "data-default": true });
      text.value = texts.defaultText;
      const bold = h("input", { type: "checkbox", id: `${titleId}-bold` });
      const scale = h("input", { type: "number", id: `${titleId}-scale`, min: 1, max: texts.maxScale, value: texts.defaultScale });
      const wrap = h("input", { type: "number", id: `${titleId}-wrap`, min: 0, max: texts.maxWrapWidth, value: texts.defaultWrapWidth });
      const canvas = h("canvas", { class: "preview-picture", width: 0, height: 0 });
      const note = h("p", { class: "preview-note", role: "status" });
      const redraw = () => {
        const picture = editor.preview({
          text: text.value,
          bold: bold.checked,
          scale: clamp(scale.valueAsNumber, 1, texts.maxScale, texts.defaultScale),
          wrapWidth: clamp(wrap.valueAsNumber, 0, texts.maxWrapWidth, texts.defaultWrapWidth),
        });
        paintPixels(canvas, picture.width, picture.height, picture.rgba);
        note.textContent = picture.note;
      };
      for (const control of [text, bold, scale, wrap]) control.addEventListener("input", redraw);
      redraw();
      return [
        text,
        h(
          "div",
          { class: "preview-options" },
          h("label", {}, bold, " ", texts.boldLabel),
          h("label", {}, texts.scaleLabel, " ", scale),
          h("label", {}, texts.wrapWidthLabel, " ", wrap),
        ),
        h("div", { class: "preview-scroll" }, canvas),
        note,
        closeButton(settle, view.closeCaption),
      ];
    },
    () => undefined,
  );
}

function clamp(value: number, low: number, high: number, fallback: number): number {
  if (!Number.isFinite(value)) return fallback;
  return Math.min(high, Math.max(low, Math.round(value)));
}
