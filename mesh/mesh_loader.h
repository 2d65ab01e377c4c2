#pragma once

#include "mesh/records.h"

#include <cstdint>
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

namespace objl {

// Reads a Wavefront OBJ text and its MTL text into triangle meshes, each with its own copy of
// its material. Vertices are not shared: a mesh has one vertex per face corner. While reading,
// it writes a short progress report to `progress` (the process's standard output by default).
//
// A load returns false for a text without any face vertex, and for input that names nothing
// sound: a number that does not read, a "v"/"vn" line of fewer than three numbers or a "vt"
// line of fewer than two, a face corner whose index is 0, out of its list or not a number, a
// corner that is empty or has more than three "/" parts, a face of fewer than three corners
// that needs a computed normal, and an unreadable number in the MTL text. The load stops at the
// first such line; the lists then hold what was completed before it.
class MeshLoader {
  public:
    explicit MeshLoader(std::ostream& progress = std::cout) : progress_(&progress) {}

    // Reads the two TEXTFILE resources of the executable and loads them as loadFromText does;
    // a missing resource reads as an empty text.
    bool loadFromResources(int objId, int mtlId);

    // Clears `meshes`, `allVertices` and `allIndices` and reads `objText`. The name on an
    // "mtllib" line is not used: every such line reads `mtlText` again and appends its materials
    // to `materials`, which is never cleared. True when a face vertex was read.
    bool loadFromText(std::string_view objText, std::string_view mtlText);

    // Appends the materials of `mtlText` to `materials`; false when a number does not read.
    bool loadMaterials(std::string_view mtlText);

    // The vertices of one "f" line, with indices resolved against the lists as they stand.
    // Nothing when a corner names no element or the face needs a normal it cannot compute.
    static std::optional<std::vector<Vertex>>
    buildFaceVertices(std::string_view faceLine, const std::vector<Vector3>& positions,
                      const std::vector<Vector2>& texCoords, const std::vector<Vector3>& normals);

    // Appends to `indices` triangles covering the face `vertices`, three indices into
    // `vertices` per triangle in the face's winding. Uses only the positions.
    static void triangulateFace(std::vector<std::uint32_t>& indices,
                                const std::vector<Vertex>& vertices);

    // In the order they were completed.
    std::vector<Mesh> meshes;
    // Every face vertex of the OBJ text, across all meshes.
    std::vector<Vertex> allVertices;
    // Triangle indices into `allVertices`.
    std::vector<std::uint32_t> allIndices;
    // In the order they were completed in the MTL text, over all loads.
    std::vector<Material> materials;

  private:
    std::ostream* progress_;
};

} // namespace objl
