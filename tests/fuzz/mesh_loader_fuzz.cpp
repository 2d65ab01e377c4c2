// Feeds arbitrary OBJ and MTL texts to the mesh loader. The input is the OBJ text, then, after
// the first NUL byte if there is one, the MTL text. Besides the sanitizers' checks, every index
// the loader gives out must name a vertex it stored.

#include "mesh/mesh_loader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string_view>
#include <vector>

namespace {

void requireIndicesInside(const std::vector<std::uint32_t>& indices, std::size_t vertexCount) {
    for (const std::uint32_t index : indices) {
        if (index >= vertexCount) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view obj = input.substr(0, split);
    const std::string_view mtl = split == std::string_view::npos ? "" : input.substr(split + 1);

    // A stream without a buffer swallows the progress text.
    std::ostream discard(nullptr);
    objl::MeshLoader loader(discard);
    loader.loadFromText(obj, mtl);

    requireIndicesInside(loader.allIndices, loader.allVertices.size());
    for (const objl::Mesh& mesh : loader.meshes) {
        requireIndicesInside(mesh.indices, mesh.vertices.size());
    }
    return 0;
}
