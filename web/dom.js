// The few DOM helpers every part of the page uses.

/**
 * A new element with `properties` set and `children` appended.
 * @template {keyof HTMLElementTagNameMap} K
 * @param {K} tag
 * @param {Partial<HTMLElementTagNameMap[K]>} [properties]
 * @param {...(Node | string)} children
 * @returns {HTMLElementTagNameMap[K]}
 */
export function element(tag, properties = {}, ...children) {
  const node = Object.assign(document.createElement(tag), properties);
  node.append(...children);
  return node;
}

/**
 * The page's element `id`; the page's HTML has each of them.
 * @param {string} id
 * @returns {any}
 */
export const byId = (id) => document.getElementById(id);

/**
 * Replaces what `target` says with one paragraph per line.
 * @param {HTMLElement} target
 * @param {...string} lines
 */
export const say = (target, ...lines) => target.replaceChildren(...lines.map((line) => element("p", {}, line)));

/**
 * Shows the elements named by `ids`, or hides them.
 * @param {boolean} shown
 * @param {...string} ids
 */
export function showIds(shown, ...ids) {
  for (const id of ids) byId(id).hidden = !shown;
}
