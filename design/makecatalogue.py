#!/usr/bin/env python3
"""Writes the compile-time catalogues from the gettext files in po/.

    makecatalogue.py headers PO_DIR OUT_DIR [LIST]
        checks every language of PO_DIR/LINGUAS against en.po and writes
        OUT_DIR/languages/<code>.h (one constexpr Catalogue each),
        OUT_DIR/catalogues.h (all of them) and OUT_DIR/cataloguefields.h
        (every phrase by its dotted name); a file whose text is unchanged is
        left alone, so that nothing is compiled again for nothing. LIST, if
        given, gets the languages' codes, written last
    makecatalogue.py template PO_DIR OUT_POT
        writes the template translators start from, en.po without its texts
    makecatalogue.py plain PO_DIR OUT_DIR
        writes OUT_DIR/CODE.po with the messages that have no msgctxt (the
        desktop entry's, the metainfo's and the manual page's) and
        OUT_DIR/LINGUAS, every language but English, for msgfmt --desktop,
        msgfmt --xml and po4a, which look messages up by msgid alone

Each message's msgctxt is its dotted name in Catalogue (catalogue.h), which
the generated initialisers follow, so the compiler holds en.po to the
schema: a name it does not know, a member left out or a plural message
where a single one belongs fails the build there, at the po file's line.
Every other language is held to en.po here. Standard library only.
"""

import os
import re
import sys

REFERENCE = 'en'
# Arabic has six; the Catalogue keeps room for that many.
MAX_PLURAL_FORMS = 6
PLACEHOLDER = re.compile(r'\{([A-Za-z][A-Za-z0-9]*)\}')


class PoError(Exception):
    def __init__(self, path, line, problem):
        where = f'{path}:{line}' if line else path
        super().__init__(f'{where}: {problem}')


class Entry:
    def __init__(self, line):
        self.line = line
        self.context = None
        self.msgid = None
        self.plural = None  # msgid_plural
        self.strings = {}  # msgstr, or msgstr[n] by n
        self.flags = set()
        self.comments = []  # the #. lines, for translators

    @property
    def key(self):
        return self.context


# --- Reading po files --------------------------------------------------------

ESCAPES = {'n': '\n', 't': '\t', 'r': '\r', '"': '"', '\\': '\\', 'a': '\a', 'b': '\b',
           'f': '\f', 'v': '\v'}


def unquote(text, path, line):
    if len(text) < 2 or text[0] != '"' or text[-1] != '"':
        raise PoError(path, line, f'a string in double quotes expected, not {text}')
    out = []
    body = text[1:-1]
    i = 0
    while i < len(body):
        c = body[i]
        if c == '\\':
            if i + 1 >= len(body) or body[i + 1] not in ESCAPES:
                raise PoError(path, line, f'an unknown escape in {text}')
            out.append(ESCAPES[body[i + 1]])
            i += 2
        elif c == '"':
            raise PoError(path, line, f'an unescaped double quote in {text}')
        else:
            out.append(c)
            i += 1
    return ''.join(out)


def read_po(path):
    """The header's fields and the entries of one po file, in order."""
    try:
        with open(path, encoding='utf-8') as f:
            lines = f.read().split('\n')
    except UnicodeDecodeError as error:
        raise PoError(path, 0, f'not UTF-8 ({error})')
    except OSError as error:
        raise PoError(path, 0, f'cannot be read ({error.strerror})')

    entries = []
    entry = None
    field = None  # where a continued string goes: ('msgid',) or ('msgstr', n)
    pending_flags, pending_comments, pending_line = set(), [], None

    def finish():
        nonlocal entry
        if entry is not None:
            if entry.msgid is None or not entry.strings:
                raise PoError(path, entry.line, 'an entry without msgid or msgstr')
            entries.append(entry)
        entry = None

    def put(target, value):
        kind = target[0]
        if kind == 'msgstr':
            entry.strings[target[1]] = entry.strings.get(target[1], '') + value
        else:
            setattr(entry, kind, getattr(entry, kind) + value)

    for number, raw in enumerate(lines, 1):
        text = raw.strip()
        if not text:
            continue
        if text.startswith('#~'):
            continue  # obsolete, as msgmerge keeps it
        if text.startswith('#'):
            if entry is not None and entry.strings:
                finish()
            if pending_line is None:
                pending_line = number
            if text.startswith('#,'):
                pending_flags |= {flag.strip() for flag in text[2:].split(',') if flag.strip()}
            elif text.startswith('#.'):
                pending_comments.append(text[2:].strip())
            continue
        keyword, _, rest = text.partition(' ')
        rest = rest.strip()
        if text.startswith('"'):
            if entry is None or field is None:
                raise PoError(path, number, 'a string that continues nothing')
            put(field, unquote(text, path, number))
            continue
        if keyword in ('msgctxt', 'msgid') and (entry is None or entry.strings):
            finish()
            entry = Entry(pending_line or number)
            entry.flags, entry.comments = pending_flags, pending_comments
            pending_flags, pending_comments, pending_line = set(), [], None
        if entry is None:
            raise PoError(path, number, f'"{keyword}" before any msgid')
        if keyword == 'msgctxt':
            if entry.context is not None or entry.msgid is not None:
                raise PoError(path, number, 'msgctxt out of place')
            entry.context = unquote(rest, path, number)
            field = ('context',)
        elif keyword == 'msgid':
            if entry.msgid is not None:
                raise PoError(path, number, 'a second msgid in one entry')
            entry.msgid = unquote(rest, path, number)
            field = ('msgid',)
        elif keyword == 'msgid_plural':
            if entry.msgid is None or entry.plural is not None:
                raise PoError(path, number, 'msgid_plural out of place')
            entry.plural = unquote(rest, path, number)
            field = ('plural',)
        elif keyword == 'msgstr' or re.fullmatch(r'msgstr\[\d+\]', keyword):
            if entry.msgid is None:
                raise PoError(path, number, 'msgstr before msgid')
            form = None if keyword == 'msgstr' else int(keyword[7:-1])
            if (form is None) != (entry.plural is None):
                raise PoError(path, number, 'msgstr[n] belongs with msgid_plural, and msgstr '
                              'without it')
            if form in entry.strings:
                raise PoError(path, number, f'{keyword} twice')
            entry.strings[form] = unquote(rest, path, number)
            field = ('msgstr', form)
        else:
            raise PoError(path, number, f'unknown keyword "{keyword}"')
    finish()

    if not entries or entries[0].msgid != '' or entries[0].context is not None:
        raise PoError(path, 1, 'no header (the first entry, msgid "")')
    header = {}
    for line in entries[0].strings.get(None, '').split('\n'):
        name, colon, value = line.partition(':')
        if colon:
            header[name.strip()] = value.strip()
    return header, entries[0], entries[1:]


# --- Plural rules ------------------------------------------------------------

TOKEN = re.compile(r'\s*(?:(\d+)|(n)|(\|\||&&|==|!=|<=|>=|[-+*/%<>!?:()]))')
BINARY = [['||'], ['&&'], ['==', '!='], ['<', '>', '<=', '>='], ['+', '-'], ['*', '/', '%']]


def parse_plural(expression, path, line):
    """The expression of Plural-Forms as a tree, read as C reads it."""
    tokens, at = [], 0
    expression = expression.strip()
    while at < len(expression):
        match = TOKEN.match(expression, at)
        if not match or match.end() == at:
            raise PoError(path, line, f'Plural-Forms: cannot read "{expression[at:]}"')
        tokens.append(match.group(1) or match.group(2) or match.group(3))
        at = match.end()
    position = [0]

    def peek():
        return tokens[position[0]] if position[0] < len(tokens) else None

    def take(expected=None):
        token = peek()
        if token is None or (expected and token != expected):
            raise PoError(path, line, f'Plural-Forms: "{expected or "more"}" expected in '
                          f'"{expression}"')
        position[0] += 1
        return token

    def conditional():
        condition = binary(0)
        if peek() == '?':
            take('?')
            yes = conditional()
            take(':')
            return ('?', condition, yes, conditional())
        return condition

    def binary(level):
        if level == len(BINARY):
            return unary()
        left = binary(level + 1)
        while peek() in BINARY[level]:
            operator = take()
            left = (operator, left, binary(level + 1))
        return left

    def unary():
        token = take()
        if token == '!':
            return ('!', unary())
        if token == '(':
            inner = conditional()
            take(')')
            return inner
        if token == 'n':
            return ('n',)
        if token.isdigit():
            return ('number', int(token))
        raise PoError(path, line, f'Plural-Forms: "{token}" out of place in "{expression}"')

    tree = conditional()
    if peek() is not None:
        raise PoError(path, line, f'Plural-Forms: "{peek()}" out of place in "{expression}"')
    return tree


def evaluate(tree, n):
    kind = tree[0]
    if kind == 'n':
        return n
    if kind == 'number':
        return tree[1]
    if kind == '!':
        return int(not evaluate(tree[1], n))
    if kind == '?':
        return evaluate(tree[2], n) if evaluate(tree[1], n) else evaluate(tree[3], n)
    a, b = evaluate(tree[1], n), evaluate(tree[2], n)
    if kind in ('/', '%') and b == 0:
        raise ZeroDivisionError
    return {'||': lambda: int(bool(a or b)), '&&': lambda: int(bool(a and b)),
            '==': lambda: int(a == b), '!=': lambda: int(a != b), '<': lambda: int(a < b),
            '>': lambda: int(a > b), '<=': lambda: int(a <= b), '>=': lambda: int(a >= b),
            '+': lambda: a + b, '-': lambda: a - b, '*': lambda: a * b, '/': lambda: a // b,
            '%': lambda: a % b}[kind]()


def as_cpp(tree):
    """The same expression in C++, every operation in parentheses."""
    kind = tree[0]
    if kind == 'n':
        return 'n'
    if kind == 'number':
        return f'{tree[1]}u'
    if kind == '!':
        return f'(!{as_cpp(tree[1])})'
    if kind == '?':
        return f'({as_cpp(tree[1])} ? {as_cpp(tree[2])} : {as_cpp(tree[3])})'
    return f'({as_cpp(tree[1])} {kind} {as_cpp(tree[2])})'


class Language:
    def __init__(self, code, path):
        self.code, self.path = code, path
        self.header, header_entry, entries = read_po(path)
        self.header_line = header_entry.line
        self.entries = {}
        # The desktop entry's, the metainfo's and the manual page's texts have
        # no msgctxt: msgfmt --desktop and --xml and po4a look them up by
        # their msgid alone.
        self.plain = {}
        for entry in entries:
            if entry.context is None:
                if entry.msgid in self.plain:
                    raise PoError(path, entry.line, f'msgid "{entry.msgid[:40]}" a second time')
                self.plain[entry.msgid] = entry
                continue
            if entry.context in self.entries:
                raise PoError(path, entry.line, f'{entry.context}: a second time (first at '
                              f'line {self.entries[entry.context].line})')
            self.entries[entry.context] = entry
        self.order = [entry.context for entry in entries if entry.context is not None]

        language = self.header.get('Language')
        if language != code:
            raise PoError(path, self.header_line, f'the header says Language: {language}, the '
                          f'file and po/LINGUAS say {code}')
        content = self.header.get('Content-Type', '')
        if 'charset=UTF-8' not in content.replace('utf-8', 'UTF-8'):
            raise PoError(path, self.header_line, 'Content-Type must name charset=UTF-8')
        forms = self.header.get('Plural-Forms')
        match = re.fullmatch(r'nplurals\s*=\s*(\d+)\s*;\s*plural\s*=\s*(.+?)\s*;?', forms or '')
        if not match:
            raise PoError(path, self.header_line, 'no Plural-Forms: nplurals=N; plural=EXPRESSION;'
                          ' in the header')
        self.plural_forms = forms
        self.nplurals = int(match.group(1))
        if not 1 <= self.nplurals <= MAX_PLURAL_FORMS:
            raise PoError(path, self.header_line, f'Plural-Forms: nplurals={self.nplurals}, not '
                          f'from 1 to {MAX_PLURAL_FORMS}')
        self.rule = parse_plural(match.group(2), path, self.header_line)
        seen = set()
        for n in list(range(0, 1001)) + [10 ** k + d for k in range(3, 19) for d in range(0, 25)]:
            try:
                form = evaluate(self.rule, n)
            except ZeroDivisionError:
                raise PoError(path, self.header_line, f'Plural-Forms: divides by zero for n = {n}')
            if not 0 <= form < self.nplurals:
                raise PoError(path, self.header_line, f'Plural-Forms: form {form} for n = {n}, '
                              f'but nplurals={self.nplurals}')
            seen.add(form)
        if len(seen) != self.nplurals:
            raise PoError(path, self.header_line, f'Plural-Forms: nplurals={self.nplurals}, but '
                          f'only {len(seen)} forms are ever chosen')

    def where(self, key):
        return self.entries[key].line


def read_languages(po_dir):
    linguas = os.path.join(po_dir, 'LINGUAS')
    try:
        with open(linguas, encoding='utf-8') as f:
            codes = [code for line in f for code in line.split('#')[0].split()]
    except OSError as error:
        raise PoError(linguas, 0, f'cannot be read ({error.strerror})')
    for code in codes:
        if not re.fullmatch(r'[a-z]{2,3}(_[A-Z]{2})?', code):
            raise PoError(linguas, 0, f'"{code}" is no language code (as uk or pt_BR)')
    if len(set(codes)) != len(codes):
        raise PoError(linguas, 0, 'a language listed twice')
    if REFERENCE not in codes:
        raise PoError(linguas, 0, f'{REFERENCE}, whose texts are every msgid, is not listed')
    languages = [Language(code, os.path.join(po_dir, code + '.po')) for code in codes]
    listed = set(codes)
    for name in sorted(os.listdir(po_dir)):
        if name.endswith('.po') and name[:-3] not in listed:
            raise PoError(os.path.join(po_dir, name), 0, f'{name[:-3]} is not in po/LINGUAS')
    return languages


# --- Holding each language to the reference -----------------------------------

def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def check(reference, languages):
    """Every problem of every file, reference first; an empty list if none."""
    problems = []

    def problem(language, key, text):
        line = language.where(key) if key in language.entries else language.header_line
        problems.append(f'{language.path}:{line}: {key}: {text}')

    for language in [reference] + [l for l in languages if l is not reference]:
        for key in language.order:
            entry = language.entries[key]
            if 'fuzzy' in entry.flags:
                problem(language, key, 'marked fuzzy: check the translation, then remove '
                        '"#, fuzzy"')
            if not re.fullmatch(r'[A-Za-z][A-Za-z0-9]*(\.[A-Za-z][A-Za-z0-9]*)*', key):
                problem(language, key, 'not a dotted name such as transcript.gcd.between')
            model = reference.entries.get(key)
            if model is None:
                problem(language, key, f'no such message in {reference.path}')
                continue
            if language is reference:
                forms = [entry.msgid] if entry.plural is None else [entry.msgid, entry.plural]
                if entry.plural is None and entry.strings.get(None) != entry.msgid:
                    problem(language, key, 'msgstr differs from msgid: in en.po both are the '
                            'English text')
                if entry.plural is not None and [entry.strings.get(i) for i in range(2)] != forms:
                    problem(language, key, 'msgstr[0] and msgstr[1] differ from msgid and '
                            'msgid_plural: in en.po they are the English text')
                if entry.plural is not None and placeholders(entry.msgid) != placeholders(
                        entry.plural):
                    problem(language, key, 'msgid and msgid_plural name different placeholders')
            if entry.msgid != model.msgid or entry.plural != model.plural:
                problem(language, key, f'msgid differs from {reference.path}: the English text '
                        'changed; translate it anew (msgmerge --update ' + language.path +
                        ' po/velmora.pot marks it fuzzy)')
                continue
            expected = placeholders(model.plural if model.plural is not None else model.msgid)
            if model.plural is None:
                strings = [(None, entry.strings.get(None))]
            else:
                count = language.nplurals if language is not reference else 2
                if sorted(entry.strings) != list(range(count)):
                    problem(language, key, f'{len(entry.strings)} plural forms, but its '
                            f'Plural-Forms has nplurals={count}')
                    continue
                strings = sorted(entry.strings.items())
            for form, text in strings:
                name = 'msgstr' if form is None else f'msgstr[{form}]'
                if not text and model.msgid:
                    problem(language, key, f'{name} is empty: not translated')
                elif model.msgid == '' and text:
                    problem(language, key, f'{name} must stay empty, as its msgid is')
                elif placeholders(text) != expected:
                    problem(language, key, f'{name} has the placeholders '
                            f'{{{", ".join(placeholders(text))}}}, the English text '
                            f'{{{", ".join(expected)}}}')
        for key in reference.order:
            if key not in language.entries:
                problem(language, key, f'missing: {reference.path} has it at line '
                        f'{reference.where(key)}')
        for msgid, entry in language.plain.items():
            name = f'msgid "{msgid[:50]}"'
            where = f'{language.path}:{entry.line}: (no msgctxt)'
            if msgid not in reference.plain:
                problems.append(f'{where} {name}: not in {reference.path}, which follows the '
                                'templates in packaging/ and man/velmora.1')
            elif 'fuzzy' in entry.flags:
                problems.append(f'{where} {name}: marked fuzzy: check the translation, then '
                                'remove "#, fuzzy"')
            elif entry.plural is not None or not entry.strings.get(None):
                problems.append(f'{where} {name}: not translated')
            elif language is reference and entry.strings[None] != msgid:
                problems.append(f'{where} {name}: msgstr differs from msgid: in en.po both are '
                                'the English text')
        for msgid, entry in reference.plain.items():
            if msgid not in language.plain:
                problems.append(f'{language.path}: (no msgctxt) msgid "{msgid[:50]}": missing: '
                                f'{reference.path} has it at line {entry.line}')
    return problems


# --- Writing the catalogues ----------------------------------------------------

def literal(text):
    out = ['"']
    for c in text:
        out.append({'\\': '\\\\', '"': '\\"', '\n': '\\n', '\r': '\\r', '\t': '\\t'}.get(c, c))
    out.append('"')
    return ''.join(out)


def tree_of(keys):
    """The dotted names as nested members, each level in the order first met."""
    root = {}
    for key in keys:
        node = root
        parts = key.split('.')
        for part in parts[:-1]:
            node = node.setdefault(part, {})
            if not isinstance(node, dict):
                raise ValueError(key)
        if parts[-1] in node:
            raise ValueError(key)
        node[parts[-1]] = key
    return root


def language_header(language, reference):
    code = language.code
    out = [f'#pragma once', '',
           f'// Written by the build from {language.path}: edit that file, not this one.', '',
           '#include "catalogue.h"', '', '#include <array>', '#include <cstdint>',
           '#include <string_view>', '', 'namespace languages {', '',
           f'// {language.plural_forms}',
           f'constexpr std::size_t {code}PluralForm(std::uint64_t n)',
           '{', f'    return static_cast<std::size_t>({as_cpp(language.rule)});', '}', '']
    paragraphs = language.entries['introduction'].strings[None].split('\n')
    out.append(f'#line {language.where("introduction")} "{language.path}"')
    out.append(f'inline constexpr std::array<std::string_view, {len(paragraphs)}> '
               f'{code}Introduction = {{')
    out += [f'    {literal(p)},' for p in paragraphs]
    out += ['};', '']

    def value(key):
        entry = language.entries[key]
        if key == 'introduction':
            return f'{code}Introduction'
        if entry.plural is None:
            return literal(entry.strings[None])
        forms = ', '.join(literal(entry.strings[i]) for i in range(len(entry.strings)))
        return f'PluralPhrase{{&{code}PluralForm, {len(entry.strings)}, {{{forms}}}}}'

    def members(node, depth):
        lines = []
        indent = '    ' * depth
        for name, child in node.items():
            if isinstance(child, dict):
                lines.append(f'{indent}.{name} = {{')
                lines += members(child, depth + 1)
                lines.append(f'{indent}}},')
            else:
                lines.append(f'#line {language.where(child)} "{language.path}"')
                lines.append(f'{indent}.{name} = {value(child)},')
        return lines

    out.append(f'inline constexpr Catalogue {code} = {{')
    out.append(f'    .code = {literal(code)},')
    out.append(f'    .pluralForms = {literal(language.plural_forms)},')
    out += members(tree_of(reference.order), 1)
    out += ['};', '', '} // namespace languages', '']
    return '\n'.join(out)


def catalogues_header(languages):
    out = ['#pragma once', '', '// Written by the build from po/LINGUAS.', '',
           '#include "catalogue.h"', '']
    out += [f'#include "languages/{l.code}.h"' for l in languages]
    out += ['', '// Every language, in the order of po/LINGUAS.',
            f'inline constexpr std::array<const Catalogue *, {len(languages)}> Catalogues = {{']
    out += [f'    &languages::{l.code},' for l in languages]
    out += ['};', '']
    return '\n'.join(out)


def fields_header(reference):
    phrases = [k for k in reference.order
               if k != 'introduction' and reference.entries[k].plural is None]
    plurals = [k for k in reference.order if reference.entries[k].plural is not None]
    out = ['#pragma once', '',
           f'// Written by the build from {reference.path}: every message by its dotted name',
           '// ("transcript.gcd.between"), for whatever reads catalogues as data: the page\'s',
           '// generator and the tests. The introduction\'s paragraphs are no phrases.', '',
           '#include "catalogue.h"', '', '#include <string>', '',
           'template <typename Visit> void ForEachPhrase(const Catalogue &catalogue, Visit &&visit)',
           '{', '    visit(std::string("code"), catalogue.code);']
    out += [f'    visit(std::string({literal(k)}), catalogue.{k});' for k in phrases]
    out += ['}', '',
            '// The messages whose words follow a number, each with all its forms.',
            'template <typename Visit> void ForEachPlural(const Catalogue &catalogue, Visit &&visit)',
            '{']
    out += [f'    visit(std::string({literal(k)}), catalogue.{k});' for k in plurals]
    if not plurals:
        out.append('    (void)catalogue, (void)visit;')
    out += ['}', '']
    return '\n'.join(out)


def write_if_changed(path, text):
    try:
        with open(path, encoding='utf-8') as f:
            if f.read() == text:
                return
    except OSError:
        pass
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'w', encoding='utf-8') as f:
        f.write(text)


def po_string(text):
    escaped = text.replace('\\', '\\\\').replace('"', '\\"').replace('\t', '\\t')
    lines = escaped.split('\n')
    pieces = [line + '\\n' for line in lines[:-1]] + ([lines[-1]] if lines[-1] else [])
    if len(pieces) <= 1:
        return f'"{pieces[0] if pieces else ""}"'
    return '""\n' + '\n'.join(f'"{piece}"' for piece in pieces)


def template(reference):
    out = ['# The texts of Velmora, for translators: copy this file to po/CODE.po with',
           '# msginit, translate every msgstr and add CODE to po/LINGUAS (see the README).',
           '# Written from po/en.po by scripts/update-po.sh; do not edit it by hand.',
           '#, fuzzy', 'msgid ""', 'msgstr ""', '"Project-Id-Version: velmora\\n"',
           '"Report-Msgid-Bugs-To: \\n"', '"PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE\\n"',
           '"Last-Translator: FULL NAME <EMAIL@ADDRESS>\\n"',
           '"Language-Team: LANGUAGE <LL@li.org>\\n"', '"Language: \\n"',
           '"MIME-Version: 1.0\\n"', '"Content-Type: text/plain; charset=UTF-8\\n"',
           '"Content-Transfer-Encoding: 8bit\\n"',
           '"Plural-Forms: nplurals=INTEGER; plural=EXPRESSION;\\n"']
    for entry in [reference.entries[key] for key in reference.order] + list(
            reference.plain.values()):
        out.append('')
        out += [f'#. {comment}' for comment in entry.comments]
        if entry.context is not None:
            out.append(f'msgctxt {po_string(entry.context)}')
        out.append(f'msgid {po_string(entry.msgid)}')
        if entry.plural is None:
            out.append('msgstr ""')
        else:
            out.append(f'msgid_plural {po_string(entry.plural)}')
            out += ['msgstr[0] ""', 'msgstr[1] ""']
    return '\n'.join(out) + '\n'


def plain_po(language):
    """The messages without msgctxt, for the tools that know none."""
    out = ['msgid ""', 'msgstr ""', f'"Language: {language.code}\\n"',
           '"MIME-Version: 1.0\\n"', '"Content-Type: text/plain; charset=UTF-8\\n"',
           '"Content-Transfer-Encoding: 8bit\\n"', f'"Plural-Forms: {language.plural_forms}\\n"']
    for msgid, entry in language.plain.items():
        out += ['', f'msgid {po_string(msgid)}', f'msgstr {po_string(entry.strings[None])}']
    return '\n'.join(out) + '\n'


def main(argv):
    if len(argv) not in (4, 5) or argv[1] not in ('headers', 'template', 'plain') or (
            argv[1] != 'headers' and len(argv) != 4):
        sys.stderr.write(__doc__)
        return 2
    try:
        po_dir = argv[2]
        languages = read_languages(po_dir)
        reference = next(l for l in languages if l.code == REFERENCE)
        # The template needs only English; the others follow it by msgmerge.
        problems = check(reference, [reference] if argv[1] == 'template' else languages)
        if problems:
            for line in problems:
                sys.stderr.write(f'{line}\n')
            sys.stderr.write(f'makecatalogue: {len(problems)} problems in {po_dir}\n')
            return 1
        if argv[1] == 'template':
            write_if_changed(argv[3], template(reference))
            return 0
        if argv[1] == 'plain':
            others = [l for l in languages if l is not reference]
            for language in others:
                write_if_changed(os.path.join(argv[3], language.code + '.po'), plain_po(language))
            write_if_changed(os.path.join(argv[3], 'LINGUAS'),
                             ' '.join(l.code for l in others) + '\n')
            return 0
        out = argv[3]
        try:
            tree_of(reference.order)
        except ValueError as error:
            raise PoError(reference.path, reference.where(str(error)),
                          f'{error}: a name that is also the start of another')
        for language in languages:
            write_if_changed(os.path.join(out, 'languages', language.code + '.h'),
                             language_header(language, reference))
        write_if_changed(os.path.join(out, 'catalogues.h'), catalogues_header(languages))
        write_if_changed(os.path.join(out, 'cataloguefields.h'), fields_header(reference))
        if len(argv) == 5:
            with open(argv[4], 'w', encoding='utf-8') as f:
                f.write(' '.join(l.code for l in languages) + '\n')
    except PoError as error:
        sys.stderr.write(f'{error}\n')
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
