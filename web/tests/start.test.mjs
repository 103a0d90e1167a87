// The page before any file: the start screen, the window's start values as ARIA roles and
// names, the language switch, the size of what it loads and how soon it answers.
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { gzipSync } from "node:zlib";
import { byRole, launchBrowser, menu, openPage, readFileSync, readdirSync, path, serveSite, siteFolder } from "./harness.mjs";

let site;
let browser;
before(async () => {
  site = await serveSite();
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  await site?.close();
});

test("without an edition the start screen asks for one, and the choice is remembered", async () => {
  const tab = await openPage(browser, site.origin, "");
  try {
    const { page } = tab;
    const choices = await page.$$eval(".edition-choice", (buttons) => buttons.map((b) => b.textContent));
    assert.equal(choices.length, 2);
    assert.deepEqual(choices, ['Runewright v4.01 "RUS-Full"', 'Runewright v4.01 "ENG-Full"']);
    await page.click('.edition-choice[data-edition="eng"]');
    await byRole(page, "menuitem", "Язык");
    assert.match(page.url(), /[?&]edition=eng/);

    await page.goto(`${site.origin}/`, { waitUntil: "load" });
    await byRole(page, "menuitem", "Язык"); // remembered: no start screen
    assert.equal(await page.$(".edition-choice"), null);
    assert.deepEqual(tab.errors, []);
  } finally {
    await tab.close();
  }
});

test("the Cyrillic edition starts with the window's start values, named as in the window", async () => {
  const tab = await openPage(browser, site.origin, "?edition=rus");
  try {
    const { page } = tab;
    assert.equal(await page.title(), 'Runewright v4.01 "RUS-Full" - [no file]');
    const tops = await page.$$eval('[role=menubar] > * > [role=menuitem]', (items) =>
      items.map((item) => item.textContent),
    );
    assert.ok(tops.includes("Файл"), tops.join("|"));
    assert.ok(tops.includes("Шрифт (Normal)"), tops.join("|"));
    assert.ok(tops.includes("Телефон (S/ME 45)"), tops.join("|"));
    assert.ok(!tops.includes("Язык"));

    // A shortcut goes into aria-keyshortcuts, never into the name.
    await (await byRole(page, "menuitem", "Файл")).click();
    const load = await byRole(page, "menuitem", "Загрузить шрифт из fullflash");
    const shortcut = await load.evaluate((item) => item.getAttribute("aria-keyshortcuts"));
    assert.ok(shortcut === null || /^(Control|Shift|Alt|Meta)\+/.test(shortcut), shortcut);
    await page.keyboard.press("Escape");
    await (await byRole(page, "menuitem", "Телефон (S/ME 45)")).click();
    const checked = await (await byRole(page, "menuitemcheckbox", "S/ME 45")).evaluate((item) =>
      item.getAttribute("aria-checked"),
    );
    assert.equal(checked, "true");
    await page.keyboard.press("Escape");

    const letters = await byRole(page, "listbox", "Буквы");
    const options = await letters.$$eval("[role=option]", (all) =>
      all.map((o) => [o.getAttribute("aria-label"), o.getAttribute("aria-selected"), o.getAttribute("aria-disabled")]),
    );
    assert.equal(options.length, 34);
    assert.deepEqual(options[0], ["А", "true", null]);
    assert.deepEqual(options[1], ["Б", "false", null]);
    assert.equal(options.filter((o) => o[1] === "true").length, 1);

    const grid = await byRole(page, "grid", "Сетка");
    const cells = await grid.$$eval("[role=gridcell]", (all) => all.map((c) => c.getAttribute("aria-label")));
    assert.equal(cells.length, 256);
    assert.equal(cells[0], "0,0");
    assert.equal(cells[17], "1,1");
    const rows = await grid.$$("[role=row]");
    assert.equal(rows.length, 16);

    const upper = await byRole(page, "button", "А-Я");
    assert.equal(await upper.evaluate((b) => b.getAttribute("aria-pressed")), "true");
    assert.equal(await (await byRole(page, "button", "а-я")).evaluate((b) => b.getAttribute("aria-pressed")), "false");
    assert.equal(await (await byRole(page, "button", "B")).evaluate((b) => b.getAttribute("aria-pressed")), "false");
    await byRole(page, "button", "Записать в шрифт");
    await page.waitForSelector("[role=status]");
    assert.equal(await page.$eval("#letter", (e) => e.textContent), "А");

    // Pointing at the bold button shows its hint in the status line.
    await (await byRole(page, "button", "B")).hover();
    assert.equal(await page.$eval("[role=status]", (e) => e.textContent), "Нормальный / Жирный");
    assert.deepEqual(tab.errors, []);
  } finally {
    await tab.close();
  }
});

test("the Latin edition switches its captions to English and back", async () => {
  const tab = await openPage(browser, site.origin, "?edition=eng");
  try {
    const { page } = tab;
    await byRole(page, "listbox", "Буквы");
    const english = await page.$eval("#menuitem-English1", (item) => item.getAttribute("aria-label"));
    await (await byRole(page, "menuitem", "Язык")).click();
    await (await byRole(page, "menuitemcheckbox", english)).click();
    await byRole(page, "listbox", "Letters");
    await byRole(page, "grid", "Grid");
    const tops = await page.$$eval('[role=menubar] > * > [role=menuitem]', (items) => items.map((i) => i.textContent));
    assert.ok(!tops.includes("Файл"), tops.join("|"));
    assert.equal(await page.evaluate(() => document.documentElement.lang), "en");
    assert.deepEqual(tab.errors, []);
  } finally {
    await tab.close();
  }
});

test("the keyboard opens the menus and the Keys list comes from the key table", async () => {
  const tab = await openPage(browser, site.origin, "?edition=rus");
  try {
    const { page } = tab;
    const file = await byRole(page, "menuitem", "Файл");
    await file.focus();
    await page.keyboard.press("ArrowDown");
    const focused = await page.evaluate(() => document.activeElement.getAttribute("aria-label"));
    assert.equal(focused, "Загрузить шрифт из fullflash");
    await page.keyboard.press("Escape");
    assert.equal(await file.evaluate((item) => item.getAttribute("aria-expanded")), "false");

    // The letters from the keyboard, and a key of the whole page.
    await (await byRole(page, "option", "А")).click();
    const selected = () => page.$eval("[role=option][aria-selected=true]", (o) => o.getAttribute("aria-label"));
    await page.keyboard.press("ArrowRight");
    assert.equal(await selected(), "Б");
    await page.keyboard.press("Home");
    assert.equal(await selected(), "А");
    await page.keyboard.down("Control");
    await page.keyboard.press("Digit2");
    await page.keyboard.up("Control");
    assert.equal(await (await byRole(page, "button", "а-я")).evaluate((b) => b.getAttribute("aria-pressed")), "true");
    assert.equal(await selected(), "а");

    const keysItem = await page.$eval("#menuitem-Keys1", (item) => item.getAttribute("aria-label"));
    const tools = await page.$eval("#menu-Service1", (item) => item.textContent);
    await (await byRole(page, "menuitem", tools)).click();
    await (await byRole(page, "menuitem", keysItem)).click();
    const dialog = await page.waitForSelector("dialog[open]");
    const rows = await dialog.$$eval("tbody tr", (all) => all.map((r) => r.textContent));
    assert.ok(rows.length > 20, String(rows.length));
    assert.ok(rows.some((r) => r.includes("Ctrl+Z")), rows.join("\n"));
    await page.keyboard.press("Escape");
    await page.waitForFunction(() => !document.querySelector("dialog[open]"));
  } finally {
    await tab.close();
  }
});

test("the page asks nothing of another origin and reports its start time and size", async () => {
  const tab = await openPage(browser, site.origin, "?edition=rus");
  try {
    const { page, requests } = tab;
    await byRole(page, "grid", "Сетка");
    const foreign = requests.filter((url) => !url.startsWith(`${site.origin}/`));
    assert.deepEqual(foreign, []);
    const timing = await page.evaluate(() => {
      const navigation = performance.getEntriesByType("navigation")[0];
      const interactive = performance.getEntriesByName("runewright-interactive")[0];
      return { domContentLoaded: navigation.domContentLoadedEventEnd, interactive: interactive.startTime };
    });
    let raw = 0;
    let compressed = 0;
    for (const name of readdirSync(siteFolder)) {
      if (name.endsWith(".map")) continue; // not loaded by the page
      const bytes = readFileSync(path.join(siteFolder, name));
      raw += bytes.length;
      compressed += gzipSync(bytes, { level: 9 }).length;
    }
    console.log(
      `figures: interactive after ${timing.interactive.toFixed(0)} ms ` +
        `(DOMContentLoaded ${timing.domContentLoaded.toFixed(0)} ms); ` +
        `site ${(raw / 1024).toFixed(0)} KiB, ${(compressed / 1024).toFixed(0)} KiB gzip-compressed`,
    );
    assert.deepEqual(tab.errors, []);
  } finally {
    await tab.close();
  }
});

test("the help, About and text preview windows show the core's texts and pictures", async () => {
  const tab = await openPage(browser, site.origin, "?edition=rus");
  try {
    const { page } = tab;
    for (const id of ["N9", "About1"]) {
      const caption = await page.$eval(`#menuitem-${id}`, (item) => item.getAttribute("aria-label"));
      await menu(page, "Инфо", caption);
      const dialog = await page.waitForSelector('dialog[open][role="dialog"]');
      const { title, text } = await dialog.evaluate((d) => ({
        title: d.querySelector(".dialog-title").textContent,
        text: d.querySelector(".info-text").textContent,
      }));
      assert.ok(title.length > 0 && text.length > 20, `${id}: ${title}`);
      await (await byRole(page, "button", "Закрыть")).click();
      await page.waitForFunction(() => !document.querySelector("dialog[open]"));
    }

    const tools = await page.$eval("#menu-Service1", (item) => item.textContent);
    const preview = await page.$eval("#menuitem-TextPreview1", (item) => item.getAttribute("aria-label"));
    await menu(page, tools, preview);
    const dialog = await page.waitForSelector('dialog[open][role="dialog"]');
    const size = () => dialog.$eval("canvas", (c) => [c.width, c.height]);
    const [width, height] = await size();
    assert.ok(width > 0 && height > 0);
    await dialog.$eval("textarea", (t) => {
      t.value = "АБВ\nАБВ\nАБВ";
      t.dispatchEvent(new Event("input"));
    });
    assert.ok((await size())[1] > height, "three lines are taller");
    await page.keyboard.press("Escape");
    await page.waitForFunction(() => !document.querySelector("dialog[open]"));
    assert.deepEqual(tab.errors, []);
  } finally {
    await tab.close();
  }
});
