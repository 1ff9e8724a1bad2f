// Figures of the page, printed and never judged: its size, the time from navigation to an opened card's settings
// in headless Chromium, and the time of one Apply. Each time is the median of several runs.
import { statSync } from "node:fs";
import { after, before, test } from "node:test";
import { DEMO_CONFIG, DEMO_VERSION, makeCard, openPage, PAGE, shows, startBrowser } from "./browser.mjs";

const RUNS = 9;
const CARD = { "DQ-918LX_Parameter/config.txt": DEMO_CONFIG, "DQ-918LX_Parameter/ver.txt": DEMO_VERSION };
let session;
before(async () => { session = await startBrowser(); });
after(async () => { await session.close(); });

const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(1)} ms`;

test("page size, navigation to settings shown, one Apply", async () => {
  const page = await openPage(session.browser, session.url);
  await makeCard(page, "card", CARD);
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
  console.log(`DQ_configure.html: ${(statSync(PAGE).size / 1024).toFixed(1)} KB (goal: under 300 KB)`);
  console.log(`navigation to page ready (card core loaded): ${ms(median(ready))}`);
  console.log(`navigation to an opened card's settings shown: ${ms(median(shown))} (goal: under 150 ms)`);
  console.log(`one Apply (config.txt, read back and checked, RTC_time.ini): ${ms(median(applied))}`);
});
