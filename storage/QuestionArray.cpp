#include "QuestionArray.h"

#include <cstring>
#include <new>
#include <utility>

QuestionArray::QuestionArray(QuestionArray&& other) noexcept
    : m_records(std::move(other.m_records)), m_count(std::exchange(other.m_count, 0)) {}

QuestionArray& QuestionArray::operator=(QuestionArray&& other) noexcept {
    m_records = std::move(other.m_records);
    m_count = std::exchange(other.m_count, 0);
    return *this;
}

QuestionArray QuestionArray::Allocate(int32_t count) {
    QuestionArray array;
    // A block beyond PTRDIFF_MAX is not even asked for: the array form of new throws for it, the
    // non-throwing form included.
    if (count < 1 || static_cast<uint64_t>(count) > PTRDIFF_MAX / sizeof(QuestionRecord))
        return array;
    // Plain records, no constructors: the block is only as big as the file announced.
    array.m_records.reset(new (std::nothrow) QuestionRecord[static_cast<size_t>(count)]);
    if (array.m_records)
        array.m_count = count;
    return array;
}

QuestionArray QuestionArray::AllocateFresh(int32_t count) {
    QuestionArray array = Allocate(count);
    for (int32_t i = 0; i < array.m_count; ++i) {
        QuestionRecord& record = array.m_records[i];
        for (auto& field : record.text)
            field[0] = '\0';
        record.correct = 0;
    }
    return array;
}
