// One thin adapter per browser engine, so that each page test is written
// once and runs in all three: Chromium through playwright-core, Firefox ESR
// through puppeteer-core over WebDriver BiDi, and WebKitGTK's MiniBrowser
// through selenium-webdriver and Debian's WebKitWebDriver, classic WebDriver.
// VELMORA_BROWSER picks the engine (chromium, firefox or webkit; chromium
// when unset).
//
//   const browser = await launchBrowser();
//   const s = await browser.open({ locale, init, search, waitReady, viewport, deviceScale });
//   (`address` opens the page from elsewhere than its file, a web site say)
//   await s.fill('#Pole1', '3'); await s.click('#Buton0');
//   await s.evaluate(() => window.velmora.transcript());
//
// What an engine's driver cannot do is told by browser.can; a test that needs
// it skips there (see `needs`).

import { spawn } from 'node:child_process';
import { existsSync } from 'node:fs';
import { createServer } from 'node:net';

import { By, Key, Origin, WebDriver } from 'selenium-webdriver';
import http from 'selenium-webdriver/http/index.js';
import { patience, within } from './deadline.mjs';

import { decodePng, launch, openPage, pageUrl, windowViewport } from './velmora.mjs';

export const browserName = process.env.VELMORA_BROWSER || 'chromium';
if (!['chromium', 'firefox', 'webkit'].includes(browserName))
    throw new Error(`VELMORA_BROWSER=${browserName}: chromium, firefox or webkit`);

// What each driver offers beyond opening the page, clicking and typing:
//   init     a script run in the page before its own (playwright's
//            addInitScript, BiDi's preload scripts; classic WebDriver has none)
//   network  every request seen and refused but the page's own
//   mouseAt  a click at a point, with a key held
//   deviceScale  a device scale of several screen pixels to a CSS pixel
//            (open's `deviceScale`), as the browser's zoom gives
export const capabilities = {
    chromium: { init: true, network: true, mouseAt: true, deviceScale: true },
    firefox: { init: true, network: true, mouseAt: true, deviceScale: false },
    webkit: { init: false, network: false, mouseAt: true, deviceScale: false },
}[browserName];

// A test's option: skipped, with the reason, where the engine lacks `what`.
export const needs = (...what) => {
    const missing = what.filter((w) => !capabilities[w]);
    return missing.length ? { skip: `${browserName}'s driver offers no ${missing.join(', ')}` } : {};
};

// Each engine started once per locale it is asked for, and kept.
export async function launchBrowser() {
    const started = performance.now();
    const instances = new Map();
    const instance = (locale) => {
        if (!instances.has(locale)) instances.set(locale, adapters[browserName](locale));
        return instances.get(locale);
    };
    const first = await instance('bg-BG');
    return {
        name: browserName,
        get version() {
            return first.version;
        },
        can: capabilities,
        started,
        open: async (options = {}) => (await instance(options.locale ?? 'bg-BG')).open(options),
        close: async () => {
            for (const pending of instances.values()) await (await pending).close();
        },
    };
}

// As openPage's: the window at scale 1, its designed pixels one to one.
const viewport = { width: windowViewport.width, height: windowViewport.height };

// A click at a point with a key held: playwright's and puppeteer's pages
// take it alike.
async function clickHolding(page, x, y, modifier) {
    if (modifier) await page.keyboard.down(modifier);
    await page.mouse.click(x, y);
    if (modifier) await page.keyboard.up(modifier);
}

// Runs in the page: the centre of `sel` in the viewport, once the element
// has lain under that point, unmoved, for two frames; it is scrolled into
// view first, and again should it leave the point. Null without the
// element; { restless } if it found no rest within `ms`.
async function restingCentre([sel, ms]) {
    const e = document.querySelector(sel);
    if (!e) return null;
    const end = performance.now() + ms;
    const centre = () => {
        const r = e.getBoundingClientRect();
        return [r.x + r.width / 2, r.y + r.height / 2];
    };
    const hitAt = ([x, y]) => document.elementFromPoint(x, y);
    const under = (point) => {
        const hit = hitAt(point);
        return hit !== null && (hit === e || e.contains(hit) || hit.contains(e));
    };
    e.scrollIntoView({ block: 'nearest' });
    let last = null;
    for (let still = 0; ; ) {
        const point = centre();
        if (!under(point)) {
            e.scrollIntoView({ block: 'nearest' });
            still = 0;
        } else if (last && point[0] === last[0] && point[1] === last[1]) {
            if (++still === 2) return point;
        } else {
            still = 0;
        }
        last = point;
        if (performance.now() > end) {
            const hit = hitAt(point);
            return { restless: `last at (${point.join(', ')}) with ${hit ? hit.id || hit.tagName : 'nothing'} there, scrolled to ${scrollY}` };
        }
        await new Promise((done) => requestAnimationFrame(done));
    }
}

// Runs in the page while one click at `sel` is made: a press, release or
// click that lands off the element is stopped before any of the page's
// handlers see it, and noted.
function watchClick(sel) {
    const e = document.querySelector(sel);
    const strays = [];
    const name = (n) => (n instanceof Element ? (n.id ? `#${n.id}` : n.tagName.toLowerCase()) : String(n));
    const seen = (event) => {
        const t = event.target;
        const r = e.getBoundingClientRect();
        const over = event.clientX >= r.left && event.clientX <= r.right && event.clientY >= r.top && event.clientY <= r.bottom;
        // On the element or inside it; an ancestor only where it reports an
        // event over the element (a list's own option, say).
        if (t instanceof Node && (e.contains(t) || (over && t.contains(e)))) return;
        event.preventDefault();
        event.stopImmediatePropagation();
        strays.push(`${event.type} on ${name(t)} at (${event.clientX}, ${event.clientY}), with ${sel} at `
            + `(${[r.left, r.right].map(Math.round).join('–')}, ${[r.top, r.bottom].map(Math.round).join('–')}) and the page scrolled to ${Math.round(scrollY)}`);
    };
    const types = ['pointerdown', 'mousedown', 'pointerup', 'mouseup', 'click'];
    if (e) for (const type of types) window.addEventListener(type, seen, true);
    window[Symbol.for('velmora.clickWatch')] = () => {
        for (const type of types) window.removeEventListener(type, seen, true);
        delete window[Symbol.for('velmora.clickWatch')];
        return strays;
    };
}

function endClickWatch() {
    const end = window[Symbol.for('velmora.clickWatch')];
    return end ? end() : [];
}

// One click at `selector` through the driver's `act`, watched: a click that
// reached something else fails, naming where it went, instead of a test that
// later finds a command not done.
async function watchedClick(evaluate, selector, act) {
    await evaluate(watchClick, selector);
    let strays = [];
    try {
        await act();
    } finally {
        strays = await evaluate(endClickWatch);
    }
    if (strays.length) throw new Error(`the click on ${selector} landed off it: ${strays.join('; ')}`);
}

// ---- Chromium: playwright-core ---------------------------------------------

const adapters = {};

adapters.chromium = async (locale) => {
    const browser = await launch();
    return {
        version: `Chromium ${browser.version()}`,
        close: () => browser.close(),
        async open({ init, search = '', address = pageUrl, waitReady = true, viewport: size = viewport, deviceScale = 1 } = {}) {
            const device = { viewport: size, deviceScaleFactor: deviceScale };
            const { page, context, requests, errors } = await openPage(browser, { locale, init, search, address, waitReady: false, device });
            return session({
                page,
                reload: () => page.reload(),
                requests,
                errors,
                evaluate: (fn, arg) => page.evaluate(fn, arg),
                click: (selector) => page.click(selector),
                clickAt: (x, y, modifier) => clickHolding(page, x, y, modifier),
                fill: (selector, text) => page.fill(selector, text),
                press: (combo) => page.keyboard.press(combo),
                type: (text) => page.keyboard.type(text),
                select: (selector, value) => page.selectOption(selector, value),
                screenshot: async (selector) => decodePng(await page.locator(selector).screenshot()),
                close: () => context.close(),
            }, waitReady);
        },
    };
};

// ---- Firefox: puppeteer-core over WebDriver BiDi ------------------------------

adapters.firefox = async (locale) => {
    const { default: puppeteer } = await import('puppeteer-core');
    const browser = await puppeteer.launch({
        browser: 'firefox',
        executablePath: process.env.VELMORA_FIREFOX ?? '/usr/bin/firefox-esr',
        headless: true,
        // The language is the browser's, as a user sets it; nothing reaches
        // the network (this machine has none to offer).
        extraPrefsFirefox: {
            'intl.accept_languages': locale,
            'intl.locale.requested': locale,
            'network.captive-portal-service.enabled': false,
            'network.connectivity-service.enabled': false,
        },
    });
    const version = await browser.version();
    const idle = [];
    const newTab = async () => {
        const context = await browser.createBrowserContext();
        const page = await context.newPage();
        await page.setViewport(viewport);
        const tab = { page, requests: [], errors: [], address: pageUrl };
        await page.setRequestInterception(true);
        // Firefox also shows the icon's data: address, which is no request.
        page.on('request', (request) => {
            const url = request.url();
            if (url.startsWith('data:') || url === 'about:blank') return request.continue();
            tab.requests.push(url);
            // The page itself, with whatever query its address carries.
            return url.split('?')[0] === tab.address ? request.continue() : request.abort('blockedbyclient');
        });
        page.on('pageerror', (e) => tab.errors.push(e.message));
        return tab;
    };
    const chords = async (page, combo, act) => {
        const parts = combo.split('+');
        const key = parts.pop();
        for (const m of parts) await page.keyboard.down(m);
        await act(key);
        for (const m of parts.reverse()) await page.keyboard.up(m);
    };
    return {
        version: version.replace(/^firefox\//, 'Firefox '),
        close: () => browser.close(),
        // Tabs are kept and loaded afresh, as WebKit's windows are: a new
        // context for every page costs a second each. A second page at the
        // same time gets a tab of its own.
        async open({ init, search = '', address = pageUrl, waitReady = true, viewport: size = viewport } = {}) {
            let tab = idle.pop();
            if (!tab) tab = await newTab();
            const { page } = tab;
            await page.setViewport(size);
            tab.requests.length = 0;
            tab.errors.length = 0;
            const { requests, errors } = tab;
            const preload = init ? await page.evaluateOnNewDocument(init) : null;
            tab.release = async () => {
                if (preload) await page.removeScriptToEvaluateOnNewDocument(preload.identifier);
                await page.goto('about:blank');
                idle.push(tab);
            };
            tab.address = address;
            await page.goto(address + search);
            // Elements are found by a script of the page's own and clicked at
            // their centre: the driver's element handles cost a round trip
            // or three each over BiDi. The point is taken once the page is at
            // rest: Firefox can still move it at the first frames after a
            // script's scroll (a focus(), a scrollIntoView), and a press
            // aimed before that lands on whatever came under the pointer.
            const centre = async (selector) => {
                const at = await page.evaluate(restingCentre, [selector, patience]);
                if (!at) throw new Error(`no element ${selector}`);
                if (at.restless) throw new Error(`${selector} did not come to rest under the pointer within ${patience / 1000} s: ${at.restless}`);
                return at;
            };
            return session({
                page,
                reload: () => page.reload(),
                requests,
                errors,
                evaluate: (fn, arg) => page.evaluate(fn, arg),
                click: async (selector) => page.mouse.click(...(await centre(selector))),
                clickAt: (x, y, modifier) => clickHolding(page, x, y, modifier),
                // Typed over the selected text: the field's limit holds.
                fill: async (selector, text) => {
                    await page.evaluate((sel) => {
                        const e = document.querySelector(sel);
                        e.focus();
                        e.select();
                    }, selector);
                    if (text) await page.keyboard.type(text);
                    else await page.keyboard.press('Delete');
                },
                press: (combo) => chords(page, combo, (key) => page.keyboard.press(key === 'Space' ? ' ' : key)),
                type: (text) => page.keyboard.type(text),
                // A click on the entry, as a user picks it: the list's own
                // cursor moves with it, which a script's choice leaves behind.
                select: async (selector, value) => {
                    const index = await page.evaluate((sel, v) => [...document.querySelector(sel).options].findIndex((o) => o.value === v), selector, value);
                    if (index < 0) throw new Error(`${selector} has no option ${value}`);
                    const option = `${selector} > option:nth-child(${index + 1})`;
                    await watchedClick((fn, arg) => page.evaluate(fn, arg), option, async () => page.mouse.click(...(await centre(option))));
                },
                screenshot: async (selector) => decodePng(Buffer.from(await (await page.$(selector)).screenshot())),
                close: () => tab.release(),
            }, waitReady);
        },
    };
};

// ---- WebKit: WebKitWebDriver and MiniBrowser, through selenium-webdriver ---------

// Debian's WebKitWebDriver, started here; selenium-webdriver only talks to it,
// so it never looks for or fetches a browser or driver of its own.
const webDriverKeys = {
    Tab: Key.TAB, Enter: Key.ENTER, Shift: Key.SHIFT, Control: Key.CONTROL, Backspace: Key.BACK_SPACE,
    Space: Key.SPACE, Delete: Key.DELETE, ArrowUp: Key.ARROW_UP, ArrowDown: Key.ARROW_DOWN,
    Alt: Key.ALT, PageUp: Key.PAGE_UP, PageDown: Key.PAGE_DOWN, End: Key.END,
};

function freePort() {
    return new Promise((resolve, reject) => {
        const server = createServer();
        server.listen(0, '127.0.0.1', () => {
            const { port } = server.address();
            server.close(() => resolve(port));
        });
        server.on('error', reject);
    });
}

function miniBrowser() {
    const candidates = [process.env.VELMORA_MINIBROWSER,
        '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
        '/usr/lib/aarch64-linux-gnu/webkit2gtk-4.1/MiniBrowser'];
    const found = candidates.find((path) => path && existsSync(path));
    if (!found) throw new Error('MiniBrowser not found (package libwebkit2gtk-4.1-0); set VELMORA_MINIBROWSER');
    return found;
}

// WebKitGTK takes its language from the environment, as a desktop user's
// browser does: LANG=bg_BG.UTF-8 for the tag bg-BG. An odd tag such as "C"
// goes in as it is.
export const posixLocale = (tag) => (/^[a-z]{2,3}-[A-Z]{2}$/.test(tag) ? `${tag.replace('-', '_')}.UTF-8` : tag);

// One WebKitWebDriver with its one session (the driver allows no second):
// a MiniBrowser window, kept for page after page.
async function webKitWindow(locale) {
    const port = await freePort();
    const env = { ...process.env, LANG: posixLocale(locale) };
    delete env.LC_ALL;
    delete env.LANGUAGE;
    const server = spawn(process.env.VELMORA_WEBKITWEBDRIVER ?? 'WebKitWebDriver', [`--port=${port}`],
        { env, stdio: ['ignore', 'ignore', 'inherit'] });
    const exited = new Promise((resolve) => server.once('exit', resolve));
    const base = `http://127.0.0.1:${port}`;
    for (let tries = 0; ; tries++) {
        try {
            await fetch(`${base}/status`);
            break;
        } catch (error) {
            if (tries > 200 || server.exitCode !== null) throw new Error(`WebKitWebDriver did not start: ${error.message}`);
            await new Promise((r) => setTimeout(r, 25));
        }
    }
    const driver = await WebDriver.createSession(new http.Executor(new http.HttpClient(base)), {
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': { binary: miniBrowser(), args: ['--automation'] },
    });
    const capabilities = await driver.getCapabilities();
    return {
        version: `WebKitGTK ${capabilities.getBrowserVersion()}`,
        driver,
        close: async () => {
            await driver.quit().catch(() => {});
            server.kill();
            await exited;
        },
    };
}

adapters.webkit = async (locale) => {
    if (!process.env.DISPLAY) throw new Error('WebKit needs an X display: start Xvfb (scripts/xvfb.sh)');
    const all = [await webKitWindow(locale)];
    const idle = [...all];

    return {
        version: all[0].version,
        close: async () => {
            for (const w of all) await w.close();
        },
        // A window to itself for each open page; a second page at the same
        // time gets a second window.
        async open({ init, search = '', address = pageUrl, waitReady = true, viewport: size = viewport } = {}) {
            if (init) throw new Error('WebKit: no init scripts over classic WebDriver');
            let w = idle.pop();
            if (!w) all.push((w = await webKitWindow(locale)));
            const { driver } = w;
            // The window's rect includes MiniBrowser's own bars: set it, then
            // again by what the blank page in it measured (no narrower than
            // MiniBrowser's least width, 447 px here). Sized before the page
            // loads, as the other engines' viewports are: a resize after it
            // reaches the page's own handlers a frame or more later.
            // The page sees a new size a frame or more after setRect answers:
            // each step is measured once the page has it, never before.
            const window_ = driver.manage().window();
            const inner = () => driver.executeScript('return [innerWidth, innerHeight]');
            let [width, height] = await inner();
            for (let k = 0; k < 3 && (width !== size.width || height !== size.height); k++) {
                const rect = await window_.getRect();
                const set = await window_.setRect({ width: rect.width + size.width - width,
                    height: rect.height + size.height - height }).catch(() => rect);
                // Held at MiniBrowser's least size, the window did not change.
                if (set.width === rect.width && set.height === rect.height) break;
                const before = [width, height];
                const end = Date.now() + patience;
                do {
                    [width, height] = await inner();
                    if (width !== before[0] || height !== before[1]) break;
                    await new Promise((next) => setTimeout(next, 20));
                } while (Date.now() < end);
            }
            await driver.get(address + search);
            const element = (selector) => driver.findElement(By.css(selector));
            const evaluate = async (fn, arg) => {
                const script = `const done = arguments[arguments.length - 1];
                    Promise.resolve().then(() => (${fn})(arguments[0]))
                        .then((value) => done({ value: value === undefined ? null : value }), (e) => done({ error: String(e) }));`;
                const result = await driver.executeAsyncScript(script, arg ?? null);
                if (result.error) throw new Error(result.error);
                return result.value;
            };
            const actions = () => driver.actions({ async: true });
            const press = async (combo) => {
                const parts = combo.split('+').map((k) => webDriverKeys[k] ?? (k.length === 1 ? k : null));
                if (parts.includes(null)) throw new Error(`no WebDriver key for ${combo}`);
                let sequence = actions();
                for (const key of parts) sequence = sequence.keyDown(key);
                for (const key of parts.reverse()) sequence = sequence.keyUp(key);
                await sequence.perform();
            };
            return session({
                requests: null,
                errors: [],
                reload: () => driver.navigate().refresh(),
                evaluate,
                click: async (selector) => (await element(selector)).click(),
                // A click at a point of the viewport, with a key held down:
                // the key's and the mouse's actions in step, tick by tick.
                clickAt: async (x, y, modifier) => {
                    let sequence = driver.actions();
                    if (modifier) sequence = sequence.keyDown(webDriverKeys[modifier]);
                    sequence = sequence.move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT }).click();
                    if (modifier) sequence = sequence.keyUp(webDriverKeys[modifier]);
                    await sequence.perform();
                },
                fill: async (selector, text) => {
                    const e = await element(selector);
                    await e.clear();
                    if (text) await e.sendKeys(text);
                },
                press,
                type: async (text) => actions().sendKeys(text).perform(),
                select: async (selector, value) => {
                    const option = await evaluate(([s, v]) => {
                        const list = document.querySelector(s);
                        const index = [...list.options].findIndex((o) => o.value === v);
                        return index < 0 ? null : `${s} > option:nth-child(${index + 1})`;
                    }, [selector, value]);
                    if (!option) throw new Error(`${selector} has no option ${value}`);
                    await (await element(option)).click();
                },
                // The element cut from a picture of the viewport: WebKit's own
                // picture of an element is taken from the wrong place once the
                // page can scroll (the panel below the window).
                screenshot: async (selector) => {
                    const [left, top, width, height] = await evaluate((sel) => {
                        const r = document.querySelector(sel).getBoundingClientRect();
                        return [r.left, r.top, r.width, r.height].map((v) => Math.round(v * devicePixelRatio));
                    }, selector);
                    const view = decodePng(Buffer.from(await driver.takeScreenshot(), 'base64'));
                    return { width, height, pixel: (x, y) => view.pixel(left + x, top + y) };
                },
                close: async () => {
                    await driver.get('about:blank');
                    idle.push(w);
                },
            }, waitReady);
        },
    };
};

// What every adapter's page offers the tests, whatever drives it.
async function session(driver, waitReady) {
    const s = {
        ...driver,
        click: (selector) => watchedClick(driver.evaluate, selector, () => driver.click(selector)),
        focus: (selector) => driver.evaluate((sel) => document.querySelector(sel).focus(), selector),
        value: (selector) => driver.evaluate((sel) => document.querySelector(sel).value, selector),
        transcript: () => driver.evaluate(() => window.velmora.transcript()),
        queueDraws: (draws) => driver.evaluate((d) => window.velmora.queueDraws(d), draws),
        title: () => driver.evaluate(() => document.title),
        // Everything the page fetched, as its own resource timing saw it: in
        // every engine, beside what a driver that routes requests saw.
        resources: () => driver.evaluate(() => performance.getEntriesByType('resource').map((e) => e.name)),
    };
    const ready = () => within('window.velmora.ready', s.evaluate(() => window.velmora.ready));
    s.ready = waitReady ? await ready() : undefined;
    // The same page loaded again, as a next visit in the same browser.
    s.reload = async () => {
        await driver.reload();
        s.ready = await ready();
    };
    s.readyAt = performance.now();
    return s;
}
