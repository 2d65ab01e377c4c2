#include "render/mesh_data.h"

#include <algorithm>

#include "math/vec.h"
#include "mesh/mesh_loader.h"
#include "render/fatal.h"

namespace {

void put(std::vector<float>& array, int k, const Vec3f& v) {
    std::copy(v.v, v.v + 3, array.begin() + 3 * k);
}

Vec3f vec3(const objl::Vector3& v) {
    return Vec3f(v.x, v.y, v.z);
}

Vec3f vec3At(const std::vector<float>& array, std::uint32_t i) {
    return Vec3f(array[3 * i], array[3 * i + 1], array[3 * i + 2]);
}

Vec2f vec2At(const std::vector<float>& array, std::uint32_t i) {
    return Vec2f(array[2 * i], array[2 * i + 1]);
}

} // namespace

GLFWMeshArrays::GLFWMeshArrays(int objResource, int mtlResource, float scale) : scale(scale) {
    build(objResource, mtlResource);
}

GLFWMeshArrays::GLFWMeshArrays(const std::vector<objl::Mesh>& meshes, float scale) : scale(scale) {
    fill(meshes);
}

void GLFWMeshArrays::build(int objResource, int mtlResource) {
    objl::MeshLoader loader;
    if (!loader.loadFromResources(objResource, mtlResource)) {
        failToLoadMesh();
    }
    fill(loader.meshes);
}

void GLFWMeshArrays::fill(const std::vector<objl::Mesh>& meshes) {
    vertexCount = 0;
    int totalIndices = 0;
    for (const objl::Mesh& mesh : meshes) {
        vertexCount += static_cast<int>(mesh.vertices.size());
        totalIndices += static_cast<int>(mesh.indices.size());
    }
    positions.assign(3 * vertexCount, 0.0f);
    texCoords.assign(2 * vertexCount, 0.0f);
    normals.assign(3 * vertexCount, 0.0f);
    tangents.assign(3 * vertexCount, 0.0f);
    bitangents.assign(3 * vertexCount, 0.0f);
    ambientColours.assign(3 * vertexCount, 0.0f);
    diffuseColours.assign(3 * vertexCount, 0.0f);
    specularColours.assign(4 * vertexCount, 0.0f);
    indices.assign(totalIndices, 0);

    int vertexBase = 0;
    int indexBase = 0;
    for (const objl::Mesh& mesh : meshes) {
        copyMesh(mesh, vertexBase, indexBase);
        vertexBase += static_cast<int>(mesh.vertices.size());
        indexBase += static_cast<int>(mesh.indices.size());
    }
    // Only whole triangles are drawn: a trailing incomplete one is dropped.
    indexCount = totalIndices - totalIndices % 3;
    indices.resize(indexCount);
    computeTangentFrames();
}

void GLFWMeshArrays::copyMesh(const objl::Mesh& mesh, int vertexBase, int indexBase) {
    const objl::Material& material = mesh.material;
    for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
        const objl::Vertex& vertex = mesh.vertices[i];
        const int k = vertexBase + static_cast<int>(i);
        put(positions, k, vec3(vertex.position) * scale);
        put(normals, k, normalize(vec3(vertex.normal)));
        texCoords[2 * k] = vertex.texCoord.x;
        texCoords[2 * k + 1] = vertex.texCoord.y;
        put(ambientColours, k, vec3(material.Ka));
        put(diffuseColours, k, vec3(material.Kd));
        const float specular[4] = {material.Ks.x, material.Ks.y, material.Ks.z, material.Ns};
        std::copy(specular, specular + 4, specularColours.begin() + 4 * k);
    }
    for (std::size_t j = 0; j < mesh.indices.size(); ++j) {
        indices[indexBase + j] = static_cast<std::uint32_t>(vertexBase) + mesh.indices[j];
    }
}

// Each triangle writes its frame to its three corners; a corner shared by several triangles
// keeps the frame of the last one. Degenerate texture coordinates give non-finite frames, which
// nothing reads.
void GLFWMeshArrays::computeTangentFrames() {
    for (int t = 0; t + 2 < indexCount; t += 3) {
        const std::uint32_t corners[3] = {indices[t], indices[t + 1], indices[t + 2]};
        const Vec3f p0 = vec3At(positions, corners[0]);
        const Vec2f w0 = vec2At(texCoords, corners[0]);
        const Vec3f e1 = vec3At(positions, corners[1]) - p0;
        const Vec3f e2 = vec3At(positions, corners[2]) - p0;
        const Vec2f d1 = vec2At(texCoords, corners[1]) - w0;
        const Vec2f d2 = vec2At(texCoords, corners[2]) - w0;
        const float r = 1.0f / (d1[0] * d2[1] - d2[0] * d1[1]);
        const Vec3f tangent = normalize((e1 * d2[1] - e2 * d1[1]) * r);
        const Vec3f bitangent = normalize((e2 * d1[0] - e1 * d2[0]) * r);
        for (const std::uint32_t corner : corners) {
            put(tangents, static_cast<int>(corner), tangent);
            put(bitangents, static_cast<int>(corner), bitangent);
        }
    }
}

GLFWMeshData::GLFWMeshData(int objResource, int mtlResource, float scale)
    : GLFWMeshData(GLFWMeshArrays(objResource, mtlResource, scale)) {}

GLFWMeshData::GLFWMeshData(GLFWMeshArrays arrays)
    : arrays_(std::move(arrays)), vertexCount_(arrays_.vertexCount),
      indexCount_(arrays_.indexCount) {
    interleave();
}

void GLFWMeshData::interleave() {
    vertices_.assign(static_cast<std::size_t>(vertexCount_) * kStride, 0.0f);
    const std::vector<float>* sources[8] = {&arrays_.positions,      &arrays_.texCoords,
                                            &arrays_.normals,        &arrays_.tangents,
                                            &arrays_.bitangents,     &arrays_.ambientColours,
                                            &arrays_.diffuseColours, &arrays_.specularColours};
    const int widths[8] = {3, 2, 3, 3, 3, 3, 3, 4};
    for (int k = 0; k < vertexCount_; ++k) {
        for (int a = 0; a < 8; ++a) {
            const auto from = sources[a]->begin() + widths[a] * k;
            std::copy(from, from + widths[a],
                      vertices_.begin() + kStride * k + kAttributeOffsets[a]);
        }
    }
    indices_ = arrays_.indices;
}
