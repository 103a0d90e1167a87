// Loads the core module under Node: the module is built for the web and for Node, but as an ES6
// module it finds neither `require` nor `__dirname`, and Node's fetch takes no file: address, so
// the loader gives it those and the .wasm bytes.
import { createRequire } from "node:module";
import { readFileSync } from "node:fs";
import path from "node:path";

export const coreFolder =
  process.env.RUNEWRIGHT_CORE_DIR ??
  path.resolve(path.dirname(new URL(import.meta.url).pathname), "../../build-web/core");

export async function loadCore() {
  globalThis.require ??= createRequire(import.meta.url);
  globalThis.__dirname ??= coreFolder;
  const { default: createRunewrightCore } = await import(path.join(coreFolder, "runewright-core.js"));
  return createRunewrightCore({ wasmBinary: readFileSync(path.join(coreFolder, "runewright-core.wasm")) });
}
