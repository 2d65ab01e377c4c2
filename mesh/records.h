#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The plain records that the OBJ/MTL loader fills, that its face triangulation reads and that the
// renderer copies its vertex data from.
namespace objl {

struct Vector2 {
    constexpr Vector2() = default;
    constexpr Vector2(float x, float y) : x(x), y(y) {}

    float x = 0;
    float y = 0;
};

struct Vector3 {
    constexpr Vector3() = default;
    constexpr Vector3(float x, float y, float z) : x(x), y(y), z(z) {}

    float x = 0;
    float y = 0;
    float z = 0;
};

constexpr Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

struct Vertex {
    Vector3 position;
    Vector3 normal;
    Vector2 texCoord;
};

// Field names follow the MTL keywords that fill them.
struct Material {
    std::string name;
    Vector3 Ka;
    Vector3 Kd;
    Vector3 Ks;
    float Ns = 0;
    float Ni = 0;
    float d = 0;
    std::int32_t illum = 0;
    std::string map_Ka;
    std::string map_Kd;
    std::string map_Ks;
    std::string map_Ns;
    std::string map_d;
    std::string map_bump;
};

struct Mesh {
    Mesh(std::vector<Vertex> vertices, std::vector<std::uint32_t> indices)
        : vertices(std::move(vertices)), indices(std::move(indices)) {}

    std::string name;
    // One vertex per face corner; faces share none.
    std::vector<Vertex> vertices;
    // Three per triangle, into `vertices`.
    std::vector<std::uint32_t> indices;
    Material material;
};

} // namespace objl
