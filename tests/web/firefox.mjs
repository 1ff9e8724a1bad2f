// Debian's Firefox ESR driven by puppeteer-core over WebDriver BiDi (no browser download): the page opened from
// file://, the card's files chosen through its inputs, downloads saved into a folder of the test's own.
import { existsSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, statSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { setTimeout as sleep } from "node:timers/promises";
import puppeteer from "puppeteer-core";
import { PAGE } from "./browser.mjs";

// `scratch`: a folder of the test's own for cards and profiles, with the browser's downloads in `downloads`.
export async function startFirefox() {
  const scratch = mkdtempSync(join(tmpdir(), "dq-web-firefox-"));
  const downloads = join(scratch, "downloads");
  mkdirSync(downloads);
  // Downloads go straight into `downloads` (folderList 2: the folder named by browser.download.dir), unasked.
  const extraPrefsFirefox = { "browser.download.dir": downloads, "browser.download.folderList": 2,
    "browser.download.useDownloadDir": true, "browser.download.always_ask_before_handling_new_types": false };
  const browser = await puppeteer.launch({ browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: true,
    extraPrefsFirefox });
  const close = async () => { await browser.close(); rmSync(scratch, { recursive: true, force: true }); };
  return { browser, scratch, downloads, close };
}

// The page from file:// at `width`, its console errors and uncaught exceptions collected in `page.errors`.
export async function openFirefoxPage(browser, width = 1366) {
  const page = await browser.newPage();
  page.errors = [];
  page.on("console", (message) => { if (message.type() === "error") page.errors.push(message.text()); });
  page.on("pageerror", (error) => page.errors.push(String(error)));
  await page.setViewport({ width, height: 740 });
  await page.goto(`file://${PAGE}`);
  await page.waitForSelector("#starting", { hidden: true });
  return page;
}

export const byRole = (page, role, name) => page.waitForSelector(`::-p-aria([name="${name}"][role="${role}"])`);

export const press = async (page, name) => (await byRole(page, "button", name)).click();

export async function choose(page, groupName, choice) {
  const group = await byRole(page, "radiogroup", groupName);
  await (await group.waitForSelector(`::-p-aria([name="${choice}"][role="radio"])`)).click();
}

// Chooses `paths` through the file input labelled `label`, as a user would in the browser's file dialog.
export async function chooseFiles(page, label, paths) {
  await page.waitForSelector(`label::-p-text(${label})`);
  const input = await page.evaluateHandle((text) =>
    [...document.querySelectorAll("label")].find((node) => node.textContent === text).control, label);
  await input.uploadFile(...paths);
}

// Runs `act` (the clicks that download) and returns the bytes of the download `file` once Firefox has written it
// (its ".part" file gone, its bytes there). The folder is emptied first, so that the name is not taken by an
// earlier download.
export async function download(downloads, file, act) {
  for (const old of readdirSync(downloads)) rmSync(join(downloads, old));
  await act();
  const path = join(downloads, file);
  const written = () => existsSync(path) && statSync(path).size > 0 &&
    !readdirSync(downloads).some((entry) => entry.endsWith(".part"));
  while (!written()) await sleep(20);
  return readFileSync(path);
}
