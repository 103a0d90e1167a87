// Files in and out of the page besides the fullflash: the patch round trip (export equals the
// native tool's, import by the chooser and by a drop gives the font back), the PNG sheet round
// trip through the browser's own decoder, and a font file dropped on the page.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  byRole, cellCentre, chooseFile, cli, menu, openAlert, answer,
  openPage, readFileSync, writeFileSync,
  servePageWithFixtures,
} from "./harness.mjs";

const run = servePageWithFixtures();

async function loadFlash(page) {
  await chooseFile(page, () => menu(page, "Файл", "Загрузить шрифт из fullflash"), run.files.flash);
  await page.waitForFunction(() => document.title.includes("[fullflash.bin]"));
}

/** Answers every message the command shows with its first button, and returns their texts. */
async function acceptMessages(page) {
  const texts = [];
  for (;;) {
    await new Promise((wake) => setTimeout(wake, 100));
    if (!(await page.$('dialog[open][role="alertdialog"]'))) return texts;
    const alert = await openAlert(page);
    texts.push(alert.text);
    await answer(page, alert.buttons[0]);
  }
}

async function dropFile(page, name, bytes) {
  await page.evaluate(
    (fileName, base64) => {
      const data = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      const transfer = new DataTransfer();
      transfer.items.add(new File([data], fileName));
      document.body.dispatchEvent(new DragEvent("drop", { dataTransfer: transfer, bubbles: true, cancelable: true }));
    },
    name,
    Buffer.from(bytes).toString("base64"),
  );
}

const saveFontFile = (tab) => tab.nextDownload(() => menu(tab.page, "Файл", "Сохранить шрифт в файл"));

test("a patch exported by the page is the native tool's, and imported it gives the font back", async () => {
  const first = await openPage(run.browser, run.site.origin, "?edition=rus&save=download");
  let patch;
  let edited;
  try {
    const { page } = first;
    await loadFlash(page);
    for (const letter of ["Ж", "Я"]) {
      await (await byRole(page, "option", letter)).click();
      for (const [row, col] of [[2, 2], [4, 5], [7, 3]]) {
        const { x, y } = await cellCentre(page, row, col);
        await page.mouse.click(x, y);
      }
      await (await byRole(page, "button", "Записать в шрифт")).click();
    }
    patch = await first.nextDownload(() => menu(page, "Сервис", "Экспорт патча (.vkp)..."));
    await acceptMessages(page);
    assert.match(patch.name, /\.vkp$/i);
    edited = (await saveFontFile(first)).bytes;
    assert.ok(!edited.equals(readFileSync(run.files.font)));

    writeFileSync(run.files.file("edited.sft"), edited);
    cli("export-patch", "--edition", "rus", "--model", "s45", "--kind", "normal",
      run.files.file("edited.sft"), run.files.flash, run.files.file("native.vkp"));
    assert.equal(patch.bytes.toString("latin1"), readFileSync(run.files.file("native.vkp")).toString("latin1"));
    assert.deepEqual(first.errors, []);
  } finally {
    await first.close();
  }

  // Through the chooser, into the untouched fullflash.
  const second = await openPage(run.browser, run.site.origin, "?edition=rus&save=download");
  try {
    const { page } = second;
    await loadFlash(page);
    writeFileSync(run.files.file("page.vkp"), patch.bytes);
    await chooseFile(page, () => menu(page, "Сервис", "Импорт из патча (.vkp)..."), run.files.file("page.vkp"));
    await acceptMessages(page);
    assert.ok((await saveFontFile(second)).bytes.equals(edited));
    assert.deepEqual(second.errors, []);
  } finally {
    await second.close();
  }

  // Dropped on the page.
  const third = await openPage(run.browser, run.site.origin, "?edition=rus&save=download");
  try {
    const { page } = third;
    await loadFlash(page);
    await dropFile(page, "page.vkp", patch.bytes);
    await acceptMessages(page);
    assert.ok((await saveFontFile(third)).bytes.equals(edited));
    assert.deepEqual(third.errors, []);
  } finally {
    await third.close();
  }
});

test("a PNG sheet exported by the page reads back into the same font, and a dropped font file loads", async () => {
  const tab = await openPage(run.browser, run.site.origin, "?edition=rus&save=download");
  let sheet;
  try {
    const { page } = tab;
    await loadFlash(page);
    sheet = await tab.nextDownload(() => menu(page, "Сервис", "Экспорт в PNG..."));
    await acceptMessages(page);
    assert.match(sheet.name, /\.png$/i);
    assert.equal(sheet.bytes.subarray(1, 4).toString("latin1"), "PNG");
  } finally {
    await tab.close();
  }

  const blank = await openPage(run.browser, run.site.origin, "?edition=rus&save=download");
  try {
    const { page } = blank;
    writeFileSync(run.files.file("sheet.png"), sheet.bytes);
    await chooseFile(page, () => menu(page, "Сервис", "Импорт из PNG..."), run.files.file("sheet.png"));
    await acceptMessages(page);
    assert.ok((await saveFontFile(blank)).bytes.equals(readFileSync(run.files.font)));
    assert.deepEqual(blank.errors, []);
  } finally {
    await blank.close();
  }

  // Dropped, the sheet is decoded by the browser as from the chooser.
  const droppedSheet = await openPage(run.browser, run.site.origin, "?edition=rus&save=download");
  try {
    const { page } = droppedSheet;
    await dropFile(page, "sheet.png", sheet.bytes);
    await acceptMessages(page);
    assert.ok((await saveFontFile(droppedSheet)).bytes.equals(readFileSync(run.files.font)));

    // A picture the browser cannot decode gets the error box, and the font stays as it was.
    writeFileSync(run.files.file("broken.png"), Buffer.concat([sheet.bytes.subarray(0, 40), Buffer.alloc(64, 0x55)]));
    await chooseFile(page, () => menu(page, "Сервис", "Импорт из PNG..."), run.files.file("broken.png"));
    const error = await openAlert(page);
    assert.match(error.text, /broken\.png/);
    await answer(page, error.buttons[0]);
    await dropFile(page, "dropped.png", readFileSync(run.files.file("broken.png")));
    assert.match((await openAlert(page)).text, /dropped\.png/);
    await answer(page, error.buttons[0]);
    assert.ok((await saveFontFile(droppedSheet)).bytes.equals(readFileSync(run.files.font)));
    assert.deepEqual(droppedSheet.errors, []);
  } finally {
    await droppedSheet.close();
  }

  const dropped = await openPage(run.browser, run.site.origin, "?edition=rus&save=download");
  try {
    const { page } = dropped;
    await dropFile(page, "dejavu.sft", readFileSync(run.files.font));
    await acceptMessages(page);
    await page.waitForFunction(() => document.title.includes("[dejavu.sft]"));
    assert.ok((await saveFontFile(dropped)).bytes.equals(readFileSync(run.files.font)));
    assert.deepEqual(dropped.errors, []);
  } finally {
    await dropped.close();
  }
});
