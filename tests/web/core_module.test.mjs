// The core module against the native core: for every layout of both editions, a dump loaded,
// edited and saved through the module gives the bytes the native tool writes for the same font,
// and the module's patch export is the native export-patch's. Run by scripts/web-tests.sh with
// RUNEWRIGHT_CLI naming the native tool.
import { test, before, after } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { inflateSync } from "node:zlib";

import { loadCore } from "./load_core.mjs";
import { drive, randomDump } from "./steps.mjs";

const cli = process.env.RUNEWRIGHT_CLI;
// Every font of every model lies below 6 MiB.
const kDumpSize = 6 << 20;
const kModels = [
  ["N451", "s45"], ["N45i1", "s45i"], ["C451", "c45"],
  ["CMS351", "cm35"], ["S351", "s35"], ["M501", "m50"],
];
const kKinds = [["Normal1", "normal"], ["Small1", "small"], ["Forwap1", "browser"], ["Bigest1", "big"]];

let core;
let folder;
const dumps = {};

before(async () => {
  core = await loadCore();
  folder = mkdtempSync(path.join(tmpdir(), "runewright-web-"));
  dumps.rus = randomDump(kDumpSize, 0x5eed);
  dumps.eng = randomDump(kDumpSize, 0xface);
});

after(() => {
  if (folder) rmSync(folder, { recursive: true, force: true });
});

function native(...args) {
  return execFileSync(cli, args, { stdio: ["ignore", "pipe", "pipe"] });
}

function fileIn(name, bytes) {
  const file = path.join(folder, name);
  writeFileSync(file, bytes);
  return file;
}

// An editor at a layout with the edition's dump loaded as "dump.bin".
function editorAt(edition, modelItem, kindItem) {
  const editor = core.createEditor(edition);
  drive(editor, editor.menu(modelItem));
  drive(editor, editor.menu(kindItem));
  const loaded = drive(editor, editor.menu("N2"), {
    file: { name: "dump.bin", bytes: dumps[edition] },
  });
  assert.equal(loaded.messages.filter((m) => m.icon === "error").length, 0,
               JSON.stringify(loaded.messages));
  return editor;
}

// Flips the first live pixel of the letter on the grid and writes it back.
function editLetter(editor) {
  const cell = editor.view().grid.find((c) => c.role === "pixel" && c.live);
  assert.ok(cell, "a live pixel");
  assert.ok(editor.clickCell(cell.row, cell.col));
  assert.ok(editor.press("writeBack"));
}

function saveFontFile(editor) {
  const saved = drive(editor, editor.menu("N39")).saved;
  assert.equal(saved.length, 1);
  return saved[0];
}

for (const edition of ["rus", "eng"]) {
  for (const [modelItem, model] of kModels) {
    for (const [kindItem, kind] of kKinds) {
      const layout = ["--edition", edition, "--model", model, "--kind", kind];
      test(`${edition} ${model} ${kind}: load, edit and save as the native core`, { skip: !cli }, () => {
        const editor = editorAt(edition, modelItem, kindItem);
        try {
          // The font the module loaded is the one the native tool extracts.
          const loadedFont = saveFontFile(editor);
          const extracted = path.join(folder, `extracted-${loadedFont.name}`);
          native("extract", ...layout, fileIn("dump-in.bin", dumps[edition]), extracted);
          assert.deepEqual(loadedFont.bytes, new Uint8Array(readFileSync(extracted)));

          // A save of an edited font into the dump patches what the native tool patches.
          editLetter(editor);
          const editedFont = saveFontFile(editor);
          const save = drive(editor, editor.menu("N23"));
          assert.equal(save.saved.length, 1);
          const [saved] = save.saved;
          assert.equal(saved.name, "dump.bin");
          assert.equal(saved.replacesOpened, true);
          assert.equal(saved.bytes.length, kDumpSize);
          const expected = fileIn("dump-expected.bin", dumps[edition]);
          native("inject", ...layout, "--force", fileIn(editedFont.name, editedFont.bytes), expected);
          assert.ok(Buffer.compare(Buffer.from(saved.bytes), readFileSync(expected)) === 0,
                    "the saved dump differs from the native one");
          assert.ok(Buffer.compare(Buffer.from(saved.bytes), Buffer.from(dumps[edition])) !== 0,
                    "the save changed nothing");
        } finally {
          editor.delete();
        }
      });
    }
  }
}

test("a patch exported by the module is the native export-patch's", { skip: !cli }, () => {
  for (const [edition, modelItem, model, kindItem, kind] of [
    ["rus", "N451", "s45", "Normal1", "normal"],
    ["rus", "C451", "c45", "Bigest1", "big"],
    ["eng", "M501", "m50", "Small1", "small"],
  ]) {
    const editor = editorAt(edition, modelItem, kindItem);
    try {
      editLetter(editor);
      const font = saveFontFile(editor);
      const exported = drive(editor, editor.menu("ExportPatch1"));
      assert.equal(exported.saved.length, 1);
      const [patch] = exported.saved;
      assert.equal(patch.name, "dump.vkp");
      const out = path.join(folder, "native.vkp");
      native("export-patch", "--edition", edition, "--model", model, "--kind", kind, "--force",
             fileIn(font.name, font.bytes), fileIn("dump.bin", dumps[edition]), out);
      assert.equal(Buffer.from(patch.bytes).toString("latin1"), readFileSync(out).toString("latin1"));

      // The patch imported onto the unpatched dump brings the edited font back.
      const other = core.createEditor(edition);
      try {
        drive(other, other.menu(modelItem));
        drive(other, other.menu(kindItem));
        // No fullflash is held yet: the import asks for one after the patch.
        const imported = drive(other, other.menu("ImportPatch1"), {
          files: [{ name: patch.name, bytes: patch.bytes }, { name: "dump.bin", bytes: dumps[edition] }],
        });
        assert.equal(imported.messages.filter((m) => m.icon === "error").length, 0,
                     JSON.stringify(imported.messages));
        assert.deepEqual(saveFontFile(other).bytes, font.bytes);
      } finally {
        other.delete();
      }
    } finally {
      editor.delete();
    }
  }
});
