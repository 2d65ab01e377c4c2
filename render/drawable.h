#pragma once

#include <map>
#include <memory>
#include <string>

#include "math/mat4.h"
#include "render/camera.h"
#include "render/gl.h"
#include "render/mesh_data.h"
#include "render/program.h"
#include "render/scene_state.h"

// A vertex and an index buffer with the attribute layout of one program. No vertex array
// object is used: the attribute state is set up again at every bind.
class GLFWVertexBuffers {
  public:
    explicit GLFWVertexBuffers(ProgramRegistry& registry);
    ~GLFWVertexBuffers();
    GLFWVertexBuffers(const GLFWVertexBuffers&) = delete;
    GLFWVertexBuffers& operator=(const GLFWVertexBuffers&) = delete;

    void setVertexData(int sizeBytes, const float* data, int strideFloats);
    void setIndexData(int sizeBytes, const std::uint32_t* data, int count);

    // An attribute name already added keeps its first size and offset.
    void addAttribute(const std::string& programName, const std::string& attributeName, int size,
                      int offset);

    void bind() const;
    void upload() const;

    int indexCount() const { return indexCount_; }

  private:
    ProgramRegistry& registry_;
    GLuint vertexBuffer_ = 0;
    GLuint indexBuffer_ = 0;
    const float* vertexData_ = nullptr;
    int vertexSize_ = 0;
    int stride_ = 0;
    std::map<std::string, GLint> attributeLocations_;
    std::map<std::string, int> attributeSizes_;
    std::map<std::string, int> attributeOffsets_;
    const std::uint32_t* indexData_ = nullptr;
    int indexSize_ = 0;
    int indexCount_ = 0;
};

// A mesh on the GPU with the program that draws it. Each draw makes the program current, uploads
// the model, view and projection matrices and issues one indexed triangle draw.
class GLFWDrawableObject {
  public:
    GLFWDrawableObject(SceneState& sceneState, GLFWCamera& camera, ProgramRegistry& registry,
                       const char* programName, int objResource, int mtlResource, float scale);
    virtual ~GLFWDrawableObject() = default;
    GLFWDrawableObject(const GLFWDrawableObject&) = delete;
    GLFWDrawableObject& operator=(const GLFWDrawableObject&) = delete;

    void init();
    void setModelMatrix(Mat4f model) { model_ = model; }
    void draw() { drawWith(programName_); }

    // Draws with another program built from the same vertex shader, whose attribute locations
    // are those of the object's own program.
    void drawWith(const char* programName);

  protected:
    virtual void declareAttributes() = 0;
    virtual void updateUniforms() = 0;
    virtual void beforeDraw() = 0;

    void setUniform(const char* programName, const char* name, float value);
    void setUniform(const char* programName, const char* name, const Mat4f& value);

    // The program of the draw under way.
    const char* drawingProgram_ = nullptr;

    SceneState& sceneState_;
    ProgramRegistry& registry_;
    GLFWMeshData mesh_;
    GLFWVertexBuffers buffers_;
    GLFWCamera& camera_;
    const char* programName_;
    Mat4f model_;
};

// The full-screen rectangle that carries the scene shader, fed the time and the viewport size.
class GLFWDrawableSky : public GLFWDrawableObject {
  public:
    using GLFWDrawableObject::GLFWDrawableObject;

  protected:
    void declareAttributes() override;
    void updateUniforms() override;
    void beforeDraw() override {}
};
