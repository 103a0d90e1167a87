// The browser tests' frame: the static site served on a free loopback port, Debian's chromium
// headless through puppeteer-core, downloads caught into a folder, and helpers that act by ARIA
// role and name as a user (or a screen reader) finds things.
import { createServer } from "node:http";
import { after, before } from "node:test";
import { execFileSync } from "node:child_process";
import { createHash } from "node:crypto";
import { mkdtempSync, readFileSync, rmSync, statSync, writeFileSync, readdirSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import puppeteer from "puppeteer-core";

const root = path.resolve(path.dirname(new URL(import.meta.url).pathname), "../..");
export const siteFolder = path.resolve(root, process.env.RUNEWRIGHT_SITE ?? "build-web/site");
export const cliPath = path.resolve(root, process.env.RUNEWRIGHT_CLI ?? "build/runewright-cli");

const kTypes = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
  ".map": "application/json",
};

/**
 * Serves the site folder; `requests` lists every path asked for. `expose(name, file)` serves a
 * test file as /fixtures/name, for a test that puts it into the page's own storage.
 */
export async function serveSite() {
  const requests = [];
  const exposed = new Map();
  const server = createServer((request, response) => {
    const url = new URL(request.url, "http://127.0.0.1");
    requests.push(url.pathname);
    const fixture = url.pathname.startsWith("/fixtures/") && exposed.get(url.pathname.slice(10));
    const file = fixture || path.join(siteFolder, url.pathname === "/" ? "index.html" : path.normalize(url.pathname));
    if (!fixture && !file.startsWith(siteFolder)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = readFileSync(file);
      response.writeHead(200, { "content-type": kTypes[path.extname(file)] ?? "application/octet-stream" });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const origin = `http://127.0.0.1:${server.address().port}`;
  return {
    origin,
    requests,
    expose: (name, file) => exposed.set(name, file),
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

export async function launchBrowser() {
  return puppeteer.launch({
    executablePath: process.env.RUNEWRIGHT_CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    args: [
      ...(process.getuid?.() === 0 ? ["--no-sandbox"] : []),
      "--disable-dev-shm-usage",
      "--no-first-run",
      "--no-default-browser-check",
      "--disable-extensions",
    ],
    defaultViewport: { width: 1280, height: 800 },
  });
}

/**
 * Opens the page at `query` in a fresh tab whose downloads land in a folder of their own.
 * Every request the page makes is kept in `requests`, every console error in `errors`.
 */
export async function openPage(browser, origin, query) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const downloads = mkdtempSync(path.join(tmpdir(), "runewright-downloads-"));
  const session = await page.createCDPSession();
  await session.send("Browser.setDownloadBehavior", {
    behavior: "allow",
    downloadPath: downloads,
    eventsEnabled: true,
    browserContextId: context.id,
  });
  const finished = new Map();
  const waiters = [];
  session.on("Browser.downloadWillBegin", (event) => finished.set(event.guid, { name: event.suggestedFilename }));
  session.on("Browser.downloadProgress", (event) => {
    if (event.state !== "completed") return;
    const entry = finished.get(event.guid);
    entry.done = true;
    waiters.splice(0).forEach((wake) => wake());
  });
  const requests = [];
  const errors = [];
  page.on("request", (request) => requests.push(request.url()));
  page.on("pageerror", (error) => errors.push(String(error)));
  page.on("console", (message) => message.type() === "error" && errors.push(message.text()));
  await page.goto(`${origin}/${query}`, { waitUntil: "load" });
  await page.waitForSelector("#app[aria-busy=false]");

  /** The next download that completes: its suggested name and its bytes. */
  async function nextDownload(trigger) {
    const before = new Set([...finished.keys()]);
    await trigger();
    for (;;) {
      const fresh = [...finished.entries()].find(([guid, entry]) => !before.has(guid) && entry.done);
      if (fresh) {
        const [, entry] = fresh;
        return { name: entry.name, bytes: readFileSync(path.join(downloads, entry.name)) };
      }
      await new Promise((wake) => {
        waiters.push(wake);
        setTimeout(wake, 200);
      });
    }
  }

  async function close() {
    await context.close();
    rmSync(downloads, { recursive: true, force: true });
  }
  return { page, requests, errors, nextDownload, close, downloads };
}

/** An element by ARIA role and accessible name. */
export function byRole(page, role, name) {
  const escaped = name.replaceAll('"', '\\"');
  return page.waitForSelector(`::-p-aria([role="${role}"][name="${escaped}"])`, { timeout: 5000 });
}

/** Clicks the menu `top` and its item `item` (a path of submenus: several names). */
export async function menu(page, top, ...items) {
  await (await byRole(page, "menuitem", top)).click();
  for (const item of items) {
    const element = await page.waitForSelector(
      `::-p-aria([name="${item.replaceAll('"', '\\"')}"])`,
      { visible: true, timeout: 5000 },
    );
    await element.click();
  }
}

/** Runs `trigger` (which opens the file chooser) and gives the chooser `file`. */
export async function chooseFile(page, trigger, file) {
  const [chooser] = await Promise.all([page.waitForFileChooser({ timeout: 5000 }), trigger()]);
  await chooser.accept([file]);
}

/** The modal alertdialog that is open: its title, text and button names. */
export async function openAlert(page) {
  const dialog = await page.waitForSelector('dialog[open][role="alertdialog"]', { timeout: 5000 });
  return dialog.evaluate((element) => ({
    title: element.querySelector(".dialog-title").textContent,
    text: element.querySelector(".dialog-text").textContent,
    buttons: [...element.querySelectorAll("button")].map((b) => b.textContent),
  }));
}

/** Presses the alertdialog's button named `name`. */
export async function answer(page, name) {
  const dialog = await page.waitForSelector('dialog[open][role="alertdialog"]', { timeout: 5000 });
  const buttons = await dialog.$$("button");
  for (const button of buttons) {
    if ((await button.evaluate((b) => b.textContent)) === name) {
      await button.click();
      await page.waitForFunction(() => !document.querySelector('dialog[open][role="alertdialog"]'));
      return;
    }
  }
  throw new Error(`no button ${name}`);
}

/** Waits until no alertdialog is open; fails with its text when one is. */
export async function noAlert(page) {
  await new Promise((wake) => setTimeout(wake, 50));
  const open = await page.$('dialog[open][role="alertdialog"]');
  if (open) throw new Error(`unexpected message: ${JSON.stringify(await openAlert(page))}`);
}

/** The grid cell's state: aria-checked and aria-disabled. */
export function cellState(page, row, col) {
  return page.$eval(`[role=gridcell][aria-label="${row},${col}"]`, (cell) => ({
    checked: cell.getAttribute("aria-checked"),
    disabled: cell.getAttribute("aria-disabled"),
  }));
}

export async function cellCentre(page, row, col) {
  const box = await (await page.$(`[role=gridcell][aria-label="${row},${col}"]`)).boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

export function statusText(page) {
  return page.$eval("[role=status]", (element) => element.textContent);
}

// --- Files for the tests ------------------------------------------------------------------------

export function cli(...args) {
  return execFileSync(cliPath, args, { stdio: ["ignore", "pipe", "pipe"] });
}

/**
 * A work folder with a 16 MiB fullflash of zeros holding an S/ME 45 Normal font drawn from
 * DejaVu Sans by the native tool, and that font as a .sft file.
 */
export function makeFixtures() {
  const folder = mkdtempSync(path.join(tmpdir(), "runewright-web-"));
  const font = path.join(folder, "dejavu.sft");
  const flash = path.join(folder, "fullflash.bin");
  cli("import-font", "--edition", "rus", "--model", "s45", "--kind", "normal",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", font);
  writeFileSync(flash, Buffer.alloc(16 << 20));
  cli("inject", "--edition", "rus", "--model", "s45", "--kind", "normal", "--force", font, flash);
  return {
    folder,
    font,
    flash,
    file: (name) => path.join(folder, name),
    remove: () => rmSync(folder, { recursive: true, force: true }),
  };
}

/**
 * For a test file that works on files: the fixtures made, the site served and the browser started
 * before its first test, all of it gone after its last. The returned object holds `files`, `site`
 * and `browser` once its tests run.
 */
export function servePageWithFixtures() {
  const run = {};
  before(async () => {
    run.files = makeFixtures();
    run.site = await serveSite();
    run.browser = await launchBrowser();
  });
  after(async () => {
    await run.browser?.close();
    await run.site?.close();
    run.files?.remove();
  });
  return run;
}

export const sha256 = (bytes) => createHash("sha256").update(bytes).digest("hex");

export { readFileSync, writeFileSync, statSync, readdirSync, path };
