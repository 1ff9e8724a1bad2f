// The card core, compiled to WebAssembly and inlined into this page (base64). Every byte of config.txt,
// ver.txt, RTC_time.ini and a profile is read and written by it; this module only moves bytes across the seam
// (web/core_bindings.cpp) and gives each call its type.

/** @typedef {"main" | "advanced" | "slider" | "picker" | "nowhere"} SettingPlace */

/**
 * @typedef {object} OfferedValue
 * @property {number} value
 * @property {string} name     dqcard's short name
 * @property {string} caption  the button's caption
 * @property {string} detail   the smaller note beside the caption, "" when none
 */

/**
 * @typedef {object} RowDescription
 * @property {number} row          0 to 23, the line of config.txt
 * @property {string} key          the key in config.txt
 * @property {SettingPlace} place  where a window sets the row
 * @property {string} title        the group's title, "" for rows set nowhere
 * @property {string} subtitle
 * @property {OfferedValue[]} values  in the window's order; empty for rows set nowhere
 */

/**
 * @typedef {object} SettingsDescription
 * @property {RowDescription[]} rows  main window, advanced window, slider, picker, then the rows set nowhere
 * @property {number[]} defaults      the windows' reset, in row order
 * @property {number} firstAdvancedRow
 * @property {number} advancedCount
 * @property {number} partitionModeRow  "Memory Partition"
 * @property {string} cardFolder
 * @property {string} settingsFile
 * @property {string} clockFile
 * @property {string} versionFile
 * @property {VersionTexts} versionPlaceholders  what the windows show without ver.txt
 */

/** @typedef {{model: string, firmware: string}} VersionTexts */

/**
 * One bad line of a profile, as dqcard apply reports it, without dqcard's --force hint.
 * @typedef {object} ProfileError
 * @property {string} reason      "NAME:LINE: why"
 * @property {boolean} notOffered  the value is one no window offers
 */

/**
 * The module's exports (web/core_bindings.cpp). Pointers are byte offsets into `memory`.
 * @typedef {object} CoreExports
 * @property {WebAssembly.Memory} memory
 * @property {() => void} _initialize
 * @property {(size: number) => number} dq_input
 * @property {() => number} dq_values
 * @property {() => number} dq_named
 * @property {() => number} dq_result
 * @property {() => number} dq_result_size
 * @property {() => void} dq_describe
 * @property {(size: number) => void} dq_read_settings
 * @property {() => void} dq_format_settings
 * @property {(size: number) => number} dq_check_settings
 * @property {() => void} dq_apply_partition_rule
 * @property {(size: number) => void} dq_read_version
 * @property {(nameSize: number, textSize: number) => number} dq_read_profile
 * @property {() => void} dq_format_profile
 * @property {(year: number, month: number, day: number, hour: number, minute: number, second: number) => void}
 *   dq_format_clock
 */

/** @typedef {Awaited<ReturnType<typeof loadCardCore>>} CardCore */

// The stdio calls the C library links are WASI imports the core never needs: each answers "not supported".
const WASI_ENOSYS = 52;
const CHECK_GOOD = 1;

/** @param {string} wasmBase64 */
export async function loadCardCore(wasmBase64) {
  const bytes = Uint8Array.from(atob(wasmBase64), (c) => c.charCodeAt(0));
  const module = await WebAssembly.compile(bytes);
  /** @type {Record<string, Record<string, () => number>>} */
  const imports = {};
  for (const { module: from, name } of WebAssembly.Module.imports(module)) {
    (imports[from] ??= {})[name] = () => WASI_ENOSYS;
  }
  const instance = await WebAssembly.instantiate(module, imports);
  const core = /** @type {CoreExports} */ (/** @type {unknown} */ (instance.exports));
  core._initialize();
  const result = () => new Uint8Array(core.memory.buffer, core.dq_result(), core.dq_result_size()).slice();
  /** @param {Uint8Array} resultBytes */
  const text = (resultBytes) => new TextDecoder().decode(resultBytes);
  core.dq_describe();
  /** @type {SettingsDescription} */
  const description = JSON.parse(text(result()));
  const rowCount = description.defaults.length;

  // Views are made afresh for each call: a growing memory detaches the old ones.
  const valuesView = () => new Int32Array(core.memory.buffer, core.dq_values(), rowCount);
  /** @param {Uint8Array} inputBytes */
  const putInput = (inputBytes) => {
    const at = core.dq_input(inputBytes.length);
    new Uint8Array(core.memory.buffer, at, inputBytes.length).set(inputBytes);
    return inputBytes.length;
  };
  /** @param {readonly number[]} values */
  const putValues = (values) => valuesView().set(values);

  return {
    description,

    /**
     * config.txt's bytes: the values, rows no line names reading as 0 as in the windows, and which rows a
     * line named.
     * @param {Uint8Array} fileBytes
     * @returns {{values: number[], named: boolean[]}}
     */
    readSettings(fileBytes) {
      core.dq_read_settings(putInput(fileBytes));
      const named = new Uint8Array(core.memory.buffer, core.dq_named(), rowCount);
      return { values: Array.from(valuesView()), named: Array.from(named, Boolean) };
    },

    /** @param {readonly number[]} values */
    formatSettings(values) {
      putValues(values);
      core.dq_format_settings();
      return result();
    },

    /**
     * Whether the bytes are exactly config.txt for the values.
     * @param {Uint8Array} fileBytes
     * @param {readonly number[]} values
     */
    checkSettings(fileBytes, values) {
      const size = putInput(fileBytes);
      putValues(values);
      return core.dq_check_settings(size) === CHECK_GOOD;
    },

    /**
     * The values with the rule of confirming the advanced settings applied.
     * @param {readonly number[]} values
     */
    withPartitionRule(values) {
      putValues(values);
      core.dq_apply_partition_rule();
      return Array.from(valuesView());
    },

    /**
     * @param {Uint8Array} fileBytes
     * @returns {VersionTexts}
     */
    readVersion(fileBytes) {
      core.dq_read_version(putInput(fileBytes));
      const [model, firmware] = text(result()).split("\n");
      return { model, firmware };
    },

    /**
     * A profile read as dqcard apply reads it (without --force) and applied over `values`: the values after it,
     * or the bad lines and no values.
     * @param {string} name  how the errors name the profile
     * @param {Uint8Array} profileBytes
     * @param {readonly number[]} values
     * @returns {{values: number[], errors: ProfileError[]}}
     */
    applyProfile(name, profileBytes, values) {
      const nameBytes = new TextEncoder().encode(name);
      const both = new Uint8Array(nameBytes.length + profileBytes.length);
      both.set(nameBytes);
      both.set(profileBytes, nameBytes.length);
      putInput(both);
      putValues(values);
      const bad = core.dq_read_profile(nameBytes.length, profileBytes.length);
      /** @type {ProfileError[]} */
      const errors = JSON.parse(text(result()));
      return { values: bad ? [] : Array.from(valuesView()), errors };
    },

    /**
     * The values as a profile: the bytes dqcard export prints.
     * @param {readonly number[]} values
     */
    formatProfile(values) {
      putValues(values);
      core.dq_format_profile();
      return result();
    },

    /**
     * RTC_time.ini's bytes for the computer's local time `date`.
     * @param {Date} date
     */
    formatClock(date) {
      core.dq_format_clock(date.getFullYear(), date.getMonth() + 1, date.getDate(), date.getHours(),
        date.getMinutes(), date.getSeconds());
      return result();
    },
  };
}
