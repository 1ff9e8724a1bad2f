// Without the File System Access API (Firefox, Safari) the page reads a picked folder and hands over the two
// files as downloads, config.txt with dqcard's bytes.
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { DEMO, dqcardWrites, openPage, shows, startBrowser, writeCardFolder } from "./browser.mjs";

let session;
let card;
before(async () => {
  session = await startBrowser();
  card = mkdtempSync(join(tmpdir(), "dq-web-fallback-"));
  writeCardFolder(card, DEMO);
});
after(async () => {
  await session.close();
  rmSync(card, { recursive: true, force: true });
});

async function download(page, name) {
  const [file] = await Promise.all([page.waitForEvent("download"), page.getByRole("button", { name }).click()]);
  return readFileSync(await file.path());
}

test("a browser without the API reads the picked card and offers config.txt and RTC_time.ini", async () => {
  const page = await openPage(session.browser, session.url);
  await page.addInitScript(() => { delete window.showDirectoryPicker; });
  await page.reload();
  await shows(page.getByRole("main"), "This browser cannot write to the card itself");
  assert.equal(await page.getByRole("button", { name: "Open card" }).count(), 0);

  await page.getByLabel("Choose the DQ-918LX_Parameter folder").setInputFiles(card);
  await shows(page.locator("#firmware"), /^v1\.02\.15$/);
  await page.getByRole("radiogroup", { name: "Speaker Volume" }).getByRole("radio", { name: "Mute" }).check();
  await shows(page.getByRole("main"), "Copy both files into the card's DQ-918LX_Parameter folder");
  assert.deepEqual(await download(page, "Download config.txt"), dqcardWrites(DEMO, ["speaker-volume=mute"]));
  assert.match((await download(page, "Download RTC_time.ini")).toString(), /^RTC Time Setting=\d{14}\r\n$/);
  assert.deepEqual(page.strayRequests.filter((url) => !url.startsWith("blob:")), []);
});
