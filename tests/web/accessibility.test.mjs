// axe-core finds nothing to fault on the opened page or in the notice, and every state of the page fits a
// 1366 x 768 screen and a phone without sideways scrolling. Leaves a screenshot of the opened page in the build folder.
import assert from "node:assert/strict";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { axeViolations, DEMO_VERSION, makeCard, openCard, openPage, sidewaysOverflow, startBrowser }
  from "./browser.mjs";

// A card with a value no window offers, so that the notes about kept values are checked too.
const CARD = { "DQ-918LX_Parameter/config.txt": "Night Bright=7\r\nTime zone=30\r\n",
  "DQ-918LX_Parameter/ver.txt": DEMO_VERSION };
let session;
before(async () => { session = await startBrowser(); });
after(async () => { await session.close(); });

test("no accessibility violations on the opened page or in the notice", async () => {
  const page = await openPage(session.browser, session.url, { viewport: { width: 1366, height: 768 } });
  await makeCard(page, "card", CARD);
  await openCard(page, "card");
  await page.getByRole("radiogroup", { name: "Night Brightness" }).getByText("On the card: 7").waitFor();
  await page.screenshot({ path: join(process.env.DQ_SHOTS, "DQ_configure.png"), fullPage: true });
  assert.deepEqual(await axeViolations(page), []);

  await page.getByRole("radiogroup", { name: "Video Quality" }).getByRole("radio", { name: "High", exact: true }).check();
  await page.getByRole("button", { name: "Apply", exact: true }).click();
  await page.getByRole("dialog").waitFor();
  assert.deepEqual(await axeViolations(page), []);
});

test("every state of the page fits a 1366 x 768 screen and a phone, with and without the folder API", async () => {
  const chosenFiles = Object.entries(CARD).map(([path, text]) =>
    ({ name: path.split("/").at(-1), mimeType: "text/plain", buffer: Buffer.from(text) }));
  for (const viewport of [{ width: 1366, height: 768 }, { width: 360, height: 740 }]) {
    for (const folderApi of [true, false]) {
      const page = await openPage(session.browser, session.url, { viewport });
      const fits = async (state) => assert.equal(await page.evaluate(sidewaysOverflow), 0,
        `${viewport.width} px, ${folderApi ? "with" : "without"} the folder API, ${state}`);
      if (!folderApi) {
        await page.addInitScript(() => { delete window.showDirectoryPicker; });
        await page.reload();
      }
      await page.locator("#starting").waitFor({ state: "detached" });
      await fits("before a card is opened");
      if (folderApi) {
        await makeCard(page, "card", CARD);
        await openCard(page, "card");
      } else {
        await page.getByLabel("Choose config.txt and ver.txt").setInputFiles(chosenFiles);
      }
      await page.getByRole("radiogroup", { name: "Night Brightness" }).getByText("On the card: 7").waitFor();
      await fits("with a card opened");
      await page.getByRole("radiogroup", { name: "Video Quality" }).getByRole("radio", { name: "High", exact: true })
        .check();
      await page.getByRole("button", { name: folderApi ? "Apply" : "Download config.txt", exact: true }).click();
      await page.getByRole("dialog").waitFor();
      await fits("with the notice open");
    }
  }
});
