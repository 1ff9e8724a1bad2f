// The card core, compiled to WebAssembly and inlined into this page as CARD_CORE_WASM (base64). Every byte of
// config.txt, ver.txt and RTC_time.ini is read and written by it; this file only moves bytes across the seam.

async function loadCardCore(wasmBase64) {
  const bytes = Uint8Array.from(atob(wasmBase64), (c) => c.charCodeAt(0));
  const module = await WebAssembly.compile(bytes);
  // The core opens no file, but the C library's stdio still links a few WASI calls: each answers ENOSYS.
  const imports = {};
  for (const { module: from, name } of WebAssembly.Module.imports(module)) {
    (imports[from] ??= {})[name] = () => 52;
  }
  const { exports: core } = await WebAssembly.instantiate(module, imports);
  core._initialize();
  const result = () => new Uint8Array(core.memory.buffer, core.dq_result(), core.dq_result_size()).slice();
  const text = (resultBytes) => new TextDecoder().decode(resultBytes);
  core.dq_describe();
  const description = JSON.parse(text(result()));
  const rowCount = description.defaults.length;

  // Views are made afresh for each call: a growing memory detaches the old ones.
  const valuesView = () => new Int32Array(core.memory.buffer, core.dq_values(), rowCount);
  const putInput = (fileBytes) => {
    const at = core.dq_input(fileBytes.length);
    new Uint8Array(core.memory.buffer, at, fileBytes.length).set(fileBytes);
    return fileBytes.length;
  };
  const putValues = (values) => valuesView().set(values);

  return {
    description,

    // config.txt's bytes: {values, named}, rows no line names reading as 0, as in the windows.
    readSettings(fileBytes) {
      core.dq_read_settings(putInput(fileBytes));
      const named = new Uint8Array(core.memory.buffer, core.dq_named(), rowCount);
      return { values: Array.from(valuesView()), named: Array.from(named, Boolean) };
    },

    formatSettings(values) {
      putValues(values);
      core.dq_format_settings();
      return result();
    },

    // Whether the bytes are exactly config.txt for the values.
    checkSettings(fileBytes, values) {
      const size = putInput(fileBytes);
      putValues(values);
      return core.dq_check_settings(size) === 1;
    },

    // The values with the rule of confirming the advanced settings applied.
    withPartitionRule(values) {
      putValues(values);
      core.dq_apply_partition_rule();
      return Array.from(valuesView());
    },

    readVersion(fileBytes) {
      core.dq_read_version(putInput(fileBytes));
      const [model, firmware] = text(result()).split("\n");
      return { model, firmware };
    },

    // RTC_time.ini's bytes for the computer's local time `date`.
    formatClock(date) {
      core.dq_format_clock(date.getFullYear(), date.getMonth() + 1, date.getDate(), date.getHours(),
        date.getMinutes(), date.getSeconds());
      return result();
    },
  };
}
