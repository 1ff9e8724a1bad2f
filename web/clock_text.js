// The clock panel's line, as the windows show the computer's time: "2012-11-30 PM 03: 07: 09", a 12-hour
// clock where 0 and 12 show as 12, and a colon and a blank between hour, minute and second.
/** @param {Date} date */
export function clockText(date) {
  const two = (/** @type {number} */ number) => String(number).padStart(2, "0");
  const hour = date.getHours();
  const half = hour < 12 ? "AM" : "PM";
  const hour12 = hour % 12 === 0 ? 12 : hour % 12;
  const day = `${String(date.getFullYear()).padStart(4, "0")}-${two(date.getMonth() + 1)}-${two(date.getDate())}`;
  return `${day} ${half} ${two(hour12)}: ${two(date.getMinutes())}: ${two(date.getSeconds())}`;
}

// Shows the time in `target` now and at the start of every second from here on.
/** @param {HTMLElement} target */
export function runClock(target) {
  const tick = () => {
    const now = new Date();
    target.textContent = clockText(now);
    setTimeout(tick, 1000 - now.getMilliseconds());
  };
  tick();
}
