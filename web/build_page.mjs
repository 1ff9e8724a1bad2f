// Makes the one self-contained page: the page's ES modules bundled by esbuild with the card core's
// WebAssembly inlined (base64), the HTML template with the style sheet and that script, and a Content Security
// Policy that lets exactly these two inline blocks run and nothing be fetched.
// node build_page.mjs OUT.html TEMPLATE.html STYLE.css CORE.wasm ENTRY.js
import { createHash } from "node:crypto";
import { readFileSync, writeFileSync } from "node:fs";
import { build } from "esbuild";

const [out, template, style, wasm, entry] = process.argv.slice(2);
const read = (path) => readFileSync(path, "utf8");
const hash = (text) => `'sha256-${createHash("sha256").update(text, "utf8").digest("base64")}'`;

// The module "card-core-wasm" is the core's bytes as base64 text.
const coreModule = {
  name: "card-core-wasm",
  setup(builder) {
    builder.onResolve({ filter: /^card-core-wasm$/ }, () => ({ path: wasm }));
  },
};
// One function scope: nothing of the page lands on `window`. The browsers the page names as supported (the
// last two years of each) run the modern syntax as written.
const bundled = await build({
  entryPoints: [entry],
  bundle: true,
  write: false,
  format: "iife",
  target: ["chrome109", "edge109", "firefox115", "safari16"],
  loader: { ".wasm": "base64" },
  plugins: [coreModule],
  banner: { js: '"use strict";' },
  legalComments: "none",
  charset: "utf8",
  logLevel: "warning",
});
const script = bundled.outputFiles[0].text;
const css = read(style);

const policy = [
  "default-src 'none'",
  `script-src ${hash(script)} 'wasm-unsafe-eval'`,
  `style-src ${hash(css)}`,
  "img-src data:",
  "connect-src 'none'",
  "base-uri 'none'",
  "form-action 'none'",
].join("; ");

const page = read(template)
  .replace("@POLICY@", () => policy)
  .replace("@STYLE@", () => css)
  .replace("@SCRIPT@", () => script);
writeFileSync(out, page);
