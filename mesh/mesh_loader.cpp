#include "mesh/mesh_loader.h"

#include "mesh/geometry.h"
#include "mesh/text.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <utility>

namespace objl {
namespace {

// Calls `readLine` with every line of `text` until it returns false; false then. Lines are cut
// at line feeds, which belong to no line; a final line feed starts no empty line.
template <typename ReadLine> bool forEachLine(std::string_view text, ReadLine&& readLine) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (!readLine(text.substr(0, end))) {
            return false;
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return true;
}

// A carriage return goes together with the character after it, whatever that is, so
// "v 1 2 3\r5" reads as "v 1 2 3". With line ends of a line feed, or a carriage return and a
// line feed, that removes exactly the final carriage return.
std::string withoutCarriageReturns(std::string_view line) {
    std::string kept;
    kept.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\r') {
            ++i;
        } else {
            kept += line[i];
        }
    }
    return kept;
}

// The first `count` fields as numbers; further fields are ignored. Nothing when there are fewer
// fields or one does not read.
template <std::size_t count>
std::optional<std::array<float, count>> readNumbers(const std::vector<std::string>& fields) {
    if (fields.size() < count) {
        return std::nullopt;
    }
    std::array<float, count> numbers{};
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<float> number = readFloat(fields[i]);
        if (!number) {
            return std::nullopt;
        }
        numbers[i] = *number;
    }
    return numbers;
}

template <std::size_t count>
std::optional<std::array<float, count>> readNumbersAfterKeyword(std::string_view line) {
    std::vector<std::string> fields;
    splitOn(afterLeadingToken(line), ' ', fields);
    return readNumbers<count>(fields);
}

std::optional<Vector3> readVector3(std::string_view line) {
    const auto numbers = readNumbersAfterKeyword<3>(line);
    if (!numbers) {
        return std::nullopt;
    }
    return Vector3((*numbers)[0], (*numbers)[1], (*numbers)[2]);
}

std::optional<Vector2> readVector2(std::string_view line) {
    const auto numbers = readNumbersAfterKeyword<2>(line);
    if (!numbers) {
        return std::nullopt;
    }
    return Vector2((*numbers)[0], (*numbers)[1]);
}

// Fills `vertex` from the "/" parts of one face corner: "p", "p/t", "p//n" or "p/t/n". Without a
// texture index the texture coordinate is (0, 0); without a normal index the normal stays as
// the previous corner left it, and `missingNormal` asks for the computed face normal. False
// when the corner has no part or more than three, or an index names no element.
bool readCorner(const std::vector<std::string>& parts, const std::vector<Vector3>& positions,
                const std::vector<Vector2>& texCoords, const std::vector<Vector3>& normals,
                Vertex& vertex, bool& missingNormal) {
    if (parts.empty() || parts.size() > 3) {
        return false;
    }
    const Vector3* position = elementAtObjIndex(positions, parts[0]);
    if (position == nullptr) {
        return false;
    }
    vertex.position = *position;
    vertex.texCoord = {};
    if (parts.size() == 2 || (parts.size() == 3 && !parts[1].empty())) {
        const Vector2* texCoord = elementAtObjIndex(texCoords, parts[1]);
        if (texCoord == nullptr) {
            return false;
        }
        vertex.texCoord = *texCoord;
    }
    if (parts.size() < 3) {
        missingNormal = true;
        return true;
    }
    const Vector3* normal = elementAtObjIndex(normals, parts[2]);
    if (normal == nullptr) {
        return false;
    }
    vertex.normal = *normal;
    return true;
}

// Gives every corner the normal of the plane of the first three, not normalised.
void setFaceNormal(std::vector<Vertex>& face) {
    const Vector3 normal =
        crossProduct(face[0].position - face[1].position, face[2].position - face[1].position);
    for (Vertex& vertex : face) {
        vertex.normal = normal;
    }
}

template <typename Field>
using MaterialFields = std::span<const std::pair<std::string_view, Field Material::*>>;

constexpr std::pair<std::string_view, Vector3 Material::*> colourFields[] = {
    {"Ka", &Material::Ka}, {"Kd", &Material::Kd}, {"Ks", &Material::Ks}};
constexpr std::pair<std::string_view, float Material::*> scalarFields[] = {
    {"Ns", &Material::Ns}, {"Ni", &Material::Ni}, {"d", &Material::d}};
constexpr std::pair<std::string_view, std::string Material::*> mapFields[] = {
    {"map_Ka", &Material::map_Ka},     {"map_Kd", &Material::map_Kd},
    {"map_Ks", &Material::map_Ks},     {"map_Ns", &Material::map_Ns},
    {"map_d", &Material::map_d},       {"map_Bump", &Material::map_bump},
    {"map_bump", &Material::map_bump}, {"bump", &Material::map_bump}};

template <typename Field>
Field* fieldFor(Material& material, MaterialFields<Field> fields, std::string_view keyword) {
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&](const auto& field) { return field.first == keyword; });
    return found == fields.end() ? nullptr : &(material.*(found->second));
}

class MtlReader {
  public:
    explicit MtlReader(std::vector<Material>& materials) : materials_(materials) {}

    // False when a number does not read.
    bool readLine(std::string_view line) {
        const std::string keyword = leadingToken(line);
        if (keyword == "newmtl") {
            startMaterial(line);
            return true;
        }
        if (Vector3* colour = fieldFor<Vector3>(working_, colourFields, keyword)) {
            return readColour(line, *colour);
        }
        if (float* scalar = fieldFor<float>(working_, scalarFields, keyword)) {
            return assign(*scalar, readFloat(afterLeadingToken(line)));
        }
        if (keyword == "illum") {
            return assign(working_.illum, readInt(afterLeadingToken(line)));
        }
        if (std::string* map = fieldFor<std::string>(working_, mapFields, keyword)) {
            *map = afterLeadingToken(line);
        }
        return true;
    }

    // The last material is kept even when no "newmtl" named it.
    void finish() { materials_.push_back(std::move(working_)); }

  private:
    template <typename Number> static bool assign(Number& field, std::optional<Number> value) {
        if (value) {
            field = *value;
        }
        return value.has_value();
    }

    // Values given before the first "newmtl" belong to the first material, so only a later
    // "newmtl" completes one.
    void startMaterial(std::string_view line) {
        if (newmtlSeen_) {
            materials_.push_back(std::exchange(working_, Material{}));
        }
        newmtlSeen_ = true;
        std::string name = afterLeadingToken(line);
        working_.name = line.size() < 8 ? "none" : std::move(trimTrailingLineBreaks(name));
    }

    // A colour of any other count than three numbers is dropped, leaving the field as it was.
    static bool readColour(std::string_view line, Vector3& colour) {
        std::vector<std::string> fields;
        splitOn(afterLeadingToken(line), ' ', fields);
        if (fields.size() != 3) {
            return true;
        }
        const auto numbers = readNumbers<3>(fields);
        if (numbers) {
            colour = Vector3((*numbers)[0], (*numbers)[1], (*numbers)[2]);
        }
        return numbers.has_value();
    }

    std::vector<Material>& materials_;
    Material working_;
    bool newmtlSeen_ = false;
};

// The working state of one OBJ load.
class ObjReader {
  public:
    ObjReader(MeshLoader& loader, std::string_view mtlText, std::ostream& progress)
        : loader_(loader), mtlText_(mtlText), progress_(progress) {}

    // False when the line holds input that names nothing sound (see MeshLoader).
    bool readLine(std::string_view rawLine) {
        const std::string line = withoutCarriageReturns(rawLine);
        reportProgress();
        const std::string keyword = leadingToken(line);
        if (keyword == "o" || keyword == "g" || line.starts_with('g')) {
            readBoundary(line, keyword);
            return true;
        }
        if (keyword == "v") {
            return append(positions_, readVector3(line));
        }
        if (keyword == "vt") {
            return append(texCoords_, readVector2(line));
        }
        if (keyword == "vn") {
            return append(normals_, readVector3(line));
        }
        if (keyword == "f") {
            return readFace(line);
        }
        if (keyword == "usemtl") {
            readUsemtl(line);
            return true;
        }
        if (keyword == "mtllib") {
            return loader_.loadMaterials(mtlText_);
        }
        return true;
    }

    void endProgress() { progress_ << '\n' << std::flush; }

    // Completes the mesh still open at the end of the text and hands out the materials.
    void finish() {
        completeMesh(meshName_);
        assignMaterials();
    }

  private:
    template <typename Value>
    static bool append(std::vector<Value>& list, std::optional<Value> value) {
        if (value) {
            list.push_back(*value);
        }
        return value.has_value();
    }

    void reportProgress() {
        counter_ = (counter_ + 1) % 1000;
        if (counter_ != 1 || meshName_.empty()) {
            return;
        }
        progress_ << "\r- " << meshName_ << "\t| vertices > " << positions_.size()
                  << "\t| texcoords > " << texCoords_.size() << "\t| normals > " << normals_.size()
                  << "\t| triangles > " << meshVertices_.size() / 3;
        if (!materialNames_.empty()) {
            progress_ << "\t| material: " << materialNames_.back();
        }
    }

    // An "o" or "g" line, or any other line starting with 'g'. The first one only names the
    // mesh that faces read so far already belong to.
    void readBoundary(std::string_view line, std::string_view keyword) {
        const bool completed = boundarySeen_ && completeMesh(meshName_);
        const bool named = keyword == "o" || keyword == "g";
        meshName_ = completed || named ? afterLeadingToken(line) : "unnamed";
        boundarySeen_ = true;
        endProgress();
        counter_ = 0;
    }

    void readUsemtl(std::string_view line) {
        materialNames_.push_back(afterLeadingToken(line));
        completeMesh(meshName_ + "_2");
        counter_ = 0;
    }

    bool readFace(std::string_view line) {
        const auto face = MeshLoader::buildFaceVertices(line, positions_, texCoords_, normals_);
        if (!face) {
            return false;
        }
        meshVertices_.insert(meshVertices_.end(), face->begin(), face->end());
        loader_.allVertices.insert(loader_.allVertices.end(), face->begin(), face->end());
        std::vector<std::uint32_t> faceIndices;
        MeshLoader::triangulateFace(faceIndices, *face);
        const std::size_t meshStart = meshVertices_.size() - face->size();
        const std::size_t allStart = loader_.allVertices.size() - face->size();
        for (const std::uint32_t index : faceIndices) {
            meshIndices_.push_back(static_cast<std::uint32_t>(meshStart + index));
            loader_.allIndices.push_back(static_cast<std::uint32_t>(allStart + index));
        }
        return true;
    }

    // A mesh is made only when it has both vertices and indices; true when one was made.
    bool completeMesh(std::string name) {
        if (meshVertices_.empty() || meshIndices_.empty()) {
            return false;
        }
        Mesh& mesh = loader_.meshes.emplace_back(std::exchange(meshVertices_, {}),
                                                 std::exchange(meshIndices_, {}));
        mesh.name = std::move(name);
        return true;
    }

    // The k-th "usemtl" name goes to the k-th mesh, whatever faces were read under it; the
    // first material of that name wins. A name beyond the last mesh has no mesh to go to and
    // is passed over.
    void assignMaterials() {
        const std::size_t count = std::min(materialNames_.size(), loader_.meshes.size());
        for (std::size_t k = 0; k < count; ++k) {
            const auto material = std::find_if(
                loader_.materials.begin(), loader_.materials.end(),
                [&](const Material& candidate) { return candidate.name == materialNames_[k]; });
            if (material != loader_.materials.end()) {
                loader_.meshes[k].material = *material;
            }
        }
    }

    MeshLoader& loader_;
    std::string_view mtlText_;
    std::ostream& progress_;
    std::vector<Vector3> positions_;
    std::vector<Vector2> texCoords_;
    std::vector<Vector3> normals_;
    std::vector<Vertex> meshVertices_;
    std::vector<std::uint32_t> meshIndices_;
    std::vector<std::string> materialNames_;
    std::string meshName_;
    bool boundarySeen_ = false;
    // Starts so that the first line reports.
    int counter_ = 1000;
};

} // namespace

bool MeshLoader::loadFromText(std::string_view objText, std::string_view mtlText) {
    meshes.clear();
    allVertices.clear();
    allIndices.clear();
    ObjReader reader(*this, mtlText, *progress_);
    const bool readable =
        forEachLine(objText, [&](std::string_view line) { return reader.readLine(line); });
    reader.endProgress();
    if (!readable) {
        return false;
    }
    reader.finish();
    return !meshes.empty() || !allVertices.empty() || !allIndices.empty();
}

bool MeshLoader::loadMaterials(std::string_view mtlText) {
    MtlReader reader(materials);
    if (!forEachLine(mtlText, [&](std::string_view line) { return reader.readLine(line); })) {
        return false;
    }
    reader.finish();
    return true;
}

std::optional<std::vector<Vertex>>
MeshLoader::buildFaceVertices(std::string_view faceLine, const std::vector<Vector3>& positions,
                              const std::vector<Vector2>& texCoords,
                              const std::vector<Vector3>& normals) {
    std::vector<std::string> corners;
    splitOn(afterLeadingToken(faceLine), ' ', corners);
    std::vector<Vertex> face;
    face.reserve(corners.size());
    Vertex working;
    bool missingNormal = false;
    std::vector<std::string> parts;
    for (const std::string& corner : corners) {
        splitOn(corner, '/', parts);
        if (!readCorner(parts, positions, texCoords, normals, working, missingNormal)) {
            return std::nullopt;
        }
        face.push_back(working);
    }
    if (missingNormal) {
        // The computed normal needs three corners; a smaller face cannot have one.
        if (face.size() < 3) {
            return std::nullopt;
        }
        setFaceNormal(face);
    }
    return face;
}

} // namespace objl
