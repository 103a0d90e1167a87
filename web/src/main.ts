// Starts the page: loads the core module, asks for the edition when the address and the
// browser's memory do not name it, and shows the editor.

import type { CoreModule, EditionCode } from "./core-api";
import type createRunewrightCore from "./core-api";
import { h } from "./dom";
import { FileGate } from "./files";
import { Page } from "./page";

const kEditions: EditionCode[] = ["rus", "eng"];
const kRememberedEdition = "runewright.edition";

const address = new URL(location.href);
const downloadsOnly = address.searchParams.get("save") === "download";
const app = document.getElementById("app")!;
const fileInput = document.getElementById("file-input") as HTMLInputElement;
let page: Page | null = null;

async function loadCore(): Promise<CoreModule> {
  // Beside the page, from the same origin: the module fetches its .wasm from there too.
  const url = new URL("./runewright-core.js", import.meta.url).href;
  const imported = (await import(url)) as { default: typeof createRunewrightCore };
  return imported.default();
}

function isEdition(value: string | null): value is EditionCode {
  return kEditions.includes(value as EditionCode);
}

function rememberedEdition(): EditionCode | null {
  try {
    const stored = localStorage.getItem(kRememberedEdition);
    return isEdition(stored) ? stored : null;
  } catch {
    return null; // storage switched off
  }
}

function remember(edition: EditionCode): void {
  try {
    localStorage.setItem(kRememberedEdition, edition);
  } catch {
    // storage switched off: the start screen asks again next time
  }
}

function forget(): void {
  try {
    localStorage.removeItem(kRememberedEdition);
  } catch {
    // nothing remembered
  }
}

/** The start screen: one button per edition, named as the edition names itself. */
function askEdition(core: CoreModule): void {
  const choices = kEditions.map((edition) => {
    const editor = core.createEditor(edition);
    const title = editor.view().editionTitle;
    editor.delete();
    const button = h("button", { type: "button", class: "edition-choice", "data-edition": edition }, title);
    button.addEventListener("click", () => {
      remember(edition);
      address.searchParams.set("edition", edition);
      history.replaceState(null, "", address);
      start(core, edition);
    });
    return button;
  });
  document.title = "Runewright";
  app.replaceChildren(h("div", { class: "start-screen", role: "group", "aria-label": "Runewright" }, ...choices));
  app.setAttribute("aria-busy", "false");
  choices[0]?.focus();
}

function start(core: CoreModule, edition: EditionCode): void {
  const editor = core.createEditor(edition);
  page = new Page(editor, new FileGate(fileInput, downloadsOnly), () => {
    // "Выход": nothing to close in a browser; back to the choice of the edition.
    page = null;
    editor.delete();
    forget();
    address.searchParams.delete("edition");
    history.replaceState(null, "", address);
    askEdition(core);
  });
  app.replaceChildren(page.element);
  app.setAttribute("aria-busy", "false");
  fitCells();
  performance.mark("runewright-interactive");
}

/**
 * Cells stay square and crisp: a whole number of pixels, as large as the window allows. The grid
 * (16 cells and the row values, 3 cells wide) stands beside the other panels where there is room
 * for both, else above them and as wide as the window.
 */
function fitCells(): void {
  const kGridWidthInCells = 19;
  const kSideWidth = 480;
  const kMargins = 48;
  const beside = Math.min(
    (window.innerWidth - kMargins - kSideWidth) / kGridWidthInCells,
    (window.innerHeight - 64) / 17,
  );
  const above = (window.innerWidth - kMargins) / kGridWidthInCells;
  const cell = Math.floor(Math.max(14, Math.min(40, beside >= 20 ? beside : above)));
  document.documentElement.style.setProperty("--cell", `${cell}px`);
}

function acceptDrops(): void {
  window.addEventListener("dragover", (event) => {
    if (!event.dataTransfer?.types.includes("Files")) return;
    event.preventDefault();
    event.dataTransfer.dropEffect = page ? "copy" : "none";
  });
  window.addEventListener("drop", (event) => {
    event.preventDefault(); // the browser must not navigate to the dropped file
    const file = event.dataTransfer?.files[0];
    if (file && page && !document.querySelector("dialog[open]")) page.openDropped(file);
  });
}

async function boot(): Promise<void> {
  acceptDrops();
  window.addEventListener("resize", fitCells);
  fitCells();
  let core: CoreModule;
  try {
    core = await loadCore();
  } catch (error) {
    app.replaceChildren(h("pre", { role: "alert" }, String(error)));
    return;
  }
  const asked = address.searchParams.get("edition");
  const edition = isEdition(asked) ? asked : rememberedEdition();
  if (edition) start(core, edition);
  else askEdition(core);
}

void boot();
