// objinfo FILE.obj [FILE.mtl]: loads a Wavefront model through the mesh loader, as the saver
// would load its resources, and lists the meshes it gave.

#include "mesh/mesh_loader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr int usageOrFileError = 2;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The file's bytes, or nothing with errno set. Read through stdio, which reports a read error
// (a directory, say) that a stream would take for the end of the file.
std::optional<std::string> readFile(const char* path) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, count);
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return bytes;
}

void printMeshes(const objl::MeshLoader& loader) {
    for (std::size_t i = 0; i < loader.meshes.size(); ++i) {
        const objl::Mesh& mesh = loader.meshes[i];
        std::cout << "mesh " << i << " vertices=" << mesh.vertices.size()
                  << " indices=" << mesh.indices.size() << " material=" << mesh.material.name
                  << " name=" << mesh.name << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: objinfo FILE.obj [FILE.mtl]\n";
        return usageOrFileError;
    }
    std::string texts[2];
    for (int i = 1; i < argc; ++i) {
        std::optional<std::string> text = readFile(argv[i]);
        if (!text) {
            std::cerr << "objinfo: cannot read " << argv[i] << ": " << std::strerror(errno) << '\n';
            return usageOrFileError;
        }
        texts[i - 1] = std::move(*text);
    }
    objl::MeshLoader loader;
    const bool loaded = loader.loadFromText(texts[0], texts[1]);
    printMeshes(loader);
    std::cout << "result " << (loaded ? "true" : "false") << '\n';
    return 0;
}
