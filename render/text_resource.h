#pragma once

#include <cstddef>

// Copies the text of TEXTFILE resource `id` into `buffer` up to its first '~' (the end marker of
// shader texts) and terminates it with four NUL bytes, the first where the marker stood. The
// buffer must hold `capacity` + 4 bytes. A text that reaches the capacity, or the end of the
// resource, without a marker stops there; a missing resource reads as an empty text.
void loadTextResource(int id, char* buffer, std::size_t capacity);
