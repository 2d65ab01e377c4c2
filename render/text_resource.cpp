#include "render/text_resource.h"

#include <algorithm>
#include <cstring>

#include "platform/resources.h"

void loadTextResource(int id, char* buffer, std::size_t capacity) {
    std::size_t length = 0;
    if (const auto bytes = platform::textResource(id)) {
        const auto limit =
            bytes->begin() + static_cast<std::ptrdiff_t>(std::min(capacity, bytes->size()));
        const auto marker = std::find(bytes->begin(), limit, static_cast<std::uint8_t>('~'));
        length = static_cast<std::size_t>(marker - bytes->begin());
        std::memcpy(buffer, bytes->data(), length);
    }
    std::memset(buffer + length, 0, 4);
}
