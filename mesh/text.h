#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The string routines the OBJ and MTL reading rests on. Their behaviour at the edges (empty
// fields, blanks, tabs, carriage returns) decides what the loader accepts.
namespace objl {

// The first word of `line`. Words are separated by spaces and tabs only, so a carriage return
// at the end of a one-word line stays with the word.
std::string leadingToken(std::string_view line);

// The rest of `line` after its first word, without leading and trailing spaces and tabs; inner
// blanks and any carriage return or line feed stay.
std::string afterLeadingToken(std::string_view line);

// Replaces `parts` with the fields of `text`: every separator ends one field (empty when nothing
// stood before it), and the text after the last separator is a field only when it is not empty.
void splitOn(std::string_view text, char separator, std::vector<std::string>& parts);

// Cuts carriage returns and line feeds off the end of `text`, unless nothing else is left.
std::string& trimTrailingLineBreaks(std::string& text);

// The decimal number at the start of `text` after white space (sign, digits, optional point and
// fraction, optional exponent); the rest of the text is ignored. Read as a double, then narrowed
// (beyond the float range it becomes an infinity). Nothing when no number starts the text or
// the value is outside the double range (too large, or too small to tell from zero). Only plain
// decimal spellings are read: "inf", "nan" and hexadecimal forms are not numbers here, so the
// result is never NaN; "0x10" reads as 0.
std::optional<float> readFloat(std::string_view text);

// The base-10 integer at the start of `text` after white space, with an optional sign; the rest
// is ignored. Nothing when no digits start the text or the value is outside 32 bits.
std::optional<std::int32_t> readInt(std::string_view text);

// The element an OBJ index names: 1 is the first, -1 the last. Nothing when the index text does
// not read or names no element (0, beyond the end, before the start), so that a model with a
// bad index cannot read outside the list.
template <typename T>
const T* elementAtObjIndex(const std::vector<T>& list, std::string_view indexText) {
    const std::optional<std::int32_t> index = readInt(indexText);
    if (!index) {
        return nullptr;
    }
    const auto size = static_cast<std::int64_t>(list.size());
    const std::int64_t position = *index < 0 ? size + *index : std::int64_t{*index} - 1;
    if (position < 0 || position >= size) {
        return nullptr;
    }
    return &list[static_cast<std::size_t>(position)];
}

} // namespace objl
