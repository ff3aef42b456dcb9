#include "roster/DuplicateLine.h"

namespace {

char16_t FoldAsciiLetter(QChar character)
{
    const char16_t unit = character.unicode();
    return unit >= u'A' && unit <= u'Z' ? unit - u'A' + u'a' : unit;
}

}  // namespace

bool IsSameLineIgnoringCase(const QString& left, const QString& right)
{
    if (left.size() != right.size())
        return false;
    for (qsizetype at = 0; at < left.size(); ++at)
        if (FoldAsciiLetter(left[at]) != FoldAsciiLetter(right[at]))
            return false;
    return true;
}
