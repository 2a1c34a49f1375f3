#!/usr/bin/env python3
"""What is left to translate, and a way to fill it in.

    tools/translations.py [--update] [LANG...]
        Lists, as tab-separated lines "LANG CONTEXT SOURCE FORMS", every
        message of res/translations/tidrel_LANG.ts that has no finished
        translation (English: only the plural forms of texts with %n), and
        every page of the user guide (res/shell/help/LANG/) that is missing
        or older than its English page. FORMS is the number of plural forms
        the message needs, 1 for a plain text. Exits with 1 when anything is
        left. --update first runs lupdate over src/, as the
        update_translations build target does, so that new texts of the
        sources are listed too.

    tools/translations.py --fill FILE
        Reads lines "LANG CONTEXT SOURCE TRANSLATION [FORM...]" (tabs between,
        "\\n" for a line break, one column per plural form) and writes the
        translations into the catalogues, marked finished, then runs
        lupdate as --update does.

A listing's line becomes a fill line when its count is replaced with the
translation (or with as many plural forms as the count says). Texts keep their placeholders (%1, %n) and their one
mnemonic (&). The guide pages are translated as whole files; a page's
<meta name="source-digest"> names the English page it was translated from.
"""

import glob
import hashlib
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CATALOGUES = os.path.join(ROOT, 'res', 'translations')
GUIDE = os.path.join(ROOT, 'res', 'shell', 'help')
# Plural forms of each language, as Qt counts them.
FORMS = {'en': 2, 'de': 2, 'fr': 2, 'es': 2, 'ru': 3, 'ar': 6}


def catalogue(language):
    return os.path.join(CATALOGUES, 'tidrel_%s.ts' % language)


def languages(wanted):
    found = sorted(re.match(r'tidrel_(\w+)\.ts$', os.path.basename(path)).group(1)
                   for path in glob.glob(os.path.join(CATALOGUES, 'tidrel_*.ts')))
    return [language for language in found if not wanted or language in wanted]


def escape(text):
    return text.replace('\\', '\\\\').replace('\n', '\\n').replace('\t', '\\t')


def unescape(text):
    return re.sub(r'\\(.)', lambda m: {'n': '\n', 't': '\t'}.get(m.group(1), m.group(1)), text)


def messages(tree):
    for context in tree.getroot().iter('context'):
        name = context.find('name').text or ''
        for message in context.iter('message'):
            yield name, message


def unfinished(language):
    tree = ET.parse(catalogue(language))
    for context, message in messages(tree):
        numerus = message.get('numerus') == 'yes'
        if language == 'en' and not numerus:
            continue
        translation = message.find('translation')
        texts = [form.text for form in translation.iter('numerusform')] if numerus else [translation.text]
        forms = FORMS.get(language, 2) if numerus else 1
        if translation.get('type') or len(texts) != forms or not all(texts):
            yield context, message.find('source').text, forms


def digest(path):
    with open(path, 'rb') as page:
        return hashlib.sha1(page.read()).hexdigest()


def staleGuidePages(language):
    if language == 'en':
        return
    for english in sorted(glob.glob(os.path.join(GUIDE, '*.html'))):
        translated = os.path.join(GUIDE, language, os.path.basename(english))
        if not os.path.exists(translated):
            yield os.path.basename(english), 'missing'
            continue
        with open(translated, encoding='utf-8') as page:
            found = re.search(r'<meta name="source-digest" content="(\w+)">', page.read())
        if not found or found.group(1) != digest(english):
            yield os.path.basename(english), 'older than the English page (its digest is %s)' % digest(english)


def update():
    # Debian keeps Qt 6's lupdate out of PATH.
    lupdate = shutil.which('lupdate') or '/usr/lib/qt6/bin/lupdate'
    subprocess.run([lupdate, '-recursive', '-locations', 'none', '-no-obsolete', '-extensions', 'cpp,h',
                    os.path.join(ROOT, 'src'), '-ts'] + [catalogue(language) for language in languages([])],
                   check=True, stdout=subprocess.DEVNULL)


def listing(wanted):
    left = 0
    for language in languages(wanted):
        for context, source, forms in unfinished(language):
            print('\t'.join([language, context, escape(source), str(forms)]))
            left += 1
        for page, why in staleGuidePages(language):
            print('\t'.join([language, 'guide', page, why]))
            left += 1
    print('%d left' % left, file=sys.stderr)
    return 1 if left else 0


def fill(path):
    rows = {}
    with open(path, encoding='utf-8') as lines:
        for line in lines:
            columns = line.rstrip('\n').split('\t')
            if len(columns) >= 4:
                language, context, source = columns[0], columns[1], unescape(columns[2])
                rows.setdefault(language, {})[(context, source)] = [unescape(c) for c in columns[3:]]
    for language, translations in rows.items():
        tree = ET.parse(catalogue(language))
        for context, message in messages(tree):
            found = translations.get((context, message.find('source').text))
            if not found:
                continue
            translation = message.find('translation')
            for child in list(translation):
                translation.remove(child)
            if message.get('numerus') == 'yes':
                translation.text = None
                for text in found:
                    ET.SubElement(translation, 'numerusform').text = text
            else:
                translation.text = found[0]
            translation.attrib.pop('type', None)
        with open(catalogue(language), 'w', encoding='utf-8') as out:
            out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
            out.write(ET.tostring(tree.getroot(), encoding='unicode'))
            out.write('\n')
    update()  # back in lupdate's own layout
    return 0


def main(arguments):
    if arguments[:1] == ['--fill'] and len(arguments) == 2:
        return fill(arguments[1])
    if arguments[:1] == ['--update']:
        update()
        arguments = arguments[1:]
    if any(argument.startswith('-') for argument in arguments):
        print(__doc__, file=sys.stderr)
        return 2
    return listing(arguments)


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
