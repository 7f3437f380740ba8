#pragma once
// A test in memory: `count` records in one heap block, owned here so that every way out of a
// workflow, an exception included, frees it.

#include "QuestionRecord.h"

#include <cstdint>
#include <memory>

class QuestionArray {
public:
    QuestionArray() = default;
    // Moving leaves the source empty: its count must not outlive the block it described.
    QuestionArray(QuestionArray&& other) noexcept;
    QuestionArray& operator=(QuestionArray&& other) noexcept;

    // One block of count x 5124 bytes, left uninitialised. An empty array when count is below 1 or
    // the block cannot be had (the size is checked before it is computed, so it cannot overflow).
    static QuestionArray Allocate(int32_t count);

    // Allocate, with every record fresh: five empty texts and the correct index 0.
    static QuestionArray AllocateFresh(int32_t count);

    // Keeps the first count records (fewer than it holds); the block stays as it is.
    void Truncate(int32_t count) { m_count = count; }

    bool IsEmpty() const { return m_count == 0; }
    int32_t Count() const { return m_count; }
    QuestionRecord* Data() { return m_records.get(); }
    const QuestionRecord* Data() const { return m_records.get(); }
    QuestionRecord& operator[](int32_t i) { return m_records[i]; }
    const QuestionRecord& operator[](int32_t i) const { return m_records[i]; }

private:
    std::unique_ptr<QuestionRecord[]> m_records;
    int32_t m_count = 0;
};
