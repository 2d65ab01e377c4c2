#pragma once

#include <cstdint>
#include <vector>

namespace objl {
struct Mesh;
}

// One flat array per vertex attribute of every mesh of an OBJ/MTL resource pair: positions
// scaled, normals normalised, one tangent frame per triangle, the material's colours copied to
// each vertex, and indices into the combined vertex list.
class GLFWMeshArrays {
  public:
    // Loads the resources with build; ends the process with "Failed to load mesh" when they give
    // no mesh.
    GLFWMeshArrays(int objResource, int mtlResource, float scale);

    // The arrays of meshes that are already loaded.
    GLFWMeshArrays(const std::vector<objl::Mesh>& meshes, float scale);

    void build(int objResource, int mtlResource);

    std::vector<float> positions;
    std::vector<float> texCoords;
    std::vector<float> normals;
    std::vector<float> tangents;
    std::vector<float> bitangents;
    std::vector<float> ambientColours;
    std::vector<float> diffuseColours;
    std::vector<float> specularColours; // red, green, blue, specular exponent
    std::vector<std::uint32_t> indices;
    int vertexCount = 0;
    int indexCount = 0;
    float scale;

  private:
    void fill(const std::vector<objl::Mesh>& meshes);
    void copyMesh(const objl::Mesh& mesh, int vertexBase, int indexBase);
    void computeTangentFrames();
};

// The vertices interleaved, 24 floats each, and 32-bit triangle indices, ready for upload.
class GLFWMeshData {
  public:
    static constexpr int kStride = 24;
    static constexpr int kAttributeOffsets[8] = {0, 3, 5, 8, 11, 14, 17, 20};

    // Ends the process with "Failed to load mesh" when the resources give no mesh.
    GLFWMeshData(int objResource, int mtlResource, float scale);

    // Interleaves arrays that are already built.
    explicit GLFWMeshData(GLFWMeshArrays arrays);

    const GLFWMeshArrays& arrays() const { return arrays_; }
    const float* vertexData() const { return vertices_.data(); }
    int vertexSize() const { return vertexCount_ * kStride * 4; }
    int stride() const { return kStride; }
    const std::uint32_t* indexData() const { return indices_.data(); }
    int indexSize() const { return indexCount_ * 4; }
    int indexCount() const { return indexCount_; }
    int vertexCount() const { return vertexCount_; }

  private:
    void interleave();

    std::vector<float> vertices_;
    std::vector<std::uint32_t> indices_;
    GLFWMeshArrays arrays_;
    int vertexCount_ = 0;
    int indexCount_ = 0;
};
