// The page in Firefox ESR as a new user meets it: opened from file://, without a folder API, the card's files
// chosen through the multiple-file input, config.txt and RTC_time.ini downloaded with dqcard's bytes, a profile
// carried to another card as dqcard apply carries it; no console error, no accessibility violation, and no
// sideways scrolling at a phone's width.
import assert from "node:assert/strict";
import { writeFileSync } from "node:fs";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { axeViolations, DEMO, dqcardApplies, dqcardWrites, OTHER, sidewaysOverflow, writeCardFolder }
  from "./browser.mjs";
import { byRole, choose, chooseFiles, download, openFirefoxPage, press, startFirefox } from "./firefox.mjs";

let firefox;
before(async () => { firefox = await startFirefox(); });
after(async () => { await firefox.close(); });

// The card's files in a folder of the test's own, as a card reader shows them.
function cardFiles(name, files) {
  const root = join(firefox.scratch, name);
  writeCardFolder(root, files);
  return Object.keys(files).map((path) => join(root, path));
}

const fits = async (page, state) => assert.equal(await page.evaluate(sidewaysOverflow), 0, `sideways: ${state}`);

test("from file:// at 360 px: the files fallback edits a card and downloads dqcard's bytes, no console error",
  async () => {
    const page = await openFirefoxPage(firefox.browser, 360);
    await fits(page, "before a card is opened");
    const hint = await page.$eval("main", (node) => node.textContent);
    assert.match(hint, /Choose the card's DQ-918LX_Parameter folder, not the whole card/);
    await chooseFiles(page, "Choose config.txt and ver.txt", cardFiles("demo", DEMO));
    await page.waitForSelector("::-p-text(v1.02.15)");
    await fits(page, "with a card opened");

    await choose(page, "Speaker Volume", "Mute");
    await choose(page, "Video Quality", "Standard");
    await page.waitForSelector("::-p-text(Speaker Volume: 2 → Mute)");
    const settings = await download(firefox.downloads, "config.txt", async () => {
      await press(page, "Download config.txt");
      const notice = await byRole(page, "dialog", "Do you want to change the Advanced Settings?");
      await notice.waitForSelector("::-p-text(Video Quality: Ultra High → Standard)");
      await fits(page, "with the notice open");
      await (await notice.waitForSelector('::-p-aria([name="Apply"][role="button"])')).click();
    });
    const changed = ["speaker-volume=mute", "bit-rate=standard", "memory-partition=default"];
    assert.deepEqual(settings, dqcardWrites(DEMO, changed));
    const clock = await download(firefox.downloads, "RTC_time.ini", () => press(page, "Download RTC_time.ini"));
    assert.match(clock.toString(), /^RTC Time Setting=\d{14}\r\n$/);
    assert.deepEqual(page.errors, []);
  });

test("a profile saved on one card and loaded for another gives dqcard apply's config.txt", async () => {
  const page = await openFirefoxPage(firefox.browser);
  await chooseFiles(page, "Choose config.txt and ver.txt", cardFiles("first", DEMO));
  await choose(page, "Recording Resolution", "720p Ultra-Wide");
  await choose(page, "Recording fps in Parking Mode", "5 fps");
  const profile = await download(firefox.downloads, "DQ-918LX_profile.txt", () => press(page, "Save profile"));
  const profileCopy = join(firefox.scratch, "first-camera.txt");
  writeFileSync(profileCopy, profile);

  await chooseFiles(page, "Choose config.txt and ver.txt", cardFiles("second", OTHER));
  await page.waitForSelector("::-p-text(config.txt does not name 20 of the 24 settings)");
  await chooseFiles(page, "Load profile", [profileCopy]);
  await page.waitForSelector("::-p-text(first-camera.txt is loaded)");
  const settings = await download(firefox.downloads, "config.txt", async () => {
    await press(page, "Download config.txt");
    await (await page.waitForSelector('dialog ::-p-aria([name="Apply"][role="button"])')).click();
  });
  assert.deepEqual(settings, dqcardApplies(OTHER, profile));
  assert.deepEqual(page.errors, []);
});

test("axe-core finds no violation in Firefox, with a card opened and in the notice", async () => {
  const page = await openFirefoxPage(firefox.browser);
  await chooseFiles(page, "Choose config.txt and ver.txt", cardFiles("axe", DEMO));
  await page.waitForSelector("::-p-text(v1.02.15)");
  assert.deepEqual(await axeViolations(page), []);
  await choose(page, "Video Quality", "High");
  await press(page, "Download config.txt");
  await byRole(page, "dialog", "Do you want to change the Advanced Settings?");
  assert.deepEqual(await axeViolations(page), []);
});
