// The page's window: the controls of the desktop one. What the user's visit
// holds (the texts, the states, the random sequence, the language) and every
// rule are the engine's; this script forwards the user's actions to it and
// shows what it gives back.
'use strict';

(() => {
    const byId = (id) => document.getElementById(id);
    const Pole = [0, 1, 2, 3, 4].map((i) => byId(`Pole${i}`));
    const Buton = [0, 1, 2].map((i) => byId(`Buton${i}`));
    const Sluch = byId('Sluch');
    // Beside the window: Euclid's way, and the pupil's own answer.
    const euclidWay = byId('EuclidWay');
    const euclidMethods = [...document.querySelectorAll('input[name="EuclidMethod"]')];
    const transcriptCopy = byId('TranscriptCopy');
    const reading = byId('Reading');
    const answerFields = ['AnswerX0', 'AnswerY0', 'AnswerP', 'AnswerQ'].map(byId);
    const noSolution = byId('AnswerNone');
    // While bounds are in effect the task is their list of solutions, asked
    // for in place of the pair, the steps and the claim.
    const answerList = byId('AnswerList');
    const pairParts = [answerFields[0].closest('.entries'), noSolution.closest('.claim')];
    const listPart = answerList.closest('.list');
    const feedback = byId('Feedback');
    const note = byId('Note');
    const euclidSection = byId('Euclid');
    const euclidLink = byId('EuclidLink');
    const euclidLater = byId('EuclidLater');
    // Every field the user types into, by the engine's name for it.
    const entries = [...document.querySelectorAll('[data-entry]')];
    // The bounds after Euclid's way: the two choices, the four boxes, why a
    // box is no bound, and the solutions within them.
    const boundChoices = [...document.querySelectorAll('[data-choice]')];
    const boundEnds = [...document.querySelectorAll('[data-bound]')];
    const boundsFaults = byId('BoundsFaults');
    const boundsAccount = byId('BoundsAccount');
    const picture = byId('Picture');
    const pictureView = byId('PictureView');

    // The engine's texts in and out of its memory (enginetext.mjs, set in
    // here when the page is made).
    // @ENGINETEXT@

    let engine = null;
    // Until start-up shows the first view, the field holds why nothing
    // works, should the engine never start.
    let transcript = null;
    const earlyDraws = [];

    // Named outright: a bare Intl.NumberFormat() may keep to en-US whatever
    // language the browser reports. A tag Intl refuses (WebKitGTK passes on a
    // POSIX locale such as "C" or "de_DE.UTF-8") is tried in its BCP 47 form,
    // then the platform's own default stands in, and at last a full stop.
    function decimalSeparator() {
        const language = navigator.language ?? '';
        const candidates = [language, language.split(/[.@]/)[0].replace(/_/g, '-'), undefined];
        for (const locales of candidates) {
            try {
                const parts = new Intl.NumberFormat(locales).formatToParts(1.5);
                const decimal = parts.find((part) => part.type === 'decimal');
                if (decimal) return decimal.value;
            } catch {
                // Refused: the next candidate.
            }
        }
        return '.';
    }

    // The module's bytes, decoded natively where the browser can. The one
    // file carries them deflated, as base64 of raw wasm would not compress
    // again when the page is sent gzipped.
    function moduleBytes() {
        const encoded = byId('engine').textContent.trim();
        let bytes;
        if (Uint8Array.fromBase64) bytes = Uint8Array.fromBase64(encoded);
        else {
            const binary = atob(encoded);
            bytes = new Uint8Array(binary.length);
            for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
        }
        return new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate'))).arrayBuffer();
    }

    // On a web host the module is a file beside the page, compiled as it
    // downloads; a host that names it otherwise than application/wasm gets
    // it compiled from its bytes instead.
    function compileModule() {
        const source = byId('engine').dataset.src;
        if (!source) return moduleBytes().then((bytes) => WebAssembly.compile(bytes));
        const bytes = () =>
            fetch(source).then((response) => {
                if (!response.ok) throw new Error(`${source}: ${response.status}`);
                return response.arrayBuffer();
            });
        if (!WebAssembly.compileStreaming) return bytes().then((b) => WebAssembly.compile(b));
        return WebAssembly.compileStreaming(fetch(source)).catch(() => bytes().then((b) => WebAssembly.compile(b)));
    }

    // Compiled off the main thread: the first frame waits for none of it, as
    // it needs nothing of the engine (its language is chosen below).
    function loadEngine() {
        // Inside the promise, so that a browser without WebAssembly rejects it.
        return new Promise((resolve) => resolve(compileModule()))
            .then((module) => WebAssembly.instantiate(module, {}))
            .then((instance) => {
                const exports = instance.exports;
                exports._initialize();
                const now = Date.now();
                exports.velmora_seed(now >>> 0, Math.floor(now / 2 ** 32) ^ Math.floor(performance.now() * 1000));
                return engineText(exports);
            });
    }

    // The transcript keeps the engine's CR LF; the field shows plain lines.
    function setTranscript(text) {
        transcript = text;
        Pole[4].value = text.replace(/\r\n/g, '\n');
        transcriptCopy.textContent = Pole[4].value;
    }

    // A box as high as its lines, so that none is hidden behind a scroll.
    function fitHeight(box) {
        box.style.height = 'auto';
        const style = getComputedStyle(box);
        const borders = parseFloat(style.borderTopWidth) + parseFloat(style.borderBottomWidth);
        box.style.height = `${box.scrollHeight + borders}px`;
    }

    // On a phone the transcript takes the height its lines need; in the
    // window it keeps the window's size.
    function fitBoxes() {
        if (windowLayout.matches) Pole[4].style.height = '';
        else fitHeight(Pole[4]);
    }

    // The view the engine gave last, all of which is drawn here and
    // nowhere else: the window's fields and states, the transcript, the line
    // beside the fields, Euclid's way and "Your answer" with the last
    // check's findings, one a line, the mistakes marked.
    let shown = null;
    let shownFindings = null;
    let shownEuclid = null;

    // Euclid's way: each line a line of text, so that it reads, selects and
    // copies as the command line prints it, its formulas each kept on one
    // line where it fits; the table, where the method has one, a table a
    // screen reader moves through by cell, headed q, r, s, t. Every line and
    // row is a place of the lesson, in order, for pacing it a step at a time.
    const pace = { previous: byId('EuclidPrevious'), next: byId('EuclidNext'), all: byId('EuclidAll'), at: byId('EuclidAt') };
    let places = [];
    function drawEuclid(view) {
        for (const radio of euclidMethods) radio.checked = radio.value === view.euclidMethod;
        const drawn = JSON.stringify([view.euclidSteps, view.euclidTableName]);
        if (drawn !== shownEuclid) {
            shownEuclid = drawn;
            const parts = [];
            places = [];
            const line = (cut) => {
                const element = document.createElement('div');
                element.className = 'euclid-line';
                cut.forEach((part, i) => {
                    if (i % 2 === 0) element.append(part);
                    else element.append(Object.assign(document.createElement('span'), { className: 'formula', textContent: part }));
                });
                element.append('\n');
                places.push(element);
                return element;
            };
            for (const step of view.euclidSteps) {
                parts.push(...step.parts.map(line));
                if (step.table) {
                    const table = document.createElement('table');
                    table.className = 'euclid-table';
                    table.setAttribute('aria-label', view.euclidTableName);
                    const head = table.createTHead().insertRow();
                    for (const header of step.table.headers) {
                        const th = document.createElement('th');
                        th.scope = 'col';
                        th.textContent = header;
                        head.append(th);
                    }
                    const body = table.createTBody();
                    for (const cells of step.table.rows) {
                        const row = body.insertRow();
                        for (const cell of cells) row.insertCell().textContent = cell;
                        places.push(row);
                    }
                    parts.push(table);
                }
                parts.push(...step.partsAfter.map(line));
            }
            euclidWay.replaceChildren(...parts);
            markWider();
        }
        drawPace(view.pace);
    }

    // Where the columns keep each formula unbroken, one wider than its
    // column would run out of it: that one breaks inside instead.
    function markWider() {
        const formulas = [...euclidWay.querySelectorAll('.formula')];
        const wider = formulas.map((f) => f.getBoundingClientRect().width > f.parentElement.clientWidth + 0.5);
        formulas.forEach((f, i) => f.classList.toggle('wider', wider[i]));
    }

    // Paced, the places up to the current one show, that one marked; the
    // buttons as the engine has them, the focus kept on one that leads on.
    let shownAt = -1;
    function drawPace(p) {
        const had = [pace.previous, pace.next, pace.all].find((button) => button === document.activeElement);
        pace.previous.disabled = !p.previous;
        pace.next.disabled = !p.next;
        pace.all.disabled = !p.all;
        if (pace.at.textContent !== p.text) pace.at.textContent = p.text;
        if (had?.disabled) [had === pace.next ? pace.previous : pace.next, pace.all].find((b) => !b.disabled)?.focus();
        places.forEach((place, i) => {
            place.hidden = p.at > 0 && i >= p.at;
            if (i === p.at - 1) place.setAttribute('aria-current', 'step');
            else place.removeAttribute('aria-current');
        });
        const tables = euclidWay.querySelectorAll('table');
        for (const table of tables) table.hidden = [...table.tBodies[0].rows].every((row) => row.hidden);
        if (p.at > 0 && p.at !== shownAt) places[p.at - 1]?.scrollIntoView({ block: 'nearest' });
        shownAt = p.at;
    }
    // On a phone Euclid's way stands above "Your answer" and holds the
    // solution, so it stays closed until the pupil asks for it, and its link
    // leads nowhere until Calculate has put something there (the line after
    // it says so). Once opened it stays open until the next equation.
    function setEuclidOpen(open) {
        euclidSection.classList.toggle('open', open);
        euclidLink.setAttribute('aria-expanded', String(open));
    }
    // Without its address it is no link, and takes no state of one.
    function setEuclidReady(ready) {
        if (ready === euclidLink.hasAttribute('href')) return;
        if (ready) {
            euclidLink.setAttribute('href', '#Euclid');
            euclidLink.setAttribute('aria-controls', 'Euclid');
            setEuclidOpen(false);
        } else {
            setEuclidOpen(false);
            for (const name of ['href', 'aria-controls', 'aria-expanded']) euclidLink.removeAttribute(name);
        }
        euclidLater.hidden = ready;
    }
    setEuclidReady(false);
    // Opened before the browser follows the link, so that it scrolls to it.
    euclidLink.addEventListener('click', () => {
        if (euclidLink.hasAttribute('href')) setEuclidOpen(true);
    });

    function render(view) {
        for (const field of entries) {
            const value = view.entries[field.dataset.entry];
            if (field.value !== value) field.value = value;
        }
        for (let i = 1; i <= 3; ++i) Pole[i].readOnly = view.locked;
        // The claim stands instead of a pair: the entries are not read then.
        noSolution.checked = view.practice.noSolution;
        for (const field of answerFields) field.disabled = view.practice.noSolution;
        showTask(view.practice.listTask);
        if (view.transcript !== transcript) setTranscript(view.transcript);
        if (Sluch.selectedIndex !== view.range) Sluch.selectedIndex = view.range;
        if (view.focus === 'introduction') Pole[0].focus();
        if (view.focus === 'transcript') {
            // The result is what a keyboard or screen-reader user meets
            // next, and no second key press can wipe it.
            Pole[4].focus({ preventScroll: true });
            Pole[4].setSelectionRange(0, 0);
            Pole[4].scrollTop = 0;
            showTranscriptStart();
        }
        Buton[0].disabled = !view.calculate;
        if (note.textContent !== view.note) note.textContent = view.note;
        drawEuclid(view);
        setEuclidReady(view.euclidSteps.length > 0);
        drawBounds(view.bounds);
        byId('Tally').textContent = view.practice.tally;
        const p = view.practice;
        byId('AnswerHint').disabled = !p.hintAvailable;
        const hints = byId('Hints');
        if (hints.children.length !== p.hints.length || [...hints.children].some((item, i) => item.textContent !== p.hints[i])) {
            hints.replaceChildren(...p.hints.map((hint) => Object.assign(document.createElement('li'), { textContent: hint })));
            hints.hidden = p.hints.length === 0;
        }
        const findings = JSON.stringify([p.heading, p.lines]);
        if (findings !== shownFindings) {
            shownFindings = findings;
            feedback.dataset.verdict = p.verdict;
            feedback.replaceChildren(
                ...(p.heading ? [Object.assign(document.createElement('p'), { textContent: p.heading, className: 'verdict' })] : []),
                ...p.lines.map((line) => Object.assign(document.createElement('p'), { textContent: line.text, className: line.mistake ? 'mistake' : 'found' })),
            );
        }
        renderPicture(view);
        shown = view;
        fitBoxes();
        fitReading();
        return view;
    }

    // The focus in what goes out of sight moves to what stands instead.
    function showTask(listTask) {
        if (listPart.hidden === !listTask) return;
        const focused = document.activeElement;
        const moves = listTask ? pairParts.some((part) => part.contains(focused)) : focused === answerList;
        listPart.hidden = !listTask;
        for (const part of pairParts) part.hidden = listTask;
        if (moves) (listTask ? answerList : answerFields[0]).focus();
    }

    function drawBounds(bounds) {
        for (const box of boundChoices) box.checked = box.dataset.choice === bounds.choice;
        for (const box of boundEnds) {
            const value = bounds.ends[box.dataset.bound];
            if (box.value !== value) box.value = value;
            box.setAttribute('aria-invalid', bounds.faults[box.dataset.bound] ? 'true' : 'false');
        }
        const faults = boundEnds.map((box) => bounds.faults[box.dataset.bound]).filter(Boolean).join('\n');
        if (boundsFaults.textContent !== faults) boundsFaults.textContent = faults;
        const account = bounds.account.replace(/\r\n/g, '\n');
        if (boundsAccount.textContent !== account) boundsAccount.textContent = account;
        boundsAccount.hidden = !account;
    }

    // The picture of the equation calculated, inline after Calculate, with
    // the bounds set; asked of the engine only when those or its language
    // change.
    let pictureOf = '';
    function renderPicture(view) {
        const of = view.locked ? JSON.stringify([view.language, view.fields, view.bounds.choice, view.bounds.ends]) : '';
        if (of === pictureOf) return;
        pictureOf = of;
        const svg = of ? engine.text('velmora_picture') : '';
        pictureView.innerHTML = svg;
        picture.hidden = !svg;
    }

    // Intl's first use loads the locale's data, a long task on a phone: put
    // off from the page's start until the first command that reads a number.
    let separatorSet = false;
    function setSeparator() {
        if (separatorSet) return;
        separatorSet = true;
        engine.text('velmora_command', 'separator', decimalSeparator(), '');
    }

    // One of the user's actions, handed to the engine, then drawn. Whatever
    // wrote a field without the user typing (a reload restoring it, a
    // script) is told to the engine first, so that it acts on what shows.
    function command(name, argument = '', text = '') {
        if (name !== 'start' && name !== 'edit') setSeparator();
        if (shown && name !== 'edit') {
            for (const field of entries)
                if (field.value !== shown.entries[field.dataset.entry]) engine.text('velmora_command', 'edit', field.dataset.entry, field.value);
            if (noSolution.checked !== shown.practice.noSolution) engine.text('velmora_command', 'claim', noSolution.checked ? '1' : '0', '');
            for (const box of boundEnds)
                if (box.value !== shown.bounds.ends[box.dataset.bound]) engine.text('velmora_command', 'bound', box.dataset.bound, box.value);
        }
        return render(JSON.parse(engine.text('velmora_command', name, String(argument), String(text))));
    }

    // After Check or Hint on a phone, what was said may lie below the fold
    // or under the keyboard: bring it into the visible part of the page.
    function showFeedback(element) {
        const box = element.getBoundingClientRect();
        const height = window.visualViewport?.height ?? window.innerHeight;
        if (box.top < 0 || box.top + Math.min(box.height, height / 2) > height) element.scrollIntoView({ block: 'nearest' });
    }

    // On a phone the transcript may start below the fold: bring its first
    // lines into view, and no further than its top.
    function showTranscriptStart() {
        const box = Pole[4].getBoundingClientRect();
        const style = getComputedStyle(Pole[4]);
        const lines = 2 * (parseFloat(style.lineHeight) || 1.2 * parseFloat(style.fontSize));
        const height = window.visualViewport?.height ?? window.innerHeight;
        if (box.top < 0 || box.top + Math.min(lines, box.height) > height) Pole[4].scrollIntoView({ block: 'start' });
    }

    // The touch layout, which the style sheet chooses by the same query: the
    // range list as a drop-down, and an introduction that a tap opens and
    // that brings up no keyboard (it is there to be read).
    const listSize = Sluch.size;
    const windowLayout = window.matchMedia(byId('MainWindow').dataset.layout);
    function arrange() {
        const touch = !windowLayout.matches;
        Sluch.size = touch ? 1 : listSize;
        if (touch) Pole[0].inputMode = 'none';
        else Pole[0].removeAttribute('inputmode');
    }
    arrange();
    windowLayout.addEventListener('change', arrange);
    // A second tap closes it again.
    Pole[0].addEventListener('click', () => Pole[0].classList.toggle('open'));
    window.addEventListener('resize', () => fitBoxes());

    // Beside the window the transcript and Euclid's way fill two columns a
    // screen high; what they cannot hold would overflow into a third, off
    // the screen, so then the style sheet lets the two grow down the page.
    // WebKit lays columns out anew only for a box built anew: each change
    // is measured, and shown, after one.
    let readingFitted = null;
    function fitReading(force = false) {
        const fitted = JSON.stringify([transcript, shownEuclid, shown?.pace.at]);
        if (fitted === readingFitted && !force) return;
        readingFitted = fitted;
        // Below the window it stands in one column of the page's own.
        if (getComputedStyle(reading).columnCount === 'auto') {
            reading.classList.remove('overfull');
            return;
        }
        const rebuild = () => {
            reading.style.display = 'none';
            void reading.offsetHeight;
            reading.style.display = '';
        };
        // Measured shorter for a moment, the page would lose its place.
        const [x, y] = [window.scrollX, window.scrollY];
        const was = reading.classList.contains('overfull');
        if (was) {
            reading.classList.remove('overfull');
            rebuild();
        }
        const overfull = reading.scrollWidth > reading.clientWidth + 1;
        if (overfull) {
            reading.classList.add('overfull');
            rebuild();
        }
        if (was || overfull) {
            void reading.offsetHeight;
            window.scrollTo(x, y);
        }
    }
    // A new size measures the formulas and the columns again; measured in
    // between, WebKit's page would lose its place.
    window.addEventListener('resize', () => {
        const [x, y] = [window.scrollX, window.scrollY];
        for (const f of euclidWay.querySelectorAll('.formula.wider')) f.classList.remove('wider');
        markWider();
        fitReading(true);
        if (window.scrollX !== x || window.scrollY !== y) window.scrollTo(x, y);
    });

    // The user's actions, each one command: the buttons and the list by
    // the design's names, typing and Enter in every field, and "Your
    // answer"'s claim, check and tally.
    function wire() {
        const commands = ['calculate', 'clear', 'newData'];
        Buton.forEach((button, index) => button.addEventListener('click', () => command(commands[index])));
        Sluch.addEventListener('change', () => command('range', Sluch.selectedIndex));
        for (const field of entries) {
            const entry = field.dataset.entry;
            field.addEventListener('input', () => command('edit', entry, field.value));
            field.addEventListener('keydown', (event) => {
                if (event.key === 'Enter' && !event.isComposing) {
                    const answer = answerFields.includes(field) || field === answerList;
                    if (answer) shownFindings = null;
                    command('enter', entry);
                    if (answer) showFeedback(feedback);
                }
                // A key that would change a locked field: the engine says why it does not.
                else if (field.readOnly && (event.key.length === 1 || ['Backspace', 'Delete', 'Unidentified'].includes(event.key)) && !event.ctrlKey && !event.metaKey)
                    command('edit', entry, field.value);
            });
            for (const attempt of ['paste', 'cut', 'drop'])
                field.addEventListener(attempt, () => field.readOnly && command('edit', entry, field.value));
        }
        noSolution.addEventListener('change', () => command('claim', noSolution.checked ? '1' : '0'));
        for (const radio of euclidMethods) radio.addEventListener('change', () => radio.checked && command('method', radio.value));
        // One choice at a time, or none: ticking one clears the other.
        for (const box of boundChoices) box.addEventListener('change', () => command('boundsChoice', box.checked ? box.dataset.choice : 'any'));
        for (const box of boundEnds) box.addEventListener('input', () => command('bound', box.dataset.bound, box.value));
        // Drawn afresh at every check, so that the live region is heard again
        // when the same answer gets the same findings.
        byId('AnswerCheck').addEventListener('click', () => {
            shownFindings = null;
            command('check');
            showFeedback(feedback);
        });
        // After Check in the keyboard's order, as Check is what a pupil does first.
        byId('AnswerHint').addEventListener('click', () => {
            command('hint');
            const hints = byId('Hints');
            if (hints.lastElementChild) showFeedback(hints.lastElementChild);
        });
        byId('TallyClear').addEventListener('click', () => command('startTallyAgain'));
        // Pacing: the buttons, and Alt with each one's key (as the window's)
        // from anywhere in the page, none of them a browser's own.
        const paceKeys = {};
        for (const button of [pace.previous, pace.next, pace.all]) {
            paceKeys[button.dataset.key] = button.dataset.command;
            button.addEventListener('click', () => command(button.dataset.command));
        }
        document.addEventListener('keydown', (event) => {
            const name = paceKeys[event.key];
            if (!name || !event.altKey || event.ctrlKey || event.metaKey || event.shiftKey || event.isComposing) return;
            event.preventDefault();
            command(name);
        });
    }

    // iOS's keypad of digits has no minus sign, so there the fields keep the
    // full keyboard, whose page of digits has one.
    if ('standalone' in navigator) for (const field of [...Pole.slice(1, 4), ...answerFields, ...boundEnds]) field.removeAttribute('inputmode');

    // Hosted on a web site, the page keeps itself for offline use; from a
    // file there is nothing to register and nothing to ask for.
    const worker = document.documentElement.dataset.worker;
    // Once the page has loaded, so that caching it competes with nothing.
    if (worker && 'serviceWorker' in navigator && /^https?:$/.test(location.protocol))
        window.addEventListener('load', () => navigator.serviceWorker.register(worker).catch(() => {}), { once: true });

    // ---- the language ------------------------------------------------------

    // Every language's texts, as the design tables have them.
    const languages = JSON.parse(byId('texts').textContent);
    const switchButtons = [...document.querySelectorAll('#Languages > button')];
    const storageKey = 'velmora.language';

    // Storage may be missing or refused (private windows, file pages, strict
    // settings); the page then forgets the choice without a word.
    function stored() {
        try {
            return window.localStorage.getItem(storageKey);
        } catch {
            return null;
        }
    }
    function store(code) {
        try {
            window.localStorage.setItem(storageKey, code);
        } catch {
            // Not kept; nothing to tell.
        }
    }

    // What the engine weighs to choose the page's language.
    function askedLanguage() {
        let address = null;
        try {
            address = new URLSearchParams(location.search).get('lang');
        } catch {
            // An address without a query.
        }
        const tags = navigator.languages?.length ? navigator.languages : [navigator.language];
        return [address ?? '', stored() ?? '', tags.map((tag) => String(tag ?? '').replace(/\n/g, ' ')).join('\n')];
    }

    function showLanguage(code, starting = false) {
        const texts = languages.texts[code];
        document.documentElement.lang = code;
        document.title = texts.title;
        document.querySelector('meta[name="description"]')?.setAttribute('content', texts.description);
        // Hosted, an app installed from the page is named in its language.
        document.querySelector('link[rel="manifest"]')?.setAttribute('href', `manifest.${code}.webmanifest`);
        for (const [id, caption] of Object.entries(texts.captions)) byId(id).textContent = caption;
        for (const [id, name] of Object.entries(texts.accessibleNames)) byId(id).setAttribute('aria-label', name);
        // The worksheet view's link back follows this script and its sheet's language.
        for (const [id, caption] of Object.entries(texts.panel.captions)) if (byId(id)) byId(id).textContent = caption;
        for (const [id, name] of Object.entries(texts.panel.accessibleNames)) byId(id).setAttribute('aria-label', name);
        for (const [id, tip] of Object.entries(texts.panel.tips)) byId(id).title = tip;
        // From its first line, where the caret and the view stand in the
        // page as written; a new value puts the caret at its end.
        Pole[0].value = texts.introduction;
        Pole[0].setSelectionRange(0, 0);
        // Not at the start, where nothing has scrolled it yet: asked then, it
        // would lay the page out inside the script's task.
        if (!starting) Pole[0].scrollTop = 0;
        if (!engine) Pole[4].value = texts.cannotLoad;
        byId('Languages').setAttribute('aria-label', texts.languageSwitch);
        // The worksheet view in the language the page speaks.
        byId('WorksheetLink').setAttribute('href', `?worksheet&lang=${encodeURIComponent(code)}`);
        for (const button of switchButtons) button.setAttribute('aria-pressed', String(button.lang === code));
    }

    // The choice kept for the next visit and in the page's address.
    function keep(code) {
        store(code);
        try {
            const address = new URL(location.href);
            if (address.searchParams.has('lang')) {
                address.searchParams.set('lang', code);
                history.replaceState(history.state, '', address);
            }
        } catch {
            // The address stays as it is.
        }
    }

    // A language chosen while the engine still loads; the engine, once
    // there, takes it instead of choosing one itself.
    let chosenEarly = null;

    // The engine decides what a new language changes; the page shows it, and
    // keeps the choice.
    function switchLanguage(code) {
        if (!engine) {
            chosenEarly = code;
            showLanguage(code);
            return;
        }
        const before = document.documentElement.lang;
        const view = command('language', code);
        if (view.language === before) return;
        showLanguage(view.language);
        keep(view.language);
    }

    for (const button of switchButtons) button.addEventListener('click', () => switchLanguage(button.lang));

    // The engine's rule for the language, as the build wrote it down, so
    // that the first frame is already in the language the engine will
    // choose: the first asked tag whose language has a catalogue, else the
    // fallback.
    function firstLanguage() {
        const { ends, otherwise } = languages.choice;
        const codes = Object.keys(languages.texts);
        const [address, kept, tags] = askedLanguage();
        for (const tag of [address, kept, ...tags.split('\n')]) {
            const end = Math.min(tag.length, ...[...ends].map((c) => tag.indexOf(c)).filter((at) => at >= 0));
            const language = tag.slice(0, end).replace(/[A-Z]/g, (c) => c.toLowerCase());
            const code = codes.find((c) => c.toLowerCase() === language);
            if (language && code) return code;
        }
        return otherwise;
    }
    // Shown even in the language the page was built in: a reload can bring
    // back the fields' values of the last visit, in its language.
    showLanguage(firstLanguage(), true);
    document.documentElement.classList.remove('opening');

    const started = () => Pole[4].classList.remove('starting');
    // The engine's start and the first view, each a task of its own, so
    // that neither holds the main thread long.
    const nextTask = (value) => new Promise((resolve) => setTimeout(() => resolve(value), 0));
    const ready = loadEngine().then(nextTask).then(
        (loaded) => {
            engine = loaded;
            const chosen = chosenEarly ?? engine.text('velmora_choose_language', ...askedLanguage());
            if (chosen !== document.documentElement.lang) showLanguage(chosen);
            if (chosenEarly) keep(chosenEarly);
            engine.text('velmora_command', 'language', document.documentElement.lang, '');
            earlyDraws.splice(0).forEach((r) => engine.number('velmora_queue_draw', r));
            wire();
            command('start');
            started();
            return true;
        },
        () => {
            // The message written into the transcript field stays.
            Buton.forEach((button) => (button.disabled = true));
            Sluch.disabled = true;
            started();
            return false;
        },
    );

    // For the page's tests: the transcript as the engine wrote it, and draws
    // of their choosing ahead of the engine's sequence.
    window.velmora = Object.freeze({
        ready,
        transcript: () => transcript ?? '',
        queueDraws: (draws) => {
            for (const r of draws) {
                if (engine) engine.number('velmora_queue_draw', r);
                else earlyDraws.push(r);
            }
        },
        // The teacher's worksheet as JSON (velmora_worksheet), once ready.
        worksheet: (query, language, fresh) => (engine ? (setSeparator(), JSON.parse(engine.text('velmora_worksheet', query, language, fresh >>> 0))) : null),
    });
})();

// ---- the teacher's worksheet ------------------------------------------------
// With ?worksheet in its address the page is a printable worksheet instead of
// the window: a form of the command line's options, which it keeps in the
// address so that the link gives the same sheet again, and the sheet the
// engine writes, set as pages. Every choice is checked and every line
// written by the engine.
(() => {
    const query = () => location.search.replace(/^\?/, '');
    if (!/^(?:.*&)?worksheet(?:[=&]|$)/.test(query())) return;
    document.documentElement.classList.add('worksheet-view');
    // The view's elements follow this script in the page.
    const parsed = new Promise((done) => {
        if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', done, { once: true });
        else done();
    });
    Promise.all([window.velmora.ready, parsed]).then(([ok]) => {
        if (ok) start();
    });
    function start() {
        const byId = (id) => document.getElementById(id);
        const view = byId('Worksheet');
        const form = byId('SheetForm');
        const sheet = byId('Sheet');
        const problem = byId('SheetProblem');
        const solverLink = byId('SolverLink');
        const pageTexts = JSON.parse(byId('texts').textContent).texts;
        const field = (name) => form.elements.namedItem(name);
        const fresh = () => crypto.getRandomValues(new Uint32Array(1))[0];
        let pageRule = null;

        // The choices by the options' names, in the form's order, flags last
        // and by name alone; an empty code is one to draw, as on the
        // command line.
        function formQuery() {
            const fields = [...form.elements].filter((f) => f.name);
            const values = fields.filter((f) => f.type !== 'checkbox' && f.value.trim()).map((f) => `${f.name}=${encodeURIComponent(f.value.trim())}`);
            const flags = fields.filter((f) => f.type === 'checkbox' && f.checked).map((f) => f.name);
            return ['worksheet', ...values, ...flags].join('&');
        }

        function setAddress(search) {
            try {
                const address = new URL(location.href);
                address.search = `?${search}`;
                history.replaceState(history.state, '', address);
            } catch {
                // The address stays; the sheet is shown all the same.
            }
        }

        function fillOptions(select, entries) {
            const wanted = entries.map(([value, text]) => `${value}\t${text}`).join('\n');
            if (select.dataset.entries === wanted) return;
            select.dataset.entries = wanted;
            select.replaceChildren(...entries.map(([value, text]) => new Option(text, value)));
        }

        // The labels in the sheet's language, and the choices the engine read.
        function showForm(answer) {
            for (const [name, text] of Object.entries(answer.labels)) {
                const label = form.querySelector(`[data-label="${name}"]`);
                if (label) label.textContent = text;
            }
            for (const [name, entries] of Object.entries(answer.lists)) fillOptions(field(name), entries);
            for (const f of form.elements) {
                if (!f.name) continue;
                const value = answer.options[f.name] ?? '';
                if (f.type === 'checkbox') f.checked = value === '1';
                else f.value = value;
            }
        }

        // The sheet's lines as pages: a page break starts one; a key entry and
        // its lines stay together; a variant's table of answers is a table,
        // its headings and each row's number named for screen readers; the
        // pictures stand side by side.
        const tags = { title: 'h1', code: 'h2' };
        function tableRow(cells, tag, scope) {
            const row = document.createElement('tr');
            cells.forEach((text, k) => {
                const cell = document.createElement(k === 0 || tag === 'th' ? 'th' : tag);
                if (cell.tagName === 'TH') cell.scope = tag === 'th' ? 'col' : scope;
                cell.textContent = text;
                row.append(cell);
            });
            return row;
        }
        function showSheet(answer) {
            const pages = [];
            let page = null;
            let entry = null;
            let table = null;
            let pictures = null;
            const newPage = () => {
                page = document.createElement('article');
                page.className = 'sheet-page';
                pages.push(page);
                entry = null;
            };
            newPage();
            for (const { role, text, aside, cells, picture } of answer.lines) {
                if (role !== 'keyRow') table = null;
                if (role !== 'picture') pictures = null;
                if (role === 'pageBreak') {
                    newPage();
                    continue;
                }
                if (role === 'keyHeader') {
                    table = document.createElement('table');
                    table.className = 'sheet-table';
                    table.createTHead().append(tableRow(cells, 'th'));
                    table.append(document.createElement('tbody'));
                    page.append(table);
                    entry = null;
                    continue;
                }
                if (role === 'keyRow') {
                    table?.tBodies[0].append(tableRow(cells, 'td', 'row'));
                    continue;
                }
                if (role === 'picture') {
                    if (!pictures) {
                        pictures = document.createElement('div');
                        pictures.className = 'sheet-pictures';
                        page.append(pictures);
                    }
                    const figure = document.createElement('figure');
                    figure.className = 'sheet-picture';
                    const caption = document.createElement('figcaption');
                    caption.textContent = text;
                    // The engine's own SVG, its ids its own.
                    const holder = document.createElement('div');
                    holder.innerHTML = picture;
                    figure.append(caption, ...holder.childNodes);
                    pictures.append(figure);
                    entry = null;
                    continue;
                }
                const line = document.createElement(tags[role] ?? 'p');
                line.className = `sheet-${role}`;
                line.textContent = text;
                if (aside) {
                    const points = document.createElement('span');
                    points.className = 'sheet-aside';
                    points.textContent = ` ${aside}`;
                    line.append(points);
                }
                if (role === 'keyEquation') {
                    entry = document.createElement('div');
                    entry.className = 'sheet-entry';
                    page.append(entry);
                } else if (role !== 'keyLine' && role !== 'smallPrint') {
                    entry = null;
                }
                (entry ?? page).append(line);
            }
            sheet.replaceChildren(...pages);
            if (answer.space) sheet.style.setProperty('--sheet-space', `${answer.space}cm`);

            // The paper the sheet asks for, as the printer's page; the style
            // sheet has its margins.
            const styles = document.styleSheets[0];
            if (pageRule) styles.deleteRule([...styles.cssRules].indexOf(pageRule));
            pageRule = styles.cssRules[styles.insertRule(`@page { size: ${answer.paper}; }`, styles.cssRules.length)];
            sheet.dataset.paper = answer.paper;
        }

        function show(search, initial) {
            const answer = window.velmora.worksheet(search, document.documentElement.lang, fresh());
            document.documentElement.lang = answer.lang;
            document.title = answer.title;
            // The way back, named and leading to the solver in the view's language.
            solverLink.textContent = pageTexts[answer.lang]?.panel.captions.SolverLink ?? solverLink.textContent;
            solverLink.setAttribute('href', `?lang=${encodeURIComponent(answer.lang)}`);
            if (initial || answer.ok) showForm(answer);
            if (initial && !answer.ok) {
                // The values as the address had them, the refused one among them.
                for (const [name, value] of new URLSearchParams(search))
                    if (field(name) && field(name).type !== 'checkbox' && field(name).tagName === 'INPUT') field(name).value = value;
            }
            problem.textContent = answer.problem;
            problem.hidden = answer.ok;
            sheet.hidden = !answer.ok;
            if (answer.ok) {
                showSheet(answer);
                setAddress(formQuery());
            } else {
                setAddress(search);
            }
            view.dataset.state = answer.ok ? 'sheet' : 'problem';
            return answer;
        }

        view.hidden = false;
        form.addEventListener('submit', (event) => event.preventDefault());
        form.addEventListener('change', () => show(formQuery(), false));
        byId('SheetNewCode').addEventListener('click', () => {
            field('code').value = '';
            show(formQuery(), false);
        });
        byId('SheetPrint').addEventListener('click', () => window.print());
        show(query(), true);
    }
})();
