#include "mesh/geometry.h"
#include "mesh/records.h"
#include "vector_expectations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using objl::Vector3;

TEST(Records, DefaultMaterialIsBlackAndUnnamed) {
    const objl::Material material;
    EXPECT_EQ(material.name, "");
    for (const Vector3& colour : {material.Ka, material.Kd, material.Ks}) {
        EXPECT_SAME_VECTOR(colour, Vector3(0, 0, 0));
    }
    EXPECT_EQ(material.Ns, 0);
    EXPECT_EQ(material.Ni, 0);
    EXPECT_EQ(material.d, 0);
    EXPECT_EQ(material.illum, 0);
    for (const std::string& map : {material.map_Ka, material.map_Kd, material.map_Ks,
                                   material.map_Ns, material.map_d, material.map_bump}) {
        EXPECT_EQ(map, "");
    }
}

TEST(Records, VectorDifferenceIsComponentWise) {
    EXPECT_SAME_VECTOR(Vector3(1, 2, 3) - Vector3(0.5f, 0.5f, 0.5f), Vector3(0.5f, 1.5f, 2.5f));
}

TEST(Records, MeshKeepsItsListsInOrder) {
    std::vector<objl::Vertex> vertices(4);
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        vertices[i].position = Vector3(static_cast<float>(i), 0, 0);
    }
    const std::vector<std::uint32_t> indices = {0, 1, 3, 1, 2, 3};
    const objl::Mesh mesh(vertices, indices);
    ASSERT_EQ(mesh.vertices.size(), 4u);
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        EXPECT_SAME_VECTOR(mesh.vertices[i].position, vertices[i].position);
    }
    EXPECT_EQ(mesh.indices, indices);
    EXPECT_EQ(mesh.name, "");
    EXPECT_EQ(mesh.material.name, "");
}

TEST(Geometry, ProductsLengthAndAngle) {
    EXPECT_SAME_VECTOR(objl::crossProduct(Vector3(1, 0, 0), Vector3(0, 1, 0)), Vector3(0, 0, 1));
    EXPECT_SAME_VECTOR(objl::crossProduct(Vector3(1, 2, 3), Vector3(4, 5, 6)), Vector3(-3, 6, -3));
    EXPECT_EQ(objl::dotProduct(Vector3(1, 2, 3), Vector3(4, 5, 6)), 32);
    EXPECT_EQ(objl::vectorLength(Vector3(3, 4, 12)), 13);
    EXPECT_FLOAT_EQ(objl::vectorAngle(Vector3(2, 0, 0), Vector3(0, 3, 0)),
                    std::numbers::pi_v<float> / 2);
    EXPECT_TRUE(std::isnan(objl::vectorAngle(Vector3(0, 0, 0), Vector3(1, 0, 0))));
}

struct PointCase {
    const char* what;
    Vector3 point;
    bool inside;
};

TEST(Geometry, PointInTriangleIsInclusiveAndInPlane) {
    const Vector3 t1(0, 0, 0), t2(4, 0, 0), t3(0, 4, 0);
    const PointCase cases[] = {
        {"inside", {1, 1, 0}, true},      {"on an edge", {2, 2, 0}, true},
        {"on a corner", {4, 0, 0}, true}, {"off the plane above the inside", {1, 1, 5}, true},
        {"outside", {3, 3, 0}, false},    {"beyond a corner", {-1, 0, 0}, false},
    };
    for (const PointCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(objl::pointInTriangle(c.point, t1, t2, t3), c.inside);
    }
    // A degenerate triangle contains no point, not even its own corners.
    EXPECT_FALSE(objl::pointInTriangle(t1, t1, t2, Vector3(8, 0, 0)));
    EXPECT_FALSE(objl::pointInTriangle(Vector3(std::nanf(""), 0, 0), t1, t2, t3));
}

} // namespace
