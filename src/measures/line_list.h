// A list of text lines with an optional sorted mode, as the letter list keeps
// them: while sorted, every added line goes to its place in ascending order;
// inserted lines go exactly where they are put, whatever the mode.
#pragma once

#include <QStringList>

namespace tallyra {

class LineList {
public:
    LineList() = default;
    explicit LineList(QStringList lines) : lines_(std::move(lines)) {}

    const QStringList& lines() const { return lines_; }
    int size() const { return static_cast<int>(lines_.size()); }
    bool isEmpty() const { return lines_.isEmpty(); }
    const QString& at(int i) const { return lines_.at(i); }

    bool sorted() const { return sorted_; }
    // Switching the mode does not re-order the lines already held.
    void setSorted(bool sorted) { sorted_ = sorted; }

    // Appends, or in sorted mode puts the line after every line not greater
    // than it (code-point order: hyphens before digits before the letters).
    void add(const QString& line);
    void insert(int index, const QString& line);
    void clear() { lines_.clear(); }

private:
    QStringList lines_;
    bool sorted_ = false;
};

} // namespace tallyra
