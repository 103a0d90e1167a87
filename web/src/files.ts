// Files stay on the user's disk: they come in through the file input, a drop or the browser's
// file picker, and go out as downloads or, where the browser lets the page keep a writable
// handle of the fullflash it opened, written back into that file in place.

import type { DecodedImage, FilePurpose, GivenFile } from "./core-api";

/** The File System Access API, where the browser has it (not yet in TypeScript's DOM types). */
interface PickerWindow {
  showOpenFilePicker?: (options?: {
    multiple?: boolean;
    excludeAcceptAllOption?: boolean;
    types?: { description?: string; accept: Record<string, string[]> }[];
  }) => Promise<FileSystemFileHandle[]>;
}
interface WritableHandle extends FileSystemFileHandle {
  queryPermission?(options: { mode: "readwrite" }): Promise<PermissionState>;
  requestPermission?(options: { mode: "readwrite" }): Promise<PermissionState>;
}

/** A performance mark: the moment a file was chosen, for the page's timings. */
export const kFileChosenMark = "runewright:file-chosen";

/** The file chosen, or cancel, or why the browser could not read it (moved, no permission). */
export type Chosen = { file: GivenFile } | { cancel: true } | { error: string; name: string };

export class FileGate {
  /** The fullflash opened through the picker: a save into the same name writes it in place. */
  private openedFlash: WritableHandle | null = null;

  constructor(
    private readonly input: HTMLInputElement,
    /** ?save=download: the file input and downloads only. */
    private readonly downloadsOnly: boolean,
  ) {}

  private get picker(): PickerWindow["showOpenFilePicker"] | undefined {
    return this.downloadsOnly ? undefined : (window as PickerWindow).showOpenFilePicker;
  }

  /** Asks for one file; resolves with its bytes, or cancel when the user closed the chooser. */
  async choose(accept: string, purpose: FilePurpose): Promise<Chosen> {
    const picker = this.picker;
    if (picker && purpose === "fullflash") return this.chooseWithPicker(picker, accept);
    // A fullflash from the input has no handle: a save into it is a download.
    if (purpose === "fullflash") this.openedFlash = null;
    return this.chooseWithInput(accept);
  }

  private chooseWithInput(accept: string): Promise<Chosen> {
    const input = this.input;
    input.accept = accept;
    input.value = "";
    return new Promise((resolve) => {
      const finish = (result: Promise<Chosen>) => {
        input.removeEventListener("change", onChange);
        input.removeEventListener("cancel", onCancel);
        resolve(result);
      };
      const onChange = () => {
        performance.mark(kFileChosenMark);
        const file = input.files?.[0];
        finish(file ? readChosen(file) : Promise.resolve({ cancel: true }));
      };
      const onCancel = () => finish(Promise.resolve({ cancel: true }));
      input.addEventListener("change", onChange);
      input.addEventListener("cancel", onCancel);
      input.click();
    });
  }

  private async chooseWithPicker(
    picker: NonNullable<PickerWindow["showOpenFilePicker"]>,
    accept: string,
  ): Promise<Chosen> {
    const extensions = accept.split(",").filter((e) => /^\.[A-Za-z0-9]+$/.test(e));
    let handles: FileSystemFileHandle[];
    try {
      handles = await picker(
        extensions.length > 0
          ? { types: [{ accept: { "application/octet-stream": extensions } }] }
          : {},
      );
    } catch {
      return { cancel: true }; // AbortError: the picker was closed
    }
    const handle = handles[0] as WritableHandle | undefined;
    if (!handle) return { cancel: true };
    this.openedFlash = handle;
    performance.mark(kFileChosenMark);
    try {
      return await readChosen(await handle.getFile());
    } catch (error) {
      return { error: describe(error), name: handle.name };
    }
  }

  /** A file dropped on the page or chosen otherwise forgets the picker's handle. */
  forgetOpened(): void {
    this.openedFlash = null;
  }

  /**
   * Hands a file out: written in place into the fullflash opened through the picker when the
   * save replaces it, else downloaded under exactly `name`.
   */
  async save(name: string, bytes: Uint8Array, mime: string, replacesOpened: boolean): Promise<void> {
    const handle = this.openedFlash;
    if (replacesOpened && handle && handle.name === name) {
      await writeInPlace(handle, bytes);
      return;
    }
    download(name, bytes, mime);
  }
}

async function writeInPlace(handle: WritableHandle, bytes: Uint8Array): Promise<void> {
  if (handle.requestPermission) {
    const state = await handle.requestPermission({ mode: "readwrite" });
    if (state !== "granted") throw new Error(state);
  }
  // The browser writes into a temporary file and swaps it in on close: all or nothing.
  const writable = await handle.createWritable();
  await writable.write(copyOf(bytes));
  await writable.close();
}

function download(name: string, bytes: Uint8Array, mime: string): void {
  const url = URL.createObjectURL(new Blob([copyOf(bytes)], { type: mime || "application/octet-stream" }));
  const link = document.createElement("a");
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  // The download has taken the bytes once the click has been handled.
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

/** The bytes in an ArrayBuffer of their own (the module's memory must not leak out). */
function copyOf(bytes: Uint8Array): Uint8Array<ArrayBuffer> {
  const copy = new Uint8Array(bytes.length);
  copy.set(bytes);
  return copy;
}

async function readChosen(file: File): Promise<Chosen> {
  try {
    return await readGiven(file);
  } catch (error) {
    return { error: describe(error), name: file.name };
  }
}

/** The browser's own words for a failure. */
export function describe(error: unknown): string {
  return error instanceof Error ? error.message : String(error);
}

export async function readGiven(file: File): Promise<{ file: GivenFile }> {
  return { file: { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) } };
}

/**
 * Decodes a picture as the browser reads it, with no colour conversion and no premultiplied
 * alpha, so the sheet's pixel values reach the core unchanged.
 */
export async function decodePicture(name: string, bytes: Uint8Array): Promise<DecodedImage> {
  const bitmap = await createImageBitmap(new Blob([copyOf(bytes)]), {
    colorSpaceConversion: "none",
    premultiplyAlpha: "none",
  });
  try {
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    const context = canvas.getContext("2d", { colorSpace: "srgb", willReadFrequently: true });
    if (!context) throw new Error("canvas");
    context.drawImage(bitmap, 0, 0);
    const data = context.getImageData(0, 0, bitmap.width, bitmap.height, { colorSpace: "srgb" });
    return { name, width: bitmap.width, height: bitmap.height, rgba: new Uint8Array(data.data.buffer) };
  } finally {
    bitmap.close();
  }
}
