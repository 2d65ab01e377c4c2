// Loads the models in data/ with our loader and with an independent OBJ reader, and checks that
// both see the same face corners and that our triangles cover exactly each face.

#include "mesh/geometry.h"
#include "mesh/mesh_loader.h"

#include <gtest/gtest.h>
#include <tiny_obj_loader.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using objl::Vector2;
using objl::Vector3;

const std::filesystem::path dataDirectory = HOLLOWLIGHT_MESH_TEST_DATA;

std::string readText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// One face corner as the reference reader sees it.
struct Corner {
    Vector3 position;
    std::optional<Vector2> texCoord;
    std::optional<Vector3> normal;
};

struct ReferenceModel {
    std::vector<Corner> corners;
    std::vector<std::size_t> faceSizes;
    std::size_t triangles = 0;
};

Vector3 vector3At(const std::vector<tinyobj::real_t>& values, int index) {
    const auto at = static_cast<std::size_t>(index) * 3;
    return {values[at], values[at + 1], values[at + 2]};
}

Corner referenceCorner(const tinyobj::attrib_t& attrib, const tinyobj::index_t& index) {
    Corner corner{vector3At(attrib.vertices, index.vertex_index), {}, {}};
    if (index.texcoord_index >= 0) {
        const auto at = static_cast<std::size_t>(index.texcoord_index) * 2;
        corner.texCoord = Vector2(attrib.texcoords[at], attrib.texcoords[at + 1]);
    }
    if (index.normal_index >= 0) {
        corner.normal = vector3At(attrib.normals, index.normal_index);
    }
    return corner;
}

std::optional<tinyobj::ObjReader> parseReference(const std::filesystem::path& path,
                                                 bool triangulate) {
    tinyobj::ObjReaderConfig config;
    config.triangulate = triangulate;
    config.mtl_search_path = dataDirectory.string();
    tinyobj::ObjReader reader;
    if (!reader.ParseFromFile(path.string(), config)) {
        ADD_FAILURE() << reader.Error();
        return std::nullopt;
    }
    return reader;
}

std::optional<ReferenceModel> readReference(const std::filesystem::path& path) {
    const auto polygons = parseReference(path, false);
    const auto triangles = parseReference(path, true);
    if (!polygons || !triangles) {
        return std::nullopt;
    }
    ReferenceModel model;
    for (const tinyobj::shape_t& shape : polygons->GetShapes()) {
        std::size_t next = 0;
        for (const unsigned char size : shape.mesh.num_face_vertices) {
            model.faceSizes.push_back(size);
            for (std::size_t k = 0; k < size; ++k) {
                model.corners.push_back(
                    referenceCorner(polygons->GetAttrib(), shape.mesh.indices[next++]));
            }
        }
    }
    for (const tinyobj::shape_t& shape : triangles->GetShapes()) {
        model.triangles += shape.mesh.num_face_vertices.size();
    }
    return model;
}

float triangleArea(const Vector3& a, const Vector3& b, const Vector3& c) {
    return objl::vectorLength(objl::crossProduct(b - a, c - a)) / 2;
}

// The faces are convex, so a fan from the first corner gives the area whatever the split.
float polygonArea(const std::vector<Corner>& corners, std::size_t first, std::size_t size) {
    float area = 0;
    for (std::size_t k = 2; k < size; ++k) {
        area += triangleArea(corners[first].position, corners[first + k - 1].position,
                             corners[first + k].position);
    }
    return area;
}

void expectSameCorner(const objl::Vertex& ours, const Corner& reference) {
    EXPECT_FLOAT_EQ(ours.position.x, reference.position.x);
    EXPECT_FLOAT_EQ(ours.position.y, reference.position.y);
    EXPECT_FLOAT_EQ(ours.position.z, reference.position.z);
    const Vector2 texCoord = reference.texCoord.value_or(Vector2());
    EXPECT_FLOAT_EQ(ours.texCoord.x, texCoord.x);
    EXPECT_FLOAT_EQ(ours.texCoord.y, texCoord.y);
}

class CrossCheck : public testing::TestWithParam<std::string> {};

TEST_P(CrossCheck, SameCornersAndTrianglesAsAnIndependentReader) {
    const std::filesystem::path obj = dataDirectory / (GetParam() + ".obj");
    const std::filesystem::path mtl = dataDirectory / (GetParam() + ".mtl");
    const std::optional<ReferenceModel> reference = readReference(obj);
    ASSERT_TRUE(reference.has_value());

    std::ostringstream progress;
    objl::MeshLoader loader(progress);
    ASSERT_TRUE(loader.loadFromText(readText(obj), exists(mtl) ? readText(mtl) : ""));

    ASSERT_EQ(loader.allVertices.size(), reference->corners.size());
    for (std::size_t i = 0; i < reference->corners.size(); ++i) {
        SCOPED_TRACE(i);
        expectSameCorner(loader.allVertices[i], reference->corners[i]);
    }
    ASSERT_EQ(loader.allIndices.size(), reference->triangles * 3);

    // Faces are stored one after another, so each face owns a range of allVertices; every
    // triangle must lie within one face, and a face's triangles must add up to its area.
    std::size_t triangle = 0;
    std::size_t first = 0;
    for (const std::size_t size : reference->faceSizes) {
        SCOPED_TRACE(first);
        float area = 0;
        for (std::size_t k = 2; k < size; ++k, ++triangle) {
            const std::uint32_t* corners = &loader.allIndices[triangle * 3];
            for (std::size_t c = 0; c < 3; ++c) {
                ASSERT_GE(corners[c], first);
                ASSERT_LT(corners[c], first + size);
            }
            area += triangleArea(loader.allVertices[corners[0]].position,
                                 loader.allVertices[corners[1]].position,
                                 loader.allVertices[corners[2]].position);
        }
        EXPECT_NEAR(area, polygonArea(reference->corners, first, size), 1e-5f);
        first += size;
    }
}

INSTANTIATE_TEST_SUITE_P(Models, CrossCheck,
                         testing::Values("tetrahedron", "cube", "polygons", "house"));

} // namespace
