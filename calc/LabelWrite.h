#pragma once

// What a calculator run produces for its page: the label texts in the order
// they are written. A label the run does not reach is absent, so it keeps
// whatever text it had.

#include <ostream>
#include <string>
#include <vector>

namespace calc {

struct LabelWrite {
    std::string control; // object name of the label, e.g. "sLabel39"
    std::string text;
    bool operator==(const LabelWrite&) const = default;
};

using LabelWrites = std::vector<LabelWrite>;

inline std::ostream& operator<<(std::ostream& os, const LabelWrite& w) {
    return os << w.control << "=\"" << w.text << '"';
}

} // namespace calc
