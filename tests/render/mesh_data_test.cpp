#include <gtest/gtest.h>

#include <cmath>

#include "mesh/records.h"
#include "render/mesh_data.h"

namespace {

constexpr int kStride = GLFWMeshData::kStride;

// The rectangle as the loader gives it: six corners of two triangles, in face order.
TEST(GLFWMeshData, RectangleInterleavesTwentyFourFloatsPerVertex) {
    const GLFWMeshData mesh(141, 140, 1.0f);
    ASSERT_EQ(mesh.vertexCount(), 6);
    ASSERT_EQ(mesh.indexCount(), 6);
    EXPECT_EQ(mesh.vertexSize(), 6 * 96);
    EXPECT_EQ(mesh.indexSize(), 24);

    const float positions[6][3] = {{-1, 1, 0}, {-1, -1, 0}, {1, 1, 0},
                                   {1, -1, 0}, {1, 1, 0},   {-1, -1, 0}};
    const float texCoords[6][2] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}, {1, 1}, {0, 0}};
    // Position, texture coordinate, normal, tangent, bitangent, Ka, Kd, Ks and Ns.
    for (int k = 0; k < 6; ++k) {
        const float* v = mesh.vertexData() + kStride * k;
        const float expected[kStride] = {positions[k][0],
                                         positions[k][1],
                                         positions[k][2],
                                         texCoords[k][0],
                                         texCoords[k][1],
                                         0,
                                         0,
                                         1, // normal
                                         1,
                                         0,
                                         0, // tangent
                                         0,
                                         1,
                                         0, // bitangent
                                         0.7765f,
                                         0.8824f,
                                         0.3412f, // Ka
                                         0.7765f,
                                         0.8824f,
                                         0.3412f, // Kd
                                         0.35f,
                                         0.35f,
                                         0.35f,
                                         32}; // Ks, Ns
        for (int f = 0; f < kStride; ++f) {
            EXPECT_FLOAT_EQ(v[f], expected[f]) << "vertex " << k << " float " << f;
        }
        EXPECT_EQ(mesh.indexData()[k], static_cast<std::uint32_t>(k));
    }
}

objl::Mesh meshOf(int corners, std::vector<std::uint32_t> indices, float ns) {
    std::vector<objl::Vertex> vertices;
    for (int i = 0; i < corners; ++i) {
        const float angle = static_cast<float>(i);
        vertices.push_back({{std::cos(angle), std::sin(angle), 0.5f * angle},
                            {0, 0, 2},
                            {std::cos(angle), std::sin(angle)}});
    }
    objl::Mesh mesh(std::move(vertices), std::move(indices));
    mesh.material.Ns = ns;
    return mesh;
}

TEST(GLFWMeshData, LaterMeshesIndexPastTheEarlierOnesVertices) {
    const GLFWMeshData mesh(
        GLFWMeshArrays({meshOf(4, {0, 1, 2, 0, 2, 3}, 10), meshOf(3, {0, 1, 2}, 77)}, 1.0f));
    ASSERT_EQ(mesh.indexCount(), 9);
    EXPECT_EQ(mesh.indexData()[6], 4u);
    EXPECT_EQ(mesh.indexData()[7], 5u);
    EXPECT_EQ(mesh.indexData()[8], 6u);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(mesh.vertexData()[kStride * k + 23], k < 4 ? 10.0f : 77.0f) << k;
    }
}

TEST(GLFWMeshData, ScaleMovesPositionsOnly) {
    const auto meshes = std::vector{meshOf(4, {0, 1, 2, 0, 2, 3}, 1)};
    const GLFWMeshData single(GLFWMeshArrays(meshes, 1.0f));
    const GLFWMeshData doubled(GLFWMeshArrays(meshes, 2.0f));
    for (int k = 0; k < 4; ++k) {
        const float* a = single.vertexData() + kStride * k;
        const float* b = doubled.vertexData() + kStride * k;
        for (int f = 0; f < kStride; ++f) {
            const float expected = f < 3 ? 2.0f * a[f] : a[f];
            EXPECT_NEAR(b[f], expected, 1e-6f) << "vertex " << k << " float " << f;
        }
    }
}

TEST(GLFWMeshData, TrailingIncompleteTriangleIsDropped) {
    const GLFWMeshData mesh(GLFWMeshArrays({meshOf(4, {0, 1, 2, 3}, 1)}, 1.0f));
    EXPECT_EQ(mesh.indexCount(), 3);
    EXPECT_EQ(mesh.indexSize(), 12);
}

} // namespace
