#include "render/program.h"

#include <array>
#include <string_view>
#include <vector>

#include "render/fatal.h"
#include "render/text_resource.h"

namespace {

std::string readSource(int resource) {
    std::vector<char> buffer(kShaderSourceCapacity + 4);
    loadTextResource(resource, buffer.data(), kShaderSourceCapacity);
    return buffer.data();
}

// The version line must stay first in a GLSL text: the defines go right after it.
std::array<std::string_view, 3> withDefines(const std::string& source, const std::string& defines) {
    const std::size_t lineEnd = source.find('\n');
    const std::size_t split = lineEnd == std::string::npos ? source.size() : lineEnd + 1;
    const std::string_view text(source);
    return {text.substr(0, split), defines, text.substr(split)};
}

std::string compileLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length) + 1, '\0');
    glGetShaderInfoLog(shader, length, nullptr, log.data());
    return log.data();
}

} // namespace

ShaderTexts readShaderResources(int vertexResource, int fragmentResource) {
    return {readSource(vertexResource), readSource(fragmentResource), ""};
}

GLFWProgram::GLFWProgram(int vertexResource, int fragmentResource)
    : GLFWProgram(readShaderResources(vertexResource, fragmentResource)) {}

GLFWProgram::GLFWProgram(ShaderTexts texts) : texts_(std::move(texts)) {
    program_ = glCreateProgram();
    vertexShader_ = compile(GL_VERTEX_SHADER, texts_.vertex, "", "Vertex shader compilation error");
    fragmentShader_ = compile(GL_FRAGMENT_SHADER, texts_.fragment, texts_.fragmentDefines,
                              "Fragment shader compilation error");
    glAttachShader(program_, vertexShader_);
    glAttachShader(program_, fragmentShader_);
    glLinkProgram(program_);
}

GLFWProgram::~GLFWProgram() {
    glDeleteShader(vertexShader_);
    glDeleteShader(fragmentShader_);
    glDeleteProgram(program_);
}

// A shader that does not compile leaves nothing to draw with: its log and then the fixed
// message are shown, and the process ends.
GLuint GLFWProgram::compile(GLenum type, const std::string& source, const std::string& defines,
                            const char* failureMessage) {
    const GLuint shader = glCreateShader(type);
    const auto parts = withDefines(source, defines);
    const GLchar* strings[3];
    GLint lengths[3];
    for (std::size_t i = 0; i < parts.size(); ++i) {
        strings[i] = parts[i].data();
        lengths[i] = static_cast<GLint>(parts[i].size());
    }
    glShaderSource(shader, 3, strings, lengths);
    glCompileShader(shader);
    GLint status = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status == GL_FALSE) {
        showDebugMessage(compileLog(shader).c_str());
        showDebugMessage(failureMessage);
        glDeleteShader(shader);
        endAfterStartupFailure();
    }
    return shader;
}

void GLFWProgram::use() const {
    glUseProgram(program_);
}

template <typename Query> GLint GLFWProgram::cachedLocation(const std::string& name, Query query) {
    const auto cached = locations_.find(name);
    if (cached != locations_.end()) {
        return cached->second;
    }
    const GLint location = query(program_, name.c_str());
    locations_.emplace(name, location);
    return location;
}

GLint GLFWProgram::uniformLocation(const std::string& name) {
    return cachedLocation(name, glGetUniformLocation);
}

GLint GLFWProgram::attributeLocation(const std::string& name) {
    return cachedLocation(name, glGetAttribLocation);
}

void ProgramRegistry::add(const std::string& name, int vertexResource, int fragmentResource) {
    add(name, readShaderResources(vertexResource, fragmentResource));
}

void ProgramRegistry::add(const std::string& name, ShaderTexts texts) {
    auto program = std::make_unique<GLFWProgram>(std::move(texts));
    programs_.try_emplace(name, std::move(program));
}

GLFWProgram* ProgramRegistry::get(const std::string& name) const {
    const auto found = programs_.find(name);
    return found == programs_.end() ? nullptr : found->second.get();
}

void ProgramRegistry::use(const std::string& name) const {
    get(name)->use();
}
