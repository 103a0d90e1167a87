// The module as the page uses it: the start values of the view, presses and keys, and the file
// commands' steps (choosers, questions, messages, files handed out), with nothing lost when a
// command fails.
import { test, before } from "node:test";
import assert from "node:assert/strict";
import { inflateSync } from "node:zlib";

import { loadCore } from "./load_core.mjs";
import { drive, randomDump } from "./steps.mjs";

let core;
const dump = randomDump(6 << 20, 0xd00d);

before(async () => {
  core = await loadCore();
});

function withEditor(edition, body) {
  const editor = core.createEditor(edition);
  try {
    return body(editor);
  } finally {
    editor.delete();
  }
}

function item(view, id) {
  const find = (items) => {
    for (const node of items) {
      if (node.id === id) return node;
      const inner = find(node.items);
      if (inner) return inner;
    }
    return null;
  };
  return find(view.menus);
}

function button(view, id) {
  return view.buttons.find((b) => b.id === id);
}

function load(editor, name = "dump.bin", bytes = dump) {
  return drive(editor, editor.menu("N2"), { file: { name, bytes } });
}

function fontFile(editor) {
  return drive(editor, editor.menu("N39")).saved[0].bytes;
}

function editAndWriteBack(editor) {
  const cell = editor.view().grid.find((c) => c.role === "pixel" && c.live);
  assert.ok(editor.clickCell(cell.row, cell.col));
  assert.ok(editor.press("writeBack"));
}

// The pixels of a PNG of 8-bit RGB without filters (what the module writes), as RGBA.
function decodePng(bytes) {
  const data = Buffer.from(bytes);
  let offset = 8;
  let width = 0;
  let height = 0;
  const parts = [];
  while (offset < data.length) {
    const length = data.readUInt32BE(offset);
    const type = data.toString("latin1", offset + 4, offset + 8);
    const body = data.subarray(offset + 8, offset + 8 + length);
    if (type === "IHDR") {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      assert.deepEqual([...body.subarray(8, 13)], [8, 2, 0, 0, 0]);
    }
    if (type === "IDAT") parts.push(body);
    offset += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(parts));
  const rgba = new Uint8Array(width * height * 4);
  for (let y = 0; y < height; ++y) {
    const row = y * (width * 3 + 1);
    assert.equal(raw[row], 0, "no filter");
    for (let x = 0; x < width; ++x) {
      rgba.set(raw.subarray(row + 1 + x * 3, row + 4 + x * 3), (y * width + x) * 4);
      rgba[(y * width + x) * 4 + 3] = 255;
    }
  }
  return { width, height, rgba };
}

test("the page starts with the window's start values, in the core's texts", () => {
  withEditor("rus", (editor) => {
    const view = editor.view();
    assert.equal(view.windowCaption, 'Runewright v4.01 "RUS-Full" - [no file]');
    assert.equal(view.editionTitle, 'Runewright v4.01 "RUS-Full"');
    assert.equal(view.closeCaption, "Закрыть");
    assert.deepEqual(view.menus.map((m) => m.caption),
                     ["Файл", "Правка", "Шрифт (Normal)", "Телефон (S/ME 45)", "Сервис", "Инфо"]);
    assert.equal(item(view, "N2").caption, "Загрузить шрифт из fullflash");
    assert.equal(item(view, "N2").ariaKeys, "Control+O");
    assert.equal(item(view, "EditRedo").ariaKeys, "Control+Shift+Z Control+Y");
    assert.equal(item(view, "N451").checked, true);
    assert.equal(item(view, "Normal1").checked, true);
    assert.equal(item(view, "N24").checked, true);
    assert.equal(item(view, "EditUndo").enabled, false);
    assert.equal(item(view, "ImportFont1"), null, "the browser reaches no installed fonts");
    assert.equal(view.letter.text, "А");
    assert.equal(view.thumbnails.length, 34);
    assert.equal(view.thumbnails[0].name, "А");
    assert.deepEqual(view.thumbnails.filter((t) => t.selected).map((t) => t.slot), [0]);
    assert.equal(view.thumbnails[0].rgba.length, 16 * 16 * 4);
    assert.equal(button(view, "set0").caption, "А-Я");
    assert.equal(button(view, "set0").down, true);
    assert.equal(button(view, "bold").down, false);
    assert.equal(button(view, "writeBack").caption, "Записать в шрифт");
    assert.equal(button(view, "shiftRight").caption, "");
    assert.ok(button(view, "shiftRight").name.length > 0, "a shift arrow is named by its hint");
    assert.equal(view.gridName, "Сетка");
    assert.equal(view.thumbnailsName, "Буквы");
    assert.equal(view.status, "");
    assert.equal(view.hasLanguageMenu, false);
    assert.equal(view.unsaved, false);
  });
});

test("the Latin edition switches every text to English and back", () => {
  withEditor("eng", (editor) => {
    assert.equal(editor.view().thumbnails.length, 37);
    drive(editor, editor.menu("English1"));
    const view = editor.view();
    assert.equal(view.language, "en");
    assert.equal(view.menus[0].caption, "File");
    assert.equal(view.gridName, "Grid");
    assert.equal(view.thumbnailsName, "Letters");
    assert.equal(view.closeCaption, "Close");
    assert.equal(view.editionTitle, 'Runewright v4.01 "ENG-Full"');
    assert.equal(item(view, "English1").checked, true);
    assert.equal(view.keys.find((k) => k.command === "CursorLeft").text, "Grid: cursor left");
    drive(editor, editor.menu("N8"));
    assert.equal(editor.view().menus[0].caption, "Файл");
  });
});

test("a cell shows its bit as checked, a click flips it and undo brings it back", () => {
  withEditor("rus", (editor) => {
    const cells = editor.view().grid;
    assert.equal(cells.length, 256);
    for (const cell of cells) {
      const showsBit = ["pixel", "widthBit", "headerBit"].includes(cell.role);
      assert.equal(cell.checked !== null, showsBit, `${cell.row},${cell.col} ${cell.role}`);
      if (cell.role === "inert") {
        assert.equal(cell.live, false);
        assert.equal(cell.colour, null);
      }
    }
    const cell = cells.find((c) => c.role === "pixel" && c.live);
    const index = cell.row * 16 + cell.col;
    assert.equal(editor.clickCell(cell.row, cell.col), true);
    const after = editor.view();
    assert.equal(after.grid[index].checked, !cell.checked);
    assert.equal(item(after, "EditUndo").enabled, true);
    assert.match(item(after, "EditUndo").caption, /Рисование/);
    drive(editor, editor.menu("EditUndo"));
    assert.equal(editor.view().grid[index].checked, cell.checked);
    // An inert cell takes no click.
    const inert = cells.find((c) => !c.live);
    assert.equal(editor.clickCell(inert.row, inert.col), false);
  });
});

test("a drag paints every live cell on its way with the first cell's colour", () => {
  withEditor("rus", (editor) => {
    drive(editor, editor.menu("N16"));  // an empty letter
    const row = editor.view().grid.filter((c) => c.role === "pixel" && c.live && c.row === 3);
    assert.ok(editor.beginStroke(3, row[0].col));
    editor.continueStroke(3, row[row.length - 1].col);
    editor.endStroke();
    const painted = editor.view().grid.filter((c) => c.row === 3 && c.role === "pixel" && c.live);
    assert.ok(painted.every((c) => c.checked), "the whole row is ink");
    drive(editor, editor.menu("EditUndo"));
    assert.ok(editor.view().grid.filter((c) => c.row === 3 && c.role === "pixel").every((c) => !c.checked),
              "the stroke is one step");
  });
});

test("keys run the key table's commands; file keys start their commands", () => {
  withEditor("rus", (editor) => {
    assert.equal(editor.key("LowerCase").kind, "done");
    assert.equal(button(editor.view(), "set1").down, true);
    editor.key("LetterBelow");
    assert.equal(editor.view().thumbnails.find((t) => t.selected).slot, editor.view().thumbnailsPerRow);
    editor.key("LastLetter");
    assert.equal(editor.view().thumbnails.find((t) => t.selected).slot, 33);
    const step = editor.key("LoadFlash");
    assert.equal(step.kind, "chooseFile");
    assert.equal(step.purpose, "fullflash");
    assert.equal(step.accept, ".bin");
    assert.equal(editor.resume({ cancel: true }).kind, "done");
    assert.equal(editor.key("NoSuchCommand").kind, "done");
    // Presses the window would not take change nothing.
    assert.equal(editor.press("set2"), false, "the Cyrillic edition has no symbol sets");
    assert.equal(editor.press("set1"), false, "already down");
    assert.equal(editor.press("noSuchButton"), false);
    drive(editor, editor.menu("Bigest1"));
    assert.equal(button(editor.view(), "bold").visible, false);
    assert.equal(editor.press("bold"), false);
    assert.equal(editor.press("set0"), true);
    const flip = editor.view().keys.find((k) => k.command === "FlipCell");
    assert.deepEqual(flip.match.map((m) => m.key), [" ", "Enter"]);
    assert.equal(flip.scope, "grid");
    const bold = editor.view().keys.find((k) => k.command === "Bold");
    assert.deepEqual(bold.match, [{ ctrl: true, shift: false, alt: false, key: "", code: "KeyB" }]);
  });
});

test("quitting with unsaved changes asks; the answer that cancels keeps everything", () => {
  withEditor("rus", (editor) => {
    assert.equal(editor.menu("N5").kind, "quit");
    editAndWriteBack(editor);
    const question = editor.menu("N5");
    assert.equal(question.kind, "question");
    assert.equal(question.buttons[question.cancelButton], "Отмена");
    assert.equal(question.defaultButton, question.cancelButton);
    assert.equal(editor.resume({ button: question.cancelButton }).kind, "done");
    assert.equal(editor.view().unsaved, true);
    assert.equal(drive(editor, editor.menu("N5"), { answer: 0 }).end.kind, "quit");
  });
});

// A dump of zeros with a Cyrillic S/ME 45 Normal font of distinct glyphs saved into it, which
// looks like a font where that phone keeps it.
function fontLikeDump() {
  return withEditor("rus", (editor) => {
    load(editor, "zeros.bin", new Uint8Array(6 << 20));
    for (const [set, col] of [["set0", 2], ["set1", 4]]) {
      editor.press(set);
      for (let slot = 0; slot < 34; ++slot) {
        editor.pressThumbnail(slot);
        for (let bit = 0; bit < 6; ++bit) if (((slot + 1) >> bit) & 1) editor.clickCell(2 + bit, col);
        editor.clickCell(9, col + 1);
        editor.press("writeBack");
      }
    }
    drive(editor, editor.menu("EditBoldFromNormal"));
    // Zeros are no font: the save asks, and goes on.
    const saved = drive(editor, editor.menu("N23"), { answer: 0 });
    assert.equal(saved.questions.length, 1);
    return saved.saved[0].bytes;
  });
}

test("a load and a save into the same fullflash after an ordinary edit ask nothing", () => {
  const flash = fontLikeDump();
  withEditor("rus", (editor) => {
    const loaded = load(editor, "s45.bin", flash);
    assert.deepEqual(loaded.messages, []);
    assert.match(editor.view().windowCaption, /\[s45\.bin\]$/);
    assert.match(editor.view().status, /s45\.bin/);
    editAndWriteBack(editor);
    const saved = drive(editor, editor.menu("N23"));
    assert.deepEqual(saved.questions, []);
    assert.deepEqual(saved.messages, []);
    assert.equal(saved.saved.length, 1);
    assert.equal(saved.saved[0].name, "s45.bin");
    assert.equal(saved.saved[0].replacesOpened, true);
    assert.equal(editor.view().unsaved, false);
  });
  // The wrong phone chosen: the load warns, the save asks, and "Отмена" writes nothing.
  withEditor("rus", (editor) => {
    drive(editor, editor.menu("C451"));
    const loaded = load(editor, "s45.bin", flash);
    assert.equal(loaded.messages.length, 1);
    assert.equal(loaded.messages[0].icon, "warning");
    const step = editor.menu("N23");
    assert.equal(step.kind, "question");
    assert.equal(editor.resume({ button: step.cancelButton }).kind, "done");
  });
});

test("a save with a letter changed on the grid but not written asks first, with two ways on", () => {
  const flash = fontLikeDump();
  withEditor("rus", (editor) => {
    load(editor, "s45.bin", flash);
    const cell = editor.view().grid.find((c) => c.role === "pixel" && c.live);
    assert.ok(editor.clickCell(cell.row, cell.col));
    const question = editor.menu("N23");
    assert.equal(question.kind, "question");
    assert.match(question.text, /изменена на сетке, но не записана в шрифт/);
    assert.deepEqual(question.buttons, ["Записать и продолжить", "Продолжить без неё", "Отмена"]);
    assert.equal(question.defaultButton, 2);
    assert.equal(question.cancelButton, 2);
    // "Отмена" writes and hands out nothing.
    assert.equal(editor.resume({ button: 2 }).kind, "done");
    // "Продолжить без неё" saves the font as it is: the dump's own bytes.
    const without = drive(editor, editor.menu("N23"), { answer: 1 });
    assert.equal(without.saved.length, 1);
    assert.deepEqual(without.saved[0].bytes, flash);
    // "Записать и продолжить" writes the letter back first: one byte or more changes.
    const written = drive(editor, editor.menu("N23"), { answer: 0 });
    assert.equal(written.saved.length, 1);
    assert.notDeepEqual(written.saved[0].bytes, flash);
  });
});

test("a failed load keeps the fullflash held, and the next save patches the whole of it", () => {
  withEditor("rus", (editor) => {
    load(editor);
    editAndWriteBack(editor);
    const font = fontFile(editor);
    // A file of the same name that is far too short: the load fails and changes nothing.
    const failed = load(editor, "dump.bin", dump.subarray(0, 100));
    assert.equal(failed.messages.length, 1);
    assert.equal(failed.messages[0].icon, "error");
    assert.match(failed.messages[0].text, /^dump\.bin: /);
    assert.deepEqual(fontFile(editor), font);
    const saved = drive(editor, editor.menu("N23"));
    assert.equal(saved.saved[0].bytes.length, dump.length);
    // The same when the error box is left open and another command starts.
    const box = editor.menu("N2");
    assert.equal(editor.resume({ file: { name: "dump.bin", bytes: dump.subarray(0, 100) } }).icon, "error");
    assert.equal(box.kind, "chooseFile");
    const again = drive(editor, editor.menu("N23"));
    assert.equal(again.saved[0].bytes.length, dump.length);
  });
});

test("a save into the fullflash before any load asks for the fullflash to patch", () => {
  withEditor("rus", (editor) => {
    const step = editor.menu("N23");
    assert.equal(step.kind, "chooseFile");
    assert.equal(step.purpose, "fullflash");
    // Keys and disabled items meanwhile leave the command and the file it was given alone.
    const question = editor.resume({ file: { name: "chosen.bin", bytes: dump } });
    assert.equal(question.kind, "question");
    assert.equal(editor.key("NextLetter").kind, "done");
    assert.equal(editor.menu("EditRedo").kind, "done");
    const answered = drive(editor, editor.resume({ button: 0 }));
    assert.equal(answered.messages.filter((m) => m.icon === "error").length, 0);
    assert.equal(answered.saved[0].name, "chosen.bin");
    assert.equal(answered.saved[0].bytes.length, dump.length);
    // That fullflash is the one a save now goes into, without asking for it.
    const again = drive(editor, editor.menu("N23"));
    assert.equal(again.saved[0].name, "chosen.bin");
    assert.equal(again.saved[0].replacesOpened, true);
  });
});

test("a font file saved before any load is named after the format", () => {
  withEditor("eng", (editor) => {
    const saved = drive(editor, editor.menu("N39")).saved;
    assert.equal(saved.length, 1);
    assert.match(saved[0].name, /\.sfe$/);
    assert.equal(saved[0].bytes.length, 9472);
  });
});

test("a dropped file goes to the load or import its contents call for", () => {
  withEditor("rus", (editor) => {
    const font = fontFile(editor);
    // A fullflash by its size.
    let seen = drive(editor, editor.openFile({ name: "drop.bin", bytes: dump }));
    assert.equal(seen.messages.filter((m) => m.icon === "error").length, 0);
    assert.match(editor.view().windowCaption, /\[drop\.bin\]$/);
    // A font file by its extension.
    seen = drive(editor, editor.openFile({ name: "font.sft", bytes: font }));
    assert.equal(seen.messages.length, 0);
    assert.match(editor.view().windowCaption, /\[font\.sft\]$/);
    // A PNG sheet is handed back to be decoded.
    const png = drive(editor, editor.menu("ExportPng1")).saved[0];
    assert.equal(editor.openFile({ name: "sheet.png", bytes: png.bytes }).kind, "decodeImage");
    assert.equal(editor.resume({ cancel: true }).kind, "done");
    editor.openFile({ name: "sheet.png", bytes: png.bytes });
    assert.equal(editor.resume({ error: "broken picture" }).text, "sheet.png: broken picture");
    editor.resume({ button: 0 });
    // Anything else is refused with the file's name.
    seen = drive(editor, editor.openFile({ name: "notes.txt", bytes: new Uint8Array(10) }));
    assert.equal(seen.messages.length, 1);
    assert.match(seen.messages[0].text, /notes\.txt/);
  });
});

test("a PNG sheet exported by the module reads back as the same glyphs; a wrong one changes nothing", () => {
  withEditor("eng", (editor) => {
    load(editor);
    const [png] = drive(editor, editor.menu("ExportPng1")).saved;
    assert.equal(png.name, "dump.png");
    const image = decodePng(png.bytes);
    drive(editor, editor.menu("N18"));  // clear the font
    const imported = drive(editor, editor.menu("ImportPng1"), { image: { name: "dump.png", ...image } });
    assert.equal(imported.messages.length, 0);
    assert.match(editor.view().status, /dump\.png/);
    // A sheet holds the pixels (the widths follow from them): the font read back draws the
    // same sheet.
    assert.deepEqual(drive(editor, editor.menu("ExportPng1")).saved[0].bytes, png.bytes);

    const font = fontFile(editor);
    const wrong = drive(editor, editor.menu("ImportPng1"),
                        { image: { name: "small.png", width: 3, height: 3, rgba: new Uint8Array(36) } });
    assert.equal(wrong.messages.length, 1);
    assert.equal(wrong.messages[0].icon, "error");
    assert.match(wrong.messages[0].text, /^small\.png: /);
    assert.deepEqual(fontFile(editor), font);
  });
});

test("the page's own windows get their texts from the core", () => {
  withEditor("rus", (editor) => {
    assert.deepEqual(editor.menu("Keys1"), { kind: "show", window: "keys" });
    assert.equal(editor.menu("TextPreview1").window, "textPreview");
    assert.equal(editor.infoText("help").title, "Инструкция");
    assert.ok(editor.infoText("help").text.length > 100);
    assert.match(editor.infoText("about").text, /RUS-Full/);
    const texts = editor.previewTexts();
    const picture = editor.preview({ text: "АБ\u4e00", bold: false, scale: 2, wrapWidth: texts.defaultWrapWidth });
    assert.equal(picture.width, texts.defaultWrapWidth * 2);
    assert.equal(picture.rgba.length, picture.width * picture.height * 4);
    assert.match(picture.note, /\u4e00/);
  });
});

test("a dropped patch is imported onto the fullflash held", () => {
  withEditor("rus", (editor) => {
    load(editor);
    editAndWriteBack(editor);
    const font = fontFile(editor);
    const [patch] = drive(editor, editor.menu("ExportPatch1")).saved;
    withEditor("rus", (other) => {
      load(other);
      const seen = drive(other, other.openFile({ name: "DUMP.VKP", bytes: patch.bytes }));
      assert.equal(seen.messages.filter((m) => m.icon === "error").length, 0);
      assert.deepEqual(fontFile(other), font);
    });
  });
});

test("a file the page could not hand out or read is told as that file's failure", () => {
  withEditor("rus", (editor) => {
    const step = editor.menu("N39");
    assert.equal(step.kind, "saveFile");
    const told = editor.resume({ error: "Disk full" });
    assert.equal(told.kind, "message");
    assert.equal(told.icon, "error");
    assert.equal(told.text, `${step.name}: Disk full`);
    assert.equal(editor.resume({ button: 0 }).kind, "done");

    assert.equal(editor.menu("N41").kind, "chooseFile");
    const unreadable = editor.resume({ error: "File access denied", name: "s45.bin" });
    assert.equal(unreadable.kind, "message");
    assert.equal(unreadable.text, "s45.bin: File access denied");
    // A reply with nothing pending changes nothing.
    assert.equal(editor.resume({ button: 0 }).kind, "done");
    assert.equal(editor.resume({ button: 0 }).kind, "done");
  });
});

test("no file and no menu item stops the module: every command ends with a step", () => {
  for (const edition of ["rus", "eng"]) {
    withEditor(edition, (editor) => {
      // Odd files of every kind: empty, tiny, font-file sized, a PNG signature with nothing
      // after it, patch text that is no patch.
      const png = new Uint8Array([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
      const odd = [
        ["empty.bin", new Uint8Array(0)], ["x.sft", randomDump(1768, 1)], ["x.sbf", randomDump(4352, 2)],
        ["x.sfe", randomDump(9472, 3)], ["x", randomDump(1768, 4)], ["bad.png", png],
        ["bad.vkp", new TextEncoder().encode("0x1234: zz\n")], ["one.bin", randomDump(1 << 20, 5)],
      ];
      for (const [name, bytes] of odd) {
        const seen = drive(editor, editor.openFile({ name, bytes }),
                           { image: { name, width: 1, height: 1, rgba: new Uint8Array(4) },
                             files: [{ name: "dump.bin", bytes: dump }] });
        assert.equal(seen.end.kind, "done", name);
      }
      // Every item of every menu, each run to its end.
      const ids = [];
      const collect = (items) => items.forEach((i) => { if (i.kind !== "separator") ids.push(i.id); collect(i.items); });
      collect(editor.view().menus);
      for (const id of ids) {
        const seen = drive(editor, editor.menu(id), {
          files: [{ name: "dump.bin", bytes: dump }, { name: "dump.bin", bytes: dump }],
          image: { name: "s.png", width: 2, height: 2, rgba: new Uint8Array(16) },
          answer: 1,
        });
        assert.ok(["done", "show", "quit"].includes(seen.end.kind), id);
      }
      assert.equal(editor.view().grid.length, 256);
    });
  }
});
