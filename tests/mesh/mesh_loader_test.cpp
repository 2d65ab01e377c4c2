#include "mesh/geometry.h"
#include "mesh/mesh_loader.h"
#include "vector_expectations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

using objl::Vector2;
using objl::Vector3;
using Indices = std::vector<std::uint32_t>;

constexpr int rectangleObj = 141;
constexpr int rectangleMtl = 140;

// A loader whose progress text is kept for the test instead of going to standard output.
struct QuietLoader {
    bool load(const std::string& obj, const std::string& mtl = "") {
        return loader.loadFromText(obj, mtl);
    }
    std::vector<std::string> meshNames() const {
        std::vector<std::string> names;
        for (const objl::Mesh& mesh : loader.meshes) {
            names.push_back(mesh.name);
        }
        return names;
    }
    std::vector<std::string> meshMaterials() const {
        std::vector<std::string> names;
        for (const objl::Mesh& mesh : loader.meshes) {
            names.push_back(mesh.material.name);
        }
        return names;
    }

    std::ostringstream progress;
    objl::MeshLoader loader{progress};
};

// Four corners of the unit square and what faces need besides.
const std::string square = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0.5 0.25\nvn 0 0 1\n";

TEST(Rectangle, LoadsFromTheExecutablesResources) {
    objl::MeshLoader loader;
    testing::internal::CaptureStdout();
    const bool loaded = loader.loadFromResources(rectangleObj, rectangleMtl);
    const std::string progress = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(loaded);

    ASSERT_EQ(loader.meshes.size(), 1u);
    const objl::Mesh& mesh = loader.meshes[0];
    EXPECT_EQ(mesh.name, "Plane001");
    struct Expected {
        Vector3 position;
        Vector2 texCoord;
    };
    const Expected expected[] = {
        {{-1, 1, 0}, {0, 1}},     {{-1, -1, -0.0f}, {0, 0}}, {{1, 1, 0}, {1, 1}},
        {{1, -1, -0.0f}, {1, 0}}, {{1, 1, 0}, {1, 1}},       {{-1, -1, -0.0f}, {0, 0}},
    };
    ASSERT_EQ(mesh.vertices.size(), 6u);
    ASSERT_EQ(loader.allVertices.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        for (const objl::Vertex& vertex : {mesh.vertices[i], loader.allVertices[i]}) {
            EXPECT_SAME_VECTOR(vertex.position, expected[i].position);
            EXPECT_SAME_VECTOR(vertex.normal, Vector3(0, -0.0f, 1));
            EXPECT_SAME_VECTOR(vertex.texCoord, expected[i].texCoord);
        }
    }
    EXPECT_EQ(mesh.indices, (Indices{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(loader.allIndices, (Indices{0, 1, 2, 3, 4, 5}));

    ASSERT_EQ(loader.materials.size(), 1u);
    for (const objl::Material& material : {mesh.material, loader.materials[0]}) {
        EXPECT_EQ(material.name, "wire_198225087");
        EXPECT_SAME_VECTOR(material.Ka, Vector3(0.7765f, 0.8824f, 0.3412f));
        EXPECT_SAME_VECTOR(material.Kd, Vector3(0.7765f, 0.8824f, 0.3412f));
        EXPECT_SAME_VECTOR(material.Ks, Vector3(0.35f, 0.35f, 0.35f));
        EXPECT_EQ(material.Ns, 32);
        EXPECT_EQ(material.Ni, 0);
        EXPECT_EQ(material.d, 1);
        EXPECT_EQ(material.illum, 2);
        for (const std::string& map : {material.map_Ka, material.map_Kd, material.map_Ks,
                                       material.map_Ns, material.map_d, material.map_bump}) {
            EXPECT_EQ(map, "");
        }
    }

    const std::string report =
        "\r- Plane001\t| vertices > 4\t| texcoords > 4\t| normals > 1\t| triangles > 0";
    EXPECT_EQ(progress,
              "\n" + report + "\n" + report + report + "\t| material: wire_198225087" + "\n");
}

TEST(Loader, FailsWithoutAFaceVertex) {
    objl::MeshLoader loader;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(loader.loadFromResources(9999, rectangleMtl));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\n");

    QuietLoader quiet;
    EXPECT_FALSE(quiet.load(""));
    EXPECT_FALSE(quiet.load(square + "# no faces\no Empty\nusemtl x\n"));
}

TEST(Loader, EachLoadStartsAfreshButMaterialsGrow) {
    QuietLoader quiet;
    ASSERT_TRUE(quiet.load(square + "mtllib m\nf 1 2 3\n", "newmtl first\n"));
    ASSERT_TRUE(quiet.load(square + "mtllib m\nf 1 2 3 4\n", "newmtl second\n"));
    EXPECT_EQ(quiet.loader.meshes.size(), 1u);
    EXPECT_EQ(quiet.loader.allVertices.size(), 4u);
    EXPECT_EQ(quiet.loader.allIndices, (Indices{0, 1, 3, 1, 2, 3}));
    ASSERT_EQ(quiet.loader.materials.size(), 2u);
    EXPECT_EQ(quiet.loader.materials[1].name, "second");
}

TEST(Loader, MissingMaterialResourceGivesOneDefaultMaterial) {
    objl::MeshLoader loader;
    testing::internal::CaptureStdout();
    const bool loaded = loader.loadFromResources(rectangleObj, 9999);
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(loaded);
    ASSERT_EQ(loader.materials.size(), 1u);
    EXPECT_EQ(loader.materials[0].name, "");
    EXPECT_EQ(loader.meshes[0].material.name, "");
}

TEST(FaceVertices, FourCornersWithoutNormalsShareTheFaceNormal) {
    QuietLoader quiet;
    ASSERT_TRUE(quiet.load("v 0 0 0\nv 2 0 0\nv 2 1 0\nv 0 1 1\nvt 0.5 0.5\nf 1 2 3 4\n"));
    const objl::Mesh& mesh = quiet.loader.meshes.at(0);
    ASSERT_EQ(mesh.vertices.size(), 4u);
    const Vector3 normal = objl::crossProduct(Vector3(0, 0, 0) - Vector3(2, 0, 0),
                                              Vector3(2, 1, 0) - Vector3(2, 0, 0));
    for (const objl::Vertex& vertex : mesh.vertices) {
        EXPECT_SAME_VECTOR(vertex.normal, normal);
        EXPECT_SAME_VECTOR(vertex.texCoord, Vector2(0, 0));
    }
    EXPECT_EQ(mesh.indices, (Indices{0, 1, 3, 1, 2, 3}));
}

TEST(FaceVertices, CornerFormsAndNegativeIndices) {
    const std::vector<Vector3> positions = {{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}};
    const std::vector<Vector2> texCoords = {{0.1f, 0.2f}, {0.3f, 0.4f}};
    const std::vector<Vector3> normals = {{0, 0, 1}, {0, 1, 0}};
    const auto build = [&](const std::string& line) {
        return objl::MeshLoader::buildFaceVertices(line, positions, texCoords, normals);
    };

    const auto relative = build("f -4 -3 -2");
    ASSERT_TRUE(relative.has_value());
    ASSERT_EQ(relative->size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_SAME_VECTOR((*relative)[i].position, positions[i]);
    }

    const auto withNormals = build("f 2//1 3/2/2 4//-1");
    ASSERT_TRUE(withNormals.has_value());
    EXPECT_SAME_VECTOR((*withNormals)[0].position, positions[1]);
    EXPECT_SAME_VECTOR((*withNormals)[0].texCoord, Vector2(0, 0));
    EXPECT_SAME_VECTOR((*withNormals)[0].normal, normals[0]);
    EXPECT_SAME_VECTOR((*withNormals)[1].texCoord, texCoords[1]);
    EXPECT_SAME_VECTOR((*withNormals)[1].normal, normals[1]);
    EXPECT_SAME_VECTOR((*withNormals)[2].texCoord, Vector2(0, 0));
    EXPECT_SAME_VECTOR((*withNormals)[2].normal, normals[1]);

    // One corner without a normal gives the whole face the computed one.
    const auto mixed = build("f 1/1/1 2/1 3/2/2");
    ASSERT_TRUE(mixed.has_value());
    const Vector3 faceNormal =
        objl::crossProduct(positions[0] - positions[1], positions[2] - positions[1]);
    for (const objl::Vertex& vertex : *mixed) {
        EXPECT_SAME_VECTOR(vertex.normal, faceNormal);
    }
    EXPECT_SAME_VECTOR((*mixed)[1].texCoord, texCoords[0]);
}

TEST(FaceVertices, IndicesAreOffsetWithinTheMeshAndOverall) {
    QuietLoader quiet;
    ASSERT_TRUE(quiet.load(square + "o A\nf 1 2 3\nf 1 2 3 4\no B\nf 4 3 2 1\n"));
    ASSERT_EQ(quiet.loader.meshes.size(), 2u);
    EXPECT_EQ(quiet.loader.meshes[0].indices, (Indices{0, 1, 2, 3, 4, 6, 4, 5, 6}));
    EXPECT_EQ(quiet.loader.meshes[1].indices, (Indices{0, 1, 3, 1, 2, 3}));
    EXPECT_EQ(quiet.loader.allIndices, (Indices{0, 1, 2, 3, 4, 6, 4, 5, 6, 7, 8, 10, 8, 9, 10}));
    EXPECT_EQ(quiet.loader.allVertices.size(), 11u);
}

TEST(Loader, CarriageReturnTakesTheNextCharacterWithIt) {
    QuietLoader quiet;
    ASSERT_TRUE(quiet.load("v 1 2 3\r5\nv 4 5 6\r\nv 7 8 9\r\r\nf 1 2 3\r\n"));
    const std::vector<objl::Vertex>& vertices = quiet.loader.allVertices;
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_SAME_VECTOR(vertices[0].position, Vector3(1, 2, 3));
    EXPECT_SAME_VECTOR(vertices[2].position, Vector3(7, 8, 9));
}

struct NamingCase {
    std::string what;
    std::string obj;
    std::vector<std::string> meshNames;
    std::vector<std::string> materialNames;
};

TEST(Naming, MeshesAreNamedAndGivenMaterialsByPosition) {
    const std::string mtl = "newmtl red\nKd 1 0 0\nnewmtl green\nKd 0 1 0\n";
    const NamingCase cases[] = {
        {"usemtl inside a group",
         "mtllib m\no X\nusemtl red\nf 1 2 3\nusemtl green\nf 1 3 4\n",
         {"X_2", "X"},
         {"red", "green"}},
        {"the suffix is always _2",
         "mtllib m\ng X\nf 1 2 3\nusemtl red\nf 1 3 4\nusemtl green\nf 1 2 4\n",
         {"X_2", "X_2", "X"},
         {"red", "green", ""}},
        {"faces before any group", "f 1 2 3\n", {""}, {}},
        {"the first group line names the faces before it", "f 1 2 3\no X\nf 1 3 4\n", {"X"}, {}},
        {"a line beginning with g completes a mesh",
         "o A\nf 1 2 3\ngfoo bar\nf 1 3 4\n",
         {"A", "bar"},
         {}},
        {"a line beginning with g with nothing to complete",
         "o A\ngfoo bar\nf 1 3 4\n",
         {"unnamed"},
         {}},
        {"an empty group completes nothing", "o A\nf 1 2 3\ng B\ng C\nf 1 3 4\n", {"A", "C"}, {}},
        {"unknown material name", "mtllib m\no A\nusemtl blue\nf 1 2 3\n", {"A"}, {""}},
        {"a material name beyond the last mesh",
         "mtllib m\nusemtl red\nusemtl green\nf 1 2 3\n",
         {""},
         {"red"}},
    };
    for (const NamingCase& c : cases) {
        SCOPED_TRACE(c.what);
        QuietLoader quiet;
        ASSERT_TRUE(quiet.load(square + c.obj, mtl));
        EXPECT_EQ(quiet.meshNames(), c.meshNames);
        std::vector<std::string> materials = c.materialNames;
        materials.resize(c.meshNames.size());
        EXPECT_EQ(quiet.meshMaterials(), materials);
    }
}

TEST(Materials, EveryMtllibLineReadsTheTextAgainAndTheFirstOfANameWins) {
    QuietLoader quiet;
    ASSERT_TRUE(quiet.loader.loadMaterials("newmtl red\nKd 1 0 0\n"));
    ASSERT_TRUE(quiet.load(square + "mtllib a\nmtllib b\nusemtl red\nf 1 2 3\n",
                           "newmtl red\nKd 0.5 0 0\n"));
    ASSERT_EQ(quiet.loader.materials.size(), 3u);
    EXPECT_EQ(quiet.loader.materials[2].name, "red");
    EXPECT_SAME_VECTOR(quiet.loader.meshes.at(0).material.Kd, Vector3(1, 0, 0));
}

TEST(Materials, ReadsEveryFieldAndKeepsCarriageReturnsInMapNames) {
    QuietLoader quiet;
    ASSERT_TRUE(quiet.loader.loadMaterials(
        "newmtl wire\r\nKa 0.1 0.2 0.3\r\nKd 0.4 0.5 0.6\nKs 0.7 0.8 0.9\nNs 10\nNi 1.5\n"
        "d 0.25\r\nillum 3\nTr 0.5\nTf 1 1 1\nmap_Ka a.png\nmap_Kd d.png\r\nmap_Ks s.png\n"
        "map_Ns n.png\nmap_d alpha.png\nbump b.png\n"));
    ASSERT_EQ(quiet.loader.materials.size(), 1u);
    const objl::Material& material = quiet.loader.materials[0];
    EXPECT_EQ(material.name, "wire");
    EXPECT_SAME_VECTOR(material.Ka, Vector3(0.1f, 0.2f, 0.3f));
    EXPECT_SAME_VECTOR(material.Kd, Vector3(0.4f, 0.5f, 0.6f));
    EXPECT_SAME_VECTOR(material.Ks, Vector3(0.7f, 0.8f, 0.9f));
    EXPECT_EQ(material.Ns, 10);
    EXPECT_EQ(material.Ni, 1.5f);
    EXPECT_EQ(material.d, 0.25f);
    EXPECT_EQ(material.illum, 3);
    EXPECT_EQ(material.map_Ka, "a.png");
    EXPECT_EQ(material.map_Kd, "d.png\r");
    EXPECT_EQ(material.map_Ks, "s.png");
    EXPECT_EQ(material.map_Ns, "n.png");
    EXPECT_EQ(material.map_d, "alpha.png");
    EXPECT_EQ(material.map_bump, "b.png");

    for (const std::string keyword : {"map_Bump", "map_bump"}) {
        ASSERT_TRUE(quiet.loader.loadMaterials(keyword + " x.png"));
        EXPECT_EQ(quiet.loader.materials.back().map_bump, "x.png");
    }
}

struct MtlCase {
    std::string what;
    std::string mtl;
    std::vector<std::string> names;
    Vector3 firstKa;
};

TEST(Materials, NamesAndValuesAtTheEdges) {
    const MtlCase cases[] = {
        {"values before the first newmtl", "Ka 1 0 0\nnewmtl a\nnewmtl b\n", {"a", "b"}, {1, 0, 0}},
        {"no newmtl at all", "Ka 0 0 1\n", {""}, {0, 0, 1}},
        {"empty text", "", {""}, {0, 0, 0}},
        {"newmtl alone", "newmtl\nnewmtl \nnewmtl a\n", {"none", "none", "a"}, {0, 0, 0}},
        {"Ka of two or four numbers is dropped",
         "newmtl a\nKa 0 1 0\nKa 1 1\nKa 1 1 1 1\n",
         {"a"},
         {0, 1, 0}},
    };
    for (const MtlCase& c : cases) {
        SCOPED_TRACE(c.what);
        QuietLoader quiet;
        ASSERT_TRUE(quiet.loader.loadMaterials(c.mtl));
        std::vector<std::string> names;
        for (const objl::Material& material : quiet.loader.materials) {
            names.push_back(material.name);
        }
        EXPECT_EQ(names, c.names);
        EXPECT_SAME_VECTOR(quiet.loader.materials.at(0).Ka, c.firstKa);
    }
}

// Input that names nothing sound fails the load instead of being guessed at.
TEST(Loader, FailsOnInputThatNamesNothing) {
    const std::string cases[] = {
        "v 1  2 3", "v 1 2",     "vt 1",       "vn 0 1",  "v a b c",  "vt 1 x",
        "f 0 1 2",  "f 1 2 5",   "f -5 1 2",   "f 1 2 x", "f 1  2 3", "f 1/1/1/1 2 3",
        "f / 2 3",  "f 1/2 2 3", "f 1//2 2 3", "f 1 2",   "f 1/1",    "mtllib m",
    };
    for (const std::string& line : cases) {
        SCOPED_TRACE(line);
        QuietLoader quiet;
        EXPECT_FALSE(quiet.load(square + "f 1 2 3\n" + line + "\n", "newmtl a\nNs 1 x\nd\n"));
    }
}

TEST(Materials, FailOnUnreadableNumbers) {
    for (const std::string line : {"Ns", "Ni x", "d -", "illum two", "Kd 1 0 x"}) {
        SCOPED_TRACE(line);
        QuietLoader quiet;
        EXPECT_FALSE(quiet.loader.loadMaterials("newmtl a\n" + line + "\n"));
        EXPECT_FALSE(quiet.load(square + "mtllib m\nf 1 2 3\n", line));
    }
}

TEST(Loader, FacesOfTwoCornersWithNormalsGiveVerticesButNoTriangle) {
    QuietLoader quiet;
    EXPECT_TRUE(quiet.load(square + "f 1//1 2//1\n"));
    EXPECT_EQ(quiet.loader.allVertices.size(), 2u);
    EXPECT_TRUE(quiet.loader.meshes.empty());
}

int reportCount(const std::string& progress) {
    int count = 0;
    for (std::size_t at = progress.find("\r- "); at != std::string::npos;
         at = progress.find("\r- ", at + 1)) {
        ++count;
    }
    return count;
}

TEST(Progress, ReportsOncePerThousandLinesAndAfterBoundaries) {
    std::string comments;
    for (int i = 0; i < 2001; ++i) {
        comments += "#\n";
    }
    QuietLoader named;
    named.load("o A\n" + comments);
    EXPECT_EQ(reportCount(named.progress.str()), 3);

    QuietLoader unnamed;
    unnamed.load(comments);
    EXPECT_EQ(unnamed.progress.str(), "\n");
}

TEST(Progress, ReportCountsWhatWasReadSoFar) {
    QuietLoader quiet;
    ASSERT_TRUE(quiet.load(square + "o A\nf 1 2 3\nf 1 2 3 4\nusemtl red\nf 1 2 3\n"));
    EXPECT_EQ(quiet.progress.str(),
              "\n\r- A\t| vertices > 4\t| texcoords > 1\t| normals > 1\t| triangles > 0"
              "\r- A\t| vertices > 4\t| texcoords > 1\t| normals > 1\t| triangles > 0"
              "\t| material: red\n");
}

} // namespace
