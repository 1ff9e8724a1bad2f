// The card core's WebAssembly, inlined by build_page.mjs as base64 text.
declare module "card-core-wasm" {
  const base64: string;
  export default base64;
}
