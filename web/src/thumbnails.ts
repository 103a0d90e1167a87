// The letter thumbnails: a listbox of options named by their letter, drawn from the core's
// pixels. A press picks the letter as the window's thumbnail does.

import type { Editor, View } from "./core-api";
import { h, paintPixels, setAttributes } from "./dom";

export class Thumbnails {
  readonly element = h("div", { role: "listbox", class: "thumbnails", tabindex: 0 });
  private options: HTMLElement[] = [];
  private shownPixels: Uint8Array[] = [];
  private hints: string[] = [];

  constructor(
    private readonly editor: Editor,
    private readonly changed: () => void,
    private readonly hover: (hint: string) => void,
  ) {}

  show(view: View): void {
    if (this.options.length !== view.thumbnails.length) this.build(view.thumbnails.length);
    this.element.style.setProperty("--per-row", String(view.thumbnailsPerRow));
    let selected: string | null = null;
    view.thumbnails.forEach((thumbnail, index) => {
      const option = this.options[index]!;
      this.hints[index] = thumbnail.name;
      setAttributes(option, {
        "aria-label": thumbnail.name,
        "aria-selected": String(thumbnail.selected),
        "aria-disabled": thumbnail.covered ? "true" : null,
        "data-slot": thumbnail.slot,
      });
      if (thumbnail.selected) selected = option.id;
      if (!samePixels(this.shownPixels[index], thumbnail.rgba)) {
        paintPixels(option.firstElementChild as HTMLCanvasElement, 16, 16, thumbnail.rgba);
        this.shownPixels[index] = thumbnail.rgba;
      }
    });
    setAttributes(this.element, { "aria-label": view.thumbnailsName, "aria-activedescendant": selected });
  }

  private build(count: number): void {
    this.options = [];
    this.shownPixels = [];
    for (let index = 0; index < count; index++) {
      const option = h("div", { role: "option", class: "thumbnail", id: `letter-${index}` }, h("canvas", { width: 16, height: 16 }));
      option.addEventListener("pointerdown", (event) => {
        event.preventDefault();
        this.element.focus({ preventScroll: true });
        this.editor.pressThumbnail(Number(option.dataset.slot));
        this.changed();
      });
      option.addEventListener("pointerenter", () => this.hover(this.hints[index] ?? ""));
      this.options.push(option);
    }
    this.element.replaceChildren(...this.options);
  }
}

function samePixels(a: Uint8Array | undefined, b: Uint8Array): boolean {
  if (!a || a.length !== b.length) return false;
  for (let i = 0; i < a.length; i++) if (a[i] !== b[i]) return false;
  return true;
}
