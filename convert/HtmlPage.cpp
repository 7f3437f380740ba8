#include "convert/HtmlPage.h"

#include "run/Scoring.h"

#include <string_view>

namespace {

// The text of a test comes in Windows-1250, the name and the program's own texts in UTF-8.
enum class Encoding { Windows1250, Utf8 };

// Everything in one file: no network (the security policy forbids it even to a text that tried),
// so the page works from a USB stick or an e-mail attachment. @NAME@ and @DATA@ stand for the
// test's name and its JSON data.
constexpr std::string_view kPage = u8R"page(<!DOCTYPE html>
<html lang="cs">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="default-src 'none'; style-src 'unsafe-inline'; script-src 'unsafe-inline'">
<title>Kvizar 2004 - @NAME@</title>
<style>
body{margin:0;background:#d4d0c8;font:1rem/1.4 Arial,Helvetica,sans-serif;color:#000}
main,dialog{box-sizing:border-box;max-width:40rem;margin:1rem auto;padding:0;background:#ece9d8;border:1px solid #555}
h1,.cap{margin:0;padding:.4rem .8rem;background:#0a246a;color:#fff;font-size:1rem;white-space:pre-wrap}
section,form{padding:.8rem}
#question{margin:0 0 .8rem;padding:.8rem;border:2px groove #fff;text-align:center;font-size:1.15rem;white-space:pre-wrap;overflow-wrap:anywhere}
fieldset{display:grid;grid-template-columns:1fr 1fr;gap:.4rem;margin:0;padding:0;border:0}
label{display:flex;align-items:center;gap:.5rem;min-height:44px;padding:0 .4rem;white-space:pre-wrap;overflow-wrap:anywhere;cursor:pointer}
input{flex:none;width:1.2rem;height:1.2rem;margin:0}
.row{display:flex;flex-wrap:wrap;align-items:center;justify-content:space-between;gap:.6rem;margin:.8rem 0 0;padding-top:.8rem;border-top:2px groove #fff}
button{min-width:6rem;min-height:44px;padding:0 1rem;font:inherit;background:#ece9d8;border:2px outset #fff;cursor:pointer}
:focus{outline:3px solid #1a56db;outline-offset:2px}
dialog{margin:auto;max-width:min(28rem,calc(100% - 2rem))}
dialog::backdrop{background:#0004}
#next{margin-left:auto}
dialog p{margin:0;white-space:pre-wrap;overflow-wrap:anywhere}
dialog .row{justify-content:flex-end}
#heading{margin:0;color:#008000;font-size:2rem;text-align:center;text-shadow:1px 1px #000}
dl{display:grid;grid-template-columns:auto auto;justify-content:center;gap:.2rem 2rem}
dd{margin:0;text-align:right}
#result{font-size:1.3rem;text-align:center}
#result p{margin:.4rem 0}
@media (max-width:30rem){main{margin:0;border:0}fieldset{grid-template-columns:1fr}}
</style>
</head>
<body>
<noscript><p>Tento test potřebuje JavaScript. Otevřete soubor v prohlížeči (Chrome, Edge, Firefox, Safari).</p></noscript>
<main>
<h1 id="caption"></h1>
<section id="quiz" hidden>
<p id="question"></p>
<fieldset>
<label><input type="radio" name="option" autocomplete="off"><span></span></label>
<label><input type="radio" name="option" autocomplete="off"><span></span></label>
<label><input type="radio" name="option" autocomplete="off"><span></span></label>
<label><input type="radio" name="option" autocomplete="off"><span></span></label>
</fieldset>
<p class="row"><button id="cancel">Storno</button><span id="number"></span><span id="remaining"></span><span id="total"></span><button id="next"></button></p>
</section>
<section id="results" hidden>
<p id="heading">Vyhodnocení</p>
<p id="name"></p>
<dl><dt>Počet otázek:</dt><dd id="count"></dd><dt>Dobře zodpovězených:</dt><dd id="right"></dd><dt>Špatně zodpovězených:</dt><dd id="wrong"></dd></dl>
<div id="result"><p id="rate"></p><p id="verdict"></p></div>
<p class="row"><span></span><button id="close">OK</button></p>
</section>
<section id="start" hidden><p class="row"><span></span><button id="again">Spustit test</button></p></section>
</main>
<dialog id="box" aria-labelledby="boxTitle" aria-describedby="boxText"><p class="cap" id="boxTitle">Kvizar 2004</p>
<form method="dialog"><p id="boxText"></p><p class="row"><button id="ok" value="1">OK</button><button id="yes" value="1">Ano</button><button id="no" value="">Ne</button></p></form></dialog>
<script type="application/json" id="data">@DATA@</script>
<script>
"use strict";
// The test runs as the program's quiz does: one question at a time, the first option checked,
// every answer judged at once and counted once the message is closed, no way back, and nothing
// kept anywhere. Every text of the test is set as text, never as markup.
const data = JSON.parse(document.getElementById("data").textContent);
const $ = id => document.getElementById(id);
const options = Array.from(document.querySelectorAll("input"));
const count = data.test.length / 6;
let current, right, wrong;

function fill(format, value) {
  return format.replace(/%0\.2f|%d/, value).replace("%%", "%");
}

function show(section, caption) {
  for (const id of ["quiz", "results", "start"]) $(id).hidden = id !== section;
  $("caption").textContent = document.title = caption;
}

function start() {
  current = right = wrong = 0;
  show("quiz", "Kvizar 2004 - " + data.name);
  showQuestion();
  options[0].focus();
}

function showQuestion() {
  const at = current * 6;
  $("question").textContent = data.test[at];
  options.forEach((option, k) => option.nextSibling.textContent = data.test[at + 1 + k]);
  options[0].checked = true;
  $("number").textContent = fill("Otázka č. %d", current + 1);
  $("remaining").textContent = fill("Zbývá: %d", count - current - 1);
  $("total").textContent = fill("Celkem: %d", count);
  $("next").textContent = current + 1 === count ? "Dokončit test" : "Další otázka...";
}

// The right option of question i, 0..3, or -1 where the test names none.
function rightOption(i) {
  const k = (data.test[i * 6 + 5] + 9 - i % 4) % 5;
  return k < 4 ? k : -1;
}

function ask(text, question, then) {
  $("boxText").textContent = text;
  $("ok").hidden = question;
  $("yes").hidden = $("no").hidden = !question;
  const box = $("box");
  box.returnValue = "";
  box.onclose = () => then(box.returnValue === "1");
  box.showModal();
}

function next() {
  const k = rightOption(current);
  const good = k >= 0 && options[k].checked;
  const text = good ? data.right : data.wrong + (k >= 0 ? data.test[current * 6 + 1 + k] : "") + data.wrongEnd;
  ask(text, false, () => {
    good ? ++right : ++wrong;
    if (++current < count) showQuestion();
    else showResults(right, wrong, count);
  });
}

function cancel() {
  ask("Opravdu chcete test ukončit?", true, yes => yes && end());
}

function showResults(right, wrong, count) {
  const percent = right / count * 100;
  let verdict = data.bands[0][1];
  for (const [from, text] of data.bands) if (percent >= from) verdict = text;
  show("results", "Výsledky testu");
  $("name").textContent = "Název testu: " + data.name;
  $("count").textContent = count;
  $("right").textContent = right;
  $("wrong").textContent = wrong;
  $("rate").textContent = fill(data.rate, percent.toFixed(2));
  $("verdict").textContent = verdict;
  $("result").style.color = percent < data.passFrom ? data.failColour : data.passColour;
  $("close").focus();
}

function end() {
  show("start", "Kvizar 2004");
  $("again").focus();
}

$("next").onclick = next;
$("cancel").onclick = cancel;
$("close").onclick = end;
$("again").onclick = start;
// Escape asks in the quiz and closes the results, as in the program's windows.
document.addEventListener("keydown", event => {
  if (event.key !== "Escape" || $("box").open) return;
  // Not handed on, or the box it opens would take the same key as its own Escape.
  event.preventDefault();
  if (!$("quiz").hidden) cancel();
  else if (!$("results").hidden) end();
});
start();
</script>
</body>
</html>
)page";

constexpr std::string_view kNameMark = "@NAME@";
constexpr std::string_view kDataMark = "@DATA@";
constexpr char kHexDigits[] = "0123456789abcdef";

// Which bytes a JSON string in a script element writes as \u00XX: the controls JSON forbids, the
// quote and backslash, and < > & so that nothing can end the element or read as markup.
bool NeedsJsonEscape(uint8_t byte) {
    return byte < 0x20 || byte == '"' || byte == '\\' || byte == '<' || byte == '>' || byte == '&';
}

void WritePlain(Utf8Output& out, const char* text, size_t size, Encoding encoding) {
    if (encoding == Encoding::Windows1250)
        out.Text(text, size);
    else
        out.Raw(text, size);
}

void WriteJsonString(Utf8Output& out, std::string_view text, Encoding encoding) {
    out.Raw("\"", 1);
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t byte = static_cast<uint8_t>(text[i]);
        if (!NeedsJsonEscape(byte))
            continue;
        WritePlain(out, text.data() + plain, i - plain, encoding);
        const char escape[] = {'\\', 'u', '0', '0', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
        out.Raw(escape, sizeof escape);
        plain = i + 1;
    }
    WritePlain(out, text.data() + plain, text.size() - plain, encoding);
    out.Raw("\"", 1);
}

// The name in the title element, where only & and < could mean something; > for good measure.
void WriteHtmlText(Utf8Output& out, std::string_view text) {
    for (const char c : text) {
        if (c == '&')
            out.Raw("&amp;");
        else if (c == '<')
            out.Raw("&lt;");
        else if (c == '>')
            out.Raw("&gt;");
        else
            out.Raw(&c, 1);
    }
}

// "key":value, with the comma before every key but the first.
void WriteKey(Utf8Output& out, const char* key, bool first = false) {
    if (!first)
        out.Raw(",", 1);
    WriteJsonString(out, key, Encoding::Utf8);
    out.Raw(":", 1);
}

// The bounds are whole percents, which read back as the same doubles. (Formatting a double in
// general would link the runtime's whole float printer, assertions and all, into the converter.)
void WriteNumber(Utf8Output& out, double value) {
    out.Raw(std::to_string(static_cast<int>(value)));
}

// "#008000", as CSS writes a colour.
void WriteColour(Utf8Output& out, Rgb colour) {
    char hex[] = "\"#rrggbb\"";
    char* digit = hex + 2;
    for (const uint8_t part : {colour.red, colour.green, colour.blue}) {
        *digit++ = kHexDigits[part >> 4];
        *digit++ = kHexDigits[part & 0xF];
    }
    out.Raw(hex, sizeof hex - 1);
}

// How the page judges and shows the results: the program's own bands, texts and colours.
void WriteScoring(Utf8Output& out) {
    WriteKey(out, "right");
    WriteJsonString(out, Scoring::kRightAnswer, Encoding::Utf8);
    WriteKey(out, "wrong");
    WriteJsonString(out, Scoring::kWrongAnswer, Encoding::Utf8);
    WriteKey(out, "wrongEnd");
    WriteJsonString(out, Scoring::kWrongAnswerEnd, Encoding::Utf8);
    WriteKey(out, "rate");
    WriteJsonString(out, Scoring::kRateFormat, Encoding::Utf8);
    WriteKey(out, "passFrom");
    WriteNumber(out, Scoring::kPassFrom);
    WriteKey(out, "passColour");
    WriteColour(out, Scoring::kPassColour);
    WriteKey(out, "failColour");
    WriteColour(out, Scoring::kFailColour);
    WriteKey(out, "bands");
    out.Raw("[", 1);
    for (const Scoring::Band& band : Scoring::kBands) {
        out.Raw(&band == Scoring::kBands ? "[" : ",[");
        WriteNumber(out, band.from);
        out.Raw(",", 1);
        WriteJsonString(out, band.verdict, Encoding::Utf8);
        out.Raw("]", 1);
    }
    out.Raw("]", 1);
}

// Six values a question, one flat array: the question, the four options and the hidden answer.
void WriteQuestions(Utf8Output& out, const QuestionArray& questions) {
    WriteKey(out, "test");
    out.Raw("[", 1);
    for (int32_t i = 0; i < questions.Count(); ++i) {
        if (i > 0)
            out.Raw(",", 1);
        for (const char* text : questions[i].text) {
            WriteJsonString(out, std::string_view(text, TextFieldLength(text)), Encoding::Windows1250);
            out.Raw(",", 1);
        }
        const char answer = static_cast<char>('0' + HtmlPage::HiddenAnswer(questions[i].correct, i));
        out.Raw(&answer, 1);
    }
    out.Raw("]", 1);
}

} // namespace

int HtmlPage::HiddenAnswer(int32_t correct, int32_t index) {
    const int option = correct >= 0 && correct <= 3 ? correct : 4;
    return (option + 1 + index % 4) % 5;
}

void HtmlPage::Write(const QuestionArray& questions, const std::string& testName, Utf8Output& out) {
    const size_t name = kPage.find(kNameMark);
    const size_t data = kPage.find(kDataMark);
    out.Raw(kPage.data(), name);
    WriteHtmlText(out, testName);
    const size_t afterName = name + kNameMark.size();
    out.Raw(kPage.data() + afterName, data - afterName);
    out.Raw("{", 1);
    WriteKey(out, "name", true);
    WriteJsonString(out, testName, Encoding::Utf8);
    WriteScoring(out);
    WriteQuestions(out, questions);
    out.Raw("}", 1);
    const size_t afterData = data + kDataMark.size();
    out.Raw(kPage.data() + afterData, kPage.size() - afterData);
}

namespace {
void WritePage(const QuestionArray& questions, const std::string& testName, ByteSink& sink) {
    Utf8Output out(sink);
    HtmlPage::Write(questions, testName, out);
    out.Flush();
}
} // namespace

// Only written; it shows any text and judges a missing right answer as the program does.
const Format kHtmlPageFormat = {"html", nullptr, nullptr, WritePage};
