// A wait with an end. A page that never gets where a test waits for it
// fails that test, naming what did not happen, instead of a run that never
// ends. VELMORA_WAIT_SECONDS lengthens every wait on a slow machine.

export const patience = Number(process.env.VELMORA_WAIT_SECONDS ?? 60) * 1000;

// `promise`, or after `ms` an error: "<what> did not happen within N s".
export function within(what, promise, ms = patience) {
    let timer;
    const late = new Promise((_, reject) => {
        timer = setTimeout(() => reject(new Error(`${what} did not happen within ${ms / 1000} s`)), ms);
    });
    return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

// Looks again and again (`look`, each look itself bounded) until `holds`
// accepts what was seen, and gives that: for a state the page reaches a frame
// or a task after the command that starts it. After `ms`, an error naming
// `what` and what was seen last.
export async function until(what, look, holds, ms = patience) {
    const end = performance.now() + ms;
    for (;;) {
        const seen = await within(what, look(), Math.max(end - performance.now(), 1000));
        if (holds(seen)) return seen;
        if (performance.now() >= end) throw new Error(`${what} did not happen within ${ms / 1000} s; last seen ${JSON.stringify(seen)}`);
        await new Promise((next) => setTimeout(next, 20));
    }
}
