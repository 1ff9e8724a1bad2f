// Figures of the page, printed and never judged: its size, what each browser offers it, the time from navigation
// to an opened card's settings and of one Apply in headless Chromium, and in Firefox ESR the time to start from
// file:// and to open the card's chosen files. Each time is the median of several runs.
import { mkdtempSync, rmSync, statSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { DEMO, makeCard, openPage, PAGE, shows, startBrowser, writeCardFolder } from "./browser.mjs";
import { chooseFiles, openFirefoxPage, startFirefox } from "./firefox.mjs";

const RUNS = 9;
let session;
before(async () => { session = await startBrowser(); });
after(async () => { await session.close(); });

const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(1)} ms`;
// What the browser offers the page, asked in the page itself.
const offered = () => [["folder API", "showDirectoryPicker" in window],
  ["folder input", "webkitdirectory" in document.createElement("input")],
  ["multiple-file input", "multiple" in document.createElement("input")]];
const sayOffered = (browser, offers) =>
  console.log(`${browser} offers: ${offers.map(([what, yes]) => `${what} ${yes ? "yes" : "no"}`).join(", ")}`);

test("page size, navigation to settings shown, one Apply", async () => {
  const page = await openPage(session.browser, session.url);
  sayOffered("Chromium", await page.evaluate(offered));
  await makeCard(page, "card", DEMO);
  // The picker answers at once and the card is opened as soon as the page can, so the figure is the page's own.
  await page.addInitScript(() => {
    window.pickedFolder = "card";
    new PerformanceObserver((marks) => {
      if (marks.getEntriesByName("dq:ready").length) document.getElementById("open-card").click();
    }).observe({ entryTypes: ["mark"] });
  });
  const ready = [];
  const shown = [];
  const applied = [];
  for (let run = 0; run < RUNS; run++) {
    await page.reload();
    await page.getByRole("button", { name: "Apply", exact: true }).waitFor();
    const marks = await page.evaluate(() => Object.fromEntries(performance.getEntriesByType("mark")
      .map((mark) => [mark.name, mark.startTime])));
    ready.push(marks["dq:ready"]);
    shown.push(marks["dq:settings-shown"]);
    await page.getByRole("button", { name: "Apply", exact: true }).click();
    await shows(page.getByRole("status"), "Configuration has been changed.");
    applied.push(await page.evaluate(() => performance.getEntriesByName("dq:apply")[0].duration));
  }
  console.log(`DQ_configure.html: ${statSync(PAGE).size} bytes, ${(statSync(PAGE).size / 1024).toFixed(1)} KB ` +
    "(goal: under 150 KB)");
  console.log(`Chromium: navigation to page ready (card core loaded): ${ms(median(ready))}`);
  console.log(`Chromium: navigation to an opened card's settings shown: ${ms(median(shown))} (goal: under 150 ms)`);
  console.log(`Chromium: one Apply (config.txt, read back and checked, RTC_time.ini): ${ms(median(applied))}`);
});

test("Firefox ESR: navigation from file:// to page ready, chosen files to settings shown", async () => {
  const firefox = await startFirefox();
  const card = mkdtempSync(join(tmpdir(), "dq-web-bench-"));
  try {
    writeCardFolder(card, DEMO);
    const ready = [];
    const opened = [];
    for (let run = 0; run < RUNS; run++) {
      const page = await openFirefoxPage(firefox.browser);
      if (run === 0) sayOffered("Firefox ESR", await page.evaluate(offered));
      ready.push(await page.evaluate(() => performance.getEntriesByName("dq:ready")[0].startTime));
      await chooseFiles(page, "Choose config.txt and ver.txt", Object.keys(DEMO).map((path) => join(card, path)));
      await page.waitForSelector("#settings:not([hidden])");
      opened.push(await page.evaluate(() => performance.getEntriesByName("dq:open")[0].duration));
      await page.close();
    }
    console.log(`Firefox ESR: navigation to page ready (card core loaded): ${ms(median(ready))}`);
    console.log(`Firefox ESR: chosen config.txt and ver.txt to settings shown: ${ms(median(opened))}`);
  } finally {
    rmSync(card, { recursive: true, force: true });
    await firefox.close();
  }
});
