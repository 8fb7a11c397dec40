#!/usr/bin/env python3
"""The catalogue generator refuses every fault a translator can make, naming
the file, the line and the message, and writes the catalogues of a sound po/.

usage: makecatalogue_test.py PO_DIR GENERATOR
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

PO_DIR, GENERATOR = sys.argv[1], sys.argv[2]
# A translation to damage, and the reference it is held to.
LANGUAGE = 'bg'


def replace(text, old, new):
    if old not in text:
        raise AssertionError(f'no {old!r} to damage')
    return text.replace(old, new, 1)


def entry(text, key):
    """The msgstr lines of the entry named `key`, as the file has them."""
    match = re.search(r'msgctxt "' + re.escape(key) + r'"\n(?:.*\n)*?(msgstr(?:\[\d\])? .*(?:\n".*")*)',
                      text)
    return match.group(1)


# Each row: what it breaks, how, and what the message must say.
FAULTS = [
    ('a message left out',
     lambda t: re.sub(r'msgctxt "worksheet\.nameLine"\n(?:.+\n)+\n', '', t),
     r'bg\.po:\d+: worksheet\.nameLine: missing'),
    ('a message the English has not',
     lambda t: t + '\nmsgctxt "worksheet.nameLines"\nmsgid "x"\nmsgstr "y"\n',
     r'bg\.po:\d+: worksheet\.nameLines: no such message'),
    ('a placeholder misspelt',
     lambda t: replace(t, 'msgstr "Вариант {code}"', 'msgstr "Вариант {cod}"'),
     r'bg\.po:\d+: worksheet\.variant: msgstr has the placeholders \{cod\}, the English text \{code\}'),
    ('a placeholder left out',
     lambda t: replace(t, 'msgstr "Вариант {code}"', 'msgstr "Вариант"'),
     r'bg\.po:\d+: worksheet\.variant: msgstr has the placeholders \{\}'),
    ('a plural form too many',
     lambda t: replace(t, 'msgstr[1] "{count} варианта"',
                       'msgstr[1] "{count} варианта"\nmsgstr[2] "{count} варианти"'),
     r'bg\.po:\d+: worksheet\.variants: 3 plural forms, but its Plural-Forms has nplurals=2'),
    ('a plural message as a single one',
     lambda t: replace(t, 'msgstr[0] "{count} вариант"\nmsgstr[1] "{count} варианта"',
                       'msgstr "{count} варианта"'),
     r'bg\.po:\d+: msgstr\[n\] belongs with msgid_plural'),
    ('a form without its number',
     lambda t: replace(t, 'msgstr[1] "{count} варианта"', 'msgstr[1] "варианта"'),
     r'bg\.po:\d+: worksheet\.variants: msgstr\[1\] has the placeholders'),
    ('a message not translated',
     lambda t: replace(t, 'msgstr "Вариант {code}"', 'msgstr ""'),
     r'bg\.po:\d+: worksheet\.variant: msgstr is empty: not translated'),
    ('a translation marked fuzzy',
     lambda t: replace(t, 'msgctxt "worksheet.variant"', '#, fuzzy\nmsgctxt "worksheet.variant"'),
     r'bg\.po:\d+: worksheet\.variant: marked fuzzy'),
    ('an English text changed under it',
     lambda t: replace(t, 'msgid "Variant {code}"', 'msgid "Variant no. {code}"'),
     r'bg\.po:\d+: worksheet\.variant: msgid differs from .*en\.po'),
    ('a string without its end',
     lambda t: replace(t, 'msgstr "Вариант {code}"', 'msgstr "Вариант {code}'),
     r'bg\.po:\d+: a string in double quotes expected'),
    ('an unknown escape',
     lambda t: replace(t, 'msgstr "Вариант {code}"', 'msgstr "Вариант \\q{code}"'),
     r'bg\.po:\d+: an unknown escape'),
    ('a message named twice',
     lambda t: t + '\nmsgctxt "worksheet.variant"\nmsgid "Variant {code}"\nmsgstr "Вариант {code}"\n',
     r'bg\.po:\d+: worksheet\.variant: a second time'),
    ('the wrong language in the header',
     lambda t: replace(t, '"Language: bg\\n"', '"Language: uk\\n"'),
     r'bg\.po:1: the header says Language: uk'),
    ('more forms than the rule chooses',
     lambda t: replace(t, 'nplurals=2; plural=(n != 1);', 'nplurals=3; plural=(n != 1);'),
     r'bg\.po:1: Plural-Forms: nplurals=3, but only 2 forms are ever chosen'),
    ('a rule that chooses no form',
     lambda t: replace(t, 'nplurals=2; plural=(n != 1);', 'nplurals=2; plural=(n + 1);'),
     r'bg\.po:1: Plural-Forms: form 2 for n = 1'),
    ('a rule that is not C',
     lambda t: replace(t, 'nplurals=2; plural=(n != 1);', 'nplurals=2; plural=(n != 1) ? 0;'),
     r'bg\.po:1: Plural-Forms: ":" expected'),
    ('a rule that would run code',
     lambda t: replace(t, 'nplurals=2; plural=(n != 1);', 'nplurals=2; plural=system(n);'),
     r'bg\.po:1: Plural-Forms: cannot read "system\(n\)'),
    ('a manual page text not translated',
     lambda t: re.sub(r'(msgid "NAME"\nmsgstr )".*"', r'\1""', t),
     r'bg\.po:\d+: \(no msgctxt\) msgid "NAME": not translated'),
]


class Generator(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.po = os.path.join(self.dir, 'po')
        shutil.copytree(PO_DIR, self.po)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def run_generator(self, *arguments):
        return subprocess.run([sys.executable, GENERATOR, *arguments], capture_output=True,
                              text=True)

    def test_refuses_every_fault_naming_file_line_and_message(self):
        path = os.path.join(self.po, LANGUAGE + '.po')
        with open(path, encoding='utf-8') as f:
            sound = f.read()
        for what, damage, expected in FAULTS:
            with self.subTest(what):
                with open(path, 'w', encoding='utf-8') as f:
                    f.write(damage(sound))
                out = os.path.join(self.dir, 'out')
                result = self.run_generator('headers', self.po, out)
                self.assertEqual(result.returncode, 1, result.stderr)
                self.assertRegex(result.stderr, expected)
                self.assertFalse(os.path.exists(os.path.join(out, 'catalogues.h')),
                                 'catalogues written from a faulty po file')

    def test_a_po_file_missing_from_linguas_or_a_listed_one_missing(self):
        shutil.copy(os.path.join(self.po, 'bg.po'), os.path.join(self.po, 'de.po'))
        result = self.run_generator('headers', self.po, os.path.join(self.dir, 'out'))
        self.assertEqual(result.returncode, 1)
        self.assertRegex(result.stderr, r'de\.po: de is not in po/LINGUAS')
        os.remove(os.path.join(self.po, 'de.po'))
        with open(os.path.join(self.po, 'LINGUAS'), 'a', encoding='utf-8') as f:
            f.write('de\n')
        result = self.run_generator('headers', self.po, os.path.join(self.dir, 'out'))
        self.assertEqual(result.returncode, 1)
        self.assertRegex(result.stderr, r'de\.po: cannot be read')

    def test_writes_one_catalogue_per_language_with_its_rule(self):
        out = os.path.join(self.dir, 'out')
        result = self.run_generator('headers', self.po, out, os.path.join(out, 'languages.txt'))
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(os.path.join(self.po, 'LINGUAS'), encoding='utf-8') as f:
            codes = [c for line in f for c in line.split('#')[0].split()]
        with open(os.path.join(out, 'languages.txt'), encoding='utf-8') as f:
            self.assertEqual(f.read().split(), codes)
        with open(os.path.join(out, 'catalogues.h'), encoding='utf-8') as f:
            listed = f.read()
        for code in codes:
            self.assertIn(f'&languages::{code},', listed)
            with open(os.path.join(out, 'languages', code + '.h'), encoding='utf-8') as f:
                header = f.read()
            self.assertIn(f'inline constexpr Catalogue {code} = {{', header)
            self.assertIn(f'constexpr std::size_t {code}PluralForm(std::uint64_t n)', header)
            # Every line of the catalogue points back into its po file.
            self.assertRegex(header, r'#line \d+ "[^"]*' + re.escape(code) + r'\.po"')


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
