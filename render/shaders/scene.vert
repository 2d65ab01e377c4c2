#version 110

// The sky rectangle's corners are already in clip space, so the vertex stage passes them
// through. The matrices belong to the drawable interface and are set on every draw; the scene
// itself builds its camera in the fragment shader.

attribute vec4 position;
attribute vec2 position_tex;
attribute vec3 position_normal;

uniform mat4 model_world;
uniform mat4 world_projection;
uniform mat4 model_projection;

varying vec2 fs_tex;

void main()
{
    fs_tex = position_tex;
    gl_Position = position;
}
//~
