// The editing grid: 16 x 16 gridcells named "R,C" by the core's row and column. A press on a
// cell, a drag over cells (with the mouse, a pen or a finger) and the keyboard cursor all go to
// the core; the cells only show what the core's view says.

import type { Cell, Editor, View } from "./core-api";
import { h, setAttributes, setText } from "./dom";

const kSide = 16;

export class Grid {
  readonly element: HTMLElement;
  private readonly cells: HTMLElement[] = [];
  private readonly labels: HTMLElement[] = [];
  private hints: string[] = []; // the status-line hint of each cell, from the last view
  private stroking = false;
  private lastCell = "";
  /** Whether the keyboard moved the cursor since the last press: only then its frame shows. */
  private keyboardMark = false;

  constructor(
    private readonly editor: Editor,
    private readonly changed: () => void,
    private readonly hover: (hint: string) => void,
  ) {
    const rows: HTMLElement[] = [];
    for (let row = 0; row < kSide; row++) {
      const label = h("div", { role: "rowheader", class: "row-label" });
      this.labels.push(label);
      const rowElement = h("div", { role: "row", class: "grid-row" }, label);
      for (let col = 0; col < kSide; col++) {
        const cell = h("div", {
          role: "gridcell",
          class: "cell",
          id: `cell-${row}-${col}`,
          "aria-label": `${row},${col}`,
          "data-row": row,
          "data-col": col,
        });
        cell.addEventListener("pointerenter", () => this.hover(this.hintOf(row, col)));
        this.cells.push(cell);
        rowElement.append(cell);
      }
      rows.push(rowElement);
    }
    this.element = h("div", { role: "grid", class: "grid", tabindex: 0 }, ...rows);
    this.element.addEventListener("pointerdown", (event) => this.onPointerDown(event));
    // Any button draws, as in the window: the right one opens no context menu here.
    this.element.addEventListener("contextmenu", (event) => event.preventDefault());
    this.element.addEventListener("pointermove", (event) => this.onPointerMove(event));
    this.element.addEventListener("pointerup", () => this.finishStroke());
    this.element.addEventListener("pointercancel", () => this.finishStroke());
    this.element.addEventListener("lostpointercapture", () => this.finishStroke());
    this.element.addEventListener("keydown", () => {
      this.keyboardMark = true;
      this.element.classList.add("keyboard");
    });
    this.element.addEventListener("keyup", (event) => {
      if (event.key === "Shift") this.editor.endCursorRun();
    });
    this.element.addEventListener("blur", () => {
      this.editor.endCursorRun();
      this.element.classList.remove("keyboard");
      this.keyboardMark = false;
    });
  }

  private hintOf(row: number, col: number): string {
    return this.hints[row * kSide + col] ?? "";
  }

  show(view: View): void {
    setAttributes(this.element, {
      "aria-label": view.gridName,
      "aria-activedescendant": `cell-${view.cursor.row}-${view.cursor.col}`,
    });
    this.hints = view.grid.map((cell) => cell.hint);
    view.grid.forEach((cell, index) => this.showCell(this.cells[index]!, cell, view));
    view.rowLabels.forEach((text, row) => setText(this.labels[row]!, text));
    this.element.classList.toggle("keyboard", this.keyboardMark);
  }

  private showCell(element: HTMLElement, cell: Cell, view: View): void {
    setAttributes(element, {
      "aria-checked": cell.checked === null ? null : String(cell.checked),
      "aria-disabled": cell.live ? null : "true",
      "data-role": cell.role,
    });
    const colour = cell.colour ?? "";
    if (element.style.backgroundColor !== colour) element.style.backgroundColor = colour;
    const isCursor = cell.row === view.cursor.row && cell.col === view.cursor.col;
    element.classList.toggle("cursor", isCursor);
  }

  /** The core's row and column under a pointer position, which may lie off the grid. */
  private cellAt(x: number, y: number): { row: number; col: number } {
    const first = this.cells[0]!.getBoundingClientRect();
    const last = this.cells[kSide * kSide - 1]!.getBoundingClientRect();
    const pitchX = (last.left - first.left) / (kSide - 1);
    const pitchY = (last.top - first.top) / (kSide - 1);
    return {
      row: Math.floor((y - first.top) / pitchY),
      col: Math.floor((x - first.left) / pitchX),
    };
  }

  private onPointerDown(event: PointerEvent): void {
    const target = (event.target as HTMLElement).closest<HTMLElement>('[role="gridcell"]');
    if (!target || !event.isPrimary) return;
    event.preventDefault(); // no text selection, no scrolling: the press is a stroke
    this.element.focus({ preventScroll: true });
    this.keyboardMark = false;
    const row = Number(target.dataset.row);
    const col = Number(target.dataset.col);
    this.stroking = true;
    this.lastCell = `${row},${col}`;
    this.element.setPointerCapture(event.pointerId);
    this.editor.beginStroke(row, col);
    this.changed();
  }

  private onPointerMove(event: PointerEvent): void {
    if (!this.stroking || !event.isPrimary) return;
    const { row, col } = this.cellAt(event.clientX, event.clientY);
    const key = `${row},${col}`;
    if (key === this.lastCell) return;
    this.lastCell = key;
    this.editor.continueStroke(row, col);
    this.changed();
  }

  private finishStroke(): void {
    if (!this.stroking) return;
    this.stroking = false;
    this.editor.endStroke();
    this.changed();
  }
}
