// Makes the one self-contained page: the HTML template with the style sheet, the scripts and the card core's
// WebAssembly inlined, and a Content Security Policy that lets exactly these two inline blocks run and
// nothing be fetched.
// node build_page.mjs OUT.html TEMPLATE.html STYLE.css CORE.wasm SCRIPT.js...
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";

const [out, template, style, wasm, ...scripts] = process.argv.slice(2);
const read = (path) => readFileSync(path, "utf8");
const hash = (text) => `'sha256-${createHash("sha256").update(text, "utf8").digest("base64")}'`;

// One strict-mode function scope: nothing of the page lands on `window`.
const script = [
  '"use strict";',
  "(() => {",
  `const CARD_CORE_WASM = "${readFileSync(wasm).toString("base64")}";`,
  ...scripts.map(read),
  "})();",
].join("\n");
const css = read(style);

const policy = [
  "default-src 'none'",
  `script-src ${hash(script)} 'wasm-unsafe-eval'`,
  `style-src ${hash(css)}`,
  "connect-src 'none'",
  "base-uri 'none'",
  "form-action 'none'",
].join("; ");

const page = read(template)
  .replace("@POLICY@", () => policy)
  .replace("@STYLE@", () => css)
  .replace("@SCRIPT@", () => script);
writeFileSync(out, page);
