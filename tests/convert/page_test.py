#!/usr/bin/env python3
"""The web page kvizar-convert makes of a test, run by a robot in headless Chromium.

The Windows converter (under Wine) and the native one write the same page byte for byte; the page
runs the quiz as the program does, judges with its texts, asks before Storno, shows hostile texts
literally and runs nothing of them, and its results for every (right, count) with a count up to 200
read as the program's own results window formats them (rate_table under Wine).

The learning-platform package (.zip) holds that very page: both converters write the same bytes
every time, unzip and Python read it, its manifest is XML whose titles a platform reads whole, and
inside a real SCORM 1.2 run-time (scorm-again, in a harness served from a loopback HTTP server) the
student's answers, the score and passed or failed reach the platform as SCORM 1.2 has them, with
axe-core finding no fault on the question, the judging box and the results.

    page_test.py --wine RUNNER [ARGS] --convert EXE --native-convert PROGRAM --rate-table EXE
                 --node-modules DIR        (where npm installed scorm-again and axe-core)
    page_test.py --native-convert PROGRAM --screenshots DIR      (the README's pictures)
"""
import argparse
import functools
import http.server
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import xml.parsers.expat
import zipfile

from convert_testing import check, outcome, write_test
from selenium import webdriver
from selenium.common.exceptions import NoAlertPresentException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

CZECH = "áčďéěíňóřšťúůýž"
# (texts, index of the right option)
GEOGRAPHY = [
    (["Příliš žluťoučký kůň úpěl ďábelské ódy?", CZECH, CZECH.upper(), "Vltava", "Labe"], 2),
    (["Které město je hlavním městem Slovenska?", "Košice", "Žilina", "Nitra", "Bratislava"], 3),
    (["Která řeka protéká Prahou?", "Vltava", "Morava", "Odra", "Labe"], 0),
]
HOSTILE = [
    (["<b>tučně</b>", "</script><script>alert(1)</script>", '" onmouseover="alert(1)', "a &amp; b", "x"], 1),
    # Only a foreign file names no right option: every answer is wrong, and none is quoted.
    (["Bez správné odpovědi?", "a", "b", "c", "d"], -1),
]
# SCORM 1.2's own patterns, as platforms hold values to them (scorm-again takes more): an
# identifier without blanks, HH:MM:SS with two to four digits of hours, a decimal of at most
# three digits before the point and two after it.
IDENTIFIER = re.compile(r"[\x21-\x7e]{1,255}")
TIMESPAN = re.compile(r"\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?")
DECIMAL = re.compile(r"\d{0,3}(\.\d{1,2})?")
ENDED = "Test je ukončen. Nový pokus zahájíte ve výukovém systému."
NOSCRIPT = "Tento test potřebuje JavaScript. Otevřete soubor v prohlížeči (Chrome, Edge, Firefox, Safari)."

def convert(command, folder, name, extension="html"):
    """Turns NAME.tst in folder into NAME.EXTENSION there and returns that file's bytes."""
    subprocess.run(command + [name + ".tst", name + "." + extension, "--force"], cwd=folder, check=True,
                   stdout=subprocess.DEVNULL, timeout=120)
    with open(os.path.join(folder, name + "." + extension), "rb") as file:
        return file.read()


def start_browser(profile, network_log=False):
    """Headless Chromium; with network_log, the driver's performance log holds every request."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + profile, "--window-size=800,640"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", **({"performance": "ALL"} if network_log else {})})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class Page:
    def __init__(self, driver, path=None):
        """The page at path, or the one the driver is in (the platform's frame)."""
        self.driver = driver
        if path:
            driver.get("file://" + path)

    def text(self, element_id):
        return self.driver.find_element(By.ID, element_id).text

    def content(self, element_id):
        return self.driver.execute_script("return document.getElementById(arguments[0]).textContent", element_id)

    def visible(self, element_id):
        return self.driver.find_element(By.ID, element_id).is_displayed()

    def options(self):
        return self.driver.find_elements(By.CSS_SELECTOR, "input[type=radio]")

    def option_texts(self):
        return [o.find_element(By.XPATH, "following-sibling::span").get_attribute("textContent")
                for o in self.options()]

    def checked(self):
        return [o.is_selected() for o in self.options()]

    def focused_id(self):
        return self.driver.execute_script(
            "const e = document.activeElement; return e.id || (e.type === 'radio' ? "
            "'option' + Array.from(document.querySelectorAll('input')).indexOf(e) : e.tagName)")

    def message(self):
        """The open message box's text, or None."""
        if not self.driver.execute_script("return document.getElementById('box').open"):
            return None
        return self.content("boxText")

    def press(self, button_id):
        self.driver.find_element(By.ID, button_id).click()

    def key(self, key):
        ActionChains(self.driver).send_keys(key).perform()

    def no_alert(self):
        try:
            self.driver.switch_to.alert
            return False
        except NoAlertPresentException:
            return True

    def errors(self):
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]


def expect_question(page, number, texts, count):
    where = "question %d" % number
    check(page.visible("quiz") and not page.visible("results"), where + ": the quiz is shown")
    check(page.content("question") == texts[0], where + ": question text %r" % page.content("question"))
    check(page.option_texts() == texts[1:], where + ": options %r" % page.option_texts())
    check(page.checked() == [True, False, False, False], where + ": the first option starts checked")
    check(page.text("number") == "Otázka č. %d" % number, where + ": " + page.text("number"))
    check(page.text("remaining") == "Zbývá: %d" % (count - number), where + ": " + page.text("remaining"))
    check(page.text("total") == "Celkem: %d" % count, where + ": " + page.text("total"))
    last = "Dokončit test" if number == count else "Další otázka..."
    check(page.text("next") == last, where + ": the button reads " + page.text("next"))


def answer(page, option, expected_message):
    page.options()[option].find_element(By.XPATH, "..").click()
    page.press("next")
    check(page.message() == expected_message, "judging: %r, not %r" % (page.message(), expected_message))
    page.press("ok")
    check(page.message() is None, "OK closes the judging")


def answer_by_keyboard(page):
    """Arrows choose, Tab goes on to Storno and the answer button, Space presses it, Enter takes OK;
    whatever has the focus shows it."""
    page.options()[2].find_element(By.XPATH, "..").click()
    page.key(Keys.ARROW_UP + Keys.ARROW_UP)
    check(page.checked() == [True, False, False, False] and page.focused_id() == "option0",
          "the arrows move the choice")
    for expected in ("cancel", "next"):
        page.key(Keys.TAB)
        check(page.focused_id() == expected, "Tab reaches %s, not %s" % (expected, page.focused_id()))
        outline = page.driver.execute_script(
            "const s = getComputedStyle(document.activeElement); return [s.outlineStyle, s.outlineWidth]")
        check(outline == ["solid", "3px"], "the focus on %s shows: %r" % (expected, outline))
    page.key(Keys.SPACE)
    check(page.message() == "Správná odpověď!", "Space answers: %r" % page.message())
    page.key(Keys.ENTER)
    check(page.message() is None, "Enter takes the focused OK")


def run_geography(page, name):
    """A whole run: the quiz, its judging, Storno asked and refused, Enter ignored, the results."""
    count = len(GEOGRAPHY)
    check(page.driver.title == "Kvizar 2004 - " + name, "title " + page.driver.title)
    check(page.text("caption") == "Kvizar 2004 - " + name, "caption " + page.text("caption"))
    check(page.driver.execute_script("return document.documentElement.lang") == "cs", 'lang="cs"')
    expect_question(page, 1, GEOGRAPHY[0][0], count)
    check(page.focused_id() == "option0", "the first option has the focus, not " + page.focused_id())
    answer(page, 2, "Správná odpověď!")

    expect_question(page, 2, GEOGRAPHY[1][0], count)
    # Enter on an option changes nothing; Storno, then Escape, each ask, and No keeps everything.
    page.options()[1].find_element(By.XPATH, "..").click()
    page.key(Keys.ENTER)
    check(page.message() is None and page.text("number") == "Otázka č. 2", "Enter on an option does nothing")
    for ask in (lambda: page.press("cancel"), lambda: page.key(Keys.ESCAPE)):
        ask()
        check(page.message() == "Opravdu chcete test ukončit?", "Storno asks: %r" % page.message())
        page.press("no")
        check(page.message() is None and page.checked() == [False, True, False, False]
              and page.text("number") == "Otázka č. 2", "No keeps the question and its choice")
    answer(page, 1, "Špatně, správná odpověď je: Bratislava!")

    expect_question(page, 3, GEOGRAPHY[2][0], count)
    answer_by_keyboard(page)
    check(page.visible("results") and not page.visible("quiz"), "the last answer shows the results")
    check(page.text("caption") == "Výsledky testu", "results caption " + page.text("caption"))
    check(page.text("name") == "Název testu: " + name, "name line " + page.text("name"))
    numbers = [page.text(i) for i in ("count", "right", "wrong")]
    check(numbers == ["3", "2", "1"], "counts %r" % numbers)
    check(page.text("rate") == "Úspěšnost: 66.67 %", "rate " + page.text("rate"))
    check(page.text("verdict") == "Docela dobré.....", "verdict " + page.text("verdict"))

    # OK ends the run; a new one starts afresh, and Storno with Yes ends it without results.
    page.press("close")
    check(page.visible("start") and not page.visible("results"), "OK closes the results")
    page.press("again")
    expect_question(page, 1, GEOGRAPHY[0][0], count)
    page.press("cancel")
    page.press("yes")
    check(page.visible("start") and not page.visible("quiz") and not page.visible("results"),
          "Yes ends the quiz without results")


def run_hostile(page):
    texts = HOSTILE[0][0]
    expect_question(page, 1, texts, 2)
    ActionChains(page.driver).move_to_element(page.options()[2]).perform()
    structure = page.driver.execute_script(
        "return [document.scripts.length, document.getElementsByTagName('b').length,"
        " document.querySelectorAll('[onmouseover]').length]")
    check(structure == [2, 0, 0], "the texts made no element: scripts, <b>, onmouseover = %r" % structure)
    answer(page, 0, "Špatně, správná odpověď je: " + texts[2] + "!")
    expect_question(page, 2, HOSTILE[1][0], 2)
    answer(page, 0, "Špatně, správná odpověď je: !")
    check(page.text("rate") == "Úspěšnost: 0.00 %" and page.text("verdict") == "Hrůza.....!",
          "no right answer: " + page.text("rate"))
    check(page.no_alert(), "no alert ran")


def rate_table(page):
    """The page's own results for every (right, count), as the rate_table lines write them."""
    rows = page.driver.execute_script("""
        const rows = [];
        for (let count = 1; count <= 200; ++count)
          for (let right = 0; right <= count; ++right) {
            showResults(right, count - right, count);
            const colour = getComputedStyle(document.getElementById("result")).color.match(/\\d+/g);
            rows.push(right + " " + count + " " + document.getElementById("rate").textContent + "|" +
                      document.getElementById("verdict").textContent + "|" +
                      colour.map(Number).reverse().map(c => c.toString(16).padStart(2, "0")).join(""));
          }
        return rows;""")
    return rows


def screenshots(driver, path, folder):
    """The README's pictures: the first question with an option chosen, and the results."""
    page = Page(driver, path)
    page.options()[2].find_element(By.XPATH, "..").click()
    driver.save_screenshot(os.path.join(folder, "page-question.png"))
    for option in (2, 0, 0):
        page.options()[option].find_element(By.XPATH, "..").click()
        page.press("next")
        page.press("ok")
    driver.save_screenshot(os.path.join(folder, "page-results.png"))


def titles_as_a_platform_reads_them(manifest):
    """Moodle's manifest reader takes element text in the pieces its parser hands over, split at
    every reference, and drops the pieces that are only blanks; expat splits the same way."""
    titles, pieces = [], None
    parser = xml.parsers.expat.ParserCreate()

    def start(tag, attributes):
        nonlocal pieces
        pieces = [] if tag == "title" else None

    def text(piece):
        if pieces is not None:
            pieces.append(piece)

    def end(tag):
        if tag == "title":
            titles.append("".join(piece for piece in pieces if piece.strip()))

    parser.StartElementHandler, parser.CharacterDataHandler, parser.EndElementHandler = start, text, end
    parser.Parse(manifest, True)
    return titles


def check_package(path, name, page_bytes):
    """The package as unzip, Python's zipfile, xmllint and a platform's manifest reader take it."""
    where = os.path.basename(path)
    tested = subprocess.run(["unzip", "-t", path], capture_output=True, text=True, timeout=60)
    check(tested.returncode == 0 and "No errors detected" in tested.stdout, where + ": unzip -t: " + tested.stdout)
    with zipfile.ZipFile(path) as package:
        check(package.testzip() is None, where + ": zipfile finds a damaged entry")
        check(package.namelist() == ["imsmanifest.xml", "index.html"], where + ": %r" % package.namelist())
        manifest = package.read("imsmanifest.xml")
        check(package.read("index.html") == page_bytes, where + ": index.html is the .html format's page")
    lint = subprocess.run(["xmllint", "--noout", "-"], input=manifest, capture_output=True, timeout=60)
    check(lint.returncode == 0, where + ": xmllint: %r" % lint.stderr)
    titles = titles_as_a_platform_reads_them(manifest)
    check(titles == [name, name], where + ": a platform reads the titles %r" % titles)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


class Platform:
    """scorm_harness.html and scorm-again's run-time served from a loopback HTTP server (frames
    opened from file:// cannot reach each other), with unpacked packages beside them."""

    def __init__(self, driver, node_modules, folder):
        self.driver = driver
        self.site = os.path.join(folder, "site")
        os.mkdir(self.site)
        here = os.path.dirname(os.path.abspath(__file__))
        shutil.copy(os.path.join(here, "scorm_harness.html"), self.site)
        shutil.copy(os.path.join(node_modules, "scorm-again", "dist", "scorm12.js"), self.site)
        with open(os.path.join(node_modules, "axe-core", "axe.min.js"), encoding="utf-8") as axe:
            self.axe = axe.read()
        self.depth = 1
        handler = functools.partial(QuietHandler, directory=self.site)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()

    def unpack(self, package, folder):
        with zipfile.ZipFile(package) as zip_file:
            zip_file.extractall(os.path.join(self.site, folder))

    def open(self, folder, **query):
        """The harness with the package's page in its frame, the driver in that frame; with via,
        a frame of another origin stands between them."""
        query["package"] = folder
        self.depth = 2 if "via" in query else 1
        url = "http://127.0.0.1:%d/scorm_harness.html?%s" % (
            self.server.server_port, "&".join("%s=%s" % item for item in query.items()))
        self.driver.get(url)
        self.enter()
        WebDriverWait(self.driver, 20).until(lambda driver: driver.execute_script(
            "const quiz = document.getElementById('quiz'); return quiz !== null && !quiz.hidden"))
        return Page(self.driver)

    def state(self):
        """The calls the page made, in order, and the data the run-time holds."""
        self.driver.switch_to.default_content()
        calls, cmi = self.driver.execute_script("return [calls, API.renderCommitCMI(true).cmi]")
        self.enter()
        return calls, cmi

    def enter(self):
        for _ in range(self.depth):
            WebDriverWait(self.driver, 20).until(lambda driver: driver.execute_script(
                "return document.getElementById('sco') !== null"))
            self.driver.switch_to.frame("sco")

    def leave(self):
        """The platform takes the page away, as when the student goes elsewhere mid-test; back once
        the frame shows the blank page."""
        self.driver.switch_to.default_content()
        self.driver.execute_script("document.getElementById('sco').src = 'about:blank'")
        WebDriverWait(self.driver, 20).until(lambda driver: driver.execute_script(
            "return document.getElementById('sco').contentWindow.location.href === 'about:blank'"))
        self.enter()

    def violations(self, what):
        """axe-core on the page as it stands: every rule it has, no violation allowed."""
        found = self.driver.execute_async_script(self.axe + """;
            const done = arguments[arguments.length - 1];
            axe.run(document).then(
              result => done(result.violations.map(v => v.id + ": " + v.nodes.map(n => n.target.join(" ")).join(", "))),
              error => done(["axe failed: " + error]));""")
        check(not found, "axe-core on %s: %r" % (what, found))


def answer_all(page, chosen, platform=None):
    """Answers each question with its chosen option; axe-core looks at the first question, its
    judging box and the results."""
    for number, option in enumerate(chosen):
        page.options()[option].find_element(By.XPATH, "..").click()
        if platform and number == 0:
            platform.violations("the question")
        page.press("next")
        if platform and number == 0:
            platform.violations("the judging box")
        page.press("ok")
    if platform:
        platform.violations("the results")


def values(calls):
    """{element: value} of every LMSSetValue call, the last one winning, and how often each was set."""
    values, counts = {}, {}
    for call in calls:
        if call[0] == "LMSSetValue":
            values[call[1]] = call[2]
            counts[call[1]] = counts.get(call[1], 0) + 1
    return values, counts


def names(calls):
    return [call[0] for call in calls]


def expect_interactions(where, calls, cmi, questions, chosen):
    """One interaction per answer, in order, as SCORM 1.2 has them, and the run-time holding them."""
    written, counts = values(calls)
    interactions = cmi["interactions"]
    check(len(interactions) == len(chosen), where + ": %d interactions" % len(interactions))
    for i, option in enumerate(chosen):
        at = "cmi.interactions.%d." % i
        right = questions[i][1]
        expected = {"id": "otazka-%d" % (i + 1), "type": "choice", "student_response": "abcd"[option],
                    "result": "correct" if option == right else "wrong"}
        if right >= 0:
            expected["correct_responses.0.pattern"] = "abcd"[right]
        got = {key[len(at):]: value for key, value in written.items() if key.startswith(at)}
        check(got == expected, where + ": interaction %d %r, not %r" % (i, got, expected))
        check(IDENTIFIER.fullmatch(got.get("id", "")), where + ": the id %r" % got.get("id"))
        check(all(counts[at + key] == 1 for key in got), where + ": interaction %d written once" % i)
        held = interactions.get(str(i), {})
        check(held.get("id") == expected["id"] and held.get("result") == expected["result"]
              and held.get("student_response") == expected["student_response"]
              and held.get("correct_responses") == ({"0": {"pattern": "abcd"[right]}} if right >= 0 else {}),
              where + ": the run-time holds interaction %d as %r" % (i, held))
    ids = [call[2] for call in calls if call[0] == "LMSSetValue" and call[1].endswith(".id")]
    check(ids == ["otazka-%d" % n for n in range(1, len(chosen) + 1)], where + ": ids in order %r" % ids)


# Whole attempts inside a platform: (what, questions, options chosen, score shown, status).
ATTEMPTS = [
    ("every Czech letter", GEOGRAPHY, [2, 1, 0], "66.67", "passed"),
    ("a question without a right option", HOSTILE, [1, 0], "50.00", "passed"),
    ("1 of 32", [(["Otázka %d" % n, "a", "b", "c", "d"], 0) for n in range(32)], [0] + [1] * 31, "3.13", "failed"),
    ("1 of 2", [(["Otázka", "a", "b", "c", "d"], 3)] * 2, [3, 0], "50.00", "passed"),
    ("none of 3", GEOGRAPHY, [0, 0, 1], "0.00", "failed"),
]


def attempt(platform, page, what, questions, chosen, score, status):
    answer_all(page, chosen, platform if what == ATTEMPTS[0][0] else None)
    shown = page.text("rate")
    check(shown == "Úspěšnost: %s %%" % score, what + ": the results show " + shown)
    calls, cmi = platform.state()
    written, counts = values(calls)
    check(names(calls)[:3] == ["LMSInitialize", "LMSGetValue", "LMSGetValue"]
          and calls[3] == ["LMSSetValue", "cmi.core.lesson_status", "incomplete"],
          what + ": at open %r" % calls[:4])
    expect_interactions(what, calls, cmi, questions, chosen)
    check([written.get("cmi.core.score." + key) for key in ("raw", "min", "max")] == [score, "0", "100"],
          what + ": the score %r" % written)
    raw = written.get("cmi.core.score.raw", "")
    check(DECIMAL.fullmatch(raw) and 0 <= float(raw or -1) <= 100, what + ": a SCORM 1.2 score %r" % raw)
    check(written.get("cmi.core.lesson_status") == status and cmi["core"]["lesson_status"] == status,
          what + ": the status %r" % cmi["core"]["lesson_status"])
    check(cmi["core"]["score"]["raw"] == score, what + ": the run-time holds " + cmi["core"]["score"]["raw"])
    time = written.get("cmi.core.session_time", "")
    check(TIMESPAN.fullmatch(time), what + ": the session time %r" % time)
    check(names(calls)[-1] == "LMSCommit" and names(calls).count("LMSCommit") == 1
          and "LMSFinish" not in names(calls), what + ": committed once at the results, not finished")
    check(counts["cmi.core.lesson_status"] == 2, what + ": the status is set at open and at the end")
    page.press("close")
    calls, cmi = platform.state()
    check(names(calls).count("LMSFinish") == 1 and calls[-1] == ["LMSFinish", ""],
          what + ": OK finishes, once: %r" % names(calls)[-3:])
    check(not page.visible("again") and page.text("ended") == ENDED,
          what + ": no new attempt from the page after the finish")
    platform.leave()
    calls, _ = platform.state()
    check(names(calls).count("LMSFinish") == 1, what + ": leaving after the finish finishes no more")


def run_platform(platform, native, convert_command):
    """The package inside a SCORM 1.2 run-time, as a student takes it."""
    for number, (what, questions, chosen, score, status) in enumerate(ATTEMPTS):
        folder = "attempt%d" % number
        write_test(os.path.join(native, folder + ".tst"), questions)
        convert(convert_command, native, folder, "zip")
        platform.unpack(os.path.join(native, folder + ".zip"), folder)
        attempt(platform, platform.open(folder), what, questions, chosen, score, status)

    # Storno confirmed, or the page taken away, mid-test: the answer given stays, no score, the
    # status stays "incomplete", and the session ends once.
    for what, stop in (("Storno", lambda page: (page.press("cancel"), page.press("yes"))),
                       ("leaving", lambda page: platform.leave())):
        page = platform.open("attempt0")
        answer_all(page, [2])
        stop(page)
        calls, cmi = platform.state()
        written, _ = values(calls)
        expect_interactions(what, calls, cmi, GEOGRAPHY, [2])
        check(cmi["core"]["lesson_status"] == "incomplete" and cmi["core"]["score"]["raw"] == ""
              and not any(key.startswith("cmi.core.score") for key in written),
              what + ": incomplete without a score, %r" % cmi["core"])
        check(TIMESPAN.fullmatch(written.get("cmi.core.session_time", "")), what + ": the session time")
        check(names(calls).count("LMSFinish") == 1 and names(calls)[-1] == "LMSFinish"
              and "LMSCommit" not in names(calls), what + ": finished once: %r" % names(calls))

    # A frame of another origin between the platform and the page: the page looks past it.
    page = platform.open("attempt3", via="http://localhost:%d" % platform.server.server_port)
    answer_all(page, [3, 0])
    page.press("close")
    calls, cmi = platform.state()
    check(names(calls)[0] == "LMSInitialize" and names(calls)[-1] == "LMSFinish"
          and cmi["core"]["score"]["raw"] == "50.00", "the API past a frame of another origin: %r" % calls)

    # A platform that fails its calls never stops the student.
    for query in ({"fail": "LMSSetValue"}, {"throw": "LMSGetValue,LMSSetValue,LMSCommit,LMSFinish"},
                  {"fail": "LMSInitialize"}):
        page = platform.open("attempt3", **query)
        answer_all(page, [3, 0])
        check(page.text("rate") == "Úspěšnost: 50.00 %", "%r: the student reaches the results" % query)
        page.press("close")
        calls, _ = platform.state()
        started = "LMSInitialize" not in query.get("fail", "")
        check(names(calls).count("LMSFinish") == (1 if started else 0), "%r: finished %r" % (query, names(calls)))
        # Without a session the page runs as it does from a disk.
        check(page.visible("again") != started, "%r: Spustit test offered only without a session" % query)

    # Review mode: the quiz runs and nothing is written. A status a finished attempt left stays.
    page = platform.open("attempt0", mode="review")
    answer_all(page, [2, 1, 0])
    page.press("close")
    calls, cmi = platform.state()
    check(names(calls) == ["LMSInitialize", "LMSGetValue", "LMSGetValue", "LMSFinish"],
          "review: nothing written, %r" % calls)
    check(cmi["interactions"] == {} and cmi["core"]["lesson_status"] == "not attempted", "review: %r" % cmi["core"])
    page = platform.open("attempt0", status="passed")
    page.press("cancel")
    page.press("yes")
    calls, cmi = platform.state()
    check(values(calls)[0].keys() == {"cmi.core.session_time"} and cmi["core"]["lesson_status"] == "passed",
          "a finished attempt's status stays: %r" % calls)
    check(not page.errors(), "no script errors inside the platform: %r" % page.errors())


def check_packing(wine, windows_convert, native_convert, folder):
    """The names that a platform's reader must take whole, packed by both converters, twice."""
    for name in ("Fyzika & chemie", "Rock 'n' roll & jazz"):
        write_test(os.path.join(folder, name + ".tst"), GEOGRAPHY)
        page_bytes = convert([native_convert], folder, name)
        package = convert([native_convert], folder, name, "zip")
        check(convert([native_convert], folder, name, "zip") == package, name + ": packing again gives the same bytes")
        check_package(os.path.join(folder, name + ".zip"), name, page_bytes)
        check(convert(wine + [windows_convert], folder, name, "zip") == package,
              name + ": the Windows and the native converter write the same package")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine", nargs="+", help="how to start a Windows exe: RUNNER [ARGS]")
    parser.add_argument("--convert", help="kvizar-convert.exe")
    parser.add_argument("--native-convert", required=True)
    parser.add_argument("--rate-table", help="rate_table.exe")
    parser.add_argument("--screenshots", help="save the README's pictures into this folder")
    parser.add_argument("--node-modules", help="where npm installed scorm-again and axe-core")
    args = parser.parse_args()
    programs = ("convert", "native_convert", "rate_table")
    for program in programs:
        if getattr(args, program):
            setattr(args, program, os.path.abspath(getattr(args, program)))

    folder = tempfile.mkdtemp()
    try:
        name = "Zeměpis"
        native = os.path.join(folder, "native")
        os.mkdir(native)
        write_test(os.path.join(native, name + ".tst"), GEOGRAPHY)
        write_test(os.path.join(native, "Pozor.tst"), HOSTILE)
        page_bytes = convert([args.native_convert], native, name)
        convert([args.native_convert], native, "Pozor")
        path = os.path.join(native, name + ".html")
        driver = start_browser(os.path.join(folder, "profile"))
        try:
            if args.screenshots:
                screenshots(driver, path, args.screenshots)
                return 0
            wine = args.wine
            windows = os.path.join(folder, "windows")
            os.mkdir(windows)
            shutil.copy(os.path.join(native, name + ".tst"), windows)
            check(convert(wine + [args.convert], windows, name) == page_bytes,
                  "the Windows and the native converter write the same page")
            text = page_bytes.decode("utf-8")
            check('<html lang="cs">' in text and "<noscript><p>" + NOSCRIPT + "</p></noscript>" in text,
                  "lang and the noscript line")
            check(CZECH in text and CZECH.upper() in text, "every Czech letter as UTF-8 in the page")
            check("http:" not in text and "https:" not in text and " src=" not in text, "nothing from the network")

            run_geography(Page(driver, path), name)
            run_hostile(Page(driver, os.path.join(native, "Pozor.html")))

            page = Page(driver, path)
            program = subprocess.run(wine + [args.rate_table], stdout=subprocess.PIPE, check=True,
                                     timeout=300).stdout.decode("cp1250").splitlines()
            ours = rate_table(page)
            check(len(program) == len(ours) == sum(n + 1 for n in range(1, 201)),
                  "rate lines: %d from the program, %d from the page" % (len(program), len(ours)))
            differing = [(p, o) for p, o in zip(program, ours) if p != o]
            check(not differing, "%d results differ, first %r" % (len(differing), differing[:3]))
            check(not page.errors(), "no script errors: %r" % page.errors())

            check_packing(wine, args.convert, args.native_convert, native)
            platform = Platform(driver, args.node_modules, folder)
            try:
                run_platform(platform, native, [args.native_convert])
            finally:
                platform.stop()
        finally:
            driver.quit()
    finally:
        shutil.rmtree(folder)
    return outcome("page_test")


if __name__ == "__main__":
    sys.exit(main())
