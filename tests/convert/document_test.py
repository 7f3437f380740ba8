#!/usr/bin/env python3
"""The Word document kvizar-convert makes of a test, read by readers that share nothing with it.

Python's zipfile and xml.etree walk word/document.xml in order, paragraphs and table cells: each
group is the test in an order of its own (A as typed, no question at one number in two groups),
the key gives each question's right letter, the grading table's rates, verdicts and colours are a
table worked out by hand, and texts with markup characters, blanks, a tab and every line end read
back exactly. Every part parses (xmllint), its elements stand in the order Word's schema gives, the
ZIP passes unzip -t, and both converters write the same bytes every time. LibreOffice converts it
to PDF, and pdftotext reads it page by page: each group and the key begin a page, every Czech
letter comes out, and no page begins with an option cut off from its question. Wrong options and a
text no XML can carry are refused with nothing written.

    document_test.py --wine RUNNER [ARGS] --convert EXE --native-convert PROGRAM
    document_test.py --native-convert PROGRAM --pictures DIR      (the README's two pictures)
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
import zipfile

from convert_testing import check, outcome, write_test

W = "{http://schemas.openxmlformats.org/wordprocessingml/2006/main}"
CZECH = "áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"
NAME = "Fyzika & chemie – písemka"
# (texts, index of the right option): every text different, so that a question is known by its text.
TRICKY = [
    (["Co platí pro a & b < c > d?", '"uvozovky"', "'apostrof'", "a&amp;b", "<w:t>"], 0),
    (["  dvě mezery na začátku", "na konci  ", "uvnitř  dvě", "   ", "tab\tuvnitř"], 1),
    (["řádek 1\r\nřádek 2", "LF\nsám", "CR\rsám", "konec\r\n", "\ttab na začátku"], 2),
    (["Příliš žluťoučký kůň úpěl ďábelské ódy?", CZECH[:15], CZECH[15:], "€ „uvozovky“ – pomlčka", "D"], 3),
    (["Bez správné odpovědi (jen cizí soubor ji nemá)", "a", "b", "c", "d"], 4),
] + [(["Otázka číslo %d?" % n, "a%d" % n, "b%d" % n, "c%d" % n, "d%d" % n], n % 4) for n in range(6, 13)]
# Twelve questions: the rate of each number right, its verdict and whether it is green, worked out
# by hand (k / 12 x 100 to two places, a half up).
GRADING_12 = [
    ("12", "100.00 %", "Absolutní úspěšnost!!!", True), ("11", "91.67 %", "Výborně.....", True),
    ("10", "83.33 %", "Výborně.....", True), ("9", "75.00 %", "Docela dobré.....", True),
    ("8", "66.67 %", "Docela dobré.....", True), ("7", "58.33 %", "Průměrný výsledek.....", True),
    ("6", "50.00 %", "Průměrný výsledek.....", True), ("5", "41.67 %", "Průměrný výsledek.....", False),
    ("4", "33.33 %", "Je to bída.....!", False), ("3", "25.00 %", "Je to bída.....!", False),
    ("2", "16.67 %", "Hrůza.....!", False), ("1", "8.33 %", "Hrůza.....!", False),
    ("0", "0.00 %", "Hrůza.....!", False),
]
# 101 questions: only the fewest right answers that reach each band and 50 %, with all and none.
GRADING_101 = [
    ("101", "100.00 %", "Absolutní úspěšnost!!!", True), ("81", "80.20 %", "Výborně.....", True),
    ("61", "60.40 %", "Docela dobré.....", True), ("51", "50.50 %", "Průměrný výsledek.....", True),
    ("41", "40.59 %", "Průměrný výsledek.....", False), ("21", "20.79 %", "Je to bída.....!", False),
    ("0", "0.00 %", "Hrůza.....!", False),
]
GREEN, RED = "008000", "FF0000"
# The children each element may have, in the order of the ECMA-376 schema's sequences.
SEQUENCES = {
    "pPr": "pStyle keepNext keepLines pageBreakBefore widowControl numPr pBdr shd tabs spacing ind jc "
           "outlineLvl rPr",
    "rPr": "rStyle rFonts b bCs i iCs caps color spacing w kern position sz szCs highlight u lang",
    "sectPr": "headerReference footerReference footnotePr endnotePr type pgSz pgMar paperSrc pgBorders "
              "lnNumType pgNumType cols titlePg docGrid",
    "tbl": "tblPr tblGrid tr",
    "tblPr": "tblStyle tblW jc tblCellSpacing tblInd tblBorders shd tblLayout tblCellMar tblLook",
    "tblBorders": "top left bottom right insideH insideV",
    "tblCellMar": "top left bottom right",
    "tr": "trPr tc",
    "tc": "tcPr p",
    "tcPr": "cnfStyle tcW gridSpan vMerge tcBorders shd noWrap tcMar textDirection tcFitText vAlign",
    "styles": "docDefaults latentStyles style",
    "style": "name aliases basedOn next link uiPriority semiHidden unhideWhenUsed qFormat pPr rPr tblPr trPr tcPr",
    "settings": "zoom proofState defaultTabStop autoHyphenation characterSpacingControl compat rsids "
                "themeFontLang decimalSymbol listSeparator",
}

def run(command, folder, *arguments):
    return subprocess.run(command + list(arguments), cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                          timeout=300)


def make_document(command, folder, name, *options):
    result = run(command, folder, name + ".tst", name + ".docx", "--force", *options)
    check(result.returncode == 0, "%s: converted (%r)" % (name, result.stderr))
    with open(os.path.join(folder, name + ".docx"), "rb") as file:
        return file.read()


def runs_text(paragraph):
    """A paragraph's text as a reader shows it: w:tab a tab, w:br a line end."""
    text = ""
    for run in paragraph.findall(W + "r"):
        for node in run:
            if node.tag == W + "t":
                text += node.text or ""
            elif node.tag == W + "tab":
                text += "\t"
            elif node.tag == W + "br":
                text += "\n"
    return text


def properties(paragraph):
    pPr = paragraph.find(W + "pPr")
    return [] if pPr is None else [child.tag[len(W):] for child in pPr]


def body_of(docx):
    """The body in order: ("p", text, element) and ("tbl", rows of cell texts, element)."""
    with zipfile.ZipFile(docx) as package:
        root = ElementTree.fromstring(package.read("word/document.xml"))
    items = []
    for child in root.find(W + "body"):
        if child.tag == W + "p":
            items.append(("p", runs_text(child), child))
        elif child.tag == W + "tbl":
            rows = [[runs_text(cell.find(W + "p")) if cell.find(W + "p") is not None else None
                     for cell in row.findall(W + "tc")] for row in child.findall(W + "tr")]
            items.append(("tbl", rows, child))
        else:
            items.append((child.tag[len(W):], None, child))
    return items


def line_ends_as_read(text):
    return text.replace("\r\n", "\n").replace("\r", "\n")


def check_sheets(items, questions, groups, name):
    """Reads each group's sheet off the body and returns the orders, as indexes of the test."""
    by_text = {line_ends_as_read(texts[0]): index for index, (texts, _) in enumerate(questions)}
    orders = []
    at = 0
    for group in range(groups):
        letter = "ABCDEF"[group]
        kind, text, paragraph = items[at]
        check(kind == "p" and text == name, "group %s begins with the test's name: %r" % (letter, text))
        check(("pageBreakBefore" in properties(paragraph)) == (group > 0), "group %s begins a page" % letter)
        at += 1
        if groups > 1:
            check(items[at][1] == "Skupina " + letter, "group %s's line: %r" % (letter, items[at][1]))
            at += 1
        check(re.fullmatch(r"Jméno: \t ?Třída: \t ?Datum: \t", items[at][1] or "") is not None,
              "room to write the name, class and date: %r" % items[at][1])
        check(items[at + 1][1] == "U každé otázky zakroužkujte písmeno správné odpovědi.", "the instruction")
        at += 2
        order = []
        for number in range(1, len(questions) + 1):
            kind, text, paragraph = items[at]
            prefix = "%d. " % number
            check(kind == "p" and text.startswith(prefix), "group %s, question %d: %r" % (letter, number, text))
            index = by_text.get(text[len(prefix):])
            check(index is not None, "group %s, question %d is one of the test's: %r" % (letter, number, text))
            order.append(index)
            check({"keepNext", "keepLines"} <= set(properties(paragraph)), "a question keeps with its options")
            for option in range(4):
                kind, text, paragraph = items[at + 1 + option]
                expected = "ABCD"[option] + ") " + line_ends_as_read(questions[index][0][1 + option])
                check(text == expected, "group %s, question %d: %r, not %r" % (letter, number, text, expected))
                keeps = set(properties(paragraph))
                check("keepLines" in keeps and ("keepNext" in keeps) == (option < 3),
                      "option %s keeps %r" % ("ABCD"[option], keeps))
            at += 5
        orders.append(order)
    check(orders[0] == list(range(len(questions))), "group A asks the questions as typed")
    for order in orders:
        check(sorted(order) == list(range(len(questions))), "every group asks every question once: %r" % order)
    if len(questions) >= groups:
        for number in range(len(questions)):
            asked = [order[number] for order in orders]
            check(len(set(asked)) == len(asked), "at number %d the groups ask %r" % (number + 1, asked))
    return orders, at


def check_key_and_grading(items, at, questions, orders, grading):
    kind, text, paragraph = items[at]
    check(text == "Klíč správných odpovědí" and "pageBreakBefore" in properties(paragraph), "the key begins a page")
    at += 1
    for group, order in enumerate(orders):
        if len(orders) > 1:
            check(items[at][1] == "Skupina " + "ABCDEF"[group], "the key's group line: %r" % items[at][1])
            at += 1
        kind, rows, table = items[at]
        check(kind == "tbl", "the key of group %d is a table" % group)
        entries = [cell for row in rows or [] for cell in row if cell]
        expected = ["%d: %s" % (number + 1, "ABCD"[questions[index][1]] if 0 <= questions[index][1] <= 3 else "–")
                    for number, index in enumerate(order)]
        check(entries == expected, "the key of group %d: %r, not %r" % (group, entries, expected))
        at += 1
    check(items[at][1] == "Hodnocení", "the grading table's heading")
    kind, rows, table = items[at + 1]
    check(kind == "tbl" and rows[0] == ["Dobře zodpovězených", "Úspěšnost", "Hodnocení"], "its header row")
    check([tuple(row) for row in rows[1:]] == [row[:3] for row in grading],
          "the grading table: %r" % rows[1:])
    colours = [run.find(W + "rPr/" + W + "color").get(W + "val") for run in
               [row.findall(W + "tc")[1].find(W + "p/" + W + "r") for row in table.findall(W + "tr")[1:]]]
    check(colours == [GREEN if row[3] else RED for row in grading], "green from 50 %% up: %r" % colours)
    check([kind for kind, _, _ in items[at + 2:]] == ["sectPr"], "the document ends with the grading table")


def check_package(docx, name):
    """The ZIP, every part and the settings Word needs, read without the writer."""
    check(subprocess.run(["unzip", "-tq", docx], stdout=subprocess.DEVNULL).returncode == 0, "unzip -t")
    with zipfile.ZipFile(docx) as package:
        check(package.testzip() is None, "zipfile reads every entry")
        parts = {info.filename: package.read(info.filename) for info in package.infolist()}
    for part, data in parts.items():
        lint = subprocess.run(["xmllint", "--noout", "-"], input=data, stderr=subprocess.PIPE)
        check(lint.returncode == 0, "%s parses: %r" % (part, lint.stderr))
        check(b"mc:Ignorable" not in data and b"w14" not in data, "%s has no extension markup" % part)
        for element in ElementTree.fromstring(data).iter():
            local = element.tag.split("}")[-1]
            if element.tag.startswith(W) and local in SEQUENCES:
                sequence = SEQUENCES[local].split()
                children = [child.tag.split("}")[-1] for child in element]
                check(all(child in sequence for child in children), "%s: %s holds %r" % (part, local, children))
                places = [sequence.index(child) for child in children if child in sequence]
                check(places == sorted(places), "%s: %s's children in the schema's order: %r" % (part, local, children))
    types = ElementTree.fromstring(parts["[Content_Types].xml"])
    overrides = {o.get("PartName"): o.get("ContentType") for o in types}
    check(overrides.get("/word/document.xml") ==
          "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml", "the main document's type")
    for part in parts:
        check(part.endswith(".rels") or part == "[Content_Types].xml" or "/" + part in overrides,
              "%s has its content type" % part)
    settings = ElementTree.fromstring(parts["word/settings.xml"])
    modes = [s.get(W + "val") for s in settings.iter(W + "compatSetting") if s.get(W + "name") == "compatibilityMode"]
    check(modes == ["15"], "compatibility mode 15: %r" % modes)
    check([h.get(W + "val") for h in settings.iter(W + "autoHyphenation")] in ([], ["false"]), "no hyphenation")
    styles = ElementTree.fromstring(parts["word/styles.xml"])
    check(styles.find(W + "docDefaults/" + W + "rPrDefault/" + W + "rPr/" + W + "lang").get(W + "val") == "cs-CZ",
          "Czech by default")
    check(styles.find(W + "docDefaults/" + W + "rPrDefault/" + W + "rPr/" + W + "rFonts").get(W + "ascii")
          in ("Calibri", "Arial"), "a font with a metric twin here")
    check(any(s.get(W + "styleId") == "Normal" and s.get(W + "default") == "1" for s in styles.iter(W + "style")),
          "a Normal style")
    document = ElementTree.fromstring(parts["word/document.xml"])
    section = document.find(W + "body/" + W + "sectPr")
    size, margins = section.find(W + "pgSz"), section.find(W + "pgMar")
    check((size.get(W + "w"), size.get(W + "h")) == ("11906", "16838"), "A4 portrait")
    check(all(int(margins.get(W + side)) >= 851 for side in ("top", "right", "bottom", "left")), "margins of 1.5 cm")
    check(all(len(tbl.findall(W + "tblGrid/" + W + "gridCol")) > 0 for tbl in document.iter(W + "tbl")),
          "every table has its grid")
    check(all(list(cell)[-1].tag == W + "p" for cell in document.iter(W + "tc")), "every cell ends with a paragraph")
    footer = parts["word/footer1.xml"].decode("utf-8")
    check(" PAGE " in footer and "strana " in footer and runs_text(ElementTree.fromstring(footer).find(W + "p")).startswith(name),
          "the footer: the name and the page")
    core = ElementTree.fromstring(parts["docProps/core.xml"])
    check([e.text for e in core if e.tag.endswith("}title")] == [name], "the document's title")
    check([e.text for e in core if e.tag.endswith("}language")] == ["cs-CZ"], "the document's language")


def pdf_pages(docx, folder):
    """The document as LibreOffice prints it, a list of each page's lines."""
    profile = "file://" + os.path.join(folder, "lo-profile")
    subprocess.run(["soffice", "-env:UserInstallation=" + profile, "--headless", "--convert-to", "pdf", "--outdir",
                    folder, docx], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300, check=True)
    pdf = os.path.join(folder, os.path.splitext(os.path.basename(docx))[0] + ".pdf")
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], stdout=subprocess.PIPE, check=True).stdout.decode()
    return [[line.strip() for line in page.splitlines() if line.strip()] for page in text.split("\f") if page.strip()], pdf


def check_printed(docx, folder, name, questions, groups):
    pages, _ = pdf_pages(docx, folder)
    firsts = [page[0] for page in pages]
    check(firsts.count(name) == groups, "each group begins a page: %r" % firsts)
    check(firsts.count("Klíč správných odpovědí") == 1, "the key begins a page")
    check(not [f for f in firsts if re.match(r"[A-D]\) ", f)], "no page begins with an option: %r" % firsts)
    printed = "\n".join("\n".join(page) for page in pages)
    check(all(letter in printed for letter in CZECH), "every Czech letter is printed")
    for texts, _ in questions:
        check(texts[0].split()[0] in printed, "printed: %r" % texts[0])


def check_refusals(convert, folder):
    """Nothing is written for a wrong option or a text no XML carries."""
    write_test(os.path.join(folder, "Zvonek.tst"), [(["q", "a", "b", "c\x07", "d"], 0), (["q", "a", "b", "c", "d"], 0)])
    write_test(os.path.join(folder, "Dobrý.tst"), TRICKY[:2])
    before = sorted(os.listdir(folder))
    for arguments, said in [(["Dobrý.tst", "Dobrý.docx", "--groups", "0"], "--groups"),
                            (["Dobrý.tst", "Dobrý.docx", "--groups", "7"], "--groups"),
                            (["--groups", "x", "Dobrý.tst", "Dobrý.docx"], "--groups"),
                            (["Dobrý.tst", "Dobrý.html", "--groups", "3"], ".docx"),
                            (["Zvonek.tst", "Zvonek.docx"], "otázka 1, možnost C: řídicí znak U+0007")]:
        result = run(convert, folder, *arguments)
        check(result.returncode == 1 and said in result.stderr.decode(), "%r refused: %r" % (arguments, result.stderr))
    check(sorted(os.listdir(folder)) == before, "nothing written")


def pictures(native_convert, out):
    """The README's pictures of the sample test on paper: group A's first page and the key."""
    folder = tempfile.mkdtemp()
    try:
        name = "Všeobecné znalosti"
        sample = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "samples", "vseobecne-znalosti.txt")
        subprocess.run([native_convert, sample, os.path.join(folder, name + ".tst")], check=True, stdout=subprocess.DEVNULL)
        make_document([native_convert], folder, name)
        pages, pdf = pdf_pages(os.path.join(folder, name + ".docx"), folder)
        key = 1 + [page[0] for page in pages].index("Klíč správných odpovědí")
        for page, picture in ((1, "document-group"), (key, "document-key")):
            subprocess.run(["pdftoppm", "-png", "-r", "60", "-singlefile", "-f", str(page), "-l", str(page), pdf,
                            os.path.join(out, picture)], check=True)
    finally:
        shutil.rmtree(folder)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine", nargs="+", help="how to start a Windows exe: RUNNER [ARGS]")
    parser.add_argument("--convert", help="kvizar-convert.exe")
    parser.add_argument("--native-convert", required=True)
    parser.add_argument("--pictures", help="save the README's pictures into this folder")
    args = parser.parse_args()
    native = [os.path.abspath(args.native_convert)]
    if args.pictures:
        pictures(native[0], os.path.abspath(args.pictures))
        return 0
    windows = args.wine + [os.path.abspath(args.convert)]
    folder = tempfile.mkdtemp()
    try:
        write_test(os.path.join(folder, NAME + ".tst"), TRICKY)
        docx = os.path.join(folder, NAME + ".docx")
        document = make_document(native, folder, NAME, "--groups", "3")
        check(make_document(native, folder, NAME, "--groups", "3") == document, "the same bytes again")
        check(make_document(windows, folder, NAME, "--groups", "3") == document,
              "the Windows and the native converter write the same document")
        check_package(docx, NAME)
        items = body_of(docx)
        orders, at = check_sheets(items, TRICKY, 3, NAME)
        check_key_and_grading(items, at, TRICKY, orders, GRADING_12)
        check_printed(docx, folder, NAME, TRICKY, 3)

        # One sheet as typed, and the grading table of a long test; long texts that break pages.
        long_test = [(["Otázka %d: %s" % (n, "dlouhý text otázky " * (n % 7)), "a%d" % n, "b%d" % n, "c%d" % n,
                       "d%d" % n], n % 4) for n in range(101)]
        write_test(os.path.join(folder, "Dlouhý.tst"), long_test)
        make_document(native, folder, "Dlouhý", "--groups", "1")
        items = body_of(os.path.join(folder, "Dlouhý.docx"))
        orders, at = check_sheets(items, long_test, 1, "Dlouhý")
        check_key_and_grading(items, at, long_test, orders, GRADING_101)
        make_document(native, folder, "Dlouhý")
        pages, _ = pdf_pages(os.path.join(folder, "Dlouhý.docx"), folder)
        check(not [p[0] for p in pages if re.match(r"[A-D]\) ", p[0])], "no page of a long test begins with an option")

        refusals = os.path.join(folder, "refusals")
        os.mkdir(refusals)
        check_refusals(native, refusals)
    finally:
        shutil.rmtree(folder)
    return outcome("document_test")


if __name__ == "__main__":
    sys.exit(main())
