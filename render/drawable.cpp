#include "render/drawable.h"

#include <cstdint>

GLFWVertexBuffers::GLFWVertexBuffers(ProgramRegistry& registry) : registry_(registry) {
    glGenBuffers(1, &vertexBuffer_);
    glGenBuffers(1, &indexBuffer_);
}

GLFWVertexBuffers::~GLFWVertexBuffers() {
    glDeleteBuffers(1, &vertexBuffer_);
    glDeleteBuffers(1, &indexBuffer_);
}

void GLFWVertexBuffers::setVertexData(int sizeBytes, const float* data, int strideFloats) {
    vertexSize_ = sizeBytes;
    vertexData_ = data;
    stride_ = strideFloats;
}

void GLFWVertexBuffers::setIndexData(int sizeBytes, const std::uint32_t* data, int count) {
    indexSize_ = sizeBytes;
    indexData_ = data;
    indexCount_ = count;
}

void GLFWVertexBuffers::addAttribute(const std::string& programName,
                                     const std::string& attributeName, int size, int offset) {
    const GLint location = registry_.get(programName)->attributeLocation(attributeName);
    attributeLocations_.try_emplace(attributeName, location);
    attributeSizes_.try_emplace(attributeName, size);
    attributeOffsets_.try_emplace(attributeName, offset);
}

// Attributes are set up in the byte order of their names. One the program does not use has
// location -1; OpenGL rejects it without effect, so it is skipped here.
void GLFWVertexBuffers::bind() const {
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
    for (const auto& [name, location] : attributeLocations_) {
        if (location < 0) {
            continue;
        }
        const auto index = static_cast<GLuint>(location);
        const auto offsetBytes = static_cast<std::uintptr_t>(attributeOffsets_.at(name)) * 4;
        glEnableVertexAttribArray(index);
        glVertexAttribPointer(index, attributeSizes_.at(name), GL_FLOAT, GL_FALSE, stride_ * 4,
                              reinterpret_cast<const void*>(offsetBytes));
    }
}

void GLFWVertexBuffers::upload() const {
    bind();
    glBufferData(GL_ARRAY_BUFFER, vertexSize_, vertexData_, GL_STATIC_DRAW);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indexSize_, indexData_, GL_STATIC_DRAW);
}

GLFWDrawableObject::GLFWDrawableObject(SceneState& sceneState, GLFWCamera& camera,
                                       ProgramRegistry& registry, const char* programName,
                                       int objResource, int mtlResource, float scale)
    : sceneState_(sceneState), registry_(registry), mesh_(objResource, mtlResource, scale),
      buffers_(registry), camera_(camera), programName_(programName) {
    buffers_.setVertexData(mesh_.vertexSize(), mesh_.vertexData(), mesh_.stride());
    buffers_.setIndexData(mesh_.indexSize(), mesh_.indexData(), mesh_.indexCount());
}

void GLFWDrawableObject::init() {
    declareAttributes();
    buffers_.upload();
}

void GLFWDrawableObject::drawWith(const char* programName) {
    drawingProgram_ = programName;
    registry_.use(programName);
    beforeDraw();
    const Mat4f view = camera_.currentView();
    const Mat4f projection = camera_.projection();
    const Mat4f worldProjection = projection * view;
    setUniform(programName, "model_world", model_);
    setUniform(programName, "world_projection", worldProjection);
    setUniform(programName, "model_projection", worldProjection * model_);
    updateUniforms();
    buffers_.bind();
    glDrawElements(GL_TRIANGLES, buffers_.indexCount(), GL_UNSIGNED_INT, nullptr);
}

void GLFWDrawableObject::setUniform(const char* programName, const char* name, float value) {
    glUniform1f(registry_.get(programName)->uniformLocation(name), value);
}

void GLFWDrawableObject::setUniform(const char* programName, const char* name, const Mat4f& value) {
    glUniformMatrix4fv(registry_.get(programName)->uniformLocation(name), 1, GL_FALSE, data(value));
}

void GLFWDrawableSky::declareAttributes() {
    buffers_.addAttribute(programName_, "position", 3, 0);
    buffers_.addAttribute(programName_, "position_tex", 2, 3);
    buffers_.addAttribute(programName_, "position_normal", 3, 5);
}

// Read at the moment of the draw: the two draws of a reduced-resolution frame see their own
// viewport sizes and the same time.
void GLFWDrawableSky::updateUniforms() {
    setUniform(drawingProgram_, "iTime", sceneState_.time);
    setUniform(drawingProgram_, "viewportWidth", sceneState_.width);
    setUniform(drawingProgram_, "viewportHeight", sceneState_.height);
}
