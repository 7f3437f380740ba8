// Turns a readable sample test (UTF-8 text, see samples/) into a test file with the program's
// own format code. Usage: make_sample SOURCE.txt OUT_FOLDER
// The file is written as OUT_FOLDER\<name>.tst, the name taken from the source's "Name:" line.

#include "platform/String.h"
#include "platform/Text.h"
#include "storage/QuestionArray.h"
#include "storage/TestFileEncoder.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {
struct SampleQuestion {
    CString text[kTextFieldCount];
    int correct = -1;
    int answers = 0;
};

struct Sample {
    CString name;
    std::vector<SampleQuestion> questions;
};

CString FromUtf8(const std::string& utf8) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], length);
    return FromWide(wide.c_str(), length);
}

bool Fail(int line, const char* why) {
    std::fprintf(stderr, "make_sample: line %d: %s\n", line, why);
    return false;
}

// "Name: ...", then blocks of "Q: question" and four "* right" / "- wrong" answers; '#' comments.
bool ParseSample(std::istream& in, Sample& sample) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line.compare(0, 6, "Name: ") == 0) {
            sample.name = FromUtf8(line.substr(6));
        } else if (line.compare(0, 3, "Q: ") == 0) {
            sample.questions.emplace_back();
            sample.questions.back().text[FieldQuestion] = FromUtf8(line.substr(3));
        } else if ((line[0] == '*' || line[0] == '-') && line.size() > 2 && !sample.questions.empty()) {
            SampleQuestion& q = sample.questions.back();
            if (q.answers == 4)
                return Fail(number, "a question has four answers");
            if (line[0] == '*')
                q.correct = q.answers;
            q.text[FieldAnswer1 + q.answers++] = FromUtf8(line.substr(2));
        } else {
            return Fail(number, "not a name, a question or an answer");
        }
    }
    for (const SampleQuestion& q : sample.questions)
        if (q.answers != 4 || q.correct < 0)
            return Fail(0, "every question needs four answers, one of them marked with *");
    return !sample.name.IsEmpty() && !sample.questions.empty() ? true : Fail(0, "no name or no question");
}

QuestionArray ToArray(const Sample& sample) {
    QuestionArray array = QuestionArray::AllocateFresh(static_cast<int32_t>(sample.questions.size()));
    for (int32_t i = 0; i < array.Count(); ++i) {
        const SampleQuestion& q = sample.questions[static_cast<size_t>(i)];
        for (int field = 0; field < kTextFieldCount; ++field) {
            std::strncpy(array[i].text[field], q.text[field], kTextFieldSize - 1);
            array[i].text[field][kTextFieldSize - 1] = '\0';
        }
        array[i].correct = q.correct;
    }
    return array;
}

bool WriteTestFile(const std::wstring& path, const QuestionArray& array) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    TestFileEncoder encoder(array.Data(), array.Count());
    std::vector<uint8_t> chunk(1 << 16);
    bool written = true;
    for (size_t size; written && (size = encoder.Next(chunk.data(), chunk.size())) > 0;) {
        DWORD done = 0;
        written = WriteFile(file, chunk.data(), static_cast<DWORD>(size), &done, nullptr) && done == size;
    }
    CloseHandle(file);
    return written;
}
} // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sample SOURCE.txt OUT_FOLDER\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    Sample sample;
    if (!in || !ParseSample(in, sample))
        return 1;
    const std::wstring path = std::wstring(argv[2]) + L"\\" + ToWide(sample.name) + L".tst";
    if (!WriteTestFile(path, ToArray(sample))) {
        std::fprintf(stderr, "make_sample: cannot write the test file\n");
        return 1;
    }
    std::printf("make_sample: %d questions\n", static_cast<int>(sample.questions.size()));
    return 0;
}
