#include "mesh/mesh_loader.h"

#include "platform/resources.h"

namespace objl {
namespace {

std::string_view resourceText(int id) {
    const auto bytes = platform::textResource(id);
    if (!bytes) {
        return {};
    }
    return {reinterpret_cast<const char*>(bytes->data()), bytes->size()};
}

} // namespace

bool MeshLoader::loadFromResources(int objId, int mtlId) {
    return loadFromText(resourceText(objId), resourceText(mtlId));
}

} // namespace objl
