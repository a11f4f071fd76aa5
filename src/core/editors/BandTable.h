#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tapwright {

// The numbers of one band as they were entered, at full precision.
struct BandValues {
    double lower = 0.0;
    double upper = 0.0;
    double desired = 0.0;
    double attnRipple = 0.0;
};

// One band of the band editor: the texts its columns show, and the numbers they stand for.
// The texts may round what they show; the specification is built from the numbers.
struct BandRow {
    std::string lower;
    std::string upper;
    std::string desired;     // a number, " Passband" or " Stopband"
    std::string attnRipple;  // attenuation or ripple
    std::string actual;      // the designed filter's level in dB; " " until measured
    BandValues values;
};

// What reading a typed number gave: a number, text that is no number, or a number no double
// holds (beyond the largest, or so small that it would lose its digits).
struct TypedNumber {
    enum class Status { Number, NotANumber, Unrepresentable };
    Status status = Status::NotANumber;
    double value = 0.0;

    bool IsNumber() const { return status == Status::Number; }
};

// How the Desired column shows a gain: the unit of the column, and whether the gains of a
// plain passband and stopband are shown as words.
struct DesiredStyle {
    bool gainInDb = false;
    bool showPassStop = false;
};

// The band editor's table: rows kept in order of frequency, each held as the texts the user
// sees and the numbers they were entered as. New rows may replace the rows they overlap, but
// never touch one: a transition band must lie between any two bands.
class BandTable {
public:
    static constexpr const char* kTouchingMessage =
        "Error: Cannot add band this band becauses it touches another band.\n"
        "(You must leave a transition band between each pass/stop band.)";
    static constexpr const char* kPassbandWord = " Passband";
    static constexpr const char* kStopbandWord = " Stopband";

    // A frequency, gain or level as a row shows it: "%12.6lf" without superfluous trailing
    // zeros, so that the leading blanks stay; a value that six decimals would change (a
    // very small, very large or finely given one) shows 12 significant digits instead.
    static std::string NumberText(double value);
    // A measured level: "%7.3lf" without superfluous trailing zeros.
    static std::string LevelText(double db);
    // The number a text denotes; text that is no number reads as 0.
    static double NumberOf(const std::string& text);
    // A number typed into an edit field: the whole text, blanks around it aside, must be one
    // decimal number that a double holds at full precision (0, or a magnitude between the
    // smallest normal and the largest double).
    static TypedNumber ReadTyped(const std::string& text);

    // The gain that stands for a passband and for a stopband in the column's unit.
    static double PassValue(bool gainInDb) { return gainInDb ? 0.0 : 1.0; }
    static double StopValue(bool gainInDb) { return gainInDb ? -1000.0 : 0.0; }

    // A desired text read back: leading blanks and letter case do not count; a text that
    // begins with "p" is a passband, one with "s" a stopband, anything else is read as a
    // typed number.
    static TypedNumber ParseDesired(const std::string& text, bool gainInDb);
    // The text a desired gain is shown as.
    static std::string DesiredText(double desired, const DesiredStyle& style);

    // The number shown beside a row: "1" for the first.
    static std::string BandNumber(std::size_t row) { return std::to_string(row + 1); }

    // Inserts a band at its place by frequency, the value taken as its magnitude. Rows the
    // band overlaps or covers are replaced. A band that touches a row (shares an edge with
    // it) is refused with an error box and leaves the table as it was. True when inserted.
    // The band itself is not checked: its caller refuses a band that cannot be designed
    // before it reaches the table.
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
