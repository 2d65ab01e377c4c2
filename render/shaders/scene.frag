#version 110

// Ray-marches a carved, glowing gourd above a grass plane (renderMode 0), or stretches the
// square low-resolution render of that picture from the off-screen texture over the viewport
// (renderMode 1).

uniform float iTime;
uniform float viewportWidth;
uniform float viewportHeight;
uniform sampler2D grassTexture;
uniform sampler2D depthTexture;
uniform sampler2D screenTexture;
uniform float screenTextureSize;
uniform int renderMode;

const float EPS = 0.008;
const float MAX_DIST = 50.0;
const int ITERATIONS = 75;
const vec3 SHELL_COLOR = vec3(252.0, 138.0, 21.0) / 255.0;
const vec3 INNER_COLOR = vec3(253.0, 180.0, 75.0) / 255.0;
const vec3 GLOW_COLOR = vec3(253.0, 180.0, 75.0) / 255.0;
const float MAX_DEPTH = -0.5;
const float OFFSCREEN_SIZE = 1024.0;

struct March {
    vec3 pos;
    float dist;
    float ao;
    float g;
};

// The scene, compiled out of the stretch pass, which only copies the off-screen square.
#ifndef STRETCH_PASS

// Noise from the red channel; repeat wrapping makes any coordinate valid.
float noise(vec2 u)
{
    return texture2D(depthTexture, u).r;
}

// (a, b) -> (a cos t + b sin t, b cos t - a sin t).
vec2 rot(vec2 v, float t)
{
    return v * mat2(cos(t), sin(t), -sin(t), cos(t));
}

float sdTriPrism(vec3 p, vec2 h)
{
    vec3 q = abs(p);
    return max(q.z - h.y, max(q.x * 0.866025 + p.y * 0.5, -p.y) - 0.5 * h.x);
}

float sdVesica(vec3 p, float r, float d, float h)
{
    vec2 a = abs(p.xy);
    float b = sqrt(r * r - d * d);
    float e;
    if ((a.y - b) * d > a.x * b) {
        e = length(a - vec2(0.0, b));
    } else {
        e = length(a - vec2(-d, 0.0)) - r;
    }
    vec2 w = vec2(e, abs(p.z) - h);
    return min(max(w.x, w.y), 0.0) + length(max(w, 0.0));
}

float eyeHole(vec3 p, float t)
{
    p.yz = rot(p.yz, -0.2);
    p.xz = rot(p.xz, t);
    p.xy = rot(p.xy, 0.1 * sign(t));
    return sdTriPrism(p - vec3(0.0, 0.0, 2.5), vec2(0.5, 0.5));
}

float tooth(vec3 p, float alpha, float beta, float gamma)
{
    p.yz = rot(p.yz, alpha);
    p.xz = rot(p.xz, beta);
    p.xy = rot(p.xy, gamma);
    return sdTriPrism(p - vec3(0.0, 0.0, 2.5), vec2(0.25, 0.5));
}

float noseHole(vec3 p)
{
    return sdTriPrism(p - vec3(0.0, 0.0, 2.5), vec2(0.25, 0.5));
}

// The mouth is a vesica bent into a grin, lying on its side.
float mouthHole(vec3 p)
{
    p.y = p.y - 0.4 * (p.x * p.x);
    p.yz = rot(p.yz, 0.27);
    p.xy = p.yx;
    return sdVesica(p - vec3(0.0, 0.0, 2.5), 3.1, 2.8, 0.7);
}

float hollow(vec3 p)
{
    return length(vec2(length(p.xz) - 1.1, p.y)) - 1.1;
}

float centerSphereHole(vec3 p)
{
    return length(p) - 0.5;
}

// A fat torus around the y axis with 24 lobes on its rind, roughened by the noise texture.
float gourd(vec3 p)
{
    return length(vec2(length(p.xz) - 1.1, p.y)) - 1.5
        - 0.05 * abs(sin(12.0 * atan(p.z, p.x)))
        + 0.02 * noise(p.xy)
        + 0.1 * noise(0.1 * p.xy);
}

// Also gives gourd(p), which the colouring of a hit needs again.
float map(vec3 p, out float g)
{
    float holes = min(eyeHole(p, 0.3), eyeHole(p, -0.3));
    holes = min(holes, noseHole(p));
    holes = min(holes, mouthHole(p));
    // The teeth are left standing inside the mouth.
    holes = max(holes, -tooth(p, 0.16, 0.15, 1.0));
    holes = max(holes, -tooth(p, 0.31, -0.2, 0.4));
    holes = min(holes, centerSphereHole(p));
    g = gourd(p);
    return max(max(g, -holes), -hollow(p));
}

float flicker()
{
    return noise(vec2(0.15 * iTime, 0.0));
}

// Everything map can hit lies inside this sphere about the origin and this slab about the
// ground-parallel plane through it. map is never below gourd (both other terms only cut away),
// and gourd(p) >= length(vec2(length(p.xz) - 1.1, p.y)) - 1.5 - 0.05, since the lobes take at
// most 0.05 and both noise terms are positive (the noise texture holds 1 to 254). That length
// is at least length(p) - 1.1 and at least abs(p.y), so a hit, map < EPS, needs
// length(p) < 2.658 and abs(p.y) < 1.558; the bounds leave room for rounding along the ray.
const float BOUND_RADIUS = 2.7;
const float BOUND_HALF_HEIGHT = 1.6;

// Whether the ray from ro along the unit direction rd passes through the bounding volume.
bool entersBound(vec3 ro, vec3 rd)
{
    float towards = dot(ro, rd);
    float disc = towards * towards - dot(ro, ro) + BOUND_RADIUS * BOUND_RADIUS;
    if (disc < 0.0) {
        return false;
    }
    float root = sqrt(disc);
    float enter = -towards - root;
    float leave = -towards + root;
    if (rd.y != 0.0) {
        float a = (BOUND_HALF_HEIGHT - ro.y) / rd.y;
        float b = (-BOUND_HALF_HEIGHT - ro.y) / rd.y;
        enter = max(enter, min(a, b));
        leave = min(leave, max(a, b));
    } else if (abs(ro.y) >= BOUND_HALF_HEIGHT) {
        return false;
    }
    return enter < leave && leave > 0.0;
}

// Whether p is outside the bounding volume and moving away from it along rd, for good.
bool leavesBound(vec3 p, vec3 rd)
{
    return (dot(p, p) > BOUND_RADIUS * BOUND_RADIUS && dot(p, rd) > 0.0)
        || (abs(p.y) > BOUND_HALF_HEIGHT && p.y * rd.y > 0.0);
}

// dist is -1 when no surface was reached within the step budget; ao is the stopping step / 100.
// g is gourd at the stopping point, kept for the colouring. A ray that misses the bounding
// volume, or that leaves it, can reach no surface: it ends as a miss at once, which is what the
// full march would give after all its steps (a miss only sets dist, all the colouring reads).
March march(vec3 ro, vec3 rd)
{
    March m;
    m.dist = -1.0;
    if (!entersBound(ro, rd)) {
        return m;
    }
    float total = 0.0;
    float d = MAX_DIST;
    int i;
    for (i = 0; i < ITERATIONS; i++) {
        d = map(ro, m.g);
        total += d;
        if (d < EPS || total > MAX_DIST) {
            break;
        }
        ro += rd * d;
        if (leavesBound(ro, rd)) {
            return m;
        }
    }
    m.pos = ro;
    if (d < EPS) {
        m.dist = total;
    }
    m.ao = float(i) / 100.0;
    return m;
}

vec3 colorize(vec3 pos, float dist, float ao, int material, float insideLevel)
{
    float fog = exp(-(dist - 3.0));
    float glow = 0.0;
    float bright = 0.2 + 0.6 * flicker();
    vec3 color;
    if (material == 0) {
        fog = mix(fog, 1.0, insideLevel);
        glow = 2.0 * insideLevel * bright;
        color = mix(SHELL_COLOR, INNER_COLOR, smoothstep(0.05, 0.2, insideLevel));
    } else {
        color = 2.0 * texture2D(grassTexture, pos.xz / 10.0).rgb
            * (mix(1.5 * GLOW_COLOR, vec3(1.0, 1.0, 1.0), 0.5) * (0.5 + 0.5 * bright));
    }
    color = color * fog + GLOW_COLOR * glow - ao;
    if (material == 0) {
        // Warm light on the gourd's lower part, near the ground.
        color += 0.2 * bright * max(0.0, -pos.y - 1.0);
    }
    return color;
}

void renderScene()
{
    // Both axes are scaled by the height: the vertical field of view is fixed.
    vec2 uv = gl_FragCoord.xy / viewportHeight - vec2(0.5 * viewportWidth / viewportHeight, 0.5);
    vec3 ro = vec3(0.0, 0.0, 6.0);
    vec3 rd = normalize(vec3(uv.x, uv.y, -1.0));

    float st = sin(0.5 * iTime);
    float ct = cos(0.4 * iTime);
    float yaw = 0.3 * ct;
    float pitch = 0.2 * (st * st);
    ro.xz = rot(ro.xz, yaw);
    rd.xz = rot(rd.xz, yaw);
    ro.yz = rot(ro.yz, pitch);
    rd.yz = rot(rd.yz, pitch);

    March m = march(ro, rd);
    // The ground is the plane y = -1.5.
    float planeDist = (-1.5 - ro.y) / rd.y;

    vec3 pos;
    float dist;
    int material;
    float insideLevel;
    float ao;
    if (m.dist >= 0.0 && (planeDist <= 0.0 || m.dist < planeDist)) {
        pos = m.pos;
        dist = m.dist;
        material = 0;
        float g = m.g;
        insideLevel = clamp(1.0 - (g - MAX_DEPTH) / (-0.1 - MAX_DEPTH), 0.0, 1.0);
        float belowZero = 0.0;
        if (pos.y <= 0.0) {
            belowZero = 1.0;
        }
        float outsideGourd = 0.0;
        if (g > -0.05) {
            outsideGourd = 1.0;
        }
        float withFloor = 0.5 * max(0.0, 1.0 - pow(0.45 * length(pos.xz), 0.3));
        ao = outsideGourd * belowZero * withFloor + 0.3 * m.ao;
    } else if (planeDist > 0.0) {
        pos = ro + planeDist * rd;
        dist = planeDist;
        material = 1;
        insideLevel = 0.0;
        ao = max(0.0, 1.0 - pow(0.45 * length(pos.xz), 0.3));
    } else {
        // Above the horizon and past the gourd: nothing to see.
        gl_FragColor = vec4(0.0, 0.0, 0.0, 0.0);
        return;
    }
    gl_FragColor = vec4(colorize(pos, dist, ao, material, insideLevel), 1.0);
}
#endif

// Shows the full width and the middle band of the height of the square render on a landscape
// viewport, the full height and the middle band of the width on a portrait one.
void showOffscreen()
{
    vec2 uv = gl_FragCoord.xy / vec2(viewportWidth, viewportHeight);
    float aspect = viewportWidth / viewportHeight;
    float ratio = screenTextureSize / OFFSCREEN_SIZE;
    vec2 t = uv * ratio;
    if (aspect > 1.0) {
        t.y = t.y / aspect + (1.0 - 1.0 / aspect) * 0.5 * ratio;
    }
    if (aspect < 1.0) {
        t.x = t.x * aspect + (1.0 - aspect) * 0.5 * ratio;
    }
    gl_FragColor = texture2D(screenTexture, t);
}

void main()
{
#ifndef STRETCH_PASS
    if (renderMode == 0) {
        renderScene();
        return;
    }
#endif
    if (renderMode == 1) {
        showOffscreen();
    } else {
        // No other mode is ever set; leave the framebuffer untouched.
        discard;
    }
}
//~
