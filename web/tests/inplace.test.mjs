// Where the browser has the File System Access API, a fullflash opened through its picker is
// saved back into the same file in place, with no download; and a finger edits as the mouse does.
// The picker is stood in for by a file of the origin's private file system, whose handles are
// the same kind of FileSystemFileHandle a picker returns.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  byRole, cellCentre, cellState, cli, menu, noAlert, openPage,
  readFileSync, readdirSync, sha256, writeFileSync,
  servePageWithFixtures,
} from "./harness.mjs";

const run = servePageWithFixtures();

/** Puts the fixture `name` into the origin's private file system; the picker returns that file. */
async function pickerGives(page, name) {
  await page.evaluate(async (fileName) => {
    const bytes = await (await fetch(`/fixtures/${fileName}`)).arrayBuffer();
    const folder = await navigator.storage.getDirectory();
    const handle = await folder.getFileHandle(fileName, { create: true });
    const writable = await handle.createWritable();
    await writable.write(bytes);
    await writable.close();
    window.showOpenFilePicker = async () => [handle];
  }, name);
}

/** The length and SHA-256 of a file of the origin's private file system. */
function privateFile(page, name) {
  return page.evaluate(async (fileName) => {
    const folder = await navigator.storage.getDirectory();
    const bytes = await (await (await folder.getFileHandle(fileName)).getFile()).arrayBuffer();
    const digest = new Uint8Array(await crypto.subtle.digest("SHA-256", bytes));
    return { length: bytes.byteLength, sha256: [...digest].map((b) => b.toString(16).padStart(2, "0")).join("") };
  }, name);
}

test("a fullflash opened through the picker is written back in place, touched by a finger", async () => {
  const tab = await openPage(run.browser, run.site.origin, "?edition=rus");
  try {
    const { page } = tab;
    run.site.expose("fullflash.bin", run.files.flash);
    await pickerGives(page, "fullflash.bin");
    await menu(page, "Файл", "Загрузить шрифт из fullflash");
    await page.waitForFunction(() => document.title.includes("[fullflash.bin]"));
    await noAlert(page);

    // A tap flips a cell; a finger drawn along a row paints it.
    await (await byRole(page, "option", "Д")).click();
    const before = (await cellState(page, 3, 3)).checked;
    const tap = await cellCentre(page, 3, 3);
    await page.touchscreen.tap(tap.x, tap.y);
    assert.equal((await cellState(page, 3, 3)).checked, String(before !== "true"));
    const from = await cellCentre(page, 8, 1);
    const to = await cellCentre(page, 8, 5);
    const painted = String((await cellState(page, 8, 1)).checked !== "true");
    await page.touchscreen.touchStart(from.x, from.y);
    for (let step = 1; step <= 8; step++) {
      await page.touchscreen.touchMove(from.x + ((to.x - from.x) * step) / 8, from.y);
    }
    await page.touchscreen.touchEnd();
    for (let col = 1; col <= 5; col++) assert.equal((await cellState(page, 8, col)).checked, painted, `8,${col}`);
    await (await byRole(page, "button", "Записать в шрифт")).click();

    await menu(page, "Файл", "Сохранить шрифт в fullflash");
    await noAlert(page);
    await new Promise((wake) => setTimeout(wake, 300));
    assert.deepEqual(readdirSync(tab.downloads), [], "written in place, not downloaded");

    // The file in place holds what the native tool writes for the page's font.
    const fontFile = await tab.nextDownload(() => menu(page, "Файл", "Сохранить шрифт в файл"));
    writeFileSync(run.files.file("touched.sft"), fontFile.bytes);
    const expected = run.files.file("expected.bin");
    writeFileSync(expected, readFileSync(run.files.flash));
    cli("inject", "--edition", "rus", "--model", "s45", "--kind", "normal", run.files.file("touched.sft"), expected);
    const inPlace = await privateFile(page, "fullflash.bin");
    assert.equal(inPlace.length, 16 << 20);
    assert.equal(inPlace.sha256, sha256(readFileSync(expected)));
    assert.notEqual(inPlace.sha256, sha256(readFileSync(run.files.flash)));
    assert.deepEqual(tab.errors, []);
  } finally {
    await tab.close();
  }
});
