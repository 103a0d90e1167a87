// A fullflash edited in the page: loaded through the file chooser, a letter picked, cells
// clicked, dragged over and flipped from the keyboard, written back, undone and redone, saved
// as a download; the bytes are what the native tool writes for the same font.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
  answer, byRole, cellCentre, cellState, chooseFile, cli, menu, noAlert,
  openAlert, openPage, readFileSync, readdirSync, writeFileSync,
  servePageWithFixtures,
} from "./harness.mjs";

const kRecord = 13; // bytes of one S/ME 45 Normal glyph in a .sft file
const kSlots = 34;

const run = servePageWithFixtures();

async function loadFlash(page, flash) {
  await chooseFile(page, () => menu(page, "Файл", "Загрузить шрифт из fullflash"), flash);
  await page.waitForFunction((name) => document.title.includes(`[${name}]`), {}, "fullflash.bin");
  await noAlert(page);
}

/** The checked state of every pixel cell of the grid, by "R,C". */
function pixelStates(page) {
  return page.$$eval('[role=gridcell][data-role="pixel"]', (cells) =>
    Object.fromEntries(cells.map((c) => [c.getAttribute("aria-label"), c.getAttribute("aria-checked") === "true"])),
  );
}

/** Clicks on cells, timing each from the press to the end of its handling and to the next frame. */
async function timedClick(page, row, col) {
  await page.evaluate(() => {
    window.__press = new Promise((resolve) => {
      let start = 0;
      let handled = 0;
      window.addEventListener("pointerdown", (e) => (start = e.timeStamp), { capture: true, once: true });
      window.addEventListener(
        "pointerdown",
        () => {
          handled = performance.now();
          requestAnimationFrame(() => resolve({ handled: handled - start, frame: performance.now() - start }));
        },
        { once: true },
      );
    });
  });
  const { x, y } = await cellCentre(page, row, col);
  await page.mouse.click(x, y);
  return page.evaluate(() => window.__press);
}

test("an edit made with the mouse and the keyboard is saved byte for byte as the native tool writes it", async () => {
  const tab = await openPage(run.browser, run.site.origin, "?edition=rus&save=download");
  try {
    const { page } = tab;
    await loadFlash(page, run.files.flash);
    const [load, coreLoad] = await page.evaluate(() =>
      ["runewright:open-file", "runewright:core-chooseFile"].map((name) => performance.getEntriesByName(name).at(-1).duration),
    );

    await (await byRole(page, "option", "Б")).click();
    assert.equal(await page.$eval("[role=option][aria-selected=true]", (o) => o.getAttribute("aria-label")), "Б");
    assert.equal(await page.$eval("#letter", (e) => e.textContent), "Б");
    const before = await pixelStates(page);
    assert.ok(Object.keys(before).length >= 7 * 10, "the narrow grid's pixel cells");

    // A click flips one cell; it is timed for the README.
    const clicks = [];
    for (const col of [2, 3, 4, 5, 2, 3, 4, 5]) clicks.push(await timedClick(page, 2, col));
    const afterClicks = await pixelStates(page);
    assert.deepEqual(afterClicks, before, "each cell clicked twice");
    clicks.push(await timedClick(page, 2, 2));
    assert.equal((await cellState(page, 2, 2)).checked, String(!before["2,2"]));

    // A drag paints every cell it passes with the colour the first one got.
    const from = await cellCentre(page, 5, 1);
    const to = await cellCentre(page, 5, 6);
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    await page.mouse.move(to.x, to.y, { steps: 10 });
    await page.mouse.up();
    const painted = String(!before["5,1"]);
    for (let col = 1; col <= 6; col++) assert.equal((await cellState(page, 5, col)).checked, painted, `5,${col}`);

    // The keyboard: the cursor stands where the last press was; an arrow moves it, Space flips.
    const cursorCell = () => page.$eval("[role=grid]", (g) => g.getAttribute("aria-activedescendant"));
    assert.equal(await cursorCell(), "cell-5-1");
    await page.keyboard.press("ArrowUp");
    await page.keyboard.press("ArrowRight");
    assert.equal(await cursorCell(), "cell-4-2");
    const beforeFlip = (await cellState(page, 4, 2)).checked;
    await page.keyboard.press("Space");
    const flipped = (await cellState(page, 4, 2)).checked;
    assert.notEqual(flipped, beforeFlip);

    // Undo names its step and puts the cell back; redo again.
    const undoCaption = await page.$eval("#menuitem-EditUndo", (item) => item.getAttribute("aria-label"));
    assert.equal(undoCaption, "Отменить: Рисование");
    await page.keyboard.down("Control");
    await page.keyboard.press("KeyZ");
    await page.keyboard.up("Control");
    assert.equal((await cellState(page, 4, 2)).checked, beforeFlip);
    const redoCaption = await page.$eval("#menuitem-EditRedo", (item) => item.getAttribute("aria-label"));
    assert.equal(redoCaption, "Повторить: Рисование");
    await menu(page, "Правка", redoCaption);
    assert.equal((await cellState(page, 4, 2)).checked, flipped);

    await (await byRole(page, "button", "Записать в шрифт")).click();
    const edited = await pixelStates(page);

    // A save into the fullflash after an ordinary edit asks nothing and keeps the name.
    const flash = await tab.nextDownload(() => menu(page, "Файл", "Сохранить шрифт в fullflash"));
    await noAlert(page);
    assert.equal(flash.name, "fullflash.bin");
    const fontFile = await tab.nextDownload(() => menu(page, "Файл", "Сохранить шрифт в файл"));
    await noAlert(page);
    assert.match(fontFile.name, /\.sft$/);

    // The native tool writes the same fullflash for that font, and reads the same font back.
    const expected = run.files.file("expected.bin");
    writeFileSync(expected, readFileSync(run.files.flash));
    writeFileSync(run.files.file("page.sft"), fontFile.bytes);
    cli("inject", "--edition", "rus", "--model", "s45", "--kind", "normal", run.files.file("page.sft"), expected);
    assert.ok(flash.bytes.equals(readFileSync(expected)), "the page's fullflash differs from the native tool's");
    writeFileSync(run.files.file("page.bin"), flash.bytes);
    cli("extract", "--edition", "rus", "--model", "s45", "--kind", "normal", run.files.file("page.bin"), run.files.file("back.sft"));
    assert.ok(readFileSync(run.files.file("back.sft")).equals(fontFile.bytes));

    // Only the letter Б changed, and its bits are the cells the grid shows.
    const original = readFileSync(run.files.font);
    const record = 1 * kRecord; // block 0 (upper case, normal), slot 1
    for (let i = 0; i < original.length; i++) {
      if (i < record || i >= record + kRecord) assert.equal(fontFile.bytes[i], original[i], `byte ${i}`);
    }
    for (const [name, checked] of Object.entries(edited)) {
      const [row, col] = name.split(",").map(Number);
      const bit = (fontFile.bytes[record + row] >> (7 - col)) & 1;
      assert.equal(bit === 1, checked, `cell ${name}`);
    }
    assert.notDeepEqual(edited, before);
    assert.equal(original.length, kRecord * kSlots * 4);

    const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
    console.log(
      `figures: 16 MiB fullflash opened and shown in ${load.toFixed(0)} ms (the core's part ${coreLoad.toFixed(0)} ms); ` +
        `a cell click handled in ${median(clicks.map((c) => c.handled)).toFixed(1)} ms ` +
        `(max ${Math.max(...clicks.map((c) => c.handled)).toFixed(1)}), next frame after ` +
        `${median(clicks.map((c) => c.frame)).toFixed(1)} ms (max ${Math.max(...clicks.map((c) => c.frame)).toFixed(1)})`,
    );
    assert.deepEqual(tab.requests.filter((url) => !url.startsWith(`${run.site.origin}/`)), []);
    if (process.env.RUNEWRIGHT_SCREENSHOT) {
      // The page as the README shows it: the letter's row hovered, its hint in the status line.
      const centre = await cellCentre(page, 4, 3);
      await page.mouse.move(centre.x, centre.y);
      const bottom = await page.$eval(".workspace", (w) => w.getBoundingClientRect().bottom);
      const right = await page.$eval(".side", (s) => s.getBoundingClientRect().right);
      await page.screenshot({
        path: process.env.RUNEWRIGHT_SCREENSHOT,
        clip: { x: 0, y: 0, width: Math.ceil(right + 16), height: Math.ceil(bottom) },
      });
    }
    assert.deepEqual(tab.errors, []);
  } finally {
    await tab.close();
  }
});

test("a save that would replace glyphs the user did not change asks first; Escape saves nothing", async () => {
  // A blank font file over a fullflash that holds a font: every glyph is unchanged since the
  // start, and every one differs from what the fullflash holds.
  const blank = run.files.file("blank.sft");
  writeFileSync(blank, Buffer.alloc(kRecord * kSlots * 4));
  const tab = await openPage(run.browser, run.site.origin, "?edition=rus&save=download");
  try {
    const { page } = tab;
    await chooseFile(page, () => menu(page, "Файл", "Загрузить шрифт из файла"), blank);
    await page.waitForFunction(() => document.title.includes("[blank.sft]"));
    const save = () => chooseFile(page, () => menu(page, "Файл", "Сохранить шрифт в fullflash"), run.files.flash);

    await save();
    const question = await openAlert(page);
    assert.match(question.text, /fullflash\.bin/);
    assert.ok(question.buttons.length >= 2, question.buttons.join("|"));
    assert.equal(await page.$eval("dialog[open]", (d) => d.getAttribute("aria-modal")), "true");
    await page.keyboard.press("Escape");
    await page.waitForFunction(() => !document.querySelector("dialog[open]"));
    await new Promise((wake) => setTimeout(wake, 300));
    assert.deepEqual(readdirSync(tab.downloads), []);

    // Saved after all: what the native tool writes for that font.
    await save();
    const saved = await tab.nextDownload(() => answer(page, question.buttons[0]));
    assert.equal(saved.name, "fullflash.bin");
    const expected = run.files.file("blanked.bin");
    writeFileSync(expected, readFileSync(run.files.flash));
    cli("inject", "--edition", "rus", "--model", "s45", "--kind", "normal", blank, expected);
    assert.ok(saved.bytes.equals(readFileSync(expected)));
    assert.deepEqual(tab.errors, []);
  } finally {
    await tab.close();
  }
});

test("a fullflash with no font where the chosen phone keeps it gets the window's warning", async () => {
  const empty = run.files.file("empty.bin");
  writeFileSync(empty, Buffer.alloc(16 << 20));
  const tab = await openPage(run.browser, run.site.origin, "?edition=rus&save=download");
  try {
    const { page } = tab;
    await chooseFile(page, () => menu(page, "Файл", "Загрузить шрифт из fullflash"), empty);
    const warning = await openAlert(page);
    assert.ok(warning.text.length > 0);
    assert.equal(warning.buttons.length, 1);
    await answer(page, warning.buttons[0]);
    await page.waitForFunction(() => document.title.includes("[empty.bin]"));
    assert.deepEqual(tab.errors, []);
  } finally {
    await tab.close();
  }
});

test("closing the tab with unsaved changes asks the browser's own question first", async () => {
  const tab = await openPage(run.browser, run.site.origin, "?edition=rus&save=download");
  try {
    const { page } = tab;
    await loadFlash(page, run.files.flash);
    const { x, y } = await cellCentre(page, 2, 2);
    await page.mouse.click(x, y);
    const asked = new Promise((resolve) =>
      page.once("dialog", async (dialog) => {
        resolve(dialog.type());
        await dialog.dismiss(); // stay on the page
      }),
    );
    await page.close({ runBeforeUnload: true });
    assert.equal(await asked, "beforeunload");
    assert.equal(page.isClosed(), false);
    // Undone, the change is gone and the tab closes without a question.
    await page.keyboard.down("Control");
    await page.keyboard.press("KeyZ");
    await page.keyboard.up("Control");
    let askedAgain = false;
    page.on("dialog", (dialog) => {
      askedAgain = true;
      void dialog.accept();
    });
    await page.close({ runBeforeUnload: true });
    await new Promise((wake) => setTimeout(wake, 300));
    assert.equal(askedAgain, false);
  } finally {
    await tab.close();
  }
});
