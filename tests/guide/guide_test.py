#!/usr/bin/env python3
"""The teacher's guide (Navod.html, built from docs/navod/navod.html) against the real programs.

- Every quotation marked as a program message (q.hlaseni) is one of the messages that
  render_messages prints, and every one of those is quoted; render_messages misses no message of
  platform/ProgramMessages.h or convert/Messages.h. A window text (q.okno) is a literal of the
  program's sources or resources.
- Every example command (pre.prikaz) runs with the Windows converter under Wine through cmd, as a
  Czech Windows types it, on the sample test and the guide's own files (pre.soubor), makes the file
  it names and prints the line that follows it (pre.vystup).
- Every picture is its committed file; headless Chromium opens the page with no console error and
  no request outside it; axe-core finds no violation.
- hunspell with Debian's Czech dictionary finds no misspelt word outside the marked texts, code and
  the accepted words of docs/navod/slova.txt.

    guide_test.py --guide Navod.html --render render_messages --wine RUNNER BUILD --convert EXE
                  --sample TEST.tst --node-modules DIR
"""
import argparse
import html.parser
import json
import os
import re
import shutil
import subprocess
import sys
import urllib.parse

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "convert"))
from convert_testing import check, outcome  # noqa: E402

def squeeze(text):
    """HTML folds a run of blanks and line ends into one blank; so are both sides compared."""
    return " ".join(text.split())


class Guide(html.parser.HTMLParser):
    """The page's marked elements, in order: (tag, classes, attributes, text)."""
    MARKED = {"q", "pre", "code", "kbd", "img", "title", "style"}
    UNCHECKED = ("hlaseni", "okno", "cizi")

    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.elements = []
        self.open = []          # marked elements being read: [tag, classes, attributes, text]
        self.prose = []         # the text outside marked elements, for the speller
        self.lang = None
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        if tag == "html":
            self.lang = attributes.get("lang")
        if tag in self.MARKED:
            element = [tag, (attributes.get("class") or "").split(), attributes, ""]
            if tag == "img":
                self.elements.append(tuple(element))
                self.prose.append(attributes.get("alt", ""))
            else:
                self.open.append(element)

    def handle_endtag(self, tag):
        if self.open and self.open[-1][0] == tag:
            self.elements.append(tuple(self.open.pop()))

    def handle_data(self, data):
        for element in self.open:
            element[3] += data
        speller_skips = any(e[0] in ("pre", "code", "kbd", "style") or set(e[1]) & set(self.UNCHECKED) for e in self.open)
        if not speller_skips:
            self.prose.append(data)

    def marked(self, tag, cls):
        return [e for e in self.elements if e[0] == tag and cls in e[1]]


def rendered_messages(render):
    lines = subprocess.run([render], check=True, capture_output=True, text=True).stdout.splitlines()
    return [tuple(line.split("\t", 1)) for line in lines]


def check_messages(guide, render):
    messages = rendered_messages(render)
    texts = {squeeze(text) for _, text in messages}
    quoted = {squeeze(e[3]) for e in guide.marked("q", "hlaseni")}
    for quote in sorted(quoted - texts):
        check(False, "the guide quotes a message that no program shows: %r" % quote)
    for text in sorted(texts - quoted):
        check(False, "the guide does not quote the message %r" % text)

    # Nothing the programs can say is left out of the rendering.
    with open(os.path.join(ROOT, "platform", "ProgramMessages.h"), encoding="utf-8") as header:
        source = header.read()
    declared = re.findall(r"static constexpr ProgramMessage (\w+)", source)
    listed = re.findall(r"&(\w+)", source[source.index("kAll[]"):])
    check(declared == listed, "ProgramMessages::kAll lists %r, the header declares %r" % (listed, declared))
    check(len([m for m in messages if m[0].startswith("program ")]) == len(declared) + 2,
          "render_messages prints every program message and the two judging texts")
    with open(os.path.join(ROOT, "convert", "Messages.h"), encoding="utf-8") as header:
        functions = set(re.findall(r"static std::string (\w+)\(", header.read()))
    rendered = {name.split(" ", 1)[1] for name, _ in messages if name.startswith("convert ")}
    check(functions == rendered, "render_messages misses %r of convert/Messages.h" % sorted(functions - rendered))
    print("guide_test: %d messages, each quoted" % len(texts))


def check_window_texts(guide):
    literals = set()
    sources = [os.path.join(ROOT, "res", "kvizar.rc"), os.path.join(ROOT, "res", "make_images.py")]
    for folder in ("app", "shell", "storage", "authoring", "run"):
        sources += [os.path.join(ROOT, folder, name) for name in os.listdir(os.path.join(ROOT, folder))]
    for path in sources:
        with open(path, encoding="utf-8") as source:
            literals.update(re.findall(r'"((?:[^"\\\n]|\\.)*)"', source.read()))
    for element in guide.marked("q", "okno"):
        check(element[3] in literals, "the window text %r is none of the program's" % element[3])


def check_pictures(guide_path, guide):
    with open(os.path.join(ROOT, "docs", "navod", "navod.html"), encoding="utf-8") as source:
        wanted = re.findall(r'<img src="\.\./images/([^"]+)"', source.read())
    images = [e for e in guide.elements if e[0] == "img"]
    check(len(images) == len(wanted) > 0, "the guide has %d pictures, its source %d" % (len(images), len(wanted)))
    for element, name in zip(images, wanted):
        source = element[2]["src"]
        check(source.startswith("data:image/png,"), "picture %s is not inside the page" % name)
        data = urllib.parse.unquote_to_bytes(source[len("data:image/png,"):])
        with open(os.path.join(ROOT, "docs", "images", name), "rb") as committed:
            check(data == committed.read(), "picture %s differs from docs/images/%s" % (name, name))
    with open(guide_path, encoding="utf-8") as page:
        text = page.read()
    check(not re.search(r"""(src|href)=["'](?!data:|#)""", text), "the page refers to another file")
    check(guide.lang == "cs", "the page is not lang=cs")


def run_commands(guide, wine, build, convert, sample):
    """Each example in order in C:\\Kvizar of the build's prefix, where the guide's examples are."""
    folder = os.path.join(build, "wineprefix", "drive_c", "Kvizar")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(os.path.join(folder, "Kvizar"))
    shutil.copy(convert, folder)
    shutil.copy(sample, os.path.join(folder, "Kvizar"))
    for element in guide.marked("pre", "soubor"):
        name = element[2]["data-soubor"]
        # As the guide has them saved: a table as Excel's "CSV UTF-8", with its byte order mark.
        encoding = "utf-8-sig" if name.endswith(".csv") else "utf-8"
        with open(os.path.join(folder, name), "w", encoding=encoding, newline="\r\n") as out:
            out.write(element[3] + "\n")
    # A Czech Windows cmd reads a batch file in code page 852: so is the command line typed.
    environment = dict(os.environ, LANG="cs_CZ.UTF-8", LOCPATH=os.path.join(build, "locale"))
    environment.pop("LC_ALL", None)
    commands = [e for e in guide.elements if e[0] == "pre" and ("prikaz" in e[1] or "vystup" in e[1])]
    check(any("prikaz" in e[1] for e in commands), "the guide shows no command")
    for index, element in enumerate(commands):
        if "prikaz" not in element[1]:
            continue
        line = element[3].strip()
        made = element[2].get("data-vytvori")
        if made:
            check(not os.path.exists(os.path.join(folder, made.replace("\\", "/"))), "%s exists before %s" % (made, line))
        with open(os.path.join(folder, "guide.bat"), "wb") as batch:
            batch.write(("@" + line + "\r\n").encode("cp852"))
        result = subprocess.run(wine + [build, "cmd", "/c", "guide.bat"], cwd=folder, env=environment,
                                stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
        output = result.stdout.decode("utf-8", "replace")
        print("guide_test: %s -> %s" % (line, output.strip()))
        check(result.returncode == 0, "%s: exit code %d" % (line, result.returncode))
        if made:
            check(os.path.isfile(os.path.join(folder, made.replace("\\", "/"))), "%s: no %s" % (line, made))
        following = commands[index + 1] if index + 1 < len(commands) else None
        if following and "vystup" in following[1]:
            check(squeeze(following[3]) in [squeeze(l) for l in output.splitlines()],
                  "%s printed %r, not %r" % (line, output, following[3]))
    shutil.rmtree(folder)


def check_in_browser(guide_path, node_modules, profile):
    from page_test import start_browser
    driver = start_browser(profile, network_log=True)
    try:
        page = "file://" + os.path.abspath(guide_path)
        driver.get(page)
        # A picture inside the page is no request; any other file or address would be one.
        requests = [json.loads(entry["message"])["message"] for entry in driver.get_log("performance")]
        # The browser's own start page makes requests too; only the guide's count.
        outside = [r["params"]["request"]["url"] for r in requests if r["method"] == "Network.requestWillBeSent"
                   and r["params"].get("documentURL") == page]
        outside = [url for url in outside if url != page and not url.startswith("data:")]
        check(not outside, "the page asked for %r" % outside)
        errors = [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]
        check(not errors, "console errors: %r" % errors)
        broken = driver.execute_script(
            "return Array.from(document.images).filter(i => !i.complete || i.naturalWidth === 0).length")
        check(broken == 0, "%d pictures do not show" % broken)
        with open(os.path.join(node_modules, "axe-core", "axe.min.js"), encoding="utf-8") as axe:
            found = driver.execute_async_script(axe.read() + """;
                const done = arguments[arguments.length - 1];
                axe.run(document).then(
                  result => done(result.violations.map(v => v.id + ": " + v.nodes.map(n => n.target.join(" ")).join(", "))),
                  error => done(["axe failed: " + error]));""")
        check(not found, "axe-core: %r" % found)
    finally:
        driver.quit()


def check_spelling(guide):
    with open(os.path.join(ROOT, "docs", "navod", "slova.txt"), encoding="utf-8") as accepted:
        words = {line.strip() for line in accepted if line.strip() and not line.startswith("#")}
    result = subprocess.run(["hunspell", "-d", "cs_CZ", "-l"], input=" ".join(guide.prose),
                            capture_output=True, text=True, check=True)
    # A lone letter is an option's (A to D) or a piece of a word such as "e-mail".
    unknown = sorted(word for word in set(result.stdout.split()) - words if len(word) > 1)
    check(not unknown, "hunspell does not know %r" % unknown)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--guide", required=True)
    parser.add_argument("--render", required=True)
    parser.add_argument("--wine", nargs=2, metavar=("RUNNER", "BUILD"), required=True)
    parser.add_argument("--convert", required=True)
    parser.add_argument("--sample", required=True)
    parser.add_argument("--node-modules", required=True)
    args = parser.parse_args()

    with open(args.guide, encoding="utf-8") as page:
        guide = Guide(page.read())
    check_messages(guide, args.render)
    check_window_texts(guide)
    check_pictures(args.guide, guide)
    check_spelling(guide)
    run_commands(guide, [os.path.abspath(args.wine[0])], os.path.abspath(args.wine[1]), args.convert, args.sample)
    profile = os.path.join(os.path.dirname(os.path.abspath(args.guide)), "guide-test-profile")
    shutil.rmtree(profile, ignore_errors=True)
    check_in_browser(args.guide, args.node_modules, profile)
    shutil.rmtree(profile, ignore_errors=True)
    return outcome("guide_test")


if __name__ == "__main__":
    sys.exit(main())
