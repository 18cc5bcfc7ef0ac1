#pragma once
// The working state of ResolveParentheses, kept between calls so that a long expression costs
// no allocation per step.
//
// The scan appends every byte that passes the filter to the working text. An open "(" is not
// stored in it: the group stack keeps where each open group's text begins, so the group's
// inner text is always the end of the working text and an unmatched "(" simply never appears.
// The positions of the bytes that can act as operators are kept beside the text, so that
// closing a group whose text holds none costs nothing, and a reduction scans only from the
// group's start through the number after its last operator: of what follows, only the bytes
// a number read reaches are looked at, and the rest stays where it is. Deep nesting around a
// long text therefore costs little per level.
#include <string>
#include <string_view>
#include <vector>

#include "calc/OperatorReducer.h"

class ParenthesisResolver {
public:
    // Filters expression and resolves its parentheses from the innermost outwards, then
    // reduces what remains; writes the result to out. False when the evaluation fails: a group
    // that reduces to nothing ("()"), a failed reduction, or nothing left after filtering.
    bool Resolve(std::string_view expression, std::string& out);

private:
    bool Keeps(std::string_view expression, size_t i) const;
    void Append(char c);
    bool ReduceFrom(size_t start);

    std::string m_text;
    std::vector<size_t> m_groups;     // where the text of each open group begins
    std::vector<size_t> m_operators;  // ascending positions of operator bytes in m_text
    std::string m_reduced;
    OperatorReducer m_reducer;
};
