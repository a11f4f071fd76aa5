#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "design/WordLength.h"

namespace tapwright {

// The record of the "Word Length" dialog: the table of taps against bits, one row per
// length, and the row the user chooses. On OK the filter takes the chosen row.
class CWordLengthDlg {
public:
    static constexpr const char* kTitle = "Word Length";
    static constexpr std::array<const char*, 4> kColumnTitles = {
        "Taps", "Bits by Rounding", "Bits Found", "Design Margin (dB)"};

    // Starts on the first row that found a word length.
    explicit CWordLengthDlg(std::vector<WordLengthRow> rows);

    const std::vector<WordLengthRow>& Rows() const { return rows_; }
    std::int32_t RowCount() const { return static_cast<std::int32_t>(rows_.size()); }

    // The texts of a row's cells, in the order of the column titles; "-" where the row has
    // no word length.
    std::array<std::string, 4> RowTexts(std::int32_t row) const;

    // What OK checks: the chosen row must have found a word length; otherwise the reason is
    // shown and the dialog stays open (false).
    bool OnOK() const;

    const WordLengthRow& ChosenRow() const { return rows_[static_cast<std::size_t>(chosen)]; }

    // The index of the chosen row.
    std::int32_t chosen = 0;

private:
    std::vector<WordLengthRow> rows_;
};

}  // namespace tapwright
