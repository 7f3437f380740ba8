#!/usr/bin/env python3
"""The web page kvizar-convert makes of a test, run by a robot in headless Chromium.

The Windows converter (under Wine) and the native one write the same page byte for byte; the page
runs the quiz as the program does, judges with its texts, asks before Storno, shows hostile texts
literally and runs nothing of them, and its results for every (right, count) with a count up to 200
read as the program's own results window formats them (rate_table under Wine).

    page_test.py --wine RUNNER [ARGS] --convert EXE --native-convert PROGRAM --rate-table EXE
    page_test.py --native-convert PROGRAM --screenshots DIR      (the README's pictures)
"""
import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.common.exceptions import NoAlertPresentException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

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
NOSCRIPT = "Tento test potřebuje JavaScript. Otevřete soubor v prohlížeči (Chrome, Edge, Firefox, Safari)."

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED:", what, file=sys.stderr)


def write_test(path, questions):
    data = struct.pack("<i", len(questions))
    for texts, right in questions:
        data += struct.pack("<i", right)
        for text in texts:
            encoded = text.encode("cp1250") + b"\0"
            data += struct.pack("<i", len(encoded)) + encoded
    with open(path, "wb") as file:
        file.write(data)


def convert(command, folder, name):
    """Turns NAME.tst in folder into NAME.html there and returns the page's bytes."""
    subprocess.run(command + [name + ".tst", name + ".html"], cwd=folder, check=True,
                   stdout=subprocess.DEVNULL, timeout=120)
    with open(os.path.join(folder, name + ".html"), "rb") as file:
        return file.read()


def start_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + profile, "--window-size=800,640"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class Page:
    def __init__(self, driver, path):
        self.driver = driver
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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--wine", nargs="+", help="how to start a Windows exe: RUNNER [ARGS]")
    parser.add_argument("--convert", help="kvizar-convert.exe")
    parser.add_argument("--native-convert", required=True)
    parser.add_argument("--rate-table", help="rate_table.exe")
    parser.add_argument("--screenshots", help="save the README's pictures into this folder")
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
        finally:
            driver.quit()
    finally:
        shutil.rmtree(folder)
    print("page_test: %d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
