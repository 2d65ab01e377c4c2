#pragma once

#include <map>
#include <memory>
#include <string>

#include "render/gl.h"

// The texts of a program's two shaders. `fragmentDefines` are lines placed right after the
// fragment shader's version line, so that one source can be built with parts compiled out.
struct ShaderTexts {
    std::string vertex;
    std::string fragment;
    std::string fragmentDefines;
};

inline constexpr std::size_t kShaderSourceCapacity = 16384;

// The texts of two TEXTFILE resources, each read up to its end marker.
ShaderTexts readShaderResources(int vertexResource, int fragmentResource);

// One linked program with a cache of its uniform and attribute locations. A shader that does
// not compile ends the process after showing its log.
class GLFWProgram {
  public:
    GLFWProgram(int vertexResource, int fragmentResource);
    explicit GLFWProgram(ShaderTexts texts);
    ~GLFWProgram();
    GLFWProgram(const GLFWProgram&) = delete;
    GLFWProgram& operator=(const GLFWProgram&) = delete;

    void use() const;

    // Each name costs OpenGL one query in the program's life, -1 answers included. Uniforms and
    // attributes share the cache, so a name means the same thing in both.
    GLint uniformLocation(const std::string& name);
    GLint attributeLocation(const std::string& name);

    GLuint id() const { return program_; }

  private:
    GLuint compile(GLenum type, const std::string& source, const std::string& defines,
                   const char* failureMessage);
    template <typename Query> GLint cachedLocation(const std::string& name, Query query);

    ShaderTexts texts_;
    GLuint vertexShader_ = 0;
    GLuint fragmentShader_ = 0;
    GLuint program_ = 0;
    std::map<std::string, GLint> locations_;
};

// The programs of the scene by name. The first program registered under a name stays.
class ProgramRegistry {
  public:
    void add(const std::string& name, int vertexResource, int fragmentResource);
    void add(const std::string& name, ShaderTexts texts);
    GLFWProgram* get(const std::string& name) const;
    void use(const std::string& name) const;

  private:
    std::map<std::string, std::unique_ptr<GLFWProgram>> programs_;
};
