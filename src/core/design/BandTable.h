#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tapwright {

// One band of the band editor as the texts its columns show.
struct BandRow {
    std::string lower;
    std::string upper;
    std::string desired;     // a number, " Passband" or " Stopband"
    std::string attnRipple;  // attenuation or ripple
    std::string actual;      // the designed filter's level in dB; " " until measured
};

// How the Desired column shows a gain: the unit of the column, and whether the gains of a
// plain passband and stopband are shown as words.
struct DesiredStyle {
    bool gainInDb = false;
    bool showPassStop = false;
};

// The band editor's table: rows kept in order of frequency, each held as the texts the user
// sees, so that what is shown is exactly what is read back. New rows may replace the rows
// they overlap, but never touch one: a transition band must lie between any two bands.
class BandTable {
public:
    static constexpr const char* kTouchingMessage =
        "Error: Cannot add band this band becauses it touches another band.\n"
        "(You must leave a transition band between each pass/stop band.)";
    static constexpr const char* kPassbandWord = " Passband";
    static constexpr const char* kStopbandWord = " Stopband";

    // A frequency, gain or level as a row shows it: "%12.6lf" without superfluous trailing
    // zeros, so that the leading blanks stay.
    static std::string NumberText(double value);
    // A measured level: "%7.3lf" without superfluous trailing zeros.
    static std::string LevelText(double db);
    // The number a text denotes; text that is no number reads as 0.
    static double NumberOf(const std::string& text);

    // The gain that stands for a passband and for a stopband in the column's unit.
    static double PassValue(bool gainInDb) { return gainInDb ? 0.0 : 1.0; }
    static double StopValue(bool gainInDb) { return gainInDb ? -1000.0 : 0.0; }

    // A desired text read back: leading blanks and letter case do not count; a text that
    // begins with "p" is a passband, one with "s" a stopband, anything else its number.
    static double ParseDesired(const std::string& text, bool gainInDb);
    // The text a desired gain is shown as.
    static std::string DesiredText(double desired, const DesiredStyle& style);

    // The number shown beside a row: "1" for the first.
    static std::string BandNumber(std::size_t row) { return std::to_string(row + 1); }

    // Inserts a band at its place by frequency, the value taken as its magnitude. Rows the
    // band overlaps or covers are replaced. A band that touches a row (shares an edge with
    // it) is refused with an error box and leaves the table as it was. True when inserted.
    bool Insert(double lower, double upper, double desired, double value,
                const DesiredStyle& style);

    // Rows outside the table are ignored.
    void Delete(std::size_t row);
    void Clear() { rows_.clear(); }
    void SetActual(std::size_t row, std::string text);

    const std::vector<BandRow>& Rows() const { return rows_; }
    std::size_t Size() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }
    bool Contains(std::int32_t row) const {
        return row >= 0 && static_cast<std::size_t>(row) < rows_.size();
    }

private:
    std::vector<BandRow> rows_;
};

}  // namespace tapwright
