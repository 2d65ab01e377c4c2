#include "mesh/mesh_loader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Indices = std::vector<std::uint32_t>;

struct Corner {
    float x;
    float y;
};

std::vector<objl::Vertex> face(const std::vector<Corner>& corners) {
    std::vector<objl::Vertex> vertices;
    for (const Corner& corner : corners) {
        objl::Vertex vertex;
        vertex.position = objl::Vector3(corner.x, corner.y, 0);
        vertices.push_back(vertex);
    }
    return vertices;
}

Indices triangulate(const std::vector<objl::Vertex>& vertices) {
    Indices indices;
    objl::MeshLoader::triangulateFace(indices, vertices);
    return indices;
}

struct FaceCase {
    std::string what;
    std::vector<Corner> corners;
    Indices triangles;
};

TEST(TriangulateFace, CoversFacesAsTheClippingOrderGives) {
    const FaceCase cases[] = {
        {"no corner", {}, {}},
        {"one corner", {{0, 0}}, {}},
        {"two corners", {{0, 0}, {1, 0}}, {}},
        {"triangle, whatever its positions", {{1, 1}, {1, 1}, {1, 1}}, {0, 1, 2}},
        {"square", {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {0, 1, 3, 1, 2, 3}},
        {"convex pentagon", {{0, 0}, {2, 0}, {3, 2}, {1, 3}, {-1, 2}}, {0, 1, 4, 1, 2, 4, 2, 3, 4}},
        {"convex hexagon",
         {{1, 0}, {2, 1}, {2, 2}, {1, 3}, {0, 2}, {0, 1}},
         {0, 1, 5, 1, 2, 5, 2, 3, 5, 3, 4, 5}},
        // The straight first corner is passed over, so no triangle has zero area.
        {"hexagon starting at a straight corner",
         {{1, 0}, {2, 0}, {2, 2}, {1, 2}, {0, 2}, {0, 0}},
         {0, 1, 2, 0, 2, 5, 2, 3, 5, 3, 4, 5}},
        {"five corners on a line", {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}, {}},
        // No convexity test: the reflex corner 0 is clipped first, outside the face.
        {"reflex pentagon",
         {{0, 1}, {-2, 2}, {-2, -2}, {2, -2}, {2, 2}},
         {0, 1, 4, 1, 2, 4, 2, 3, 4}},
        // Both copies of (1, 1) match the first triangle's corner, and no fourth position
        // differs, so the origin stands in for it.
        {"square with a repeated position", {{1, 1}, {2, 1}, {1, 1}, {1, 2}}, {0, 1, 2, 3, 1, 3}},
        // After corner 1 is clipped, corner 2's triangle (0, 2, 3) holds it and is blocked;
        // skipping clipped vertices would have emitted 0, 2, 3.
        {"clipped vertex blocking a later corner",
         {{1, 0}, {4, 1}, {5, 0}, {4, 5}, {1, 1}, {0, 3}},
         {0, 1, 2, 3, 4, 5, 0, 2, 5, 2, 3, 5}},
        // The top edge doubles back on itself. After the ear 0, 1, 5 every corner left is
        // straight or blocked: the clipped triangle stays and the call ends.
        {"no ear left after a clip", {{0, 2}, {0, 3}, {2, 3}, {1, 3}, {4, 3}, {4, 2}}, {0, 1, 5}},
    };
    for (const FaceCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(triangulate(face(c.corners)), c.triangles);
    }
}

TEST(TriangulateFace, AppendsToTheGivenList) {
    Indices indices = {7};
    objl::MeshLoader::triangulateFace(indices, face({{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
    EXPECT_EQ(indices, (Indices{7, 0, 1, 3, 1, 2, 3}));
}

// Only positions take part; the other fields ride along with the indices.
TEST(TriangulateFace, IgnoresNormalsAndTexCoords) {
    std::vector<objl::Vertex> vertices = face({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {-1, 0.5f}});
    for (objl::Vertex& vertex : vertices) {
        vertex.normal = objl::Vector3(0, 0, -1);
        vertex.texCoord = objl::Vector2(vertex.position.y, vertex.position.x);
    }
    EXPECT_EQ(triangulate(vertices),
              triangulate(face({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {-1, 0.5f}})));
}

// A NaN position equals nothing, itself included; the call still ends with every index inside
// the face.
TEST(TriangulateFace, EndsOnNaNPositions) {
    const float nan = std::nanf("");
    const std::vector<objl::Vertex> vertices =
        face({{nan, 0}, {1, 0}, {1, nan}, {0, 1}, {nan, nan}, {2, 2}});
    for (const std::uint32_t index : triangulate(vertices)) {
        EXPECT_LT(index, vertices.size());
    }
}

} // namespace
