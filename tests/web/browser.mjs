// What the page's browser tests share: the built page served over 127.0.0.1 (the origin-private file system
// refuses file://), Debian's Chromium driven by playwright-core, cards in that file system handed to the page as
// the folder the user picked, and dqcard's bytes for the same values and profiles.
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync, writeFileSync, mkdirSync } from "node:fs";
import { createServer } from "node:http";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { chromium } from "playwright-core";

export const PAGE = process.env.DQ_PAGE;
const DQCARD = process.env.DQCARD;

export const DEMO_CONFIG = ["Resolution=0", "Date=1", "Time=1", "Voltage=1", "Accelerator=1", "Display MISC=1",
  "Driving Mode Accelerator=2", "Parking Accelerator=3", "Auto Parking=1", "Parking Motion=2", "Night Bright=3",
  "Speaker Volume=2", "MIC Volume=2", "Video Out Standard=0", "Encoding Profile=0", "Bit rate=0",
  "Driving Mode Frame=0", "Parking Mode Frame=1", "Parking Black and White=0", "Video OUT=0", "GPS Speed Display=1",
  "Memory Partition=0", "Partition Territory=7", "Time zone=21"].map((line) => `${line}\r\n`).join("");
export const DEMO_VERSION = "Model=DQ-918LX\r\nVersion=v1.02.15\r\n";
export const FOLDER = "DQ-918LX_Parameter";
export const DEMO = { [`${FOLDER}/config.txt`]: DEMO_CONFIG, [`${FOLDER}/ver.txt`]: DEMO_VERSION };
// A second camera's card, set up otherwise, "Date" (a row no window sets) included.
export const OTHER = {
  [`${FOLDER}/config.txt`]: "Resolution=1\r\nDate=5\r\nNight Bright=1\r\nMemory Partition=1\r\n",
};

// Starts the server and the browser; `close` ends both.
export async function startBrowser() {
  const html = readFileSync(PAGE);
  const server = createServer((request, response) => {
    response.writeHead(request.url === "/" ? 200 : 404, { "content-type": "text/html" });
    response.end(request.url === "/" ? html : "");
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = await chromium.launch({
    executablePath: "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
      "--disable-component-update", "--disable-sync"],
  });
  return { url, browser, close: async () => { await browser.close(); server.close(); } };
}

// A fresh page whose showDirectoryPicker answers with the origin-private folder named by `pick(name)`; every
// request other than the page itself is recorded in `page.strayRequests`.
export async function openPage(browser, url, options = {}) {
  const context = await browser.newContext({ acceptDownloads: true, ...options });
  await context.addInitScript(() => {
    window.showDirectoryPicker = async ({ mode }) => {
      if (mode !== "readwrite") throw new TypeError("the card must be opened for writing");
      let folder = await navigator.storage.getDirectory();
      for (const part of window.pickedFolder.split("/")) folder = await folder.getDirectoryHandle(part);
      return folder;
    };
  });
  const page = await context.newPage();
  page.strayRequests = [];
  page.on("request", (request) => { if (request.url() !== url) page.strayRequests.push(request.url()); });
  await page.goto(url);
  return page;
}

// Fills the origin-private folder `name` with `files` ({"DQ-918LX_Parameter/config.txt": text, ...}).
export async function makeCard(page, name, files) {
  await page.evaluate(async ({ name, files }) => {
    const root = await navigator.storage.getDirectory();
    await root.removeEntry(name, { recursive: true }).catch(() => {});
    for (const [path, text] of Object.entries(files)) {
      let folder = await root.getDirectoryHandle(name, { create: true });
      const parts = path.split("/");
      for (const part of parts.slice(0, -1)) folder = await folder.getDirectoryHandle(part, { create: true });
      if (parts.at(-1) === "") continue;
      const writable = await (await folder.getFileHandle(parts.at(-1), { create: true })).createWritable();
      await writable.write(Uint8Array.from(text, (c) => c.charCodeAt(0)));
      await writable.close();
    }
  }, { name, files });
}

// Picks the origin-private folder `path` as the card and waits for the page to show it or to say why not: the
// button comes back when it has.
export async function openCard(page, path) {
  await page.evaluate((path) => { window.pickedFolder = path; }, path);
  await page.getByRole("button", { name: "Open card" }).click();
  await page.getByRole("button", { name: "Open card", disabled: false }).waitFor();
}

// Waits (Playwright's own waiting) until `locator` shows `text`, a string it contains or a pattern.
export const shows = (locator, text) => locator.filter({ hasText: text }).waitFor();

export async function cardFile(page, path) {
  return Buffer.from(await page.evaluate(async (path) => {
    let folder = await navigator.storage.getDirectory();
    const parts = path.split("/");
    for (const part of parts.slice(0, -1)) folder = await folder.getDirectoryHandle(part);
    const file = await (await folder.getFileHandle(parts.at(-1))).getFile();
    return Array.from(new Uint8Array(await file.arrayBuffer()));
  }, path));
}

// The config.txt that dqcard leaves on a card holding `files` after `dqcard ARGS(card folder) --no-clock`.
function dqcardLeaves(files, args) {
  const card = mkdtempSync(join(tmpdir(), "dq-web-card-"));
  try {
    writeCardFolder(card, files);
    execFileSync(DQCARD, [...args(card), "--no-clock"], { stdio: "pipe" });
    return readFileSync(join(card, "DQ-918LX_Parameter", "config.txt"));
  } finally {
    rmSync(card, { recursive: true, force: true });
  }
}

// The config.txt that `dqcard set ASSIGNMENTS` leaves on a card holding `files`.
export const dqcardWrites = (files, assignments) =>
  dqcardLeaves(files, (card) => ["set", "--card", card, ...assignments]);

// The config.txt that `dqcard apply` of the profile `profile` (bytes) leaves on a card holding `files`.
export function dqcardApplies(files, profile) {
  const folder = mkdtempSync(join(tmpdir(), "dq-web-profile-"));
  try {
    writeFileSync(join(folder, "profile.txt"), profile);
    return dqcardLeaves(files, (card) => ["apply", join(folder, "profile.txt"), "--card", card]);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

// What `dqcard export` prints for a card holding `files`.
export function dqcardExports(files) {
  const card = mkdtempSync(join(tmpdir(), "dq-web-card-"));
  try {
    writeCardFolder(card, files);
    return execFileSync(DQCARD, ["export", "--card", card], { stdio: "pipe" });
  } finally {
    rmSync(card, { recursive: true, force: true });
  }
}

// What axe-core faults on the page as it is, in either driver. Given through the driver, not as a page script:
// the page's policy would refuse an added script.
const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
export async function axeViolations(page) {
  await page.evaluate(axeSource);
  const { violations } = await page.evaluate(() => window.axe.run());
  return violations.map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target).join(", ")}`);
}

// How far the page reaches past the window's right edge, in CSS pixels (run in the page).
export const sidewaysOverflow = () => document.documentElement.scrollWidth - document.documentElement.clientWidth;

export function writeCardFolder(root, files) {
  for (const [path, text] of Object.entries(files)) {
    const target = join(root, path);
    mkdirSync(join(target, ".."), { recursive: true });
    if (!path.endsWith("/")) writeFileSync(target, Buffer.from(text, "latin1"));
  }
}

