#include "mesh/geometry.h"
#include "mesh/mesh_loader.h"

#include <algorithm>
#include <array>

namespace objl {
namespace {

// Exact, with no tolerance; a NaN component makes two positions differ.
bool samePosition(const Vector3& a, const Vector3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// Appends every face index whose position equals a corner, once per corner it equals, in
// ascending index order. As the remaining corners keep the face's order, ascending order is a
// rotation of the triangle's corners and the triangle keeps the face's winding.
void emitTriangle(std::vector<std::uint32_t>& indices, const std::vector<Vertex>& face,
                  const std::array<Vector3, 3>& corners) {
    for (std::size_t j = 0; j < face.size(); ++j) {
        for (const Vector3& corner : corners) {
            if (samePosition(face[j].position, corner)) {
                indices.push_back(static_cast<std::uint32_t>(j));
            }
        }
    }
}

// Degrees; the conversion is made in double precision.
double cornerAngle(const Vector3& prev, const Vector3& cur, const Vector3& next) {
    constexpr double degreesPerRadian = 57.29577951307855;
    return static_cast<double>(vectorAngle(prev - cur, next - cur)) * degreesPerRadian;
}

// A straight or folded-back corner cannot be an ear. A NaN angle (an edge of zero length) is
// not passed over.
bool isFlat(double angle) {
    return angle <= 0 || angle >= 180;
}

// Every vertex of the face counts, corners already clipped included, except those lying on one
// of the triangle's own corners.
bool earBlocked(const std::vector<Vertex>& face, const Vector3& prev, const Vector3& cur,
                const Vector3& next) {
    return std::any_of(face.begin(), face.end(), [&](const Vertex& vertex) {
        const Vector3& p = vertex.position;
        return pointInTriangle(p, prev, cur, next) && !samePosition(p, prev) &&
               !samePosition(p, cur) && !samePosition(p, next);
    });
}

// Covers the last four corners r0..r3 with (r3, r0, r1) and (r3, r1, fourth), where the fourth
// is the first corner that lies on none of the first triangle's corners, or the origin.
void splitLastFour(std::vector<std::uint32_t>& indices, const std::vector<Vertex>& face,
                   const std::vector<Vertex>& remaining) {
    const Vector3& prev = remaining[3].position;
    const Vector3& cur = remaining[0].position;
    const Vector3& next = remaining[1].position;
    emitTriangle(indices, face, {cur, prev, next});
    const auto other = std::find_if(remaining.begin(), remaining.end(), [&](const Vertex& v) {
        return !samePosition(v.position, prev) && !samePosition(v.position, cur) &&
               !samePosition(v.position, next);
    });
    const Vector3 fourth = other == remaining.end() ? Vector3() : other->position;
    emitTriangle(indices, face, {prev, next, fourth});
}

// Clips the first ear of `remaining`, emitting its triangle; false when no corner is an ear.
bool clipFirstEar(std::vector<std::uint32_t>& indices, const std::vector<Vertex>& face,
                  std::vector<Vertex>& remaining) {
    const std::size_t count = remaining.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Vector3& prev = remaining[(i + count - 1) % count].position;
        const Vector3& cur = remaining[i].position;
        const Vector3& next = remaining[(i + 1) % count].position;
        if (isFlat(cornerAngle(prev, cur, next)) || earBlocked(face, prev, cur, next)) {
            continue;
        }
        emitTriangle(indices, face, {cur, prev, next});
        // The first corner on the clipped position goes, which with repeated positions may be
        // an earlier one than i. A NaN position equals nothing, not even itself: then corner i
        // itself goes, so that every clip shortens the list.
        const auto firstOnPosition =
            std::find_if(remaining.begin(), remaining.end(),
                         [&](const Vertex& v) { return samePosition(v.position, cur); });
        const auto index = static_cast<std::ptrdiff_t>(i);
        remaining.erase(firstOnPosition == remaining.end() ? remaining.begin() + index
                                                           : firstOnPosition);
        return true;
    }
    return false;
}

} // namespace

// No convexity test is made: a reflex corner that passes the angle and ear tests is clipped,
// giving a triangle outside the face.
void MeshLoader::triangulateFace(std::vector<std::uint32_t>& indices,
                                 const std::vector<Vertex>& vertices) {
    if (vertices.size() < 3) {
        return;
    }
    if (vertices.size() == 3) {
        indices.insert(indices.end(), {0, 1, 2});
        return;
    }
    std::vector<Vertex> remaining = vertices;
    while (remaining.size() > 4) {
        // When no ear is left the face stays partly uncovered: the triangles clipped so far are
        // true ears of it and are kept; nothing else in the face can be cut.
        if (!clipFirstEar(indices, vertices, remaining)) {
            return;
        }
    }
    splitLastFour(indices, vertices, remaining);
}

} // namespace objl
