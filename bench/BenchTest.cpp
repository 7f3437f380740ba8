#include "bench/BenchTest.h"

#include "storage/TestFileEncoder.h"

QuestionArray FullLengthTest(int32_t count, const std::string& alphabet) {
    QuestionArray test = QuestionArray::Allocate(count);
    uint32_t seed = 12345;
    for (int32_t i = 0; i < test.Count(); ++i) {
        for (char* text : test[i].text) {
            for (int c = 0; c < 1023; ++c) {
                seed = seed * 1103515245u + 12345u;
                text[c] = alphabet[(seed >> 16) % alphabet.size()];
            }
            text[1023] = '\0';
        }
        test[i].correct = i % 4;
    }
    return test;
}

QuestionArray CzechLookingTest(int32_t count) {
    QuestionArray test = FullLengthTest(count, "abcdefghijklmnopqrstuvwxyz    \xe1\xe8\xec\xf8\x9e");
    for (int32_t i = 0; i < test.Count(); ++i)
        for (char* text : test[i].text)
            text[0] = text[1022] = 'k';
    return test;
}

std::vector<uint8_t> EncodeTest(const QuestionArray& test) {
    TestFileEncoder encoder(test.Data(), test.Count());
    std::vector<uint8_t> bytes(static_cast<size_t>(encoder.EncodedSize()));
    encoder.Next(bytes.data(), bytes.size());
    return bytes;
}
