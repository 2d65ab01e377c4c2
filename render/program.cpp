#include "render/program.h"

#include <vector>

#include "render/fatal.h"
#include "render/text_resource.h"

namespace {

std::unique_ptr<char[]> readSource(int resource) {
    auto source = std::make_unique<char[]>(GLFWProgram::kSourceCapacity + 4);
    loadTextResource(resource, source.get(), GLFWProgram::kSourceCapacity);
    return source;
}

std::string compileLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length) + 1, '\0');
    glGetShaderInfoLog(shader, length, nullptr, log.data());
    return log.data();
}

} // namespace

GLFWProgram::GLFWProgram(int vertexResource, int fragmentResource)
    : vertexSource_(readSource(vertexResource)), fragmentSource_(readSource(fragmentResource)) {
    program_ = glCreateProgram();
    vertexShader_ =
        compile(GL_VERTEX_SHADER, vertexSource_.get(), "Vertex shader compilation error");
    fragmentShader_ =
        compile(GL_FRAGMENT_SHADER, fragmentSource_.get(), "Fragment shader compilation error");
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
GLuint GLFWProgram::compile(GLenum type, const char* source, const char* failureMessage) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
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
    auto program = std::make_unique<GLFWProgram>(vertexResource, fragmentResource);
    programs_.try_emplace(name, std::move(program));
}

GLFWProgram* ProgramRegistry::get(const std::string& name) const {
    const auto found = programs_.find(name);
    return found == programs_.end() ? nullptr : found->second.get();
}

void ProgramRegistry::use(const std::string& name) const {
    get(name)->use();
}
